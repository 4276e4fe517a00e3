// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;

// The settings regions, 0x300-0x37F and 0x2000-0x215F, without the scan
// bitmap at 0x34C that the channel table's write-back keeps.
bool SameSettingsBytes(const RadioImage& a, const RadioImage& b, std::vector<std::size_t>* differ) {
  bool same = true;
  auto cmp = [&](std::size_t from, std::size_t to) {
    for (std::size_t x = from; x <= to; ++x)
      if (a.Byte(x) != b.Byte(x)) {
        same = false;
        differ->push_back(x);
      }
  };
  cmp(0x300, 0x34B);
  cmp(0x34E, 0x37F);
  cmp(0x2000, 0x215F);
  return same;
}

TEST(CliSettings, SetWritesExactlyTheFieldsAsTheDialogsWould) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  img.SetByte(0x100 + 32 * 11 + 3, 0x44);  // channel 12 in use
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"set", dir.File("a.dat"), "option.tot=100", "option.apo=1h", "scan.priority_channel=12",
                   "alarm.digit_alarm_id_code=42", "alarm.cycle=continue", "dtmf_decode.kill_code=12#",
                   "dtmf_contact.3=12ab*#", "tone_light.tx_light=off", "side_key.sk1_short=Scan",
                   "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("option.tot=100 is stored as 90"), std::string::npos) << r.err;
  RadioImage out;
  ASSERT_TRUE(LoadImageFile(dir.File("b.dat"), out));
  RadioImage expected = img;
  expected.SetByte(0x308, 90);
  expected.SetByte(0x303, 3);
  expected.SetByte(0x348, 12);
  const std::uint8_t id[7] = {0, 0, 0, 0, 0, 4, 2};
  for (int i = 0; i < 7; ++i) expected.SetByte(0x360 + i, id[i]);
  const std::uint8_t kill[4] = {1, 2, 15, 15};
  for (int i = 0; i < 4; ++i) expected.SetByte(0x2050 + i, kill[i]);
  const std::uint8_t code[6] = {1, 2, 0xA, 0xB, 0xE, 0xF};
  for (int i = 0; i < 6; ++i) expected.SetByte(0x2080 + i, code[i]);
  expected.SetByte(0x31A, expected.Byte(0x31A) & ~0x40);
  expected.SetByte(0x324, 4);
  // The DTMF dialog stores all its tabs when it closes: the encode page's
  // default speed byte 10 (no item of its own) is stored as 100.
  expected.SetByte(0x2000, 100);
  std::vector<std::size_t> differ;
  EXPECT_TRUE(SameSettingsBytes(out, expected, &differ)) << "first differing address " << (differ.empty() ? 0 : differ[0]);

  r = RunCli({"get", dir.File("b.dat"), "option.tot", "scan.priority_channel", "dtmf_contact.3", "tone_light.tx_light",
              "alarm.cycle"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "option.tot=90\nscan.priority_channel=12\ndtmf_contact.3=12AB*#\ntone_light.tx_light=off\nalarm.cycle=continue\n");
}

TEST(CliSettings, BadValuesWriteNothing) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  const std::string before = cps::testing::Slurp(dir.File("a.dat"));
  struct Case { const char* assignment; const char* message; };
  const Case cases[] = {
      {"option.apo=3H", "Off|10M|30M|1H|2H"},
      {"dtmf_contact.3=12E", "cannot be typed"},
      {"dtmf_contact.17=1", "unknown key"},
      {"scan.priority_channel=5", "None"},  // channel 5 is not in use
      {"tone_light.tx_light=yes", "on or off"},
      {"dtmf_decode.person_id=12345678901234567", "at most 16"},
  };
  for (const auto& c : cases) {
    auto r = RunCli({"set", dir.File("a.dat"), "option.tot=60", c.assignment});
    EXPECT_NE(r.code, 0) << c.assignment;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.assignment << ": " << r.err;
    EXPECT_EQ(cps::testing::Slurp(dir.File("a.dat")), before) << c.assignment;
  }
}

TEST(CliSettings, KeysAndShow) {
  auto r = RunCli({"keys", "scan"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("scan.stop_time\tStop time (s)\t0.5..10.0, step 0.5"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("scan.specified_channel\tSpecified channel (hidden)"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("option."), std::string::npos);
  r = RunCli({"keys", "dtmf_contact"});
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 16);
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  r = RunCli({"show", dir.File("a.dat"), "settings"});
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char* title : {"[Option]", "[Side Key]", "[Tone and Light]", "[Scan Info]", "[Alarm]", "[Encode]", "[Decode]",
                            "[Contact]"})
    EXPECT_NE(r.out.find(title), std::string::npos) << title;
  EXPECT_NE(r.out.find("alarm.digit_alarm_id_code"), std::string::npos);
}

}  // namespace
}  // namespace cps
