// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Temporary folders and whole-file helpers of the file tests.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace cps {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("dpmr-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         "-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

inline std::vector<char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteAll(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Sets or clears the file system's immutable flag, which even root obeys.
// False where the file system has none.
inline bool SetImmutable(const fs::path& path, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

// Makes a folder refuse new files: read-only for a normal user; for root,
// which ignores permissions, the immutable flag. False when neither works.
inline bool LockFolder(const fs::path& dir, bool lock) {
  if (::geteuid() != 0) {
    std::error_code ec;
    fs::permissions(dir, lock ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all, ec);
    return !ec;
  }
  return SetImmutable(dir, lock);
}

// Makes a file refuse changes; see LockFolder.
inline bool LockFile(const fs::path& file, bool lock) {
  if (::geteuid() != 0) {
    std::error_code ec;
    fs::permissions(file, lock ? fs::perms::owner_read : fs::perms::owner_read | fs::perms::owner_write, ec);
    return !ec;
  }
  return SetImmutable(file, lock);
}

}  // namespace cps
