// SPDX-License-Identifier: GPL-3.0-or-later
// The radio settings dialogs opened from the Edit menu.
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/settings/settings_dialogs.h"

namespace cps {

void CMainFrame::OnScanInfo() {
  // The channel lists of the dialog must see the table as edited.
  doc_.BeforeScanInfo();
  CScanInfoDlg dlg(image(), this);
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

void CMainFrame::OnBasicSetting() {
  CBasicSettingDlg dlg(image(), QString::fromStdString(settings().bitmapDirectory), this);
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

void CMainFrame::OnAlarm() {
  CAlarmDlg dlg(image(), this);
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

void CMainFrame::OnDtmf() {
  CDtmfDlg dlg(image(), this);
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

}  // namespace cps
