// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/option_page.h"

#include "core/schema/builders.h"

namespace cps {

namespace {

std::vector<std::string> SavingModeItems() {
  std::vector<std::string> items{"Off"};
  for (int n = 1; n <= 12; ++n) items.push_back("1:" + std::to_string(n));
  return items;
}

PageSchema Build() {
  const std::vector<std::string> offOn{"Off", "On"};
  PageSchema p;
  p.key = "option";
  p.title = "Option";
  p.fields = {
      ComboIndex("sql", "SQL", NumberItems(0, 9), 0x300, 5),
      ComboIndex("saving_mode", "Saving mode", SavingModeItems(), 0x301, 10),
      IntEdit("saving_delay_time", "Saving delay time (s)", 0x302, {10, 60, 5}, 2),
      ComboIndex("apo", "APO", {"Off", "10M", "30M", "1H", "2H"}, 0x303, 0),
      ComboIndex("ste", "STE", {"Freq", "120", "180", "240"}, 0x307, 0, 0x0C),
      ComboIndex("wired_copy", "Wired copy", offOn, 0x307, 1, 0x40),
      // The page ends above this row: loaded and saved, never shown.
      Hide(ComboIndex("wireless_copy", "Wireless copy", offOn, 0x307, 1, 0x80)),
      InGroup(IntEdit("tot", "TOT (s)", 0x308, {30, 600, 30}, 3, {.bytes = 2}), "TOT"),
      InGroup(IntEdit("tot_pre_alert", "TOT pre-aleat  (s)", 0x30A, {0, 15, 1}, 2), "TOT"),
      InGroup(IntEdit("tot_rekey_time", "TOT re-key time (s)", 0x30B, {0, 60, 1}, 2), "TOT"),
      InGroup(IntEdit("tot_reset_time", "TOT reset time (s)", 0x30C, {0, 30, 1}, 2), "TOT"),
      InGroup(ComboIndex("vox", "VOX", offOn, 0x310, 0), "VOX"),
      InGroup(ComboIndex("vox_sense", "VOX sense", NumberItems(0, 9), 0x311, 5), "VOX"),
      InGroup(TenthsEdit("vox_delay", "VOX delay (s)", 0x312, {1, 20, 1}, 3), "VOX"),
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
