// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/image_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/codec/tone.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

// An analog channel on `units` with every reference cleared.
ChannelRecord Analog(RadioImage& image, int n, std::uint32_t units, std::size_t base = kMainChannelBase) {
  ChannelRecord ch(image, base, n);
  ch.setRxFreq(units);
  ch.setTxFreq(units);
  ch.setChannelType(0);
  ch.setRxTone(kNoTone);
  ch.setTxTone(kNoTone);
  ch.setSignalType(0);
  ch.setAnalogCall(1, 0);
  ch.setAnalogCall(2, 0);
  ch.setGroupList(0);
  ch.setEncryptKey(0);
  ch.setTxContact(0xFF);
  for (int k : {1, 2}) ch.setCallType(k, 0);
  return ch;
}

// A UHF image that passes: every channel empty but main channel 1, an
// analog 433.000 MHz channel. Group list, DTMF contact and outbox message
// 16 are empty, one encryption key is defined.
RadioImage CleanImage() {
  RadioImage image;
  image.Fill(0xFF);
  ApplyBuiltInDefaults(image, kBandUhf);
  for (std::size_t base : {kMainChannelBase, kPmrChannelBase})
    for (int n = 1; n <= kChannelCount; ++n) ChannelRecord(image, base, n).ResetRecord();
  Analog(image, 1, 43300000);
  image.SetByte(0x1BA0 + 8 * 15, 0xFF);    // group list 16
  image.SetByte(0x2060 + 16 * 15, 0xFF);   // DTMF contact 16
  image.SetByte(0x0980 + 128 * 15, 0xFF);  // outbox message 16
  image.SetByte(0x03A7, 1);                // one key
  return image;
}

ChannelRecord Channel(RadioImage& image, int n, std::size_t base = kMainChannelBase) {
  return ChannelRecord(image, base, n);
}

// A licence-free channel as the plan wants it, on main channel 2.
ChannelRecord Pmr446(RadioImage& image) {
  ChannelRecord ch = Analog(image, 2, 44600625);
  ch.setNarrow(true);
  ch.setHighPower(false);
  return ch;
}

// A digital channel 3 on 434.000 MHz with a contact.
ChannelRecord Digital(RadioImage& image) {
  ChannelRecord ch = Analog(image, 3, 43400000);
  ch.setChannelType(1);
  ch.setTxContact(static_cast<std::uint8_t>(ReadChannelEditLists(image).contacts.front().first));
  return ch;
}

