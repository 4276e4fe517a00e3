// SPDX-License-Identifier: GPL-3.0-or-later
// Every check box of "Tone and Light" owns one bit: switching it on over
// cleared bytes sets only that bit, switching it off over set bytes clears
// only that bit.
#include <gtest/gtest.h>

#include "core/settings/tone_light_page.h"
#include "settings_test_image.h"

namespace cps {
namespace {

TEST(ToneLightBits, EachCheckBoxWritesItsOwnBit) {
  struct Case {
    const char* key;
    std::size_t addr;
    std::uint8_t bit;
  };
  const Case cases[] = {
      {"power_on_tone", 0x318, 0x40},        {"shutdown_tone", 0x318, 0x02},
      {"shutdown_pre_alert_tone", 0x318, 0x01}, {"call_out_tone", 0x318, 0x20},
      {"low_voltage", 0x318, 0x10},          {"single_call_tone", 0x318, 0x08},
      {"group_call_tone", 0x318, 0x04},      {"rx_exit_tone", 0x319, 0x80},
      {"call_link_reset_tone", 0x319, 0x40}, {"power_on_light", 0x31A, 0x04},
      {"tx_light", 0x31A, 0x40},             {"rx_light", 0x31A, 0x20},
      {"scan_state_light", 0x31A, 0x10},     {"low_voltage_light", 0x31A, 0x08},
      {"tone", 0x318, 0x80},                 {"light", 0x31A, 0x80},
      {"shock", 0x31B, 0x01},
  };
  for (const Case& c : cases) {
    for (const bool on : {true, false}) {
      RadioImage im = testing::DefaultSettingsImage();
      const std::uint8_t background = on ? 0x00 : 0xFF;
      for (std::size_t a = 0x318; a <= 0x31B; ++a) im.SetByte(a, background);
      im.SetByte(0x319, (im.Byte(0x319) & ~0x03) | 0x01);  // voice broadcast "Chinese" either way
      PageValues v = LoadPage(ToneLightPageSchema(), im);
      EXPECT_EQ(v[c.key].checked, !on) << c.key;
      ASSERT_TRUE(SetFieldText(v, c.key, on ? "on" : "off").ok()) << c.key;
      SavePage(v, im);
      for (std::size_t a = 0x318; a <= 0x31B; ++a) {
        std::uint8_t want = a == 0x319 ? ((background & ~0x03) | 0x01) : background;
        if (a == c.addr) want = on ? (want | c.bit) : (want & ~c.bit);
        EXPECT_EQ(im.Byte(a), want) << c.key << (on ? " on" : " off") << " at 0x" << std::hex << a;
      }
    }
  }
}

}  // namespace
}  // namespace cps
