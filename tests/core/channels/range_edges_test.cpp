// SPDX-License-Identifier: GPL-3.0-or-later
// Values at the tops of their ranges and on the fine channel grid through
// the channel table and the channel dialog.
#include <gtest/gtest.h>

#include "channel_test_util.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"

namespace cps {
namespace {

using namespace channel_test;

// Channel 1 in use on the 400-470 MHz band, with its extension record.
RadioImage OneChannel(const Bytes& rx, const Bytes& tx) {
  RadioImage img = Blank();
  Put(img, 0x3FA0, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47});
  for (int n = 1; n <= 16; ++n) Put(img, 0x0100 + 32 * (n - 1), kDefaultRecord);
  Put(img, 0x0100, rx);
  Put(img, 0x0104, tx);
  Put(img, 0x3E80, {0x01, 0x02, 0x00, 0x1E});
  return img;
}

// 10 Hz units cannot hold every point of the 3.125 kHz grid: a file may
// hold such a frequency rounded up (446.003125 as 44600313) where the
// program itself stores it truncated (44600312). Either shows as the grid
// point, and a row stored again keeps showing it.
TEST(RangeEdges, FineGridFrequenciesStoredRoundedUpShowTheGridPoint) {
  struct Case {
    Bytes stored;  // BCD of 10 Hz units, low byte first
    const char* shown;
    Bytes saved;
  };
  const Case cases[] = {
      {{0x13, 0x03, 0x60, 0x44}, "446.003125", {0x12, 0x03, 0x60, 0x44}},
      {{0x12, 0x03, 0x60, 0x44}, "446.003125", {0x12, 0x03, 0x60, 0x44}},
      {{0x38, 0x09, 0x60, 0x44}, "446.009375", {0x37, 0x09, 0x60, 0x44}},
      {{0x25, 0x06, 0x60, 0x44}, "446.006250", {0x25, 0x06, 0x60, 0x44}},
      {{0x88, 0x96, 0x59, 0x44}, "445.996875", {0x87, 0x96, 0x59, 0x44}},
  };
  for (const Case& c : cases) {
    RadioImage img = OneChannel(c.stored, c.stored);
    ChannelTable table;
    table.Load(img);
    EXPECT_EQ(table.Cell(1, kColRxFreq), c.shown);
    EXPECT_EQ(table.Cell(1, kColTxFreq), c.shown);
    table.WriteBack(img);
    EXPECT_EQ(Get(img, 0x0100, 4), c.saved) << c.shown << " (table)";
    EXPECT_EQ(Get(img, 0x0104, 4), c.saved) << c.shown << " (table)";
    table.Load(img);
    EXPECT_EQ(table.Cell(1, kColRxFreq), c.shown) << "again";

    img = OneChannel(c.stored, c.stored);
    ChannelEditor editor(img, kMainChannelBase, kBandUhf);
    editor.Open(1);
    EXPECT_EQ(editor.state().rx, c.shown) << "(dialog)";
    editor.Close();
    EXPECT_EQ(Get(img, 0x0100, 4), c.saved) << c.shown << " (dialog)";
    EXPECT_EQ(Get(img, 0x0104, 4), c.saved) << c.shown << " (dialog)";
  }
}

TEST(RangeEdges, StatusInformationAndColorCodesAtTheTopOfTheirLists) {
  struct Case {
    std::size_t extByte;  // within the channel's extension record
    std::uint8_t stored;
    EditList list;
    const char* shown;
    std::uint8_t saved;
  };
  const Case cases[] = {
      {3, 31, EditList::kStatusInfo, "31", 31},
      {3, 30, EditList::kStatusInfo, "30", 30},
      {3, 32, EditList::kStatusInfo, "30", 30},  // no such item: the default
      {3, 0, EditList::kStatusInfo, "0", 0},
      {0, 63, EditList::kRxColorCode, "63", 63},
      {1, 63, EditList::kTxColorCode, "63", 63},
      {0, 64, EditList::kRxColorCode, "Auto", 0xFF},
  };
  for (const Case& c : cases) {
    RadioImage img = OneChannel({0x00, 0x00, 0x85, 0x43}, {0x00, 0x00, 0x85, 0x43});
    img.SetByte(0x3E80 + c.extByte, c.stored);
    ChannelEditor editor(img, kMainChannelBase, kBandUhf);
    editor.Open(1);
    EXPECT_EQ(editor.state().list(c.list).text(), c.shown) << "stored " << int(c.stored);
    editor.Close();
    EXPECT_EQ(img.Byte(0x3E80 + c.extByte), c.saved) << "stored " << int(c.stored);
  }
}

}  // namespace
}  // namespace cps
