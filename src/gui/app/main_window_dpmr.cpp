// The "dPMR param" dialog opened from the Edit menu.
#include "gui/app/main_window.h"

namespace cps {

void CMainFrame::OnDpmr() {}

}  // namespace cps
