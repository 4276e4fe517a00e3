// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_clipboard.h"

#include <gtest/gtest.h>

#include "core/image/new_image.h"
#include "core/channels/channel_test_util.h"

namespace cps {
namespace {

using namespace channel_test;

TEST(ChannelClipboard, TabTextRoundTrip) {
  const CellTexts cells = {{"446.100000", "None"}, {"a\tb", "say \"x\""}};
  const std::string text = CellsToTabText(cells);
  EXPECT_EQ(text, "446.100000\tNone\n\"a\tb\"\t\"say \"\"x\"\"\"\n");
  EXPECT_EQ(TabTextToCells(text), cells);
  // A spreadsheet's CRLF and a lone unclosed quote.
  EXPECT_EQ(TabTextToCells("1\t2\r\n3\t4\r\n"), (CellTexts{{"1", "2"}, {"3", "4"}}));
  EXPECT_EQ(TabTextToCells("\"5\t6\n7"), (CellTexts{{"\"5", "6"}, {"7"}}));
}

TEST(ChannelClipboard, PastedTextsGoThroughEachColumnsRule) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  const CellTexts cells = {{"446.1", "446.2", "abc", "23n", "low", "Maybe", "narrow", "Analog", "ignored"},
                           {"500", "", "88.5", "None"}};
  EXPECT_EQ(PasteChannelTexts(img, table, 15, 1, cells), 10);
  const std::vector<std::string> row15 = {"446.100000", "446.200000", "None", "D023N", "Low", "Add", "Narrow", "Analog"};
  const std::vector<std::string> row16 = {"470.000000", "", "88.5", "None", "High", "Add", "Wide", "Digit"};
  for (int c = kColRxFreq; c <= kColType; ++c) {
    EXPECT_EQ(table.Cell(15, c), row15[static_cast<std::size_t>(c - 1)]) << c;
    EXPECT_EQ(table.Cell(16, c), row16[static_cast<std::size_t>(c - 1)]) << c;
  }
  // Written back at once: channel 15 receives on 446.1 MHz.
  EXPECT_EQ(Get(img, 0x02C0, 4), (Bytes{0x00, 0x00, 0x61, 0x44}));
  // A row that is not a channel yet takes nothing but its receive frequency.
  EXPECT_EQ(PasteChannelTexts(img, table, 1, 3, {{"88.5"}}), 1);
  EXPECT_EQ(table.Cell(1, kColRxTone), "");
}

TEST(ChannelClipboard, ClearEmptiesCellsOrChannels) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  PasteChannelTexts(img, table, 1, 1, {{"446.1", "446.2", "88.5", "D023N"}, {"446.3"}});
  ClearChannelCells(img, table, {{1, kColTxFreq}, {1, kColRxTone}, {1, kColPower}});
  EXPECT_EQ(table.Cell(1, kColTxFreq), "");
  EXPECT_EQ(table.Cell(1, kColRxTone), "None");
  EXPECT_EQ(table.Cell(1, kColTxTone), "D023N");
  EXPECT_EQ(table.Cell(1, kColPower), "High");
  ClearChannels(img, table, {2});
  EXPECT_TRUE(table.RowEmpty(2));
  EXPECT_EQ(Get(img, 0x0120, 32), kDefaultRecord);
}

TEST(ChannelClipboard, WholeRowsCarryExactRecords) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  PasteChannelTexts(img, table, 1, 1, {{"446.1"}, {"446.2"}, {"446.3"}});
  ChannelRecord(img, kMainChannelBase, 1).setColorCode(7);
  Put(img, 0x3E80, {0x01, 0x02, 0x03, 0x04});
  table.CommitChoice(1, kColPower, "Low");  // still only in the table: copied as the table shows it
  const Bytes record1 = [&] {
    Bytes r = Get(img, 0x0100, 32);
    r[16] = 0x01;  // low power
    return r;
  }();
  const std::string data = CopyChannelRecords(img, table, {1, 2, 3});
  EXPECT_TRUE(IsChannelRecordData(data));
  EXPECT_EQ(img.Byte(0x0110), 0xC1);  // copying leaves the image alone

  RecordPaste r = PasteChannelRecords(img, table, 15, data);
  EXPECT_EQ(r.pasted, 2);
  EXPECT_EQ(r.notPlaced, 1);
  EXPECT_EQ(Get(img, 0x02C0, 32), record1);
  EXPECT_EQ(Get(img, 0x3EB8, 4), (Bytes{0x01, 0x02, 0x03, 0x04}));
  EXPECT_EQ(table.Cell(16, kColRxFreq), "446.200000");
  EXPECT_EQ(table.Cell(1, kColPower), "Low");  // the pending edit was written back first

  // The PMR set keeps the shared extension records; a record outside its
  // band is left out.
  ChannelTable pmr(kPmrChannelBase, false);
  pmr.setBand(kBandVhf);
  pmr.Load(img);
  Put(img, 0x3E80, {0xAA, 0xBB, 0xCC, 0xDD});
  r = PasteChannelRecords(img, pmr, 1, data);
  EXPECT_EQ(r.pasted, 0);
  EXPECT_EQ(r.outOfBand, 3);
  pmr.setBand(kBandUhf);
  r = PasteChannelRecords(img, pmr, 1, data);
  EXPECT_EQ(r.pasted, 3);
  EXPECT_EQ(Get(img, 0x2160, 32), record1);
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0xAA, 0xBB, 0xCC, 0xDD}));
  EXPECT_FALSE(IsChannelRecordData("446.1\tNone\n"));
}

}  // namespace
}  // namespace cps
