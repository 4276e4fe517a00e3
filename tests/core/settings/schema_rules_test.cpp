// SPDX-License-Identifier: GPL-3.0-or-later
// The shared rules of settings controls: spin with grid and wrap, leave
// rules, tenths, prefix selection, key filter.
#include <gtest/gtest.h>

#include "core/schema/builders.h"
#include "core/schema/rules.h"

namespace cps {
namespace {

TEST(SpinStep, GridAndWrapAtBothEnds) {
  struct Case { long long value; int delta; SpinRange r; int expected; };
  const Case cases[] = {
      {45, +1, {30, 600, 30}, 60},    // off the grid: next grid value above
      {45, -1, {30, 600, 30}, 30},    // off the grid: next grid value below
      {60, +1, {30, 600, 30}, 90},
      {600, +1, {30, 600, 30}, 30},   // past the top wraps to the bottom
      {30, -1, {30, 600, 30}, 600},   // past the bottom wraps to the top
      {0, +1, {30, 600, 30}, 30},     // below the range stepping up: 30 lies in range
      {0, -1, {30, 600, 30}, 600},    // below the range stepping down wraps to the top
      {700, +1, {30, 600, 30}, 30},
      {100, -1, {100, 3000, 100}, 3000},
      {1000, +1, {0, 1000, 100}, 0},
      {250, +1, {100, 3000, 100}, 300},
      {250, -1, {100, 3000, 100}, 200},
      {15, +1, {0, 15, 1}, 0},
      {0, -1, {0, 15, 1}, 15},
      {7, +1, {0, 15, 1}, 8},
      {-3, +1, {0, 15, 1}, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SpinStep(c.value, c.delta, c.r), c.expected) << c.value << " delta " << c.delta;
}

TEST(LeaveRoundClamp, RoundsDownThenClamps) {
  struct Case { long long value; SpinRange r; int expected; };
  const Case cases[] = {
      {100, {30, 600, 30}, 90}, {10, {30, 600, 30}, 30}, {3, {10, 60, 5}, 10},
      {62, {10, 60, 5}, 60},    {47, {10, 60, 5}, 45},   {-7, {0, 15, 1}, 0},
      {16, {0, 15, 1}, 15},     {250, {100, 3000, 100}, 200}, {50, {100, 3000, 100}, 100},
  };
  for (const auto& c : cases) EXPECT_EQ(LeaveRoundClamp(c.value, c.r), c.expected) << c.value;
}

TEST(Tenths, TruncatesThroughDecimalScaling) {
  // "25.7": 257, low 8 bits.
  const std::pair<const char*, int> fromText[] = {{"1.25", 12}, {"0.7", 7}, {"2.3", 23}, {"4.35", 43},
                                                  {"25.7", 1},  {"", 0},    {"abc", 0}};
  for (const auto& [text, tenths] : fromText) EXPECT_EQ(TenthsFromText(text), tenths) << text;
  for (const auto& [tenths, text] : {std::pair{7, "0.7"}, std::pair{100, "10.0"}, std::pair{0, "0.0"}})
    EXPECT_EQ(TenthsToText(tenths), text) << tenths;
}

TEST(SelectByPrefix, FirstItemBeginningWithTextIgnoringCase) {
  const std::vector<std::string> items{"None", "2", "12", "Remind", "Remind and Reply"};
  const std::pair<const char*, int> cases[] = {{"1", 2}, {"remind and reply", 4}, {"Remind", 3}, {"", 0}, {"Response", -1}};
  for (const auto& [text, index] : cases) EXPECT_EQ(SelectByPrefix(items, text), index) << text;
}

TEST(KeyFilter, UpperCasesThenTestsTheSet) {
  EXPECT_EQ(FilterTypedChar('a', kDtmfKeyChars, true), 'A');
  EXPECT_EQ(FilterTypedChar('e', kDtmfKeyChars, true), std::nullopt);
  EXPECT_EQ(FilterTypedChar('#', kDtmfKeyChars, true), '#');
  EXPECT_EQ(FilterTypedChar('x', "", false), 'x');
}

TEST(Builders, ComboIndexFallbackAndBitsReadModifyWrite) {
  RadioImage im;
  im.SetByte(0x307, 0xFF);  // STE bits hold 3 ("240"), other bits set
  Field ste = ComboIndex("ste", "STE", {"Freq", "120", "180", "240"}, 0x307, 0, 0x0C);
  EXPECT_EQ(ste.load(im).index, 3);
  ste.save(im, ControlValue::Index(1));
  EXPECT_EQ(im.Byte(0x307), 0xF7);
  ste.save(im, ControlValue::Index(-1));  // nothing selected: fallback 0
  EXPECT_EQ(im.Byte(0x307), 0xF3);
  Field sql = ComboIndex("sql", "SQL", NumberItems(0, 9), 0x300, 5);
  im.SetByte(0x300, 12);
  EXPECT_EQ(sql.load(im).index, 5);
}

TEST(Builders, HexWordEmptyStoresItsDefault) {
  RadioImage im;
  Field w = HexWord("lout", "L", 0x40, 0x0800);
  w.save(im, ControlValue::Text("1A2B"));
  EXPECT_EQ(im.Byte(0x40), 0x2B);
  EXPECT_EQ(im.Byte(0x41), 0x1A);
  w.save(im, ControlValue::Text(""));
  EXPECT_EQ(im.Word(0x40), 0x0800);
  im.SetWord(0x40, 0x000F);
  EXPECT_EQ(w.load(im).text, "F");
  Field b = HexWord("amp", "A", 0x80, 0x7F, 1);
  b.save(im, ControlValue::Text(""));
  EXPECT_EQ(im.Byte(0x80), 0x7F);
  EXPECT_EQ(im.Byte(0x81), 0x00);
}

}  // namespace
}  // namespace cps
