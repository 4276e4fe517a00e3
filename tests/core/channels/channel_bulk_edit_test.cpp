// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_bulk_edit.h"

#include <gtest/gtest.h>

#include "channel_test_util.h"

namespace cps {
namespace {

using namespace channel_test;

// UHF band; channel 1 at 438.5 (High, Narrow, Mixed(Digit)), channel 3 at
// 446.025 (Low, Del, Wide, Analog), the others empty.
RadioImage Sample() {
  RadioImage img = Blank();
  Put(img, 0x3FA0, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47});
  for (int n = 1; n <= 16; ++n) Put(img, 0x0100 + 32 * (n - 1), kDefaultRecord);
  Put(img, 0x0100, {0x00, 0x00, 0x85, 0x43, 0x00, 0x10, 0x85, 0x43, 0x70, 0x06, 0x23, 0x80,
                    0x11, 0x22, 0x33, 0x44, 0xEF, 0x86, 0x81, 0xFF});
  Put(img, 0x0140, {0x00, 0x25, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  img.SetByte(0x0150, 0x00);
  img.SetByte(0x0152, 0x00);
  // As the table writes it back (band, derived bytes).
  ChannelTable table;
  table.Load(img);
  table.WriteBack(img);
  return img;
}

TEST(BulkEdit, SetsEachTickedColumnOnEachRowAndTouchesNothingElse) {
  RadioImage img = Sample();
  const RadioImage before = img;
  ChannelTable table;
  table.Load(img);
  const auto notes = BulkEditChannels(img, table, {1, 3}, {{kColPower, "High"}, {kColRxTone, "88.5"}});
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(table.Cell(3, kColPower), "High");
  EXPECT_EQ(table.Cell(1, kColRxTone), "88.5");
  EXPECT_EQ(table.Cell(3, kColRxTone), "88.5");
  // Power bits 7-6 of byte 16; the receive tone 88.5 as BCD 0x0885 at 8..9.
  ExpectBytes(img, {{0x0150, 0xC0}, {0x0110, 0xEF}, {0x0108, 0x85}, {0x0109, 0x08}, {0x0148, 0x85}, {0x0149, 0x08}});
  std::vector<std::size_t> changed;
  for (std::size_t a = 0; a < kImageSize; ++a)
    if (img.Byte(a) != before.Byte(a)) changed.push_back(a);
  EXPECT_EQ(changed, (std::vector<std::size_t>{0x0108, 0x0109, 0x0148, 0x0149, 0x0150}));
}

TEST(BulkEdit, NamesEveryCellStoredOtherwise) {
  RadioImage img = Sample();
  ChannelTable table;
  table.Load(img);
  // 500 MHz clamps to the band's top; a bad tone is not taken; an empty
  // row takes no tone; a number is the same frequency in its own form.
  const auto notes = BulkEditChannels(img, table, {1, 2}, {{kColTxFreq, "500"}, {kColRxTone, "xyz"}}, "PMR channel");
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "PMR channel 1 Tx Freq: given \"500\", stored \"470.000000\"",
                       "PMR channel 1 Rx Tone: given \"xyz\", not taken: the column has no such value",
                       "PMR channel 2 Tx Freq: given \"500\", not set: the channel is not in use",
                       "PMR channel 2 Rx Tone: given \"xyz\", not set: the channel is not in use",
                   }));
  EXPECT_TRUE(BulkEditChannels(img, table, {3}, {{kColTxFreq, "446.5"}}).empty());
  EXPECT_EQ(table.Cell(3, kColTxFreq), "446.500000");
}

TEST(BulkEdit, AReceiveFrequencyOpensAnEmptyChannelBeforeTheOtherColumnsAndOtherColumnsAreIgnored) {
  RadioImage img = Sample();
  ChannelTable table;
  table.Load(img);
  const RadioImage before = img;
  // The channel number and spare columns are no fields: nothing happens.
  EXPECT_TRUE(BulkEditChannels(img, table, {1, 5}, {{kColNumber, "9"}, {kColSpare, "x"}}).empty());
  EXPECT_TRUE(img == before);
  // Given after Power, the receive frequency still comes first, so the new
  // channel takes the power too.
  EXPECT_TRUE(BulkEditChannels(img, table, {5}, {{kColPower, "Low"}, {kColRxFreq, "446.5"}}).empty());
  EXPECT_EQ(table.Cell(5, kColRxFreq), "446.500000");
  EXPECT_EQ(table.Cell(5, kColPower), "Low");
  EXPECT_EQ(img.Byte(0x0180 + 16) & 0xC0, 0x00);
}

}  // namespace
}  // namespace cps
