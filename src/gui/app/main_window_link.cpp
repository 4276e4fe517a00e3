// SPDX-License-Identifier: GPL-3.0-or-later
// The radio link's side of the main window: port setting, read and write,
// the backups of every read.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/image/image_file.h"
#include "core/link/backups.h"
#include "core/link/serial_trace.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "core/channels/channel_table.h"
#include "core/check/image_check.h"
#include "core/interop/text_image.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"
#include "gui/link/backups_dialog.h"
#include "gui/link/check_dialog.h"
#include "gui/link/fleet_dialog.h"
#include "gui/link/port_setting_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "app_version.h"
#include "port/radio_port.h"

namespace cps {

void CMainFrame::AddLinkMenuItems(QMenu* program) {
  program->addSeparator();
  QAction* backups = program->addAction(tr("&Backups..."));
  backups->setObjectName("actionBackups");
  backups->setStatusTip(tr("Open an image kept from an earlier read"));
  connect(backups, &QAction::triggered, this, &CMainFrame::OnBackups);
  QAction* several = program->addAction(tr("Write to &several radios..."));
  several->setObjectName("actionWriteSeveral");
  several->setStatusTip(tr("Write the image into several radios at once"));
  connect(several, &QAction::triggered, this, &CMainFrame::OnWriteSeveral);
  program->addSeparator();
  QAction* check = program->addAction(tr("Chec&k image..."));
  check->setObjectName("actionCheckImage");
  check->setStatusTip(tr("Look the image over for what the radio would refuse and likely mistakes"));
  connect(check, &QAction::triggered, this, &CMainFrame::OnCheckImage);
  QAction* compare = program->addAction(tr("Compare with ra&dio..."));
  compare->setObjectName("actionCompareRadio");
  compare->setStatusTip(tr("Read the radio and show what a write would change in it"));
  connect(compare, &QAction::triggered, this, &CMainFrame::OnCompareWithRadio);
}

bool CMainFrame::CheckBeforeWrite(const RadioImage& sent) {
  const std::vector<CheckFinding> findings = CheckImage(sent);
  if (findings.empty() && !settings().checkWhenClean) return true;
  CheckDialog dialog(findings, CheckDialog::Mode::kBeforeWrite, this);
  dialog.jumpTo = [this](const std::string& key) { ShowFieldOfKey(key); };
  dialog.quietWhenCleanBox()->setChecked(!settings().checkWhenClean);
  const bool write = dialog.exec() == QDialog::Accepted;
  if (dialog.quietWhenCleanBox()->isChecked() == settings().checkWhenClean) {
    settings().checkWhenClean = !dialog.quietWhenCleanBox()->isChecked();
    settings().SaveKey("CheckWhenClean", settings().checkWhenClean ? "1" : "0");
  }
  return write;
}

void CMainFrame::ShowFieldOfKey(const std::string& key) {
  // "channel.N.FIELD": the cell of the channel table; any other key is
  // named in the status bar with where it is edited.
  static const std::pair<const char*, int> kColumns[] = {{"rx_freq", kColRxFreq},   {"tx_freq", kColTxFreq},
                                                         {"rx_tone", kColRxTone},   {"tx_tone", kColTxTone},
                                                         {"power", kColPower},      {"scan", kColScan},
                                                         {"bandwidth", kColBandwidth}, {"type", kColType}};
  if (key.starts_with("channel.") && form_) {
    const std::size_t dot = key.find('.', 8);
    const int number = std::atoi(key.substr(8, dot - 8).c_str());
    const std::string field = dot == std::string::npos ? std::string() : key.substr(dot + 1);
    int column = kColRxFreq;
    for (auto [name, c] : kColumns)
      if (field == name) column = c;
    if (number >= 1 && number <= kChannelCount && form_->view()->model()) {
      const QModelIndex cell = form_->view()->model()->index(number - 1, column);
      form_->view()->setCurrentIndex(cell);
      form_->view()->scrollTo(cell);
      form_->view()->setFocus();
      if (column == kColRxFreq && field != "rx_freq")
        statusBar()->showMessage(
            tr("%1: double-click the channel to edit this field").arg(QString::fromStdString(key)));
      return;
    }
  }
  const QString where = key.starts_with("pmr.")    ? tr("Edit, PMR Channel")
                        : key.starts_with("dpmr.") ? tr("Edit, dPMR")
                        : key == "band"            ? tr("the band selector above the channel table")
                                                   : tr("the channel table");
  //: %1 is a key of the image ("dpmr.contact.3"), %2 where its field is edited.
  statusBar()->showMessage(tr("%1: %2").arg(QString::fromStdString(key), where));
}

void CMainFrame::OnCheckImage() {
  emit doc_.tableSyncing();
  CheckDialog dialog(CheckImage(doc_.core().SavedForm()), CheckDialog::Mode::kAnyTime, this);
  dialog.jumpTo = [this](const std::string& key) { ShowFieldOfKey(key); };
  dialog.exec();
}

void CMainFrame::OnCompareWithRadio() {
  // What a write would send, against what the radio holds now (its read is
  // kept as a backup like every read).
  emit doc_.tableSyncing();
  const RadioImage mine = doc_.core().SavedForm();
  RadioImage radio = mine;
  {
    TransferDialog read(TransferDirection::kRead, radio, LinkOpener(settings().portName), settings().portName,
                        settings().baudRate, this);
    read.setWindowTitle(tr("Compare with radio - read"));
    read.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
    read.keepRead = [this](const RadioImage& r) { KeepBackup(r, settings().portName); };
    read.exec();
    if (!read.succeeded()) return;
  }
  QDialog dialog(this);
  dialog.setObjectName("compareWithRadio");
  dialog.setWindowTitle(tr("Compare with radio"));
  auto* view = new CompareDialog(ComparedImage{mine}, tr("This image"), ComparedImage{radio}, tr("the radio"), &dialog);
  view->setWindowFlags(Qt::Widget);
  auto* note = new QLabel(tr("A write puts this image's values into the radio."), &dialog);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* write = buttons->addButton(tr("Write"), QDialogButtonBox::AcceptRole);
  write->setObjectName("compareWrite");
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(view, 1);
  layout->addWidget(note);
  layout->addWidget(buttons);
  dialog.resize(760, 520);
  if (dialog.exec() == QDialog::Accepted) OnWrite();
}

PortOpener CMainFrame::LinkOpener(const std::string& traceName) {
  if (!settings().logSerial) return OpenRadioPort;
  auto path = ReserveDatedFile(settings().traceDirectory, std::time(nullptr), traceName, ".txt",
                               kBackupsKept);
  auto trace = path ? SerialTrace::ToFile(*path, std::string("dpmr-cps ") + kVersion) : Result<std::shared_ptr<SerialTrace>>(Error{path.error()});
  if (!trace) {
    statusBar()->showMessage(tr("No serial trace: %1").arg(QString::fromStdString(trace.error())));
    return OpenRadioPort;
  }
  return TracingOpener(OpenRadioPort, *trace);
}

void CMainFrame::KeepBackup(const RadioImage& read, const std::string& port) {
  auto kept = SaveBackup(settings().backupDirectory, read, port, std::time(nullptr));
  if (!kept)
    ShowMessage(this, tr("The read is complete, but no backup of it could be kept.\n\n%1")
                          .arg(QString::fromStdString(kept.error())));
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
  ImageStep step(history(), QCoreApplication::translate("StepRunner", kReadStepName));  // a failed read changes nothing: no step
  TransferDialog dialog(TransferDirection::kRead, image(), LinkOpener(settings().portName), settings().portName, settings().baudRate,
                        this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
  dialog.exec();
  if (dialog.succeeded()) {
    doc_.AfterRead();
    statusBar()->showMessage(tr("Read from the radio on %1").arg(QString::fromStdString(settings().portName)),
                             kStatusTimeout);
  }
}

void CMainFrame::OnWrite() {
  doc_.BeforeWrite();
  if (!CheckBeforeWrite(image())) return;
  TransferDialog dialog(TransferDirection::kWrite, image(), LinkOpener(settings().portName), settings().portName,
                        settings().baudRate, this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
  dialog.setVerify(settings().verifyAfterWrite);
  connect(&dialog, &TransferDialog::verifyToggled, this, &CMainFrame::RememberVerify);
  dialog.exec();
  if (dialog.succeeded())
    statusBar()->showMessage(tr("Written to the radio on %1").arg(QString::fromStdString(settings().portName)),
                             kStatusTimeout);
}

void CMainFrame::OnWriteSeveral() {
  doc_.BeforeWrite();
  if (!CheckBeforeWrite(image())) return;
  std::vector<std::string> ports;
  for (const SerialDevice& d : ListSerialDevices()) ports.push_back(d.path);
  FleetDialog dialog(image(), LinkOpener("several"), settings().baudRate, ports, settings().portName, this);
  dialog.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  dialog.keepRead = [this](const RadioImage& read, const std::string& port) { KeepBackup(read, port); };
  dialog.setVerify(settings().verifyAfterWrite);
  std::vector<std::string> remembered;
  for (std::size_t from = 0; from < settings().fleetPorts.size();) {
    const std::size_t end = std::min(settings().fleetPorts.find(';', from), settings().fleetPorts.size());
    if (end > from) remembered.push_back(settings().fleetPorts.substr(from, end - from));
    from = end + 1;
  }
  dialog.Restore(remembered, settings().fleetFirstId);
  connect(&dialog, &FleetDialog::verifyToggled, this, &CMainFrame::RememberVerify);
  dialog.exec();
  // The ports and the first id of the last write come back next time.
  if (!dialog.startedPorts().empty()) {
    std::string joined;
    for (const std::string& p : dialog.startedPorts()) joined += (joined.empty() ? "" : ";") + p;
    settings().fleetPorts = joined;
    settings().fleetFirstId = dialog.startedFirstId();
    settings().SaveKey("FleetPorts", joined);
    settings().SaveKey("FleetFirstId", dialog.startedFirstId());
  }
}

void CMainFrame::OnBackups() {
  BackupsDialog dialog(settings().backupDirectory, settings().strayBackupDirectory, this);
  // A new document with the backup's bytes: Save asks for a name, so the
  // backup itself stays as it was kept. Nor is it a recent file, which would
  // open it under its own name. A backup that does not open leaves the list
  // open for another choice.
  dialog.open = [this](const std::string& path) {
    if (!MaybeSave()) return false;
    if (!OpenDocument(QString::fromStdString(path), false)) return false;
    doc().ForgetPath();
    return true;
  };
  // "Write to radio...": the backup's bytes exactly as kept, no repair and
  // no channel-table write-back; the document stays as it is.
  dialog.writeToRadio = [this, &dialog](const std::string& path) {
    RadioImage kept;
    if (Status st = LoadImageFile(path, kept); !st) {
      ShowMessage(&dialog, tr("The backup cannot be read.\n%1").arg(QString::fromStdString(st.error())));
      return;
    }
    const RadioIdentity radio = IdentifyRadio(kept);
    QMessageBox ask(QMessageBox::Question, tr("Write to radio"),
                    tr("Write this backup into the radio on %1, byte for byte as it was kept?\n\n"
                       "Radio name: %2\nRadio id: %3\nFile: %4\n\n"
                       "The radio then holds this image; the document in the program does not change.")
                        .arg(QString::fromStdString(settings().portName), QString::fromStdString(radio.name),
                             QString::fromStdString(radio.id), QString::fromStdString(path)),
                    QMessageBox::Yes | QMessageBox::Cancel, &dialog);
    ask.setObjectName("restoreQuestion");
    ask.setDefaultButton(QMessageBox::Cancel);
    if (ask.exec() != QMessageBox::Yes) return;
    TransferDialog transfer(TransferDirection::kWrite, kept, LinkOpener(settings().portName), settings().portName,
                            settings().baudRate, &dialog);
    transfer.showMessage = [](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
    transfer.keepRead = [this](const RadioImage& read) { KeepBackup(read, settings().portName); };
    transfer.setVerify(settings().verifyAfterWrite);
    connect(&transfer, &TransferDialog::verifyToggled, this, &CMainFrame::RememberVerify);
    transfer.exec();
  };
  dialog.exec();
}


}  // namespace cps
