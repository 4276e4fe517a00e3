// The hidden factory adjustment dialog.
#include "gui/app/main_window.h"

namespace cps {

void CMainFrame::OnFactoryAdjust() {}

}  // namespace cps
