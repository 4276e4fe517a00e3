// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/side_key_page.h"

#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

const std::vector<std::string>& KeyFunctionTable() {
  static const std::vector<std::string> table{QT_TRANSLATE_NOOP("CoreText", "None"),
                                              QT_TRANSLATE_NOOP("CoreText", "VFO"),
                                              QT_TRANSLATE_NOOP("CoreText", "Channel display"),
                                              QT_TRANSLATE_NOOP("CoreText", "Monitor"),
                                              QT_TRANSLATE_NOOP("CoreText", "Scan"),
                                              QT_TRANSLATE_NOOP("CoreText", "Noise ch tmp remove"),
                                              QT_TRANSLATE_NOOP("CoreText", "VOX"),
                                              QT_TRANSLATE_NOOP("CoreText", "Hihg/Low power"),
                                              QT_TRANSLATE_NOOP("CoreText", "Power detect"),
                                              QT_TRANSLATE_NOOP("CoreText", "EMI"),
                                              QT_TRANSLATE_NOOP("CoreText", "EMI close"),
                                              QT_TRANSLATE_NOOP("CoreText", "Record"),
                                              QT_TRANSLATE_NOOP("CoreText", "Auto contact"),
                                              QT_TRANSLATE_NOOP("CoreText", "Work alone"),
                                              QT_TRANSLATE_NOOP("CoreText", "Backlight"),
                                              QT_TRANSLATE_NOOP("CoreText", "Call 1"),
                                              QT_TRANSLATE_NOOP("CoreText", "Call 2"),
                                              QT_TRANSLATE_NOOP("CoreText", "Encrypt"),
                                              QT_TRANSLATE_NOOP("CoreText", "Talk around"),
                                              QT_TRANSLATE_NOOP("CoreText", "Reverse"),
                                              QT_TRANSLATE_NOOP("CoreText", "Message"),
                                              QT_TRANSLATE_NOOP("CoreText", "Contact"),
                                              QT_TRANSLATE_NOOP("CoreText", "Channel type"),
                                              QT_TRANSLATE_NOOP("CoreText", "Key lock"),
                                              QT_TRANSLATE_NOOP("CoreText", "1750 signal"),
                                              QT_TRANSLATE_NOOP("CoreText", "Group call"),
                                              QT_TRANSLATE_NOOP("CoreText", "Pri ch scan"),
                                              QT_TRANSLATE_NOOP("CoreText", "Noise suppression switch"),
                                              QT_TRANSLATE_NOOP("CoreText", "Flashlight"),
                                              QT_TRANSLATE_NOOP("CoreText", "Kill"),
                                              QT_TRANSLATE_NOOP("CoreText", "Wake")};
  return table;
}

const std::vector<std::string>& LongPressItems() {
  static const std::vector<std::string> items{
      QT_TRANSLATE_NOOP("CoreText", "None"),         QT_TRANSLATE_NOOP("CoreText", "Monitor"),
      QT_TRANSLATE_NOOP("CoreText", "Scan"),         QT_TRANSLATE_NOOP("CoreText", "Noise ch tmp remove"),
      QT_TRANSLATE_NOOP("CoreText", "VOX"),          QT_TRANSLATE_NOOP("CoreText", "Hihg/Low power"),
      QT_TRANSLATE_NOOP("CoreText", "Power detect"), QT_TRANSLATE_NOOP("CoreText", "EMI"),
      QT_TRANSLATE_NOOP("CoreText", "Auto contact"), QT_TRANSLATE_NOOP("CoreText", "Work alone"),
      QT_TRANSLATE_NOOP("CoreText", "Call 1"),       QT_TRANSLATE_NOOP("CoreText", "Call 2"),
      QT_TRANSLATE_NOOP("CoreText", "Encrypt"),      QT_TRANSLATE_NOOP("CoreText", "Talk around"),
      QT_TRANSLATE_NOOP("CoreText", "Reverse"),      QT_TRANSLATE_NOOP("CoreText", "Channel type"),
      QT_TRANSLATE_NOOP("CoreText", "1750 signal"),  QT_TRANSLATE_NOOP("CoreText", "Group call"),
      QT_TRANSLATE_NOOP("CoreText", "Pri ch scan"),  QT_TRANSLATE_NOOP("CoreText", "Kill"),
      QT_TRANSLATE_NOOP("CoreText", "Wake")};
  return items;
}

