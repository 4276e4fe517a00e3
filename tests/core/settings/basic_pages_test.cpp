// Side keys and tone and light.
#include <gtest/gtest.h>

#include "core/image/new_image.h"
#include "core/settings/settings_test_image.h"
#include "core/settings/side_key_page.h"
#include "core/settings/tone_light_page.h"

namespace cps {
namespace {

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
  struct Case { std::size_t addr; std::uint8_t stored; const char* shown; std::uint8_t saved; };
  const Case cases[] = {
      {0x324, 4, "Scan", 4},          // SK1 short: code 4 is list item 1
      {0x325, 3, "Monitor", 3},       // SK1 long: Monitor is in the long list
      {0x324, 3, "", 0},              // SK1 short: no Monitor, stays empty, saved as fallback 0
      {0x326, 31, "None", 0},
      {0x322, 40, "EMI", 9},          // TK short: 40 shows the load fallback EMI
      {0x323, 40, "None", 0},         // TK long: load fallback 0 "None"
      {0x325, 29, "Kill", 29},
      {0x327, 30, "Wake", 30},
      {0x324, 14, "", 0},             // "Backlight" is in the table, in no list
      {0x322, 14, "", 9},             // TK short saves its own fallback
      {0x323, 2, "", 9},
  };
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    im.SetByte(c.addr, c.stored);
    PageValues v = LoadPage(SideKeyPageSchema(), im);
    const std::string key = c.addr == 0x322 ? "tk_short" : c.addr == 0x323 ? "tk_long"
                          : c.addr == 0x324 ? "sk1_short" : c.addr == 0x325 ? "sk1_long"
                          : c.addr == 0x326 ? "sk2_short" : "sk2_long";
    EXPECT_EQ(v[key].text, c.shown) << key << " " << int(c.stored);
    SavePage(v, im);
    EXPECT_EQ(im.Byte(c.addr), c.saved) << key << " " << int(c.stored);
  }
}

TEST(SideKeyPage, LongKeyTime) {
  RadioImage im = Defaults();
  im.SetByte(0x320, 30);  // outside 5..25
  PageValues v = LoadPage(SideKeyPageSchema(), im);
  EXPECT_EQ(v["long_key"].text, "1.0");
  v["long_key"].text = "";
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x320), 10);
  const Field* f = SideKeyPageSchema().Find("long_key");
  EXPECT_EQ(f->onSpin("2.5", +1), "0.5");
  EXPECT_EQ(f->onSpin("0.5", -1), "2.5");
  EXPECT_EQ(f->onLeave("3"), "2.5");
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
  EXPECT_TRUE(v["power_on_tone"].checked);
  EXPECT_TRUE(v["shutdown_pre_alert_tone"].checked);
  EXPECT_EQ(v["voice_broadcast"].text, "Chinese");
  EXPECT_TRUE(v["rx_exit_tone"].checked);
  EXPECT_TRUE(v["call_link_reset_tone"].checked);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x319), 0xC1 | 0x3C);
  EXPECT_EQ(im.Byte(0x318), 0x41);
  ASSERT_TRUE(SetFieldText(v, "tx_light", "off").ok());
  ASSERT_TRUE(SetFieldText(v, "voice_broadcast", "english").ok());
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x31A), 0xFC & ~0x40);
  EXPECT_EQ(im.Byte(0x319), 0xC2 | 0x3C);
  EXPECT_FALSE(SetFieldText(v, "tx_light", "maybe").ok());
}

}  // namespace
}  // namespace cps
