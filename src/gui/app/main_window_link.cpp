// The radio link's side of the main window: port setting, read and write.
#include "gui/app/main_window.h"

namespace cps {

void CMainFrame::OnPortSetting() {}
void CMainFrame::OnRead() {}
void CMainFrame::OnWrite() {}

}  // namespace cps
