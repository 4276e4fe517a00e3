// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/alarm_page.h"

#include "core/base/c_text.h"
#include "core/base/texts.h"
#include "core/codec/digit_codes.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

constexpr const char* kContinue = "continue";
constexpr const char* kUnlimited = "unlimited";
constexpr const char* kDefaultDigitId = "9999998";

// The number an edit of this dialog holds when it is left: a text that is
// not wholly a signed number ("12x", "x") reads as 0.
long long ReadNumber(std::string_view text) {
  std::size_t used = 0;
  const long long v = ParseInt(text, &used);
  return used > 0 && Trim(text.substr(used)).empty() ? v : 0;  // used is 0 when there is no digit
}

int WrapStep(long long value, int delta, int lower, int upper) {
  return SpinStep(value, delta, SpinRange{lower, upper, 1});
}

// A numeric edit of this dialog: "%d", atoi on save; leaving resets a value
// outside lower..upper to `reset` and leaves any other text as typed; the
// arrows add the delta and wrap.
Field AlarmEdit(std::string key, std::string label, std::size_t addr, int lower, int upper, int reset,
                int maxLength, int column) {
  Field f = IntEdit(std::move(key), std::move(label), addr, {lower, upper, 1}, maxLength);
  f.column = column;
  f.onLeave = [lower, upper, reset](std::string_view text) {
    const long long v = ReadNumber(text);
    return v < lower || v > upper ? IntText(reset) : std::string(text);
  };
  f.onSpin = [lower, upper](std::string_view text, int delta) {
    return IntText(WrapStep(ParseInt(text), delta, lower, upper));
  };
  return f;
}

Field Cycle() {
  Field f = AlarmEdit("cycle", QT_TRANSLATE_NOOP("CoreText", "Cycle"), 0x357, 0, 255, 0, 3, 0);
  f.load = [](const RadioImage& im) {
    const int v = im.Byte(0x357);
    return ControlValue::Text(v == 0 ? kContinue : IntText(v));
  };
  f.onLeave = [](std::string_view text) {
    const long long v = ParseInt(text);
    return v < 0 || v > 255 ? std::string(kContinue) : std::string(text);
  };
  f.onSpin = [](std::string_view text, int delta) {
    const int v = WrapStep(ParseInt(text), delta, 0, 255);
    return v == 0 ? std::string(kContinue) : IntText(v);
  };
  f.hint = "continue, 1..255";
  f.words = {kContinue};
  return f;
}

Field ExitDelay() {
  Field f = AlarmEdit("exit_delay", QT_TRANSLATE_NOOP("CoreText", "Exit delay (s)"), 0x373, 0, 255, 10, 3, 1);
  f.load = [](const RadioImage& im) {
    const int v = im.Byte(0x373);
    return ControlValue::Text(v == 255 ? kUnlimited : IntText(v));
  };
  f.save = [](RadioImage& im, const ControlValue& v) {
    im.SetByte(0x373, v.text == kUnlimited ? 255 : static_cast<std::uint8_t>(ParseInt(v.text) & 0xFF));
  };
  f.onSpin = [](std::string_view text, int delta) {
    const long long before = text == kUnlimited ? 255 : ParseInt(text);
    const int v = WrapStep(before, delta, 0, 255);
    return v == 255 ? std::string(kUnlimited) : IntText(v);
  };
  f.hint = "0..254, unlimited";
  f.words = {kUnlimited};
  return f;
}

Field TxInterval() {
  Field f = AlarmEdit("tx_interval", QT_TRANSLATE_NOOP("CoreText", "Tx interval (s)"), 0x379, 10, 60, 25, 2, 1);
  f.onLeave = [](std::string_view text) {
    const long long v = ReadNumber(text);
    if (v < 10 || v > 60) return IntText(25);
    if (v % 5 != 0) return IntText(v - v % 5);
    return std::string(text);
  };
  f.onSpin = [](std::string_view text, int delta) { return IntText(SpinStep(ParseInt(text), delta, {10, 60, 5})); };
  f.hint = "10..60, step 5";
  return f;
}

