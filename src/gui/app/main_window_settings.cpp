// The radio settings dialogs opened from the Edit menu.
#include "gui/app/main_window.h"

namespace cps {

void CMainFrame::OnScanInfo() {}
void CMainFrame::OnBasicSetting() {}
void CMainFrame::OnAlarm() {}
void CMainFrame::OnDtmf() {}

}  // namespace cps
