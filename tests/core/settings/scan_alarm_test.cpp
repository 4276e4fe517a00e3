// SPDX-License-Identifier: GPL-3.0-or-later
// Scan info and alarm.
#include <gtest/gtest.h>

#include "core/settings/settings_test_image.h"
#include "core/settings/alarm_page.h"
#include "core/settings/scan_page.h"

namespace cps {
namespace {

using testing::At;
using testing::Bytes;
using testing::ExpectSteps;

RadioImage Defaults() { return testing::DefaultSettingsImage(); }

void UseChannels(RadioImage& im, std::initializer_list<int> channels) {
  for (int n = 1; n <= 16; ++n) im.SetByte(0x100 + 32 * (n - 1) + 3, 0xFF);
  for (int n : channels) im.SetByte(0x100 + 32 * (n - 1) + 3, 0x45);
}

TEST(ScanPage, ChannelsSelectedByExactNumber) {
  struct Case { std::initializer_list<int> used; std::uint8_t priority, specified; const char* pShown; const char* sShown;
                std::uint8_t pSaved, sSaved; };
  const Case cases[] = {
      {{1, 2}, 0xFF, 0x00, "None", "None", 0xFF, 0x00},
      {{1, 2}, 5, 5, "None", "None", 0xFF, 0x00},     // channel 5 not in use
      {{12}, 1, 1, "None", "None", 0xFF, 0x00},       // never channel 12 for 1
      {{1, 12}, 12, 1, "12", "1", 12, 1},
      {{3}, 0, 255, "None", "None", 0xFF, 0x00},      // the other field's "None" value
  };
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    UseChannels(im, c.used);
    im.SetByte(0x348, c.priority);
    im.SetByte(0x34A, c.specified);
    PageValues v = LoadPage(ScanPageSchema(), im);
    EXPECT_EQ(v["priority_channel"].text, c.pShown) << int(c.priority);
    EXPECT_EQ(v["specified_channel"].text, c.sShown) << int(c.specified);
    SavePage(v, im);
    EXPECT_EQ(im.Byte(0x348), c.pSaved) << int(c.priority);
    EXPECT_EQ(im.Byte(0x34A), c.sSaved) << int(c.specified);
  }
}

TEST(ScanPage, ChannelListsAndTimes) {
  RadioImage im = Defaults();
  UseChannels(im, {});
  EXPECT_EQ(ChannelChoiceItems(im), std::vector<std::string>{"None"});
  UseChannels(im, {2, 16});
  im.SetByte(0x100 + 32 * 5 + 3, 0x00);  // 0x00 also marks an empty channel
  EXPECT_EQ(ChannelChoiceItems(im), (std::vector<std::string>{"None", "2", "16"}));
  im.SetByte(0x342, 7);
  PageValues v = LoadPage(ScanPageSchema(), im);
  EXPECT_EQ(v["stop_time"].text, "0.7");
  RadioImage saved = im;
  SavePage(v, saved);
  EXPECT_EQ(saved.Byte(0x342), 7);  // never entered: stored as it was
  ASSERT_TRUE(SetFieldText(v, "stop_time", "0.7").ok());
  EXPECT_EQ(v["stop_time"].text, "0.5");
  ExpectSteps(ScanPageSchema(), {{"stop_time", "10.0", +1, "0.5"},
                                 {"stop_time", "0.7", +1, "1.0"},
                                 {"resume_delay", "0.1", -1, "5.0"},
                                 {"resume_delay", "9", 0, "5.0"}});
}

TEST(AlarmPage, LeaveRuleResetsOnlyOutOfRange) {
  struct Case { const char* key; const char* typed; const char* shown; };
  const Case cases[] = {
      {"alarm_time", "0", "10"},      {"alarm_time", "300", "10"},  {"alarm_time", "7", "7"},
      {"alarm_time", "x", "10"},      {"tx_time", "0", "5"},        {"rx_time", "-1", "8"},
      {"alarm_time", "12x", "10"},    {"work_alone_time", "20x", "10"}, {"rx_time", " 9", " 9"},  // "12x" is no number: 0
      {"cycle", "256", "continue"},   {"cycle", "0", "0"},          {"cycle", "continue", "continue"},
      {"exit_delay", "unlimited", "unlimited"}, {"exit_delay", "300", "10"},
      {"tx_interval", "37", "35"},    {"tx_interval", "65", "25"},  {"tx_interval", "40", "40"},
      {"query_interval", "11", "1"},  {"entry_delay_time", "61", "10"}, {"upside_pre_prompt", "60", "5"},
      {"work_alone_pre_remind", "0", "0"},
      {"digit_alarm_id_code", "42", "0000042"}, {"digit_alarm_id_code", "", "9999998"},
      {"digit_alarm_id_code", "9000001", "9999998"}, {"digit_alarm_id_code", "8999999", "8999999"}, {"digit_alarm_id_code", "3000000", "9999998"},
      {"digit_alarm_id_code", "12x", "9999998"}, {"digit_alarm_id_code", "12A", "9999998"},
      {"digit_alarm_id_code", "1234567", "1234567"},
  };
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    PageValues v = LoadPage(AlarmPageSchema(), im);
    ASSERT_TRUE(SetFieldText(v, c.key, c.typed).ok()) << c.key << " " << c.typed;
    EXPECT_EQ(v[c.key].text, c.shown) << c.key << " " << c.typed;
  }
}

TEST(AlarmPage, SpinWithSpecialTexts) {
  ExpectSteps(AlarmPageSchema(), {
      {"cycle", "continue", +1, "1"},         {"cycle", "continue", -1, "255"},   {"cycle", "255", +1, "continue"},
      {"exit_delay", "254", +1, "unlimited"}, {"exit_delay", "unlimited", +1, "0"}, {"exit_delay", "0", -1, "unlimited"},
      {"tx_interval", "35", +1, "40"},        {"tx_interval", "60", +1, "10"},    {"tx_interval", "37", -1, "35"},
      {"alarm_time", "255", +1, "1"},         {"query_interval", "1", -1, "10"},
  });
}

TEST(AlarmPage, StoredCodesAndSpecialValues) {
  RadioImage im = Defaults();
  testing::Put(im, 0x358, {1, 2, 0xE, 0xF, 0xFF, 3, 3, 3});
  im.SetByte(0x373, 255);
  PageValues v = LoadPage(AlarmPageSchema(), im);
  testing::ExpectTexts(v, {{"analog_alarm_id_code", "12*#"}, {"digit_alarm_id_code", "9999998"},
                          {"exit_delay", "unlimited"}, {"cycle", "continue"}});
  v["digit_alarm_id_code"].text = "";  // typed, never left: padded, not checked
  SavePage(v, im);
  EXPECT_EQ(At(im, 0x360, 7), Bytes(7, 0));
  testing::ExpectBytes(im, {{0x373, 255}, {0x357, 0}});
  EXPECT_EQ(At(im, 0x358, 8), (Bytes{1, 2, 0xE, 0xF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // A character outside set A is stored as 255.
  v["digit_alarm_id_code"].text = "12x";
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x364, 1}, {0x366, 255}});
  EXPECT_FALSE(SetFieldText(v, "analog_alarm_id_code", "12E").ok());
}

}  // namespace
}  // namespace cps
