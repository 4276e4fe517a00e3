// The radio link's side of the main window: port setting, read and write,
// the backups of every read.
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <ctime>

#include "core/link/backups.h"
#include "core/link/serial_trace.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/link/backups_dialog.h"
#include "gui/link/fleet_dialog.h"
#include "gui/link/port_setting_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "port/radio_port.h"

namespace cps {

void CMainFrame::AddLinkMenuItems(QMenu* program) {
  program->addSeparator();
  QAction* backups = program->addAction("&Backups...");
  backups->setObjectName("actionBackups");
  backups->setStatusTip("Open an image kept from an earlier read");
  connect(backups, &QAction::triggered, this, &CMainFrame::OnBackups);
  QAction* several = program->addAction("Write to &several radios...");
  several->setObjectName("actionWriteSeveral");
  several->setStatusTip("Write the image into several radios at once");
  connect(several, &QAction::triggered, this, &CMainFrame::OnWriteSeveral);
}

PortOpener CMainFrame::LinkOpener(const std::string& traceName) {
  if (!settings().logSerial) return OpenRadioPort;
  auto path = ReserveDatedFile(settings().traceDirectory, std::time(nullptr), traceName, ".txt",
                               kBackupsKept);
  auto trace = path ? SerialTrace::ToFile(*path) : Result<std::shared_ptr<SerialTrace>>(Error{path.error()});
  if (!trace) {
    statusBar()->showMessage(QString("No serial trace: %1").arg(QString::fromStdString(trace.error())));
    return OpenRadioPort;
  }
  return TracingOpener(OpenRadioPort, *trace);
}

void CMainFrame::KeepBackup(const RadioImage& read, const std::string& port) {
  auto kept = SaveBackup(settings().backupDirectory, read, port, std::time(nullptr));
  if (!kept)
    ShowMessage(this, "The read is complete, but no backup of it could be kept.\n\n" +
                          QString::fromStdString(kept.error()));
}

void CMainFrame::RememberVerify(bool on) {
  settings().verifyAfterWrite = on;
  settings().SaveKey("Verify", on ? "1" : "0");
}

void CMainFrame::OnPortSetting() {
  PortSettingDialog dialog(settings().portName, this);
  dialog.setLogSerial(settings().logSerial, settings().traceDirectory);
  if (dialog.exec() != QDialog::Accepted) return;
  settings().portName = dialog.portName();
  if (dialog.logSerial() != settings().logSerial) {
    settings().logSerial = dialog.logSerial();
    settings().SaveKey("LogSerial", settings().logSerial ? "1" : "0");
  }
}

void CMainFrame::OnRead() {
  ImageStep step(history(), kReadStepName);  // a failed read changes nothing: no step
  TransferDialog dialog(TransferDirection::kRead, image(), LinkOpener(settings().portName), settings().portName, settings().baudRate,
                        this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
  dialog.exec();
  if (dialog.succeeded()) {
    doc_.AfterRead();
    statusBar()->showMessage(QString("Read from the radio on %1").arg(QString::fromStdString(settings().portName)),
                             kStatusTimeout);
  }
}

void CMainFrame::OnWrite() {
  doc_.BeforeWrite();
  TransferDialog dialog(TransferDirection::kWrite, image(), LinkOpener(settings().portName), settings().portName,
                        settings().baudRate, this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
  dialog.setVerify(settings().verifyAfterWrite);
  connect(&dialog, &TransferDialog::verifyToggled, this, &CMainFrame::RememberVerify);
  dialog.exec();
  if (dialog.succeeded())
    statusBar()->showMessage(QString("Written to the radio on %1").arg(QString::fromStdString(settings().portName)),
                             kStatusTimeout);
}

void CMainFrame::OnWriteSeveral() {
  doc_.BeforeWrite();
  std::vector<std::string> ports;
  for (const SerialDevice& d : ListSerialDevices()) ports.push_back(d.path);
  FleetDialog dialog(image(), LinkOpener("several"), settings().baudRate, ports, settings().portName, this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read, const std::string& port) { KeepBackup(read, port); };
  dialog.setVerify(settings().verifyAfterWrite);
  connect(&dialog, &FleetDialog::verifyToggled, this, &CMainFrame::RememberVerify);
  dialog.exec();
}

void CMainFrame::OnBackups() {
  BackupsDialog dialog(settings().backupDirectory, this);
  if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().empty()) return;
  if (!MaybeSave()) return;
  // A new document with the backup's bytes: Save asks for a name, so the
  // backup itself stays as it was kept. Nor is it a recent file, which would
  // open it under its own name.
  if (OpenDocument(QString::fromStdString(dialog.chosenPath()), false)) doc().ForgetPath();
}

}  // namespace cps
