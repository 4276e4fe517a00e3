// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/settings_dialogs.h"

#include "core/settings/alarm_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"
#include "core/settings/option_page.h"
#include "core/settings/scan_page.h"
#include "core/settings/tone_light_page.h"
#include "gui/settings/dtmf_contact_page.h"
#include "gui/settings/schema_page.h"
#include "gui/settings/side_key_page.h"

namespace cps {

CBasicSettingDlg::CBasicSettingDlg(RadioImage& image, const QString& bitmapDirectory, QWidget* parent)
    : TabHostDialog(tr("Basic setting"), parent) {
  AddPage(tr("Option"), new SchemaPage(OptionPageSchema(), image));
  AddPage(tr("Side Key"), new CSideKeyPage(image, bitmapDirectory));
  AddPage(tr("Tone and Light"), new SchemaPage(ToneLightPageSchema(), image));
}

SchemaPage* CBasicSettingDlg::optionPage() const { return static_cast<SchemaPage*>(page(0)); }
CSideKeyPage* CBasicSettingDlg::sideKeyPage() const { return static_cast<CSideKeyPage*>(page(1)); }
SchemaPage* CBasicSettingDlg::toneLightPage() const { return static_cast<SchemaPage*>(page(2)); }

CScanInfoDlg::CScanInfoDlg(RadioImage& image, QWidget* parent)
    : PageDialog(tr("Scan Info"), new SchemaPage(ScanPageSchema(), image), parent) {}
SchemaPage* CScanInfoDlg::form() const { return static_cast<SchemaPage*>(page()); }

CAlarmDlg::CAlarmDlg(RadioImage& image, QWidget* parent)
    : PageDialog(tr("Alarm"), new SchemaPage(AlarmPageSchema(), image), parent) {}
SchemaPage* CAlarmDlg::form() const { return static_cast<SchemaPage*>(page()); }

CDtmfDlg::CDtmfDlg(RadioImage& image, QWidget* parent) : TabHostDialog(tr("DTMF"), parent) {
  AddPage(tr("Encode"), new SchemaPage(DtmfEncodePageSchema(), image));
  AddPage(tr("Decode"), new SchemaPage(DtmfDecodePageSchema(), image));
  AddPage(tr("Contact"), new CDtmfContactPage(image));
}

SchemaPage* CDtmfDlg::encodePage() const { return static_cast<SchemaPage*>(page(0)); }
SchemaPage* CDtmfDlg::decodePage() const { return static_cast<SchemaPage*>(page(1)); }
CDtmfContactPage* CDtmfDlg::contactPage() const { return static_cast<CDtmfContactPage*>(page(2)); }

}  // namespace cps
