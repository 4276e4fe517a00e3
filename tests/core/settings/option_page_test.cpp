// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/settings/option_page.h"
#include "core/settings/settings_test_image.h"

namespace cps {
namespace {

RadioImage DefaultOptions() {
  RadioImage im;
  im.Fill(0xFF);
  testing::Put(im, 0x300, {0x05, 0x0A, 0x0A, 0x00, 0xFF, 0xFF, 0xFF, 0xC1, 0x00, 0x00, 0x00, 0x00, 0x00});
  testing::Put(im, 0x310, {0x00, 0x05, 0x0A});
  return im;
}

TEST(OptionPage, ShowsStoredValues) {
  RadioImage im = DefaultOptions();
  im.SetByte(0x308, 0x58);
  im.SetByte(0x309, 0x02);
  im.SetByte(0x312, 7);
  im.SetByte(0x301, 3);
  PageValues v = LoadPage(OptionPageSchema(), im);
  testing::ExpectTexts(v, {{"tot", "600"}, {"vox_delay", "0.7"}, {"saving_mode", "1:3"},
                          {"sql", "5"}, {"wireless_copy", "On"}, {"ste", "Freq"}});
}

TEST(OptionPage, OutOfRangeValuesFallBackOnSave) {
  RadioImage im = DefaultOptions();
  im.SetByte(0x300, 12);   // squelch out of range
  im.SetByte(0x312, 30);   // VOX delay above 2.0
  im.SetByte(0x303, 9);    // APO out of range
  RadioImage before = im;
  PageValues v = LoadPage(OptionPageSchema(), im);
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x300, 5}, {0x312, 20}, {0x303, 0}});
  before.SetByte(0x300, 5);
  before.SetByte(0x312, 20);
  before.SetByte(0x303, 0);
  EXPECT_EQ(im, before);  // nothing else changed, TOT 0 stays 0
}

TEST(OptionPage, TypedValuesAreCorrectedOnLeaving) {
  struct Case { const char* key; const char* typed; const char* shown; std::size_t addr; std::uint8_t byte; };
  const Case cases[] = {
      {"saving_delay_time", "3", "10", 0x302, 10}, {"saving_delay_time", "62", "60", 0x302, 60},
      {"saving_delay_time", "47", "45", 0x302, 45}, {"tot", "100", "90", 0x308, 90},
      {"tot", "10", "30", 0x308, 30},               {"vox_delay", ".25", "0.2", 0x312, 2},
      {"tot_pre_alert", "20", "15", 0x30A, 15},     {"tot_reset_time", "-4", "0", 0x30C, 0},
  };
  for (const auto& c : cases) {
    RadioImage im = DefaultOptions();
    PageValues v = LoadPage(OptionPageSchema(), im);
    ASSERT_TRUE(SetFieldText(v, c.key, c.typed).ok()) << c.key;
    EXPECT_EQ(v[c.key].text, c.shown) << c.key << " " << c.typed;
    SavePage(v, im);
    EXPECT_EQ(im.Byte(c.addr), c.byte) << c.key << " " << c.typed;
  }
}

TEST(OptionPage, EditLimitAndTenthsLeaveRule) {
  testing::ExpectSteps(OptionPageSchema(), {{"vox_delay", "1.25", 0, "1.2"}, {"vox_delay", "9", 0, "2.0"}});
  RadioImage im = DefaultOptions();
  PageValues v = LoadPage(OptionPageSchema(), im);
  EXPECT_FALSE(SetFieldText(v, "vox_delay", "1.25").ok());  // 3 characters at most
}

TEST(OptionPage, TotWordAndBitFields) {
  RadioImage im = DefaultOptions();
  im.SetByte(0x307, 0x33);  // bits 0,1,4,5 set and STE = 0
  PageValues v = LoadPage(OptionPageSchema(), im);
  ASSERT_TRUE(SetFieldText(v, "tot", "570").ok());
  ASSERT_TRUE(SetFieldText(v, "ste", "180").ok());
  ASSERT_TRUE(SetFieldText(v, "wired_copy", "on").ok());
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x308, 0x3A}, {0x309, 0x02}, {0x307, 0x33 | 0x08 | 0x40}});
  EXPECT_FALSE(SetFieldText(v, "apo", "3H").ok());
  EXPECT_FALSE(SetFieldText(v, "nope", "1").ok());
}

}  // namespace
}  // namespace cps
