// The "dPMR param" dialog opened from the Edit menu.
#include "gui/app/main_window.h"
#include "gui/dpmr/dpmr_param_dialog.h"

namespace cps {

void CMainFrame::OnDpmr() {
  CDpmrParamDlg dlg(image(), this);
  dlg.exec();
}

}  // namespace cps
