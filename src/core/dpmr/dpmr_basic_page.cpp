// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/dpmr_basic_page.h"

#include "core/base/texts.h"
#include "core/codec/digit_codes.h"
#include "core/dpmr/dpmr_layout.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

constexpr std::size_t kRadioId = 0x0388;
constexpr std::size_t kAllCode = 0x0390;
constexpr std::size_t kDialAccess = 0x0398;
constexpr std::size_t kPreCarrier = 0x0399;
constexpr std::size_t kGroupHold = 0x039A;
constexpr std::size_t kSingleCall = 0x039B;
constexpr std::size_t kMixedReset = 0x039C;
constexpr std::size_t kWakeFrame = 0x039D;
constexpr std::size_t kAckTimes = 0x039E;
constexpr std::size_t kOptions = 0x039F;
constexpr std::size_t kKillCode = 0x04B0;
constexpr std::size_t kActiveCode = 0x04B8;
constexpr std::size_t kAckDelay = 0x3EC0;
constexpr std::size_t kAckWait = 0x3EC1;
constexpr std::size_t kTxDelay = 0x3EC2;
constexpr std::size_t kRadioName = 0x3F88;
constexpr std::size_t kRadioNameLength = 8;

constexpr const char* kAllCodeReadOnly = QT_TRANSLATE_NOOP(
    "CoreText", "Saving the file or writing to the radio always stores AAAAAAA here, so it cannot be changed.");
constexpr const char* kPreCarrierReadOnly = QT_TRANSLATE_NOOP(
    "CoreText", "Saving the file or writing to the radio always stores 0 here, so it cannot be changed.");

std::string PrintableChars() {
  std::string s;
  for (char c = 0x20; c < 0x7F; ++c) s += c;
  return s;
}

Field RadioName() {
  Field f;
  f.key = "radio_name";
  f.label = QT_TRANSLATE_NOOP("CoreText", "Radio name");
  f.kind = ControlKind::Edit;
  f.maxLength = static_cast<int>(kRadioNameLength);
  f.allowedChars = PrintableChars();
  f.hint = "up to 8 characters";
  f.load = [](const RadioImage& im) {
    return ControlValue::Text(PrintableText(im, kRadioName, kRadioNameLength));
  };
  f.save = [](RadioImage& im, const ControlValue& v) {
    im.Fill(kRadioName, kRadioNameLength, 0xFF);
    WritePrintable(im, kRadioName, v.text, kRadioNameLength);
  };
  for (std::size_t i = 0; i < kRadioNameLength; ++i) f.bytes.push_back({kRadioName + i, 0xFF});
  return f;
}

// "ACK reply times": 1..10; a stored 0 or a value above 10 shows 1.
Field AckReplyTimes() {
  Field f;
  f.key = "ack_reply_times";
  f.label = QT_TRANSLATE_NOOP("CoreText", "ACK reply times");
  f.kind = ControlKind::Combo;
  f.items = NumberItems(1, 10);
  f.load = [](const RadioImage& im) {
    const int v = im.Byte(kAckTimes);
    return ControlValue::Index(v >= 1 && v <= 10 ? v - 1 : 0);
  };
  f.save = [](RadioImage& im, const ControlValue& v) {
    im.SetByte(kAckTimes, static_cast<std::uint8_t>(v.index >= 0 && v.index < 10 ? v.index + 1 : 1));
  };
  f.bytes = {{kAckTimes, 0xFF}};
  return f;
}

std::vector<std::string> WakeFrameItems() {
  std::vector<std::string> items;
  for (int k = 0; k < 16; ++k) items.push_back(std::to_string(k * 80));
  return items;
}

