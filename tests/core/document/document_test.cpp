// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Get(const RadioImage& image, std::size_t addr, std::size_t n) {
  Bytes out;
  for (std::size_t i = 0; i < n; ++i) out.push_back(image.Byte(addr + i));
  return out;
}

void Put(RadioImage& image, std::size_t addr, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) image.SetByte(addr + i, bytes[i]);
}

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("dpmr-doc-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // A file that the table's write-back would change: band 144-148 MHz
    // (no entry of the band selector), channel 1 at 146 MHz, the dPMR all
    // code 1234567 and a pre-carrier time of 40 (stored 2).
    RadioImage img = NewImage("");
    Put(img, 0x3FA0, {0x00, 0x00, 0x40, 0x14, 0x00, 0x00, 0x80, 0x14});
    Put(img, 0x0100, {0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14});
    Put(img, 0x0390, {1, 2, 3, 4, 5, 6, 7});
    img.SetByte(0x0399, 2);
    file_ = img;
    ASSERT_TRUE(SaveImageFile(Path("a.dat"), img));
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  RadioImage file_;
};

TEST_F(DocumentTest, OpenShowsTheFileAndLeavesTheWriteBackToTheSave) {
  Document doc;
  ASSERT_TRUE(doc.Open(Path("a.dat")));
  EXPECT_EQ(doc.path(), Path("a.dat"));
  EXPECT_FALSE(doc.Modified());
  // Nothing of the write-back yet: the dPMR fields and the band stay.
  EXPECT_EQ(Get(doc.image(), 0x0390, 10), (Bytes{1, 2, 3, 4, 5, 6, 7, 0xFF, 0x07, 0x02}));
  EXPECT_EQ(Get(doc.image(), 0x3FA0, 8), (Bytes{0x00, 0x00, 0x40, 0x14, 0x00, 0x00, 0x80, 0x14}));
  // The stored limits are what the editors clamp to.
  doc.table().CommitFrequency(doc.image(), 1, kColRxFreq, "150");
  EXPECT_EQ(doc.table().Cell(1, kColRxFreq), "148.000000");
  EXPECT_TRUE(doc.Modified());

  ASSERT_TRUE(doc.Save(Path("b.dat")));
  EXPECT_FALSE(doc.Modified());
  EXPECT_EQ(doc.path(), Path("b.dat"));
  RadioImage saved;
  ASSERT_TRUE(LoadImageFile(Path("b.dat"), saved));
  EXPECT_EQ(saved, doc.image());
  EXPECT_EQ(Get(saved, 0x0100, 8), (Bytes{0x00, 0x00, 0x80, 0x14, 0x00, 0x00, 0x60, 0x14}));
  EXPECT_EQ(Get(saved, 0x0390, 10), (Bytes{0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0xFF, 0x07, 0x00}));
  // The selector shows the first entry, and that is what is saved.
  EXPECT_EQ(Get(saved, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
}

TEST_F(DocumentTest, EachMomentWritesTheTableBack) {
  const struct {
    const char* name;
    void (Document::*moment)();
  } moments[] = {
      {"before write", &Document::BeforeWrite},
      {"before scan info", &Document::BeforeScanInfo},
      {"before channel dialog", &Document::BeforeChannelDialog},
  };
  for (const auto& m : moments) {
    Document doc;
    ASSERT_TRUE(doc.Open(Path("a.dat")));
    doc.table().CommitFrequency(doc.image(), 2, kColRxFreq, "147.5");
    EXPECT_EQ(Get(doc.image(), 0x0120, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF})) << m.name;
    (doc.*m.moment)();
    EXPECT_EQ(Get(doc.image(), 0x0120, 8), (Bytes{0x00, 0x00, 0x75, 0x14, 0x00, 0x00, 0x75, 0x14})) << m.name;
    EXPECT_EQ(doc.image().Byte(0x0399), 0) << m.name;
    // Written back, but not saved.
    EXPECT_TRUE(doc.Modified()) << m.name;
  }
}

TEST_F(DocumentTest, TheChannelDialogAndFactoryLoadShowTheImageAgain) {
  Document doc;
  ASSERT_TRUE(doc.Open(Path("a.dat")));
  Put(doc.image(), 0x0140, {0x00, 0x00, 0x50, 0x14});
  EXPECT_EQ(doc.table().Cell(3, kColRxFreq), "");
  doc.AfterChannelDialog();
  EXPECT_EQ(doc.table().Cell(3, kColRxFreq), "145.000000");

  RadioImage factory = NewImage("");
  Put(factory, 0x0160, {0x00, 0x00, 0x25, 0x44});
  ASSERT_TRUE(SaveImageFile(Path("Factory.dat"), factory));
  ASSERT_TRUE(doc.LoadFactory(Path("Factory.dat")));
  EXPECT_EQ(doc.image(), factory);
  EXPECT_EQ(doc.table().Cell(3, kColRxFreq), "");
  EXPECT_EQ(doc.table().Cell(4, kColRxFreq), "442.500000");
  EXPECT_EQ(doc.table().bandIndex(), 1);

  // A read fills the image: the table loads, the repair passes run (channel
  // 4 calls slot 9, which is not listed), and that is the clean state.
  Put(doc.image(), 0x0160, {0x00, 0x00, 0x50, 0x44});
  doc.image().SetByte(0x0175, 9);
  doc.AfterRead();
  EXPECT_EQ(doc.table().Cell(4, kColRxFreq), "445.000000");
  EXPECT_EQ(doc.image().Byte(0x0175), 0xFF);
  EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentTest, FailuresChangeNothing) {
  Document doc;
  ASSERT_TRUE(doc.Open(Path("a.dat")));
  doc.table().CommitFrequency(doc.image(), 2, kColRxFreq, "147.5");
  const RadioImage before = doc.image();

  // A file too short, a factory image that is not there, a save into a
  // folder that does not exist.
  std::ofstream(Path("short.dat"), std::ios::binary) << std::string(kImageSize - 1, '\0');
  EXPECT_FALSE(doc.Open(Path("short.dat")));
  EXPECT_FALSE(doc.LoadFactory(Path("none.dat")));
  EXPECT_FALSE(doc.Save(Path("no-such-folder/b.dat")));

  EXPECT_EQ(doc.image(), before);
  EXPECT_EQ(doc.path(), Path("a.dat"));
  EXPECT_EQ(doc.table().Cell(2, kColRxFreq), "147.500000");
  EXPECT_TRUE(doc.Modified());
}

}  // namespace
}  // namespace cps
