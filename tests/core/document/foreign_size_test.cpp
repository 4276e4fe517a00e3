// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not images of this radio: a longer file opens by its first
// 16384 bytes, says so, and belongs to no file; and what every saved image
// holds at 0x3FA0, which the desktop's type database tells images by.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

namespace fs = std::filesystem;

class ForeignSizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("dpmr-foreign-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, std::size_t size, char fill = 'x') {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << std::string(size, fill);
    return path;
  }
  fs::path dir_;
};

TEST_F(ForeignSizeTest, LongerFileOpensAsANewDocumentWithANote) {
  const std::string big = Write("big.dat", 100000, 'Z');
  Document doc;
  std::vector<std::string> notes;
  ASSERT_TRUE(doc.Open(big, &notes));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], big + ": not a radio image of this model: 100000 bytes; opened its first 16384 bytes");
  EXPECT_EQ(doc.path(), "");  // Save asks for a name
  EXPECT_EQ(doc.image().Byte(0x0000), 'Z');
  EXPECT_EQ(doc.image().Byte(0x3FFF), 'Z');
  EXPECT_EQ(fs::file_size(big), 100000u);

  // An image of the right size: no note, and it keeps its file.
  const std::string exact = Write("exact.dat", kImageSize);
  notes.clear();
  ASSERT_TRUE(doc.Open(exact, &notes));
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(doc.path(), fs::absolute(exact).lexically_normal().string());
}

TEST_F(ForeignSizeTest, ForeignImageSizeNamesEveryFileASaveWouldCut) {
  const struct {
    const char* name;
    std::size_t size;  // 0: not created
    bool foreign;
  } rows[] = {
      {"new-name.dat", 0, false},       {"image.dat", kImageSize, false}, {"longer.dat", kImageSize + 1, true},
      {"shorter.dat", kImageSize - 1, true}, {"empty.dat", 0, false},   {"huge.dat", 100000, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string path = (dir_ / row.name).string();
    if (row.size || std::string(row.name) == "empty.dat") path = Write(row.name, row.size);
    const auto size = ForeignImageSize(path);
    EXPECT_EQ(size.has_value(), row.foreign);
    if (size) {
      EXPECT_EQ(*size, row.size);
    }
  }
  // A folder is not a file a save would cut; a link is judged by its target.
  EXPECT_FALSE(ForeignImageSize(dir_.string()));
  fs::create_symlink(dir_ / "huge.dat", dir_ / "link.dat");
  EXPECT_EQ(ForeignImageSize((dir_ / "link.dat").string()), 100000u);
}

// The MIME type's magic: the selected band at 0x3FA0, low and high edge as
// BCD with the low pair first, is one of the two bands of the selector in
// every image the program saves, whatever the file held there.
TEST_F(ForeignSizeTest, EverySavedImageHoldsOneOfTheTwoBandsAt3FA0) {
  const std::vector<std::uint8_t> vhf = {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17};
  const std::vector<std::uint8_t> uhf = {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47};
  auto band = [](const RadioImage& image) {
    std::vector<std::uint8_t> b;
    for (std::size_t a = 0x3FA0; a < 0x3FA8; ++a) b.push_back(image.Byte(a));
    return b;
  };
  EXPECT_EQ(band(NewImage("", kBandVhf)), vhf);
  EXPECT_EQ(band(NewImage("", kBandUhf)), uhf);
  std::mt19937 random(25);
  for (int round = 0; round < 40; ++round) {
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(random()));
    if (round % 4 == 1)
      for (std::size_t a = 0x3FA0; a < 0x3FA8; ++a) image.SetByte(a, 0xFF);
    const std::string path = (dir_ / "random.dat").string();
    ASSERT_TRUE(SaveImageFile(path, image));
    Document doc;
    ASSERT_TRUE(doc.Open(path));
    ASSERT_TRUE(doc.Save(path));
    RadioImage saved;
    ASSERT_TRUE(LoadImageFile(path, saved));
    const auto b = band(saved);
    EXPECT_TRUE(b == vhf || b == uhf) << "round " << round;
  }
}

}  // namespace
}  // namespace cps
