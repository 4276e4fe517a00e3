#include "core/image/image_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cps {

namespace fs = std::filesystem;

namespace {
std::string Reason() { return std::strerror(errno); }
}  // namespace

Status LoadImageFile(const std::string& path, RadioImage& image) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return Error{path + ": is a folder, not an image file"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error{path + ": " + Reason()};
  std::vector<char> buf(kImageSize);
  in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.bad()) return Error{path + ": read error"};
  if (got < kImageSize) {
    return Error{path + ": the file holds " + std::to_string(got) + " bytes; an image file must hold " +
                 std::to_string(kImageSize)};
  }
  std::memcpy(image.data(), buf.data(), kImageSize);
  return Status::Ok();
}

bool LoadImagePrefix(const std::string& path, RadioImage& image) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<char> buf(kImageSize);
  in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  std::memcpy(image.data(), buf.data(), got);
  return true;
}

Status SaveImageFile(const std::string& path, const RadioImage& image) {
  return WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(image.data()), kImageSize));
}

Status WriteFileAtomic(const std::string& path, std::string_view data) {
  const fs::path target(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) return Error{path + ": is a folder"};
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  const fs::path temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
#ifndef _WIN32
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return Error{path + ": " + Reason()};
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = Reason();
      ::close(fd);
      fs::remove(temp, ec);
      return Error{path + ": " + why};
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = Reason();
    fs::remove(temp, ec);
    return Error{path + ": " + why};
  }
  // Keep the permissions of a file that is being replaced.
  struct stat st{};
  if (::stat(target.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
#else
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return Error{path + ": cannot create a file in " + dir.string()};
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      return Error{path + ": write error"};
    }
  }
#endif
  fs::rename(temp, target, ec);
  if (ec) {
    const std::string why = ec.message();
    fs::remove(temp, ec);
    return Error{path + ": " + why};
  }
  return Status::Ok();
}

}  // namespace cps