TEST(ImageCheckTest, OneRowPerRule) {
  const RadioImage clean = CleanImage();
  ASSERT_FALSE(ReadChannelEditLists(clean).contacts.empty());
  ASSERT_EQ(CheckImage(clean), std::vector<CheckFinding>{}) << CheckFindingText(CheckImage(clean)[0]);
  using E = CheckLevel;
  struct Row {
    const char* what;
    std::function<void(RadioImage&)> change;
    CheckOptions options;
    CheckLevel level;
    const char* key;  // the one finding expected; nullptr: none
  };
  const Row rows[] = {
      {"receive outside the band", [](RadioImage& im) { Channel(im, 1).setRxFreq(48000000); }, {}, E::kError,
       "channel.1.rx_freq"},
      {"transmit outside the band", [](RadioImage& im) { Channel(im, 1).setTxFreq(39000000); }, {}, E::kError,
       "channel.1.tx_freq"},
      {"a PMR channel outside the band", [](RadioImage& im) { Analog(im, 4, 15000000, kPmrChannelBase).clearTxFreq(); },
       {}, E::kError, "pmr.4.rx_freq"},
      {"a licence-free channel as planned", [](RadioImage& im) { Pmr446(im); }, {}, E::kWarning, nullptr},
      {"licence-free, transmitting outside the plan", [](RadioImage& im) { Pmr446(im).setTxFreq(44650000); }, {},
       E::kWarning, "channel.2.tx_freq"},
      {"licence-free with a repeater shift", [](RadioImage& im) { Pmr446(im).setTxFreq(44610625); }, {},
       E::kWarning, "channel.2.tx_freq"},
      {"licence-free and wide", [](RadioImage& im) { Pmr446(im).setNarrow(false); }, {}, E::kWarning,
       "channel.2.bandwidth"},
      {"licence-free and high power", [](RadioImage& im) { Pmr446(im).setHighPower(true); }, {}, E::kWarning,
       "channel.2.power"},
      {"licence-free receive only", [](RadioImage& im) {
         ChannelRecord ch = Pmr446(im);
         ch.setHighPower(true);
         ch.setOnlyRx(true);
       }, {}, E::kWarning, nullptr},
      {"a digital channel with its contact", [](RadioImage& im) { Digital(im); }, {}, E::kWarning, nullptr},
      {"a digital channel without a contact", [](RadioImage& im) { Digital(im).setTxContact(0xFF); }, {},
       E::kWarning, "channel.3.tx_contact"},
      {"a call without a contact", [](RadioImage& im) {
         ChannelRecord ch = Digital(im);
         ch.setCallType(1, 1);
         ch.setCallContact(1, 0xFF);
       }, {}, E::kWarning, "channel.3.call_1_contact"},
      {"a message call without a message", [](RadioImage& im) {
         ChannelRecord ch = Digital(im);
         ch.setCallType(2, 2);
         ch.setCallContact(2, ch.txContact());
         ch.setCallMessage(2, 16);
       }, {}, E::kWarning, "channel.3.call_2_msg"},
      {"an empty group list", [](RadioImage& im) { Channel(im, 1).setGroupList(16); }, {}, E::kWarning,
       "channel.1.group_rx_list"},
      {"no group list (0xFF shows None)", [](RadioImage& im) { Channel(im, 1).setGroupList(0xFF); }, {}, E::kWarning,
       nullptr},
      {"call type 3 shows Off", [](RadioImage& im) {
         ChannelRecord ch = Digital(im);
         ch.setCallType(1, 3);
         ch.setCallContact(1, 0xFF);
       }, {}, E::kWarning, nullptr},
      {"an empty key", [](RadioImage& im) { Channel(im, 1).setEncryptKey(2); }, {}, E::kWarning,
       "channel.1.encrypt_key"},
      {"an empty DTMF contact", [](RadioImage& im) {
         Channel(im, 1).setSignalType(1);
         Channel(im, 1).setAnalogCall(2, 16);
       }, {}, E::kWarning, "channel.1.analog_call_2"},
      {"two channels alike", [](RadioImage& im) { Analog(im, 9, 43300000); }, {}, E::kWarning, "channel.9.rx_freq"},
      {"the same receive, another transmit", [](RadioImage& im) { Analog(im, 9, 43300000).setTxFreq(43400000); }, {},
       E::kWarning, nullptr},
      {"a tone on transmit only", [](RadioImage& im) { Channel(im, 1).setTxTone(ToneFromText("67.0")); }, {},
       E::kWarning, "channel.1.tx_tone"},
      {"tones both ways", [](RadioImage& im) {
         Channel(im, 1).setTxTone(ToneFromText("67.0"));
         Channel(im, 1).setRxTone(ToneFromText("67.0"));
       }, {}, E::kWarning, nullptr},
      {"an all-zero radio id", [](RadioImage& im) { im.Fill(0x0388, 7, 0x00); }, {}, E::kError, "dpmr.radio_id"},
      {"the other band than the radio's", [](RadioImage&) {}, {kBandVhf}, E::kError, "band"},
      {"the radio's own band", [](RadioImage&) {}, {kBandUhf}, E::kError, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RadioImage image = clean;
    row.change(image);
    const auto findings = CheckImage(image, row.options);
    if (!row.key) {
      EXPECT_TRUE(findings.empty()) << CheckFindingText(findings.front());
      EXPECT_EQ(CheckExitCode(findings), 0);
      continue;
    }
    ASSERT_EQ(findings.size(), 1u) << CheckFindingText(findings.front()) << " / " << CheckFindingText(findings.back());
    EXPECT_EQ(findings[0].key, row.key) << findings[0].text;
    EXPECT_EQ(findings[0].level, row.level) << findings[0].text;
    EXPECT_FALSE(findings[0].text.empty());
    EXPECT_EQ(CheckExitCode(findings), row.level == E::kError ? 2 : 1);
  }
}

TEST(ImageCheckTest, AMessageCallNamesWhatIsMissing) {
  RadioImage image = CleanImage();
  ChannelRecord ch = Digital(image);
  ch.setCallType(2, 2);
  ch.setCallContact(2, ch.txContact());
  ch.setCallMessage(2, 0x3F);
  ASSERT_EQ(CheckImage(image).size(), 1u);
  EXPECT_EQ(CheckFindingText(CheckImage(image)[0]), "warning: channel.3.call_2_msg: Msg needs a message");
  ch.setCallMessage(2, 16);
  ASSERT_EQ(CheckImage(image).size(), 1u);
  EXPECT_EQ(CheckFindingText(CheckImage(image)[0]), "warning: channel.3.call_2_msg: message 16 is empty");
}

TEST(ImageCheckTest, FleetIds) {
  const auto findings = CheckFleetIds({"0000500", "0000000", "0000501", "0000500"});
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(CheckFindingText(findings[0]), "error: dpmr.radio_id: radio 2: the radio id is 0000000");
  EXPECT_EQ(CheckFindingText(findings[1]), "error: dpmr.radio_id: radio 4: the radio id 0000500 is given twice");
  EXPECT_TRUE(CheckFleetIds({"0000001", "0000002"}).empty());
}

}  // namespace
}  // namespace cps
