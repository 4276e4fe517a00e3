// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print/print_sheet.h"

#include <gtest/gtest.h>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const SheetTable* Find(const PrintSheet& sheet, const std::string& title) {
  for (const auto& t : sheet.tables)
    if (t.title == title) return &t;
  return nullptr;
}

TEST(PrintSheet, ShowsWhatTheEditorsShow) {
  RadioImage img = NewImage("");
  {
    ChannelEditor ed(img, kMainChannelBase, kBandUhf);
    ed.Open(2);
    ed.state().rx = "438.5";
    ed.LeaveRx();
    ed.state().check(EditCheck::kReverse) = true;
    ed.state().list(EditList::kBusy).index = 1;
    ed.state().list(EditList::kCall1Type).index = 1;
    ed.ApplyEnablingRules();
    ed.state().list(EditList::kCall1Contact).SelectNumber(1);
    ed.state().list(EditList::kRxColorCode).SelectNumber(7);
    ed.Close();
  }
  img.SetByte(0x1BA0, 1);  // group rx list 1 holds contact slot 1
  const PrintSheet sheet = BuildPrintSheet(img, {"KD-4173", "radio.dat", "2026-12-07"});

  using Heading = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(sheet.heading,
            (Heading{{"Model", "KD-4173"}, {"File", "radio.dat"}, {"Date", "2026-12-07"}, {"Band", "400-470MHz"}}));
  std::vector<std::string> titles;
  for (const auto& t : sheet.tables) titles.push_back(t.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Channels", "Channel details: Digit",
                                              "Channel details: Analog and options", "Radio", "Contacts",
                                              "Group rx lists"}));

  const SheetTable* channels = Find(sheet, "Channels");
  ASSERT_NE(channels, nullptr);
  EXPECT_EQ(channels->columns, (std::vector<std::string>{"No.", "Rx Freq", "Tx Freq", "Rx Tone", "Tx Tone", "Power",
                                                         "Scan", "Bandwidth", "Channel type"}));
  ASSERT_EQ(channels->rows.size(), 16u);
  EXPECT_EQ(channels->rows[1], (std::vector<std::string>{"2", "438.500000", "438.500000", "None", "None", "Low",
                                                         "Add", "Wide", "Digit"}));
  EXPECT_EQ(channels->rows[0], (std::vector<std::string>{"1", "", "", "", "", "", "", "", ""}));

  // Only channels in use get their dialog fields.
  EXPECT_EQ(Find(sheet, "Channel details: Digit")->rows,
            (Rows{{"2", "Digit", "7", "Auto", "None", "None", "None", "Call: Name 1", "Off"}}));
  EXPECT_EQ(Find(sheet, "Channel details: Analog and options")->columns,
            (std::vector<std::string>{"No.", "Reverse", "Talk around", "Busy", "Signal type", "PTTID",
                                      "Analog call 1", "Analog call 2"}));
  EXPECT_EQ(Find(sheet, "Channel details: Analog and options")->rows,
            (Rows{{"2", "On", "Off", "Carrier", "Off", "Off", "None", "None"}}));
  EXPECT_EQ(Find(sheet, "Radio")->rows, (Rows{{"Radio name", ""}, {"Radio id", "0000001"}}));
  EXPECT_EQ(Find(sheet, "Contacts")->rows, (Rows{{"1", "Name 1", "0000001", "Group call"}}));
  EXPECT_EQ(Find(sheet, "Group rx lists")->rows, (Rows{{"Group rx list 1", "Name 1"}}));

  // Nothing in use: the channel details and group lists are left out.
  const PrintSheet bare = BuildPrintSheet(NewImage(""), {});
  EXPECT_EQ(Find(bare, "Channel details: Digit"), nullptr);
  EXPECT_EQ(Find(bare, "Group rx lists"), nullptr);
}

// Pages of height 100 under a heading of 20, 5 between tables.
TEST(PrintSheet, PagesNeverSplitARow) {
  const std::vector<TableHeights> tables = {
      {10, 10, std::vector<double>(7, 10)},  // fills page 1, its last row goes on
      {10, 10, {80, 10}},                    // title, titles and first row do not fit after it
      {10, 10, {150, 10}},                   // a row taller than a page
  };
  using P = SheetPart;
  struct Want {
    int page, table;
    SheetPart part;
    int row;
    double top;
  };
  const std::vector<Want> want = {
      {0, 0, P::kTitle, -1, 20}, {0, 0, P::kHeader, -1, 30}, {0, 0, P::kRow, 0, 40},  {0, 0, P::kRow, 1, 50},
      {0, 0, P::kRow, 2, 60},    {0, 0, P::kRow, 3, 70},     {0, 0, P::kRow, 4, 80},  {0, 0, P::kRow, 5, 90},
      {1, 0, P::kHeader, -1, 0}, {1, 0, P::kRow, 6, 10},     {2, 1, P::kTitle, -1, 0}, {2, 1, P::kHeader, -1, 10},
      {2, 1, P::kRow, 0, 20},    {3, 1, P::kHeader, -1, 0},  {3, 1, P::kRow, 1, 10},  {4, 2, P::kTitle, -1, 0},
      {4, 2, P::kHeader, -1, 10}, {4, 2, P::kRow, 0, 20},    {5, 2, P::kHeader, -1, 0}, {5, 2, P::kRow, 1, 10},
  };
  const auto pages = PaginateTables(tables, 100, 20, 5);
  std::vector<Want> got;
  for (int p = 0; p < static_cast<int>(pages.size()); ++p)
    for (const PlacedPart& part : pages[static_cast<std::size_t>(p)])
      got.push_back({p, part.table, part.part, part.row, part.top});
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].page, want[i].page);
    EXPECT_EQ(got[i].table, want[i].table);
    EXPECT_EQ(got[i].part, want[i].part);
    EXPECT_EQ(got[i].row, want[i].row);
    EXPECT_DOUBLE_EQ(got[i].top, want[i].top);
  }
  EXPECT_EQ(PageNumberText(2, 6), "2 / 6");
}

}  // namespace
}  // namespace cps
