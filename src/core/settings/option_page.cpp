// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/option_page.h"

#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

std::vector<std::string> SavingModeItems() {
  std::vector<std::string> items{QT_TRANSLATE_NOOP("CoreText", "Off")};
  for (int n = 1; n <= 12; ++n) items.push_back("1:" + std::to_string(n));
  return items;
}

PageSchema Build() {
  const std::vector<std::string> offOn{QT_TRANSLATE_NOOP("CoreText", "Off"), QT_TRANSLATE_NOOP("CoreText", "On")};
  PageSchema p;
  p.key = "option";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Option");
  p.fields = {
      ComboIndex("sql", QT_TRANSLATE_NOOP("CoreText", "SQL"), NumberItems(0, 9), 0x300, 5),
      ComboIndex("saving_mode", QT_TRANSLATE_NOOP("CoreText", "Saving mode"), SavingModeItems(), 0x301, 10),
      IntEdit("saving_delay_time", QT_TRANSLATE_NOOP("CoreText", "Saving delay time (s)"), 0x302, {10, 60, 5}, 2),
      ComboIndex("apo", QT_TRANSLATE_NOOP("CoreText", "APO"),
                 {QT_TRANSLATE_NOOP("CoreText", "Off"), "10M", "30M", "1H", "2H"}, 0x303, 0),
      ComboIndex("ste", QT_TRANSLATE_NOOP("CoreText", "STE"),
                 {QT_TRANSLATE_NOOP("CoreText", "Freq"), "120", "180", "240"}, 0x307, 0, 0x0C),
      ComboIndex("wired_copy", QT_TRANSLATE_NOOP("CoreText", "Wired copy"), offOn, 0x307, 1, 0x40),
      // The page ends above this row: loaded and saved, never shown.
      Hide(ComboIndex("wireless_copy", QT_TRANSLATE_NOOP("CoreText", "Wireless copy"), offOn, 0x307, 1, 0x80)),
      InGroup(IntEdit("tot", QT_TRANSLATE_NOOP("CoreText", "TOT (s)"), 0x308, {30, 600, 30}, 3, {.bytes = 2}),
              QT_TRANSLATE_NOOP("CoreText", "TOT")),
      InGroup(IntEdit("tot_pre_alert", QT_TRANSLATE_NOOP("CoreText", "TOT pre-aleat  (s)"), 0x30A, {0, 15, 1}, 2),
              QT_TRANSLATE_NOOP("CoreText", "TOT")),
      InGroup(IntEdit("tot_rekey_time", QT_TRANSLATE_NOOP("CoreText", "TOT re-key time (s)"), 0x30B, {0, 60, 1}, 2),
              QT_TRANSLATE_NOOP("CoreText", "TOT")),
      InGroup(IntEdit("tot_reset_time", QT_TRANSLATE_NOOP("CoreText", "TOT reset time (s)"), 0x30C, {0, 30, 1}, 2),
              QT_TRANSLATE_NOOP("CoreText", "TOT")),
      InGroup(ComboIndex("vox", QT_TRANSLATE_NOOP("CoreText", "VOX"), offOn, 0x310, 0),
              QT_TRANSLATE_NOOP("CoreText", "VOX")),
      InGroup(ComboIndex("vox_sense", QT_TRANSLATE_NOOP("CoreText", "VOX sense"), NumberItems(0, 9), 0x311, 5),
              QT_TRANSLATE_NOOP("CoreText", "VOX")),
      InGroup(TenthsEdit("vox_delay", QT_TRANSLATE_NOOP("CoreText", "VOX delay (s)"), 0x312, {1, 20, 1}, 3),
              QT_TRANSLATE_NOOP("CoreText", "VOX")),
  };
  // The VOX delay is clamped as on leaving it, after every load and before
  // every save.
  p.afterLoad = ApplyLeaveRules({"vox_delay"});
  p.beforeSave = ApplyLeaveRules({"vox_delay"});
  return p;
}

}  // namespace

const PageSchema& OptionPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
