// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/backups.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/image/image_file.h"
#include "link_test_util.h"

namespace cps {
namespace {

namespace fs = std::filesystem;

class BackupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    dir_ = fs::temp_directory_path() / ("dpmr_backups_" + std::to_string(getpid()));
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Dir() const { return (dir_ / "backups").string(); }
  void Touch(const std::string& name) {
    fs::create_directories(Dir());
    std::ofstream(fs::path(Dir()) / name) << "x";
  }
  fs::path dir_;
};

constexpr std::time_t k20261207_105613 = 1796640973;  // 2026-12-07 10:56:13 UTC

TEST_F(BackupsTest, NamesFromTimeAndPort) {
  const std::pair<const char*, const char*> rows[] = {
      {"/dev/ttyUSB0", "20261207-105613-ttyUSB0.dat"},
      {"/dev/pts/3", "20261207-105613-pts-3.dat"},
      {"\\\\.\\COM12", "20261207-105613-COM12.dat"},
      {"COM3", "20261207-105613-COM3.dat"},
      {"/tmp/my port:1", "20261207-105613-tmp-my_port_1.dat"},
      {"", "20261207-105613-port.dat"},
  };
  for (auto [port, name] : rows) EXPECT_EQ(DatedFileName(k20261207_105613, port, ".dat"), name) << port;
}

TEST_F(BackupsTest, SavesUntouchedListsNewestFirstAndNamesASecondOneApart) {
  RadioImage image;
  test::FillPattern(image);
  auto first = SaveBackup(Dir(), image, "/dev/pts/3", k20261207_105613);
  ASSERT_TRUE(first.ok()) << first.error();
  auto second = SaveBackup(Dir(), image, "/dev/pts/3", k20261207_105613);
  ASSERT_TRUE(second.ok()) << second.error();
  ASSERT_TRUE(SaveBackup(Dir(), image, "/dev/ttyUSB0", k20261207_105613 + 3600).ok());
  EXPECT_EQ(*first, Dir() + "/20261207-105613-pts-3.dat");
  // "+2": never part of a port ("pts-3-2" would be /dev/pts/3/2).
  EXPECT_EQ(*second, Dir() + "/20261207-105613-pts-3+2.dat");
  RadioImage back;
  ASSERT_TRUE(LoadImageFile(*first, back).ok());
  EXPECT_TRUE(back == image);

  Touch("notes.dat");
  Touch("20200101-000000-odd+name.dat");  // a '+' without a number after it is the port's
  const auto list = ListDatedFiles(Dir(), ".dat");
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[3].port, "odd+name");
  EXPECT_EQ(list[0].time, "2026-12-07 11:56:13");
  EXPECT_EQ(list[0].port, "ttyUSB0");
  EXPECT_EQ(list[0].size, 16384u);
  EXPECT_EQ(list[1].port, "pts-3");
  EXPECT_EQ(list[1].path, *second);
  EXPECT_EQ(list[2].port, "pts-3");
}

// The list reads each backup for the radio's name and id, as stored; a
// file that cannot be read is listed with the reason.
TEST_F(BackupsTest, TheListNamesTheRadioOfEachBackup) {
  RadioImage image;
  image.Fill(0xFF);
  const std::uint8_t name[] = {'B', 'a', 's', 'e', ' ', '1'};
  for (std::size_t i = 0; i < sizeof name; ++i) image.SetByte(0x3F88 + i, name[i]);
  const std::uint8_t id[] = {0, 0, 1, 2, 3, 4, 5};
  for (std::size_t i = 0; i < sizeof id; ++i) image.SetByte(0x0388 + i, id[i]);
  ASSERT_TRUE(SaveBackup(Dir(), image, "/dev/ttyUSB0", k20261207_105613).ok());
  ASSERT_TRUE(SaveBackup(Dir(), image, "/dev/ttyUSB0", k20261207_105613).ok());
  Touch("20261207-115613-ttyUSB12.dat");  // one byte: no image
  const auto list = ListBackups(Dir());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_FALSE(list[0].readable);
  EXPECT_EQ(list[0].file.port, "ttyUSB12");
  EXPECT_FALSE(list[0].problem.empty());
  for (std::size_t i : {1u, 2u}) {
    EXPECT_TRUE(list[i].readable) << list[i].problem;
    EXPECT_EQ(list[i].file.port, "ttyUSB0");
    EXPECT_EQ(list[i].radio.name, "Base 1");
    EXPECT_EQ(list[i].radio.id, "0012345");
  }
}

// Backups kept beside a program that is no portable install join the list
// in time order, marked, with what to do about them.
TEST_F(BackupsTest, StrayBackupsAreListedMarkedInTimeOrder) {
  const std::string stray = (dir_ / "build" / "backups").string();
  RadioImage image;
  ASSERT_TRUE(SaveBackup(Dir(), image, "/dev/ttyUSB0", k20261207_105613).ok());
  ASSERT_TRUE(SaveBackup(stray, image, "/dev/ttyUSB1", k20261207_105613 + 60).ok());
  ASSERT_TRUE(SaveBackup(stray, image, "/dev/ttyUSB2", k20261207_105613 - 60).ok());
  const auto list = ListBackups(Dir(), stray);
  ASSERT_EQ(list.size(), 3u);
  std::string order;
  for (const Backup& b : list) order += b.file.port + (b.stray ? "* " : " ");
  EXPECT_EQ(order, "ttyUSB1* ttyUSB0 ttyUSB2* ");
  EXPECT_EQ(ListBackups(Dir(), "").size(), 1u);
  EXPECT_EQ(StrayBackupsNote(1, "/b/", "/home/u/"),
            "1 backup lies in /b/, beside the program, which is no portable install (it has no Program.ini): "
            "move them to /home/u/ before that folder is deleted");
  EXPECT_EQ(StrayBackupsNote(2, "/b/", "/home/u/").rfind("2 backups lie in /b/,", 0), 0u);
}

TEST_F(BackupsTest, KeepsTheNewestHundredAndNothingElseIsDeleted) {
  for (int i = 0; i < 100; ++i) Touch(DatedFileName(k20261207_105613 + i, "/dev/ttyS0", ".dat"));
  for (const char* other : {"notes.txt", "20261207-105613-ttyS0.txt", "2026120-105613-x.dat", "mine.dat"}) Touch(other);
  RadioImage image;
  image.Fill(0x42);
  ASSERT_TRUE(SaveBackup(Dir(), image, "/dev/ttyS0", k20261207_105613 + 1000).ok());
  const auto list = ListDatedFiles(Dir(), ".dat");
  ASSERT_EQ(list.size(), 100u);
  EXPECT_EQ(list.front().time, "2026-12-07 11:12:53");
  EXPECT_EQ(list.back().time, "2026-12-07 10:56:14");  // the oldest one went
  for (const char* other : {"notes.txt", "20261207-105613-ttyS0.txt", "2026120-105613-x.dat", "mine.dat"})
    EXPECT_TRUE(fs::exists(fs::path(Dir()) / other)) << other;
}

TEST_F(BackupsTest, AFolderThatCannotBeMadeIsAnError) {
  fs::create_directories(dir_);
  std::ofstream(dir_ / "backups") << "a file in the way";
  RadioImage image;
  auto r = SaveBackup(Dir(), image, "/dev/ttyS0", k20261207_105613);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().find(Dir()), std::string::npos) << r.error();
}

}  // namespace
}  // namespace cps