const std::vector<std::string>& ShortPressItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> v;
    for (const auto& s : LongPressItems())
      if (s != "Monitor") v.push_back(s);
    return v;
  }();
  return items;
}

namespace {

// A key box: the stored code becomes a name (31 is "None", 32 and more the
// load fallback's name) and is selected by that name; a name the list lacks
// leaves the selection as it was. Saving finds the selected text in the
// table (exact); no match stores the save fallback.
Field KeyBox(std::string key, std::string label, const std::vector<std::string>& items, std::size_t addr,
             int loadFallback, int saveFallback) {
  return ComboByText(
      std::move(key), std::move(label), items,
      [addr, loadFallback](const RadioImage& im) {
        const auto& table = KeyFunctionTable();
        const int c = im.Byte(addr);
        const std::string name = c <= 30 ? table[static_cast<std::size_t>(c)]
                                 : c == 31 ? std::string("None")
                                           : table[static_cast<std::size_t>(loadFallback)];
        return ControlValue::SelectText(name);
      },
      [addr, saveFallback](RadioImage& im, const std::string& text) {
        const auto& table = KeyFunctionTable();
        int code = saveFallback;
        for (std::size_t i = 0; i < table.size(); ++i) {
          if (table[i] == text) {
            code = static_cast<int>(i);
            break;
          }
        }
        im.SetByte(addr, static_cast<std::uint8_t>(code));
      },
      {{addr, 0xFF}});
}

PageSchema Build() {
  PageSchema p;
  p.key = "side_key";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Side Key");
  Field longKey = TenthsEdit("long_key", QT_TRANSLATE_NOOP("CoreText", "Long key (s)"), 0x320, {5, 25, 1}, 3);
  longKey.load = [](const RadioImage& im) {
    const int v = im.Byte(0x320);
    return ControlValue::Text(TenthsToText(v >= 5 && v <= 25 ? v : 10));
  };
  longKey.save = [](RadioImage& im, const ControlValue& v) {
    im.SetByte(0x320, static_cast<std::uint8_t>(v.text.empty() ? 10 : TenthsFromText(v.text)));
  };
  p.fields = {
      longKey,
      InGroup(KeyBox("sk1_short", QT_TRANSLATE_NOOP("CoreText", "Short press"), ShortPressItems(), 0x324, 0, 0),
              QT_TRANSLATE_NOOP("CoreText", "SK1")),
      InGroup(KeyBox("sk1_long", QT_TRANSLATE_NOOP("CoreText", "Long press"), LongPressItems(), 0x325, 0, 0),
              QT_TRANSLATE_NOOP("CoreText", "SK1")),
      InGroup(KeyBox("sk2_short", QT_TRANSLATE_NOOP("CoreText", "Short press"), ShortPressItems(), 0x326, 0, 0),
              QT_TRANSLATE_NOOP("CoreText", "SK2")),
      InGroup(KeyBox("sk2_long", QT_TRANSLATE_NOOP("CoreText", "Long press"), LongPressItems(), 0x327, 0, 0),
              QT_TRANSLATE_NOOP("CoreText", "SK2")),
      // The TK boxes exist but are not shown.
      Hide(InGroup(KeyBox("tk_short", QT_TRANSLATE_NOOP("CoreText", "Short press"), ShortPressItems(), 0x322, 9, 9),
                   QT_TRANSLATE_NOOP("CoreText", "TK1"))),
      Hide(InGroup(KeyBox("tk_long", QT_TRANSLATE_NOOP("CoreText", "Long press"), LongPressItems(), 0x323, 0, 9),
                   QT_TRANSLATE_NOOP("CoreText", "TK1"))),
  };
  return p;
}

}  // namespace

const PageSchema& SideKeyPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
