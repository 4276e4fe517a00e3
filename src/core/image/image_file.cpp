// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/image_file.h"

#include <cstring>
#include <filesystem>

#include "core/base/file_io.h"

namespace cps {

Status LoadImageFile(const std::string& path, RadioImage& image, std::uint64_t* fileSize) {
  auto file = ReadRegularFile(path, kImageSize);
  if (!file) return Error{file.error()};
  const std::size_t got = file->bytes.size();
  if (got < kImageSize) {
    return Error{path + ": the file holds " + std::to_string(got) + " bytes; an image file must hold " +
                 std::to_string(kImageSize)};
  }
  std::memcpy(image.data(), file->bytes.data(), kImageSize);
  if (fileSize) *fileSize = file->size;
  return Status::Ok();
}

std::string ForeignSizeNote(std::uint64_t size) {
  return "not a radio image of this model: " + std::to_string(size) + " bytes; opened its first " +
         std::to_string(kImageSize) + " bytes";
}

std::optional<std::uint64_t> ForeignImageSize(const std::string& path) {
  std::error_code ec;
  // a link is judged by the file it leads to, which a save writes
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::is_regular_file(status)) return std::nullopt;
  const std::uint64_t size = std::filesystem::file_size(path, ec);
  // an empty file (a name made with mktemp) holds nothing a save could cut
  if (ec || size == kImageSize || size == 0) return std::nullopt;
  return size;
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
