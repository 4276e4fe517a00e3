// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace cps {

namespace fs = std::filesystem;

namespace {

std::string Reason(int err) { return std::strerror(err); }

std::string KindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISREG(mode)) return {};
  return "not a file";
}

// Closes a descriptor on every way out; Close() reports the result once.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // 0, or the errno of a failed close.
  int Close() {
    if (fd_ < 0) return 0;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// 0 or the errno of the failed write.
int WriteAllAt(int fd, std::string_view bytes, off_t at) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// 0 or the errno of the failed read; `out` gets what the file holds from
// its start, at most `limit` bytes.
int ReadAll(int fd, std::size_t limit, std::string& out) {
  out.clear();
  char buf[8192];
  while (out.size() < limit) {
    const ssize_t n = ::read(fd, buf, std::min(sizeof buf, limit - out.size()));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    out.append(buf, static_cast<std::size_t>(n));
  }
  return 0;
}

// Follows symbolic links to the path that is really written; a name that
// does not exist (yet) is returned as it is.
Result<fs::path> ResolveLinks(const std::string& path) {
  fs::path target(path);
  for (int hops = 0;; ++hops) {
    struct stat st{};
    if (::lstat(target.c_str(), &st) != 0) {
      if (errno == ENOENT) return target;
      return Error{path + ": " + Reason(errno)};
    }
    if (!S_ISLNK(st.st_mode)) return target;
    if (hops == 40) return Error{path + ": too many levels of symbolic links"};
    std::error_code ec;
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) return Error{path + ": " + ec.message()};
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
}

void SyncFolder(const fs::path& dir) {
  // A folder that cannot be opened or flushed does not undo a rename that
  // has happened; the file itself was flushed before.
  Fd d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (d.ok()) ::fsync(d.get());
}

struct TempOutcome {
  Status status;
  bool folderRefused = false;  // the folder takes no new file, or no replacement
};

TempOutcome WriteThroughTemp(const std::string& path, const fs::path& target, std::string_view bytes,
                             const struct stat* old) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = dir / ("." + target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    // A new file gets the usual permissions (umask applies); a replacement
    // gets the old file's below.
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int err = errno;
    TempOutcome out;
    out.folderRefused = err == EACCES || err == EPERM || err == EROFS;
    out.status = Error{path + ": cannot create a file in the folder " + dir.string() + ": " + Reason(err)};
    return out;
  }
  Fd file(fd);
  auto fail = [&](int err) {
    file.Close();
    ::unlink(temp.c_str());
    return TempOutcome{Error{path + ": " + Reason(err)}};
  };
  if (int err = WriteAllAt(fd, bytes, 0)) return fail(err);
  if (old) {
    // Owner and group where the system permits (only root may give a file
    // away; a member of the group may keep the group), then the mode,
    // which a change of owner may have cut.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    if (::fchmod(fd, old->st_mode & 07777) != 0) return fail(errno);
  }
  if (::fsync(fd) != 0) return fail(errno);
  if (int err = file.Close()) {
    ::unlink(temp.c_str());
    return TempOutcome{Error{path + ": " + Reason(err)}};
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    // A folder with the sticky bit lets only the owner replace a file.
    const int err = errno;
    ::unlink(temp.c_str());
    return TempOutcome{Error{path + ": " + Reason(err)}, err == EACCES || err == EPERM};
  }
  SyncFolder(dir);
  return {};
}

Status WriteInPlace(const std::string& path, const fs::path& target, std::string_view bytes) {
  Fd file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
  if (!file.ok()) return Error{path + ": " + Reason(errno)};
  struct stat st{};
  if (::fstat(file.get(), &st) != 0) return Error{path + ": " + Reason(errno)};
  if (!S_ISREG(st.st_mode)) return Error{path + ": is " + KindOfMode(st.st_mode) + ", not a file"};
  std::string oldBytes;
  if (int err = ReadAll(file.get(), static_cast<std::size_t>(st.st_size), oldBytes))
    return Error{path + ": " + Reason(err)};

  auto fail = [&](int err) -> Status {
    // Put the old content back as far as the system lets us.
    const bool restored = WriteAllAt(file.get(), oldBytes, 0) == 0 &&
                          ::ftruncate(file.get(), static_cast<off_t>(oldBytes.size())) == 0 &&
                          ::fsync(file.get()) == 0;
    file.Close();
    return Error{path + ": " + Reason(err) +
                 (restored ? "; the file was left as it was" : "; the file may be damaged")};
  };
  if (int err = WriteAllAt(file.get(), bytes, 0)) return fail(err);
  if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) return fail(errno);
  if (::fsync(file.get()) != 0) return fail(errno);
  if (int err = file.Close()) return Error{path + ": " + Reason(err)};
  return Status::Ok();
}

}  // namespace

Result<FileBytes> ReadRegularFile(const std::string& path, std::size_t limit) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return Error{path + ": " + Reason(errno)};
  if (!S_ISREG(st.st_mode)) return Error{path + ": is " + KindOfMode(st.st_mode) + ", not a file"};
  // Non-blocking, so that a FIFO put there since the check cannot hang us.
  Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!file.ok()) return Error{path + ": " + Reason(errno)};
  if (::fstat(file.get(), &st) != 0) return Error{path + ": " + Reason(errno)};
  if (!S_ISREG(st.st_mode)) return Error{path + ": is " + KindOfMode(st.st_mode) + ", not a file"};
  FileBytes out;
  out.size = static_cast<std::uint64_t>(st.st_size);
  if (int err = ReadAll(file.get(), limit, out.bytes)) return Error{path + ": " + Reason(err)};
  return out;
}

Status WriteFileSafely(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Error{"no file name given"};
  auto resolved = ResolveLinks(path);
  if (!resolved) return Error{resolved.error()};
  const fs::path& target = *resolved;

  struct stat st{};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Error{path + ": " + Reason(errno)};
  if (exists) {
    if (!S_ISREG(st.st_mode))
      return Error{path + ": is " + KindOfMode(st.st_mode) + "; only a file can be saved over"};
    if ((st.st_mode & 0222) == 0) return Error{path + ": the file is read-only"};
    if (::access(target.c_str(), W_OK) != 0) {
      const int err = errno;
      if (err == EACCES) return Error{path + ": no permission to change the file"};
      return Error{path + ": the file cannot be changed: " + Reason(err)};
    }
  }
  // Another name of the same file would keep the old content after a
  // rename: such a file is overwritten where it is.
  if (exists && st.st_nlink > 1) return WriteInPlace(path, target, bytes);
  TempOutcome out = WriteThroughTemp(path, target, bytes, exists ? &st : nullptr);
  if (out.status || !out.folderRefused || !exists) return out.status;
  return WriteInPlace(path, target, bytes);
}

}  // namespace cps
