// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/scan_page.h"

#include "core/base/c_text.h"
#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

std::vector<std::string> ChannelChoiceItems(const RadioImage& image) {
  std::vector<std::string> items{QT_TRANSLATE_NOOP("CoreText", "None")};
  for (int n = 1; n <= 16; ++n) {
    const std::uint8_t b3 = image.Byte(0x100 + 32 * static_cast<std::size_t>(n - 1) + 3);
    if (b3 != 0x00 && b3 != 0xFF) items.push_back(std::to_string(n));
  }
  return items;
}

namespace {

// A channel box. The channel is found by its exact number: a number that is
// not in the list (a channel not in use) shows "None", never another channel
// whose number begins with the same digit. "None" is stored as `noneValue`.
Field ChannelBox(std::string key, std::string label, std::size_t addr, std::uint8_t noneValue) {
  Field f;
  f.key = std::move(key);
  f.label = std::move(label);
  f.kind = ControlKind::Combo;
  f.fillItems = ChannelChoiceItems;
  // The list is the one filled when the page opened: the channel is looked
  // up in it by its whole number.
  f.load = [addr, noneValue](const RadioImage& im) {
    const int v = im.Byte(addr);
    if (v == noneValue) return ControlValue::Index(0);
    return ControlValue::SelectWholeText(std::to_string(v), 0);
  };
  f.save = [addr, noneValue](RadioImage& im, const ControlValue& v) {
    if (v.text.empty() || v.text == "None") im.SetByte(addr, noneValue);
    else im.SetByte(addr, static_cast<std::uint8_t>(ParseInt(v.text) & 0xFF));
  };
  f.hint = "None, or the number of a channel in use (1..16)";
  f.bytes = {{addr, 0xFF}};
  return f;
}

PageSchema Build() {
  const std::vector<std::string> offOn{QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "On")};
  PageSchema p;
  p.key = "scan";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Scan Info");
  p.fields = {
      ComboIndex("scan_mode", QT_TRANSLATE_NOOP("CoreText", "Scan mode"),
                 {QT_TRANSLATE_NOOP("CoreText", "Time"), QT_TRANSLATE_NOOP("CoreText", "Carrier")}, 0x340, 1),
      ComboIndex("tone_scan_mode", QT_TRANSLATE_NOOP("CoreText", "Tone scan mode"),
                 {QT_TRANSLATE_NOOP("CoreText", "Not detect"), QT_TRANSLATE_NOOP("CoreText", "Non pri ch"),
                  QT_TRANSLATE_NOOP("CoreText", "Priority ch"), QT_TRANSLATE_NOOP("CoreText", "all ch")},
                 0x341, 0),
      ChannelBox("priority_channel", QT_TRANSLATE_NOOP("CoreText", "Priority channel"), 0x348, 255),
      ComboIndex("talk_back", QT_TRANSLATE_NOOP("CoreText", "Talk back"), offOn, 0x347, 0, 0x01),
      ComboIndex("scan_begin_beep", QT_TRANSLATE_NOOP("CoreText", "Scan begin beep"), offOn, 0x347, 1, 0x04),
      ComboIndex("scan_end_beep", QT_TRANSLATE_NOOP("CoreText", "Scan end beep"), offOn, 0x347, 1, 0x08),
      TenthsEdit("stop_time", QT_TRANSLATE_NOOP("CoreText", "Stop time (s)"), 0x342, {5, 100, 5}, 4),
      TenthsEdit("resume_delay", QT_TRANSLATE_NOOP("CoreText", "Scan tx/rx resume delay time (s)"), 0x344, {1, 50, 1},
                 3),
      // The dialog ends above these two rows; they still load and save.
      Hide(ComboIndex("scan_tx_channel", QT_TRANSLATE_NOOP("CoreText", "Scan tx channel"),
                      {QT_TRANSLATE_NOOP("CoreText", "entry ch before scan"),
                       QT_TRANSLATE_NOOP("CoreText", "last active ch"), QT_TRANSLATE_NOOP("CoreText", "Specified ch")},
                      0x347, 2, 0xC0)),
      Hide(ChannelBox("specified_channel", QT_TRANSLATE_NOOP("CoreText", "Specified channel"), 0x34A, 0)),
  };
  return p;
}

}  // namespace

const PageSchema& ScanPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