PageSchema Build() {
  const std::vector<std::string> offOn{QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "On")};
  PageSchema p;
  p.key = "dpmr";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Basic");
  p.fields = {
      RadioName(),
      SevenDigitId("radio_id", QT_TRANSLATE_NOOP("CoreText", "Radio id"), kRadioId, "0000001", "0123456789"),
      // Saving the radio id also erases the all-call code bytes before the
      // all code is written; the all code's own save does both.
      // The channel table's write-back stores these two whenever the image
      // is saved or written to the radio: shown, but not editable.
      ReadOnly(DigitCodes("all_code", QT_TRANSLATE_NOOP("CoreText", "All code"), kAllCode, 7), kAllCodeReadOnly),
      SevenDigitId("kill_code", QT_TRANSLATE_NOOP("CoreText", "Kill code"), kKillCode, "9999990",
                   std::string(kDtmfKeyChars)),
      SevenDigitId("active_code", QT_TRANSLATE_NOOP("CoreText", "Active code"), kActiveCode, "9999991",
                   std::string(kDtmfKeyChars)),
      ComboIndex("codec_type", QT_TRANSLATE_NOOP("CoreText", "Codec type"), {"AMBE+2C", "ASELP", "ASELP 2"}, kOptions,
                 0, 0x03),
      ComboIndex("kill_active_decode", QT_TRANSLATE_NOOP("CoreText", "Kill/active decode"), offOn, kOptions, 0, 0x04),
      ComboIndex("kill_type", QT_TRANSLATE_NOOP("CoreText", "Kill type"),
                 {QT_TRANSLATE_NOOP("CoreText", "Tx inhibit"), QT_TRANSLATE_NOOP("CoreText", "tx/rx inhibit"),
                  QT_TRANSLATE_NOOP("CoreText", "Kill")},
                 kOptions, 0, 0x30),
      ComboIndex("repeat_mode", QT_TRANSLATE_NOOP("CoreText", "Repeat mode"),
                 {QT_TRANSLATE_NOOP("CoreText", "Direct"), QT_TRANSLATE_NOOP("CoreText", "Repeat")}, kOptions, 0, 0x40),
      ComboIndex("allow_all_call", QT_TRANSLATE_NOOP("CoreText", "Allow all call"), offOn, kOptions, 0, 0x80),
      InColumn(ReadOnly(IntEdit("tx_pre_carrier_time", QT_TRANSLATE_NOOP("CoreText", "tx pre-carrier time"),
                                kPreCarrier, {0, 1000, 20}, 4, {.scale = 20}),
                        kPreCarrierReadOnly),
               1),
      InColumn(IntEdit("group_hold_time", QT_TRANSLATE_NOOP("CoreText", "Group hold time"), kGroupHold, {0, 30, 1}, 2),
               1),
      InColumn(
          IntEdit("single_call_time", QT_TRANSLATE_NOOP("CoreText", "Single call time"), kSingleCall, {0, 30, 1}, 2),
          1),
      InColumn(
          IntEdit("mixed_mode_reset", QT_TRANSLATE_NOOP("CoreText", "Mixed mode reset"), kMixedReset, {0, 30, 1}, 2),
          1),
      InColumn(ComboIndex("wake_frame", QT_TRANSLATE_NOOP("CoreText", "Wake frame"), WakeFrameItems(), kWakeFrame, 0),
               1),
      InColumn(
          TenthsEdit("ack_reply_delay", QT_TRANSLATE_NOOP("CoreText", "ACK reply delay"), kAckDelay, {1, 50, 1}, 3), 1),
      InColumn(IntEdit("ack_reply_wait", QT_TRANSLATE_NOOP("CoreText", "ACK reply wait"), kAckWait, {0, 10, 1}, 1), 1),
      InColumn(TenthsEdit("tx_delay_time", QT_TRANSLATE_NOOP("CoreText", "Tx delay time"), kTxDelay, {1, 50, 1}, 3), 1),
      // Below the page's lower edge: loaded and saved, never shown.
      Hide(ComboIndex("dial_access", QT_TRANSLATE_NOOP("CoreText", "Dial access"), NumberItems(0, 7), kDialAccess, 7)),
      Hide(ComboIndex("voice_store_replay", QT_TRANSLATE_NOOP("CoreText", "Voice store/replay"), offOn, kOptions, 0,
                      0x08)),
      Hide(AckReplyTimes()),
  };
  const std::vector<std::string> checked{"mixed_mode_reset", "radio_id", "single_call_time", "group_hold_time",
                                         "tx_pre_carrier_time"};
  p.afterLoad = ApplyLeaveRules(checked);
  p.beforeSave = ApplyLeaveRules(checked);
  return p;
}

}  // namespace


const PageSchema& DpmrBasicPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
