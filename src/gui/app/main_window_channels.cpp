// The channel table's side of the main window: the central form, the
// write-back and reload moments, the repair passes, printing and the
// channel dialogs.
#include <QLabel>

#include "gui/app/main_window.h"

namespace cps {

void CMainFrame::CreateCentralForm() {
  auto* placeholder = new QLabel("Channel table");
  placeholder->setAlignment(Qt::AlignCenter);
  setCentralWidget(placeholder);
}

void CMainFrame::WriteBackChannelTable() {}
void CMainFrame::ReloadChannelTable() {}

BandLimits CMainFrame::CurrentBand() const {
  const RadioImage& img = doc_.image();
  if (img.FrequencyEmpty(0x3FA0)) return kBandUhf;
  return BandLimits{img.Frequency(0x3FA0), img.Frequency(0x3FA4)};
}

void CMainFrame::RunRepairAfterOpen() {}
void CMainFrame::RunRepairAfterRead() {}

void CMainFrame::OnFilePrint() {}
void CMainFrame::OnFilePrintPreview() {}
void CMainFrame::OnFilePrintSetup() {}
void CMainFrame::OnChannelEdit() {}
void CMainFrame::OnFactoryLoad() {}
void CMainFrame::OnPmrChannel() {}

}  // namespace cps
