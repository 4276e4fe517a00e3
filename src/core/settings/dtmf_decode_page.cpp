// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/dtmf_decode_page.h"

#include "core/base/texts.h"
#include "core/codec/digit_codes.h"
#include "core/schema/builders.h"

namespace cps {

namespace {
constexpr std::size_t kKillCode = 0x2050;
}

std::string LoadKillCode(const RadioImage& image) {
  // All 16 positions are read, so that a 15-digit code whose last typed
  // digit is "#" keeps it: only the terminator after it is removed.
  std::string text = DigitsToTextA(image.Bytes(kKillCode, 16).data(), 16);
  if (!text.empty() && text.back() == '#') text.pop_back();
  if (text.size() > 15) text.resize(15);
  return text;
}

void SaveKillCode(RadioImage& image, const std::string& text) {
  image.Fill(kKillCode, 16, kNoDigit);
  if (text.empty()) return;
  const std::size_t n = std::min<std::size_t>(text.size(), 15);
  for (std::size_t i = 0; i < n; ++i) image.SetByte(kKillCode + i, DigitCodeA(text[i]));
  image.SetByte(kKillCode + n, 15);
}

namespace {

Field GroupCallCode() {
  return ComboByText(
      "group_call_code", QT_TRANSLATE_NOOP("CoreText", "Group call code"),
      {QT_TRANSLATE_NOOP("CoreText", "None"), "A", "B", "C", "D", "*", "#"},
      [](const RadioImage& im) {
        const std::uint8_t c = im.Byte(0x2030);
        // A digit 0-9 is no item: the selection is cleared.
        return ControlValue::SelectText(c >= 16 ? std::string() : std::string(1, DigitCharA(c)), -1);
      },
      [](RadioImage& im, const std::string& text) {
        im.SetByte(0x2030, text.empty() || text == "None" ? kNoDigit : DigitCodeA(text[0]));
      },
      {{0x2030, 0xFF}});
}

Field DecodeResponse() {
  return ComboByText(
      "decode_response", QT_TRANSLATE_NOOP("CoreText", "Decode response"),
      {QT_TRANSLATE_NOOP("CoreText", "None"), QT_TRANSLATE_NOOP("CoreText", "Remind"),
       QT_TRANSLATE_NOOP("CoreText", "Reply"), QT_TRANSLATE_NOOP("CoreText", "Remind and Reply")},
      [](const RadioImage& im) {
        static const char* const names[] = {"None", "Response", "Remind", "Reply"};
        const std::uint8_t v = im.Byte(0x2031);
        // "Response" is no item and leaves the selection as it is.
        return ControlValue::SelectText(v < 4 ? names[v] : "Remind and reply");
      },
      [](RadioImage& im, const std::string& text) {
        std::uint8_t v = 4;
        if (text == "Remind")
          v = 2;
        else if (text == "Reply")
          v = 3;
        else if (text == "None")
          v = 0;
        else if (text == "Response")
          v = 1;
        im.SetByte(0x2031, v);
      },
      {{0x2031, 0xFF}});
}

Field KillCode() {
  Field f = DigitCodes("kill_code", QT_TRANSLATE_NOOP("CoreText", "Kill code"), kKillCode, 16, 15);
  f.load = [](const RadioImage& im) { return ControlValue::Text(LoadKillCode(im)); };
  f.save = [](RadioImage& im, const ControlValue& v) { SaveKillCode(im, v.text); };
  return f;
}

PageSchema Build() {
  PageSchema p;
  p.key = "dtmf_decode";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Decode");
  p.fields = {
      DecodeResponse(),
      GroupCallCode(),
      ComboIndex("kill_active", QT_TRANSLATE_NOOP("CoreText", "Kill Active"),
                 {QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "On")}, 0x2037, 1, 0x20),
      ComboIndex("kill_type", QT_TRANSLATE_NOOP("CoreText", "Kill type"),
                 {QT_TRANSLATE_NOOP("CoreText", "tx inhibit"), QT_TRANSLATE_NOOP("CoreText", "tx/rx inhibit"),
                  QT_TRANSLATE_NOOP("CoreText", "Kill")},
                 0x2037, 0, 0xC0),
      KillCode(),
      DigitCodes("person_id", QT_TRANSLATE_NOOP("CoreText", "Person ID"), 0x2040, 16),
      IntEdit("auto_reset_time", QT_TRANSLATE_NOOP("CoreText", "Auto reset time (s)"), 0x2034, {0, 255, 1}, 3),
      // The page ends above this row; it still loads and saves.
      Hide(ComboIndex("decode_display", QT_TRANSLATE_NOOP("CoreText", "Decode display"),
                      {QT_TRANSLATE_NOOP("CoreText", "prohibit"), QT_TRANSLATE_NOOP("CoreText", "allow")}, 0x2037, 1,
                      0x01)),
  };
  p.afterLoad = ApplyLeaveRules({"auto_reset_time"});
  return p;
}

}  // namespace

const PageSchema& DtmfDecodePageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
