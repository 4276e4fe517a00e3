// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <csignal>
#include <functional>
#include <future>

#include "core/image/file_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/image/radio_image.h"

namespace cps {
namespace {

struct stat StatOf(const std::string& path) {
  struct stat st{};
  ::stat(path.c_str(), &st);
  return st;
}

RadioImage Filled(std::uint8_t value) {
  RadioImage img;
  img.Fill(0, kImageSize, value);
  return img;
}

int FileCount(const fs::path& dir) {
  int n = 0;
  for (auto& e : fs::directory_iterator(dir)) {
    (void)e;
    ++n;
  }
  return n;
}

TEST(ImageFile, RoundTripAndSizeRules) {
  TempDir dir;
  RadioImage img = NewImage("");
  img.SetByte(0x1234, 0x5A);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  const auto bytes = ReadAll(dir.File("a.dat"));
  ASSERT_EQ(bytes.size(), kImageSize);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[0x1234]), 0x5A);

  RadioImage back;
  ASSERT_TRUE(LoadImageFile(dir.File("a.dat"), back));
  EXPECT_EQ(back, img);

  // Longer files: the first 16384 bytes count.
  auto longer = bytes;
  longer.resize(kImageSize + 10, 0x33);
  WriteAll(dir.File("long.dat"), longer);
  RadioImage fromLong;
  ASSERT_TRUE(LoadImageFile(dir.File("long.dat"), fromLong));
  EXPECT_EQ(fromLong, img);

  // A file one byte short is refused and leaves the image as it was.
  WriteAll(dir.File("short.dat"), std::vector<char>(kImageSize - 1, 0x44));
  RadioImage untouched = img;
  Status st = LoadImageFile(dir.File("short.dat"), untouched);
  EXPECT_FALSE(st);
  EXPECT_NE(st.error().find("16383"), std::string::npos) << st.error();
  EXPECT_EQ(untouched, img);
  EXPECT_FALSE(LoadImageFile(dir.File("missing.dat"), untouched));
  EXPECT_EQ(untouched, img);
}

// Runs `read` of `path`; should it still wait after a few seconds (a FIFO
// without a writer), fails the test and lets the reader go.
template <typename F>
auto WithoutHanging(const std::string& path, F read) {
  auto result = std::async(std::launch::async, read);
  if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << "waits on " << path;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  return result.get();
}

// Open never waits on a FIFO and never reads a device: it says what the
// path is.
TEST(ImageFile, LoadRefusesWhatIsNotAFile) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe.dat").c_str(), 0644), 0);
  fs::create_directory(dir.File("folder.dat"));
  const struct {
    std::string path, says;
  } cases[] = {
      {dir.File("pipe.dat"), "FIFO"},
      {dir.File("folder.dat"), "folder"},
      {"/dev/zero", "device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    RadioImage img = Filled(0x5A);
    const Status st = WithoutHanging(c.path, [&] { return LoadImageFile(c.path, img); });
    ASSERT_FALSE(st);
    EXPECT_NE(st.error().find(c.says), std::string::npos) << st.error();
    EXPECT_EQ(img, Filled(0x5A));
    EXPECT_FALSE(WithoutHanging(c.path, [&] { return LoadImagePrefix(c.path, img); }));
    EXPECT_EQ(img, Filled(0x5A));
  }
}

// Saving over an existing name keeps what that name stood for.
TEST(ImageFile, SaveKeepsLinksModeAndOwner) {
  const bool root = ::geteuid() == 0;
  struct Case {
    const char* name;
    // Prepares the folder and returns the name to save under.
    std::function<std::string(TempDir&)> setup;
    std::function<void(TempDir&)> check;
  };
  const Case cases[] = {
      {"mode and owner",
       [&](TempDir& d) {
         ::chmod(d.File("a.dat").c_str(), 0640);
         if (root) {
           EXPECT_EQ(::chown(d.File("a.dat").c_str(), 4321, 4322), 0);
         }
         return d.File("a.dat");
       },
       [&](TempDir& d) {
         const struct stat st = StatOf(d.File("a.dat"));
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         if (root) {
           EXPECT_EQ(st.st_uid, 4321u);
           EXPECT_EQ(st.st_gid, 4322u);
         }
       }},
      {"symbolic link",
       [](TempDir& d) {
         fs::create_directory(d.File("real"));
         fs::rename(d.File("a.dat"), d.File("real/a.dat"));
         fs::create_symlink("real/a.dat", d.File("link.dat"));
         return d.File("link.dat");
       },
       [](TempDir& d) {
         EXPECT_TRUE(fs::is_symlink(d.File("link.dat")));
         EXPECT_EQ(ReadAll(d.File("real/a.dat")), ReadAll(d.File("link.dat")));
       }},
      {"link to a new name",
       [](TempDir& d) {
         fs::create_symlink("new.dat", d.File("dangling.dat"));
         return d.File("dangling.dat");
       },
       [](TempDir& d) { EXPECT_TRUE(fs::is_symlink(d.File("dangling.dat"))); }},
      {"hard link",
       [](TempDir& d) {
         fs::create_hard_link(d.File("a.dat"), d.File("b.dat"));
         return d.File("b.dat");
       },
       [](TempDir& d) {
         EXPECT_EQ(StatOf(d.File("a.dat")).st_ino, StatOf(d.File("b.dat")).st_ino);
         EXPECT_EQ(ReadAll(d.File("a.dat")), ReadAll(d.File("b.dat")));
       }},
      {"folder that takes no new files",
       [](TempDir& d) {
         if (!LockFolder(d.path(), true)) return std::string();
         return d.File("a.dat");
       },
       [](TempDir& d) {
         LockFolder(d.path(), false);
         EXPECT_EQ(FileCount(d.path()), 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), Filled(0x11)));
    const std::string target = c.setup(dir);
    if (target.empty()) {
      std::cout << "[ skipped  ] " << c.name << ": cannot make a folder refuse new files here\n";
      continue;
    }
    const Status st = SaveImageFile(target, Filled(0x22));
    EXPECT_TRUE(st) << st.error();
    c.check(dir);
    EXPECT_EQ(ReadAll(target), std::vector<char>(kImageSize, 0x22));
  }
}