Field DigitAlarmId() {
  Field f = SevenDigitId("digit_alarm_id_code", QT_TRANSLATE_NOOP("CoreText", "Digit alarm id code"), 0x360,
                         kDefaultDigitId, "");
  f.upperCase = false;  // this edit has no key filter
  f.load = DigitCodes("", "", 0x360, 7).load;  // shown as stored, not padded
  // An identifier is seven decimal digits: a text with any other character
  // is as invalid as one the number check rejects (such a character would
  // be stored as an erased position).
  f.onLeave = [](std::string_view text) { return SevenDigitIdOnLeave(text, kDefaultDigitId, true); };
  f.hint = "7 digits, at most 9000000";
  return f;
}

PageSchema Build() {
  const std::vector<std::string> prohibitAllow{QT_TRANSLATE_NOOP("CoreText", "prohibit"),
                                               QT_TRANSLATE_NOOP("CoreText", "allow")};
  PageSchema p;
  p.key = "alarm";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Alarm");
  Field analogId = DigitCodes("analog_alarm_id_code", QT_TRANSLATE_NOOP("CoreText", "Analog alarm id code"), 0x358, 8);
  analogId.allowedChars = "0123456789ABCD*#";
  p.fields = {
      ComboIndex("alarm_type", QT_TRANSLATE_NOOP("CoreText", "Alarm type"),
                 {QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "Only whistle"),
                  QT_TRANSLATE_NOOP("CoreText", "Normal"), QT_TRANSLATE_NOOP("CoreText", "Secret"),
                  QT_TRANSLATE_NOOP("CoreText", "Send alarm id")},
                 0x350, 0),
      ComboIndex("id_type", QT_TRANSLATE_NOOP("CoreText", "ID type"),
                 {QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "DTMF")}, 0x351, 0),
      analogId,
      DigitAlarmId(),
      AlarmEdit("alarm_time", QT_TRANSLATE_NOOP("CoreText", "Alarm time (s)"), 0x354, 1, 255, 10, 3, 0),
      AlarmEdit("tx_time", QT_TRANSLATE_NOOP("CoreText", "Tx time (s)"), 0x355, 1, 255, 5, 3, 0),
      AlarmEdit("rx_time", QT_TRANSLATE_NOOP("CoreText", "Rx time (s)"), 0x356, 1, 255, 8, 3, 0),
      Cycle(),
      InColumn(ComboIndex("work_alone", QT_TRANSLATE_NOOP("CoreText", "Work alone"), prohibitAllow, 0x368, 0), 1),
      AlarmEdit("work_alone_time", QT_TRANSLATE_NOOP("CoreText", "Work alone time (min)"), 0x369, 1, 255, 10, 3, 1),
      AlarmEdit("work_alone_pre_remind", QT_TRANSLATE_NOOP("CoreText", "Work alone pre-remind (s)"), 0x36A, 0, 255, 10,
                3, 1),
      InColumn(ComboIndex("auto_contact", QT_TRANSLATE_NOOP("CoreText", "Auto contact"), prohibitAllow, 0x378, 0), 1),
      TxInterval(),
      AlarmEdit("query_interval", QT_TRANSLATE_NOOP("CoreText", "Query interval (min)"), 0x37A, 1, 10, 1, 2, 1),
      // The dialog ends above the Upside rows; they still load and save.
      Hide(InColumn(ComboIndex("upside", QT_TRANSLATE_NOOP("CoreText", "Upside"), prohibitAllow, 0x370, 0), 1)),
      Hide(
          AlarmEdit("entry_delay_time", QT_TRANSLATE_NOOP("CoreText", "Entry delay time (s)"), 0x371, 1, 60, 10, 2, 1)),
      Hide(AlarmEdit("upside_pre_prompt", QT_TRANSLATE_NOOP("CoreText", "Upside pre-prompt  (s)"), 0x372, 0, 59, 5, 2,
                     1)),
      Hide(ExitDelay()),
  };
  return p;
}

}  // namespace

const PageSchema& AlarmPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
