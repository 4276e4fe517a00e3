// The radio link's side of the main window: port setting, read and write.
#include "gui/app/main_window.h"
#include "gui/link/port_setting_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "port/radio_port.h"

namespace cps {

void CMainFrame::OnPortSetting() {
  PortSettingDialog dialog(settings().portName, this);
  if (dialog.exec() == QDialog::Accepted) settings().portName = dialog.portName();
}

void CMainFrame::OnRead() {
  TransferDialog dialog(TransferDirection::kRead, image(), OpenRadioPort, settings().portName, settings().baudRate,
                        this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.exec();
  if (dialog.succeeded()) doc_.AfterRead();
}

void CMainFrame::OnWrite() {
  doc_.BeforeWrite();
  TransferDialog dialog(TransferDirection::kWrite, image(), OpenRadioPort, settings().portName,
                        settings().baudRate, this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.exec();
}

}  // namespace cps
