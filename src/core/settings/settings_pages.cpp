// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings_pages.h"

#include "core/settings/alarm_page.h"
#include "core/settings/dtmf_contact_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"
#include "core/settings/option_page.h"
#include "core/settings/scan_page.h"
#include "core/settings/side_key_page.h"
#include "core/settings/tone_light_page.h"

namespace cps {

const std::vector<const PageSchema*>& SettingsPageSchemas() {
  static const std::vector<const PageSchema*> pages{
      &OptionPageSchema(), &SideKeyPageSchema(),    &ToneLightPageSchema(),  &ScanPageSchema(),
      &AlarmPageSchema(),  &DtmfEncodePageSchema(), &DtmfDecodePageSchema(), &DtmfContactPageSchema()};
  return pages;
}

}  // namespace cps
