// SPDX-License-Identifier: GPL-3.0-or-later
// Side keys and tone and light.
#include <gtest/gtest.h>

#include "core/settings/settings_test_image.h"
#include "core/settings/side_key_page.h"
#include "core/settings/tone_light_page.h"

namespace cps {
namespace {

using testing::ExpectSteps;
using testing::ExpectStoredShownSaved;

RadioImage Defaults() { return testing::DefaultSettingsImage(); }

TEST(SideKeyPage, ListsAreSubsetsOfTheTableInOrder) {
  EXPECT_EQ(KeyFunctionTable().size(), 31u);
  EXPECT_EQ(LongPressItems().size(), 21u);
  EXPECT_EQ(ShortPressItems().size(), 20u);
  EXPECT_EQ(KeyFunctionTable()[7], "Hihg/Low power");
  EXPECT_EQ(ShortPressItems()[1], "Scan");
  EXPECT_EQ(LongPressItems()[1], "Monitor");
}

TEST(SideKeyPage, CodesVersusListPositions) {
  const testing::StoredCase cases[] = {
      {0x324, 4, "sk1_short", "Scan", 4},      // code 4 is list item 1
      {0x325, 3, "sk1_long", "Monitor", 3},    // Monitor is in the long list
      {0x324, 3, "sk1_short", "", 0},          // no Monitor: stays empty, saved as fallback 0
      {0x326, 31, "sk2_short", "None", 0},
      {0x322, 40, "tk_short", "EMI", 9},       // 40 shows the load fallback EMI
      {0x323, 40, "tk_long", "None", 0},       // load fallback 0 "None"
      {0x325, 29, "sk1_long", "Kill", 29},
      {0x327, 30, "sk2_long", "Wake", 30},
      {0x324, 14, "sk1_short", "", 0},         // "Backlight" is in the table, in no list
      {0x322, 14, "tk_short", "", 9},          // TK short saves its own fallback
      {0x323, 2, "tk_long", "", 9},
  };
  for (const auto& c : cases) ExpectStoredShownSaved(SideKeyPageSchema(), c);
}

TEST(SideKeyPage, LongKeyTime) {
  RadioImage im = Defaults();
  im.SetByte(0x320, 30);  // outside 5..25
  PageValues v = LoadPage(SideKeyPageSchema(), im);
  EXPECT_EQ(v["long_key"].text, "1.0");
  v["long_key"].text = "";
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x320), 10);
  ExpectSteps(SideKeyPageSchema(), {{"long_key", "2.5", +1, "0.5"}, {"long_key", "0.5", -1, "2.5"}, {"long_key", "3", 0, "2.5"}});
  ASSERT_TRUE(SetFieldText(v, "sk1_long", "kill").ok());
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x325), 29);
}

TEST(ToneLightPage, BitsAndVoiceBroadcast) {
  RadioImage im = Defaults();
  im.SetByte(0x318, 0x41);
  im.SetByte(0x319, 0xC3 | 0x3C);  // value 3, bits 2-5 set
  PageValues v = LoadPage(ToneLightPageSchema(), im);
  int checked = 0;
  for (const char* k : {"power_on_tone", "shutdown_tone", "shutdown_pre_alert_tone", "call_out_tone", "low_voltage",
                        "single_call_tone", "group_call_tone", "tone"})
    checked += v[k].checked;
  EXPECT_EQ(checked, 2);
  for (const char* k : {"power_on_tone", "shutdown_pre_alert_tone", "rx_exit_tone", "call_link_reset_tone"})
    EXPECT_TRUE(v[k].checked) << k;
  EXPECT_EQ(v["voice_broadcast"].text, "Chinese");
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x319, 0xC1 | 0x3C}, {0x318, 0x41}});
  ASSERT_TRUE(SetFieldText(v, "tx_light", "off").ok());
  ASSERT_TRUE(SetFieldText(v, "voice_broadcast", "english").ok());
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x31A, 0xFC & ~0x40}, {0x319, 0xC2 | 0x3C}});
  EXPECT_FALSE(SetFieldText(v, "tx_light", "maybe").ok());
}

}  // namespace
}  // namespace cps
