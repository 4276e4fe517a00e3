// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/dtmf_encode_page.h"

#include "core/base/c_text.h"
#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

// Speed: the item is the number of digits per second, the byte a time code
// (100 for 5, 75 for 6, 50 for 10). Another byte searches for an empty text,
// which selects the first item, "5".
Field Speed() {
  return ComboByText(
      "speed", QT_TRANSLATE_NOOP("CoreText", "Speed (digit/s)"), {"5", "6", "10"},
      [](const RadioImage& im) {
        switch (im.Byte(0x2000)) {
          case 50:
            return ControlValue::SelectText("10");
          case 75:
            return ControlValue::SelectText("6");
          case 100:
            return ControlValue::SelectText("5");
          default:
            return ControlValue::SelectText("");
        }
      },
      [](RadioImage& im, const std::string& text) {
        const long long n = ParseInt(text);
        im.SetByte(0x2000, n == 5 ? 100 : n == 6 ? 75 : n == 10 ? 50 : 10);
      },
      {{0x2000, 0xFF}});
}

PageSchema Build() {
  const std::vector<std::string> inhibitAllow{QT_TRANSLATE_NOOP("CoreText", "Inhibit"),
                                              QT_TRANSLATE_NOOP("CoreText", "Allow")};
  const IntOptions ms{.scale = 100};
  PageSchema p;
  p.key = "dtmf_encode";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Encode");
  p.fields = {
      Speed(),
      IntEdit("first_digit_delay", QT_TRANSLATE_NOOP("CoreText", "First digit delay (ms)"), 0x2001, {100, 3000, 100}, 4,
              ms),
      IntEdit("first_digit", QT_TRANSLATE_NOOP("CoreText", "First digit (ms)"), 0x2002, {0, 1000, 100}, 4, ms),
      IntEdit("star_hash_tone", QT_TRANSLATE_NOOP("CoreText", "*和# tone (ms)"), 0x2003, {0, 1000, 100}, 4, ms),
      Hide(ComboIndex("short_beep", QT_TRANSLATE_NOOP("CoreText", "Short beep"), inhibitAllow, 0x2007, 0, 0x02)),
      ComboIndex("side_tone", QT_TRANSLATE_NOOP("CoreText", "Side tone"), inhibitAllow, 0x2007, 1, 0x01),
      ComboIndex("pttid_type", QT_TRANSLATE_NOOP("CoreText", "PTTID type"),
                 {QT_TRANSLATE_NOOP("CoreText", "On line"), QT_TRANSLATE_NOOP("CoreText", "Off line"),
                  QT_TRANSLATE_NOOP("CoreText", "Both")},
                 0x2005, 0),
      DigitCodes("online_code", QT_TRANSLATE_NOOP("CoreText", "On-line code"), 0x2010, 16),
      DigitCodes("offline_code", QT_TRANSLATE_NOOP("CoreText", "Off-line  code"), 0x2020, 16),
      TenthsEdit("hold_time", QT_TRANSLATE_NOOP("CoreText", "Hold time (s)"), 0x2008, {5, 20, 1}, 3),
      ComboIndex("response_wait", QT_TRANSLATE_NOOP("CoreText", "Response wait"), inhibitAllow, 0x2007, 0, 0x80),
      TenthsEdit("response_wait_time", QT_TRANSLATE_NOOP("CoreText", "Response wait time (s)"), 0x2009, {5, 100, 1}, 4),
  };
  // Not the response wait time: it passes through as stored unless edited.
  p.afterLoad = ApplyLeaveRules({"first_digit", "first_digit_delay", "star_hash_tone", "hold_time"});
  p.beforeSave = p.afterLoad;
  return p;
}

}  // namespace

const PageSchema& DtmfEncodePageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
