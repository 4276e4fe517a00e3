// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_table.h"

#include <gtest/gtest.h>

#include "channel_test_util.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace cps {
namespace {

using namespace channel_test;

void SetBand(RadioImage& img, bool uhf) {
  if (uhf)
    Put(img, 0x3FA0, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47});
  else
    Put(img, 0x3FA0, {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17});
}

// Channel 1: rx 438.5, tx 438.51, tones 67.0 / D023N, high, narrow, scan,
// Mixed(Digit), flags B and busy lock set to values the table must keep.
RadioImage SampleImage() {
  RadioImage img = Blank();
  SetBand(img, true);
  for (int n = 1; n <= 16; ++n) Put(img, 0x0100 + 32 * (n - 1), kDefaultRecord);
  Put(img, 0x0100, {0x00, 0x00, 0x85, 0x43, 0x00, 0x10, 0x85, 0x43, 0x70, 0x06, 0x23, 0x80,
                    0x11, 0x22, 0x33, 0x44, 0xEF, 0x86, 0x81, 0xFF, 0x05, 0x02, 0x03, 0x04,
                    0x01, 0x02, 0x03, 0x45, 0x04, 0x86, 0xFF, 0xFF});
  // Channel 2: byte 3 is 0x00 -> empty.
  Put(img, 0x0120, {0x00, 0x00, 0x85, 0x00});
  // Channel 3: no transmit frequency, low power, Del, wide, Analog.
  Put(img, 0x0140, {0x00, 0x25, 0x60, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  img.SetByte(0x0150, 0x00);
  img.SetByte(0x0152, 0x00);
  return img;
}

ChannelTable Loaded(const RadioImage& img) {
  ChannelTable table;
  table.Load(img);
  return table;
}

void ExpectRow(const ChannelTable& table, int row, const std::vector<std::string>& cells) {
  for (int c = 0; c < kChannelColumns; ++c) EXPECT_EQ(table.Cell(row, c), cells[c]) << "row " << row << " column " << c;
}

TEST(ChannelTable, RendersRowsAsTheTableShowsThem) {
  const RadioImage img = SampleImage();
  ChannelTable table = Loaded(img);
  ExpectRow(table, 1, {"1", "438.500000", "438.510000", "67.0", "D023N", "High", "Add", "Narrow", "Mixed(Digit)", ""});
  ExpectRow(table, 2, {"2", "", "", "", "", "", "", "", "", ""});
  ExpectRow(table, 3, {"3", "146.025000", "", "None", "None", "Low", "Del", "Wide", "Analog", ""});
  EXPECT_EQ(table.bandIndex(), 1);
}

TEST(ChannelTable, WriteBackDerivesOffsetAndKeepsOtherBits) {
  RadioImage img = SampleImage();
  ChannelTable table = Loaded(img);
  table.WriteBack(img);
  // tx 10 kHz above rx: direction 01 in flags C bits 5-4, offset 1000 units.
  EXPECT_EQ(Get(img, 0x0100, 32),
            (Bytes{0x00, 0x00, 0x85, 0x43, 0x00, 0x10, 0x85, 0x43, 0x70, 0x06, 0x23, 0x80, 0x00, 0x10, 0x00, 0x00,
                   0xEF, 0x86, 0x91, 0xFF, 0x05, 0x02, 0x03, 0x04, 0x01, 0x02, 0x03, 0x45, 0x04, 0x86, 0xFF, 0xFF}));
  // Empty row 2 is reset, with its extension record.
  EXPECT_EQ(Get(img, 0x0120, 32), kDefaultRecord);
  EXPECT_EQ(Get(img, 0x3E84, 4), (Bytes{0xFF, 0xFF, 0xFE, 0x1E}));
  // Row 3: empty transmit cell stores 0; rx above tx: direction 10, offset = rx.
  EXPECT_EQ(Get(img, 0x0144, 4), (Bytes{0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(img.Byte(0x0152), 0x20);
  EXPECT_EQ(Get(img, 0x014C, 4), (Bytes{0x00, 0x25, 0x60, 0x14}));
}

TEST(ChannelTable, SimplexAndTransmitBelow) {
  RadioImage img = SampleImage();
  ChannelTable table = Loaded(img);
  table.CommitFrequency(img, 1, kColTxFreq, "438.5");
  table.WriteBack(img);
  EXPECT_EQ(img.Byte(0x0112) & 0x30, 0x00);
  EXPECT_EQ(Get(img, 0x010C, 4), (Bytes{0x00, 0x00, 0x00, 0x00}));
  table.CommitFrequency(img, 1, kColTxFreq, "431.1");
  table.WriteBack(img);
  EXPECT_EQ(img.Byte(0x0112) & 0x30, 0x20);
  EXPECT_EQ(Get(img, 0x010C, 4), (Bytes{0x00, 0x00, 0x74, 0x00}));  // 7.4 MHz
}

TEST(ChannelTable, WriteBackStoresBandAndDerivedBytes) {
  RadioImage img = SampleImage();
  Put(img, 0x1180, {0x80, 0x11, 0xA0, 0x11, 0xE0, 0x1A, 0xE1, 0x1A, 0x80, 0x11});  // 3 leading entries
  img.SetByte(0x3FD6, 0x77);
  img.SetByte(0x0318, 0x12);
  img.SetByte(0x031A, 0x00);
  ChannelTable table = Loaded(img);
  // Band edges: 400.000 and 470.000 are inside, 470.0025 is not.
  table.CommitFrequency(img, 4, kColRxFreq, "400");
  table.CommitFrequency(img, 9, kColRxFreq, "470");
  table.CommitFrequency(img, 10, kColRxFreq, "469.0");
  table.CommitChoice(10, kColScan, "Del");
  table.WriteBack(img);
  EXPECT_EQ(Get(img, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}));
  // Scan bits 0x034C-D: channel 1 (scan, 438.5) and 4; channel 9; channel 10 has scan Del.
  ExpectBytes(img, {{0x3FD6, 1}, {0x034C, 0x09}, {0x034D, 0x01}, {0x0318, 0x92}, {0x031A, 0x80},
                    {0x3FD7, 3}, {0x3FD4, 3}, {0x0399, 0}});
  EXPECT_EQ(Get(img, 0x0390, 7), Bytes(7, 0x0A));

  // A channel whose stored frequency lies above the band keeps its scan bit clear.
  RadioImage out = img;
  Put(out, 0x0100, {0x50, 0x02, 0x00, 0x47});  // 470.0025
  RefreshDerivedBytes(out, kBandUhf);
  EXPECT_EQ(out.Byte(0x034C), 0x08);
}

TEST(ChannelTable, NewChannelTypedIntoEmptyRow) {
  RadioImage img = SampleImage();
  ChannelTable table = Loaded(img);
  // Any press on an empty row edits its receive cell.
  const int editors[][3] = {{5, kColPower, kColRxFreq}, {1, kColPower, kColPower}, {1, kColNumber, 0},
                            {1, kColSpare, 0},          {5, kColSpare, kColRxFreq}, {5, kColNumber, 0}};
  for (const auto& [row, pressed, edited] : editors) EXPECT_EQ(table.EditorColumn(row, pressed), edited) << row << "/" << pressed;
  table.CommitFrequency(img, 5, kColRxFreq, "500");
  ExpectRow(table, 5, {"5", "470.000000", "470.000000", "None", "None", "High", "Add", "Wide", "Digit", ""});
  table.WriteBack(img);
  EXPECT_EQ(Get(img, 0x0180, 32),
            (Bytes{0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,
                   0xC1, 0x00, 0x40, 0xFF, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // Below the band clamps to the low edge.
  table.CommitFrequency(img, 6, kColRxFreq, "12");
  EXPECT_EQ(table.Cell(6, kColRxFreq), "400.000000");
}

TEST(ChannelTable, EditorRulesOnEmptyAndExistingRows) {
  RadioImage img = SampleImage();
  Put(img, 0x3E80, {0x01, 0x02, 0x03, 0x04});
  ChannelTable table = Loaded(img);
  // Editors on an empty row leave it empty.
  table.CommitFrequency(img, 2, kColTxFreq, "440");
  table.CommitTone(2, kColRxTone, "67");
  table.CommitChoice(2, kColPower, "High");
  ExpectRow(table, 2, {"2", "", "", "", "", "", "", "", "", ""});
  // Tones are normalised, choices taken as they are.
  table.CommitTone(1, kColRxTone, "23n");
  EXPECT_EQ(table.Cell(1, kColRxTone), "D023N");
  table.CommitTone(1, kColTxTone, "1000");
  EXPECT_EQ(table.Cell(1, kColTxTone), "None");
  table.CommitChoice(1, kColType, "Analog");
  EXPECT_EQ(table.Cell(1, kColType), "Analog");
  // Changing the receive frequency of an existing row keeps the rest.
  table.CommitFrequency(img, 1, kColRxFreq, "439");
  EXPECT_EQ(table.Cell(1, kColRxFreq), "439.000000");
  EXPECT_EQ(table.Cell(1, kColTxFreq), "438.510000");
  // Blanking it resets the record and its extension at once.
  table.CommitFrequency(img, 1, kColRxFreq, "0");
  ExpectRow(table, 1, {"1", "", "", "", "", "", "", "", "", ""});
  EXPECT_EQ(Get(img, 0x0100, 32), kDefaultRecord);
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0xFF, 0xFF, 0xFE, 0x1E}));
}

TEST(ChannelTable, ToneCommitShowsTheStoredToneAndAnUnchangedOneKeepsItsBytes) {
  struct Case {
    Bytes stored;       // the tone bytes the row starts with
    const char* typed;  // what the editor commits
    const char* shown;  // the cell afterwards
    Bytes written;      // the bytes after the write-back
  };
  const Case cases[] = {
      {{0x70, 0x06}, "  88.5", "88.5", {0x85, 0x08}},
      {{0x70, 0x06}, "100.05HZ", "100.0", {0x00, 0x10}},
      {{0x70, 0x06}, "67.05", "67.0", {0x70, 0x06}},
      {{0x70, 0x06}, "i23", "D023I", {0x23, 0xC0}},
      // Odd stored codes that no list entry shows, left as they opened.
      {{0x23, 0xBF}, "D6323N", "D6323N", {0x23, 0xBF}},
      {{0x07, 0xC0}, "D07I", "D07I", {0x07, 0xC0}},
      // The same texts typed anew are cleaned up as any other (D007I
      // shows as the table renders its bytes).
      {{0x70, 0x06}, "D6323N", "None", {0xFF, 0xFF}},
      {{0x70, 0x06}, "D07I", "D07I", {0x07, 0xC0}},
  };
  for (const Case& c : cases) {
    RadioImage img = SampleImage();
    Put(img, 0x0108, c.stored);
    ChannelTable table = Loaded(img);
    table.CommitTone(1, kColRxTone, c.typed);
    EXPECT_EQ(table.Cell(1, kColRxTone), c.shown) << c.typed;
    table.WriteBack(img);
    EXPECT_EQ(Get(img, 0x0108, 2), c.written) << c.typed;
  }
}

TEST(ChannelTable, BandChangeResetsChannelsButNotExtensions) {
  RadioImage img = SampleImage();
  Put(img, 0x3E80, {0x01, 0x02, 0x03, 0x04});
  ChannelTable table = Loaded(img);
  const RadioImage before = img;
  EXPECT_FALSE(table.BandChangeClears(1));
  EXPECT_FALSE(table.ChangeBand(img, 1));
  EXPECT_EQ(img, before);
  EXPECT_EQ(table.Cell(1, kColRxFreq), "438.500000");

  EXPECT_TRUE(table.BandChangeClears(0));
  EXPECT_TRUE(table.ChangeBand(img, 0));
  for (int n = 1; n <= 16; ++n) EXPECT_EQ(Get(img, 0x0100 + 32 * (n - 1), 32), kDefaultRecord) << n;
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0x01, 0x02, 0x03, 0x04}));
  EXPECT_EQ(table.Cell(1, kColRxFreq), "");
  EXPECT_EQ(table.band(), kBandVhf);
  // The band reaches the image with the next write-back.
  EXPECT_EQ(Get(img, 0x3FA0, 4), (Bytes{0x00, 0x00, 0x00, 0x40}));
  table.WriteBack(img);
  EXPECT_EQ(Get(img, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(img.Byte(0x3FD6), 0);
}

TEST(ChannelTable, StoredBandSelectsItsEntryOrTheFirst) {
  struct Case {
    const char* what;
    Bytes stored;
    int index;
    BandLimits band;      // the limits in force for the editors
    const char* clamped;  // "500" typed as a receive frequency
  };
  const Case cases[] = {
      {"136-174", {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}, 0, kBandVhf, "174.000000"},
      {"400-470", {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}, 1, kBandUhf, "470.000000"},
      // Limits matching no entry select the first entry but stay in force.
      {"350-390", {0x00, 0x00, 0x00, 0x35, 0x00, 0x00, 0x00, 0x39}, 0, {35000000, 39000000}, "390.000000"},
      // Erased, non-BCD or reversed limits: the first entry's band is in force.
      {"erased", Bytes(8, 0xFF), 0, kBandVhf, "174.000000"},
      {"non-BCD", {0x00, 0x00, 0x00, 0x4A, 0x00, 0x00, 0x00, 0x47}, 0, kBandVhf, "174.000000"},
      {"reversed", {0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00, 0x40}, 0, kBandVhf, "174.000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage img = Blank();
    Put(img, 0x3FA0, c.stored);
    ChannelTable table = Loaded(img);
    EXPECT_EQ(table.bandIndex(), c.index);
    EXPECT_EQ(table.band(), c.band);
    table.CommitFrequency(img, 1, kColRxFreq, "500");
    EXPECT_EQ(table.Cell(1, kColRxFreq), c.clamped);
  }
}

TEST(ChannelTable, PmrTableTouchesOnlyPmrRecords) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    RadioImage img = RandomImage(seed);
    const RadioImage before = img;
    ChannelTable pmr(kPmrChannelBase, false);
    pmr.setBand(kBandUhf);
    pmr.Load(img);
    pmr.CommitFrequency(img, 3, kColRxFreq, "0");
    pmr.CommitFrequency(img, 4, kColRxFreq, "446.00625");
    pmr.WriteBack(img);
    for (std::size_t a = 0; a < kImageSize; ++a) {
      if (a >= 0x2160 && a <= 0x235F) continue;
      ASSERT_EQ(img.Byte(a), before.Byte(a)) << "address " << a;
    }
  }
}

TEST(ChannelTable, MainTableNeverTouchesPmrRecords) {
  RadioImage img = RandomImage(9);
  const Bytes pmr = Get(img, 0x2160, 512);
  ChannelTable table = Loaded(img);
  table.CommitFrequency(img, 1, kColRxFreq, "0");
  table.ChangeBand(img, table.bandIndex() == 0 ? 1 : 0);
  table.CommitFrequency(img, 2, kColRxFreq, "150");
  table.WriteBack(img);
  EXPECT_EQ(Get(img, 0x2160, 512), pmr);
}

TEST(ChannelTable, PmrClampsToTheMainBand) {
  RadioImage img = Blank();
  ChannelTable pmr(kPmrChannelBase, false);
  pmr.setBand(kBandVhf);
  pmr.Load(img);
  pmr.CommitFrequency(img, 1, kColRxFreq, "446.00625");
  EXPECT_EQ(pmr.Cell(1, kColRxFreq), "174.000000");
  pmr.WriteBack(img);
  EXPECT_EQ(Get(img, 0x2160, 4), (Bytes{0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(Get(img, 0x2180, 32), kDefaultRecord);
  EXPECT_EQ(Get(img, 0x3E84, 4), Bytes(4, 0xFF));  // extension untouched
}

class FactoryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("channels_factory_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, std::size_t size, std::uint8_t fill) {
    const auto path = (dir_ / name).string();
    std::ofstream out(path, std::ios::binary);
    std::vector<char> data(size, static_cast<char>(fill));
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return path;
  }
  std::filesystem::path dir_;
};

TEST_F(FactoryFile, WholeImageOrNothing) {
  RadioImage img = SampleImage();
  const RadioImage before = img;
  EXPECT_FALSE(LoadFactoryImage((dir_ / "Factory.dat").string(), img));
  EXPECT_FALSE(LoadFactoryImage("", img));
  EXPECT_FALSE(LoadFactoryImage(Write("short.dat", 16383, 0x11), img));
  EXPECT_EQ(img, before);
  EXPECT_TRUE(LoadFactoryImage(Write("Factory.dat", 16384, 0x22), img));
  EXPECT_EQ(Get(img, 0, 16384), Bytes(16384, 0x22));
}

TEST_F(FactoryFile, PmrFactoryReplacesOnlyPmrRecords) {
  RadioImage img = SampleImage();
  const RadioImage before = img;
  EXPECT_FALSE(LoadFactoryPmrChannels(Write("short.dat", 0x2300, 0x11), img));
  EXPECT_EQ(img, before);
  EXPECT_TRUE(LoadFactoryPmrChannels(Write("Factory.dat", 16384, 0x33), img));
  for (std::size_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(img.Byte(a), (a >= 0x2160 && a <= 0x235F) ? 0x33 : before.Byte(a)) << a;
}

}  // namespace
}  // namespace cps
