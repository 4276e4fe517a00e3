// SPDX-License-Identifier: GPL-3.0-or-later
// The "dPMR param" dialog opened from the Edit menu.
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/dpmr/dpmr_param_dialog.h"

namespace cps {

void CMainFrame::OnDpmr() {
  CDpmrParamDlg dlg(image(), this);
  ImageStep step(history(), dlg.windowTitle());
  dlg.exec();
}

}  // namespace cps
