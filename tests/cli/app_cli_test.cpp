// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::RunCli;
using cps::testing::CliTempDir;

// What File, New and then File, Save write.
RadioImage NewThenSaved(const std::string& defaultDat) {
  Document doc;
  doc.New(defaultDat);
  return doc.SavedForm();
}

TEST(CliImage, NewWritesWhatNewThenSaveWrites) {
  CliTempDir dir;
  auto r = RunCli({"new", "-o", dir.File("x.dat"), "--app-dir", dir.path()});
  ASSERT_EQ(r.code, 0) << r.err;
  RadioImage written;
  ASSERT_TRUE(LoadImageFile(dir.File("x.dat"), written));
  EXPECT_EQ(written, NewThenSaved(""));
  EXPECT_EQ(written.Byte(0x0100), NewImage("").Byte(0x0100));  // the built-in defaults

  RadioImage tmpl;
  tmpl.Fill(0x42);
  ASSERT_TRUE(SaveImageFile(dir.File("Default.dat"), tmpl));
  r = RunCli({"new", "-o", dir.File("y.dat"), "--app-dir", dir.path()});
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_TRUE(LoadImageFile(dir.File("y.dat"), written));
  const RadioImage expected = NewThenSaved(dir.File("Default.dat"));
  EXPECT_NE(expected, tmpl);  // the save's write-back changes this Default.dat
  EXPECT_EQ(written, expected);
}

TEST(CliImage, InfoAndErrors) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  img.SetFrequency(0x0100, 43850000);
  img.SetFrequency(0x0100 + 32 * 4, 44600625);
  const char name[] = "BASE 1";
  for (int i = 0; i < 6; ++i) img.SetByte(0x3F88 + i, static_cast<std::uint8_t>(name[i]));
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"info", dir.File("a.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("size: 16384 bytes"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("band: 400-470MHz (400.000000 - 470.000000 MHz)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("channels in use: 2 (1,5)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("radio name: BASE 1"), std::string::npos) << r.out;
  // A longer file: its real size, and what is read of it.
  {
    std::ofstream longer(dir.File("long.dat"), std::ios::binary | std::ios::app);
    longer << std::ifstream(dir.File("a.dat"), std::ios::binary).rdbuf() << std::string(700, 'x');
  }
  r = RunCli({"info", dir.File("long.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("size: 17084 bytes (the bytes past 16384 are ignored)\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("radio name: BASE 1"), std::string::npos) << r.out;

  std::ofstream(dir.File("short.dat")) << "abc";
  r = RunCli({"info", dir.File("short.dat")});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("short.dat"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

  r = RunCli({"info"});
  EXPECT_NE(r.code, 0);
  r = RunCli({"new"});
  EXPECT_NE(r.code, 0);
  r = RunCli({"frobnicate"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("frobnicate"), std::string::npos);
  r = RunCli({"new", "-o", dir.File("z.dat"), "--bogus"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("--bogus"), std::string::npos);
  r = RunCli({"info", "--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("usage: dpmr-cli info"), std::string::npos);
}

// A FIFO named as the file is refused at once instead of waited on.
TEST(CliImage, FifoIsRefusedNotWaitedOn) {
  CliTempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe.dat").c_str(), 0644), 0);
  auto r = cps::testing::RunProgram("timeout", {"10", DPMR_CLI_PATH, "info", dir.File("pipe.dat")});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_NE(r.err.find("FIFO"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace cps
