// The radio settings dialogs opened from the Edit menu.
#include "gui/app/main_window.h"
#include "gui/settings/settings_dialogs.h"

namespace cps {

void CMainFrame::OnScanInfo() {
  // The channel lists of the dialog must see the table as edited.
  doc_.BeforeScanInfo();
  CScanInfoDlg dlg(image(), this);
  dlg.exec();
}

void CMainFrame::OnBasicSetting() {
  CBasicSettingDlg dlg(image(), QString::fromStdString(settings().bitmapDirectory), this);
  dlg.exec();
}

void CMainFrame::OnAlarm() {
  CAlarmDlg dlg(image(), this);
  dlg.exec();
}

void CMainFrame::OnDtmf() {
  CDtmfDlg dlg(image(), this);
  dlg.exec();
}

}  // namespace cps
