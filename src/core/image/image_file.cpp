#include "core/image/image_file.h"

#include <cstring>

#include "core/base/file_io.h"

namespace cps {

Status LoadImageFile(const std::string& path, RadioImage& image) {
  auto file = ReadRegularFile(path, kImageSize);
  if (!file) return Error{file.error()};
  const std::size_t got = file->bytes.size();
  if (got < kImageSize) {
    return Error{path + ": the file holds " + std::to_string(got) + " bytes; an image file must hold " +
                 std::to_string(kImageSize)};
  }
  std::memcpy(image.data(), file->bytes.data(), kImageSize);
  return Status::Ok();
}

bool LoadImagePrefix(const std::string& path, RadioImage& image) {
  auto file = ReadRegularFile(path, kImageSize);
  if (!file) return false;
  std::memcpy(image.data(), file->bytes.data(), file->bytes.size());
  return true;
}

Status SaveImageFile(const std::string& path, const RadioImage& image) {
  return WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(image.data()), kImageSize));
}

}  // namespace cps