// What must not be replaced is refused, with a message that says why, and
// stays as it was.
TEST(ImageFile, SaveRefusesWhatItMustNotReplace) {
  struct Case {
    const char* name;
    bool existing;                        // x.dat is an image file before the setup
    std::function<bool(TempDir&)> setup;  // false: not possible here
    std::string says;
  };
  const Case cases[] = {
      {"read-only file", true, [](TempDir& d) { return ::chmod(d.File("x.dat").c_str(), 0444) == 0; }, "read-only"},
      {"file that refuses changes", true, [](TempDir& d) { return LockFile(d.File("x.dat"), true); }, "x.dat"},
      {"FIFO", false, [](TempDir& d) { return ::mkfifo(d.File("x.dat").c_str(), 0644) == 0; }, "FIFO"},
      {"device", false, [](TempDir& d) { return ::mknod(d.File("x.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
       "device"},
      {"folder", false, [](TempDir& d) { return fs::create_directory(d.File("x.dat")); }, "folder"},
      {"link to a FIFO", false,
       [](TempDir& d) {
         fs::create_symlink("p", d.File("x.dat"));
         return ::mkfifo(d.File("p").c_str(), 0644) == 0;
       },
       "FIFO"},
      {"new name in a folder that takes no new files", false, [](TempDir& d) { return LockFolder(d.path(), true); },
       "folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    if (c.existing) {
      ASSERT_TRUE(SaveImageFile(dir.File("x.dat"), Filled(0x11)));
    }
    if (!c.setup(dir)) {
      std::cout << "[ skipped  ] " << c.name << ": not possible on this machine\n";
      continue;
    }
    const int before = FileCount(dir.path());
    const Status st = SaveImageFile(dir.File("x.dat"), Filled(0x22));
    ASSERT_FALSE(st);
    EXPECT_NE(st.error().find(c.says), std::string::npos) << st.error();
    EXPECT_EQ(FileCount(dir.path()), before);  // no temporary file left
    if (c.existing) {
      EXPECT_EQ(ReadAll(dir.File("x.dat")), std::vector<char>(kImageSize, 0x11));
    }
    if (c.says == "FIFO") {
      EXPECT_TRUE(fs::is_fifo(dir.File(std::string(c.name) == "FIFO" ? "x.dat" : "p")));
    }
    if (c.existing) LockFile(dir.File("x.dat"), false);
    LockFolder(dir.path(), false);
  }
}

// A write that fails half-way (here: the file size limit) leaves the old
// file whole, whether the bytes go through a temporary file or in place.
TEST(ImageFile, FailedWriteLeavesTheOldFile) {
  struct Case {
    const char* name;
    std::function<bool(TempDir&)> setup;
  };
  const Case cases[] = {
      {"through a temporary file", [](TempDir&) { return true; }},
      {"in place, hard link",
       [](TempDir& d) {
         fs::create_hard_link(d.File("a.dat"), d.File("b.dat"));
         return true;
       }},
      {"in place, folder takes no new files", [](TempDir& d) { return LockFolder(d.path(), true); }},
  };
  std::signal(SIGXFSZ, SIG_IGN);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), Filled(0x11)));
    if (!c.setup(dir)) {
      std::cout << "[ skipped  ] " << c.name << ": cannot make a folder refuse new files here\n";
      continue;
    }
    const int before = FileCount(dir.path());
    const int openFiles = FileCount("/proc/self/fd");
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status st = SaveImageFile(dir.File("a.dat"), Filled(0x22));
    ::setrlimit(RLIMIT_FSIZE, &old);
    LockFolder(dir.path(), false);
    ASSERT_FALSE(st);
    EXPECT_NE(st.error().find("a.dat"), std::string::npos) << st.error();
    EXPECT_EQ(ReadAll(dir.File("a.dat")), std::vector<char>(kImageSize, 0x11));
    EXPECT_EQ(FileCount(dir.path()), before);
    EXPECT_EQ(FileCount("/proc/self/fd"), openFiles);  // every descriptor closed
  }
  std::signal(SIGXFSZ, SIG_DFL);
}

TEST(ImageFile, SaveIntoMissingFolderFailsCleanly) {
  TempDir dir;
  Status st = SaveImageFile(dir.File("no/such/folder/a.dat"), RadioImage{});
  EXPECT_FALSE(st);
  EXPECT_FALSE(fs::exists(dir.File("no")));
}

}  // namespace
}  // namespace cps
