// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/side_key_page.h"

#include "core/schema/builders.h"

namespace cps {

const std::vector<std::string>& KeyFunctionTable() {
  static const std::vector<std::string> table{
      "None",   "VFO",          "Channel display", "Monitor",     "Scan",       "Noise ch tmp remove",
      "VOX",    "Hihg/Low power", "Power detect",  "EMI",         "EMI close",  "Record",
      "Auto contact", "Work alone", "Backlight",   "Call 1",      "Call 2",     "Encrypt",
      "Talk around", "Reverse",  "Message",        "Contact",     "Channel type", "Key lock",
      "1750 signal", "Group call", "Pri ch scan",  "Noise suppression switch", "Flashlight", "Kill",
      "Wake"};
  return table;
}

const std::vector<std::string>& LongPressItems() {
  static const std::vector<std::string> items{
      "None",  "Monitor", "Scan",        "Noise ch tmp remove", "VOX",     "Hihg/Low power", "Power detect",
      "EMI",   "Auto contact", "Work alone", "Call 1",          "Call 2",  "Encrypt",        "Talk around",
      "Reverse", "Channel type", "1750 signal", "Group call",   "Pri ch scan", "Kill",        "Wake"};
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
  p.title = "Side Key";
  Field longKey = TenthsEdit("long_key", "Long key (s)", 0x320, {5, 25, 1}, 3);
  longKey.load = [](const RadioImage& im) {
    const int v = im.Byte(0x320);
    return ControlValue::Text(TenthsToText(v >= 5 && v <= 25 ? v : 10));
  };
  longKey.save = [](RadioImage& im, const ControlValue& v) {
    im.SetByte(0x320, static_cast<std::uint8_t>(v.text.empty() ? 10 : TenthsFromText(v.text)));
  };
  p.fields = {
      longKey,
      InGroup(KeyBox("sk1_short", "Short press", ShortPressItems(), 0x324, 0, 0), "SK1"),
      InGroup(KeyBox("sk1_long", "Long press", LongPressItems(), 0x325, 0, 0), "SK1"),
      InGroup(KeyBox("sk2_short", "Short press", ShortPressItems(), 0x326, 0, 0), "SK2"),
      InGroup(KeyBox("sk2_long", "Long press", LongPressItems(), 0x327, 0, 0), "SK2"),
      // The TK boxes exist but are not shown.
      Hide(InGroup(KeyBox("tk_short", "Short press", ShortPressItems(), 0x322, 9, 9), "TK1")),
      Hide(InGroup(KeyBox("tk_long", "Long press", LongPressItems(), 0x323, 0, 9), "TK1")),
  };
  return p;
}

}  // namespace

const PageSchema& SideKeyPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
