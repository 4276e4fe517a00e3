// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/fleet_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/link/transfer_dialog.h"
#include "gui/widgets/core_text.h"
#include "gui/widgets/palette_colors.h"

namespace cps {

namespace {
enum Column { kPort, kProgress, kId, kResult };

QString ResultText(const FleetOutcome& o, bool verify) {
  switch (o.result.outcome) {
    case TransferOutcome::kSuccess: return verify ? FleetDialog::tr("Written, verified") : FleetDialog::tr("Written");
    case TransferOutcome::kPortNotOpened: return FleetDialog::tr("Port not opened");
    case TransferOutcome::kCommunicationError: return FleetDialog::tr("Communication error");
    case TransferOutcome::kCancelled: return FleetDialog::tr("Stopped");
    case TransferOutcome::kVerifyFailed: return FleetDialog::tr("Verify failed");
  }
  return {};
}
}  // namespace

FleetDialog::FleetDialog(const RadioImage& image, PortOpener openPort, int baud, std::vector<std::string> ports,
                         const std::string& current, QWidget* parent)
    : QDialog(parent),
      showMessage([](QWidget* p, const QString& text) {
        QMessageBox box(QMessageBox::Warning, tr("Program"), text, QMessageBox::Ok, p);
        box.exec();
      }),
      image_(image),
      baud_(baud),
      fleet_(std::move(openPort), baud) {
  setWindowTitle(tr("Write to several radios"));
  // Every radio is written at the port setting's baud rate, as Read and
  // Write say next to their port.
  auto* portBox = new QGroupBox(tr("Ports, %1 baud").arg(baud_), this);
  portBox->setObjectName("portBox");
  auto* portLayout = new QGridLayout(portBox);
  ports_ = new QListWidget(portBox);
  for (const std::string& p : ports) {
    auto* item = new QListWidgetItem(QString::fromStdString(p), ports_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(p == current ? Qt::Checked : Qt::Unchecked);
  }
  if (!current.empty() && std::find(ports.begin(), ports.end(), current) == ports.end()) AddPort(current);
  path_ = new QLineEdit(portBox);
  path_->setPlaceholderText(tr("another device path, e.g. a dpmr-sim terminal"));
  // Enter in the path field adds the path; no button is the default, so
  // Enter never starts a write.
  connect(path_, &QLineEdit::returnPressed, this, &FleetDialog::AddTyped);
  auto* add = new QPushButton(tr("Add"), portBox);
  add->setAutoDefault(false);
  connect(add, &QPushButton::clicked, this, &FleetDialog::AddTyped);
  ports_->setMaximumHeight(ports_->fontMetrics().height() * 8);
  portLayout->addWidget(ports_, 0, 0, 1, 2);
  portLayout->addWidget(path_, 1, 0);
  portLayout->addWidget(add, 1, 1);

  idBox_ = new QCheckBox(tr("Give each radio its own radio id, starting at:"), this);
  idField_ = new QLineEdit("0000001", this);
  idField_->setMaxLength(7);
  idField_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,7}"), idField_));
  idField_->setEnabled(false);
  connect(idBox_, &QCheckBox::toggled, idField_, &QWidget::setEnabled);
  auto* idRow = new QHBoxLayout;
  idRow->addWidget(idBox_);
  idRow->addWidget(idField_);
  verifyBox_ = new QCheckBox(tr("Verify after write"), this);
  connect(verifyBox_, &QCheckBox::toggled, this, &FleetDialog::verifyToggled);

  table_ = new QTableWidget(0, 4, this);
  table_->setHorizontalHeaderLabels({tr("Port"), tr("Progress"), tr("Radio id"), tr("Result")});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(kProgress, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(kResult, QHeaderView::ResizeToContents);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  start_ = new QPushButton(tr("Start"), this);
  start_->setAutoDefault(false);
  stop_ = new QPushButton(tr("Stop"), this);
  stop_->setAutoDefault(false);
  stop_->setEnabled(false);
  close_ = new QPushButton(tr("Close"), this);
  close_->setAutoDefault(false);
  connect(start_, &QPushButton::clicked, this, &FleetDialog::OnStart);
  connect(stop_, &QPushButton::clicked, this, &FleetDialog::OnStop);
  connect(close_, &QPushButton::clicked, this, &FleetDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(summary_, 1);
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portBox);
  layout->addLayout(idRow);
  layout->addWidget(verifyBox_);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() + 8 * 30);
  resize(660, 680);
}

FleetDialog::~FleetDialog() {
  fleet_.Cancel();
  fleet_.Join();
}

void FleetDialog::setVerify(bool on) { verifyBox_->setChecked(on); }

void FleetDialog::AddPort(const std::string& path) {
  for (int i = 0; i < ports_->count(); ++i) {
    if (ports_->item(i)->text().toStdString() == path) {
      ports_->item(i)->setCheckState(Qt::Checked);
      return;
    }
  }
  auto* item = new QListWidgetItem(QString::fromStdString(path), ports_);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Checked);
}

void FleetDialog::Restore(const std::vector<std::string>& ports, const std::string& firstId) {
  if (!ports.empty())
    for (int i = 0; i < ports_->count(); ++i) ports_->item(i)->setCheckState(Qt::Unchecked);
  for (const std::string& p : ports) AddPort(p);
  if (!firstId.empty()) {
    idField_->setText(QString::fromStdString(firstId));
    idBox_->setChecked(true);
  }
}

void FleetDialog::AddTyped() {
  const QString typed = path_->text().trimmed();
  if (typed.isEmpty()) return;
  AddPort(typed.toStdString());
  path_->clear();
}

std::vector<std::string> FleetDialog::chosenPorts() const {
  std::vector<std::string> chosen;
  for (int i = 0; i < ports_->count(); ++i)
    if (ports_->item(i)->checkState() == Qt::Checked) chosen.push_back(ports_->item(i)->text().toStdString());
  return chosen;
}

void FleetDialog::OnStart() {
  if (running_) return;
  const std::vector<std::string> ports = chosenPorts();
  if (ports.empty()) {
    showMessage(this, tr("Choose at least one port."));
    return;
  }
  std::vector<FleetRadio> radios;
  for (const std::string& p : ports) radios.push_back({p, image_, ""});
  if (idBox_->isChecked()) {
    auto ids = FleetRadioIds(idField_->text().toLongLong(), radios.size());
    if (!ids) {
      showMessage(this, tr("Nothing was written:\n%1").arg(QString::fromStdString(ids.error())));
      return;
    }
    for (std::size_t i = 0; i < radios.size(); ++i) {
      radios[i].radioId = (*ids)[i];
      if (Status st = GiveRadioId(radios[i].image, radios[i].radioId); !st) {
        showMessage(this, QString::fromStdString(st.error()));
        return;
      }
    }
  }

  table_->setRowCount(static_cast<int>(radios.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const FleetRadio& r = radios[static_cast<std::size_t>(row)];
    table_->setItem(row, kPort, new QTableWidgetItem(QString::fromStdString(r.port)));
    auto* bar = new QProgressBar(table_);
    bar->setRange(0, kTransferProgressMax);
    bar->setValue(0);
    bar->setFormat("%p%");
    table_->setCellWidget(row, kProgress, bar);
    table_->setItem(row, kId, new QTableWidgetItem(QString::fromStdString(r.radioId)));
    table_->setItem(row, kResult, new QTableWidgetItem(tr("Writing")));
  }
  started_ = ports;
  startedFirstId_ = idBox_->isChecked() ? radios.front().radioId : std::string();
  finished_ = 0;
  running_ = true;
  summary_->clear();
  start_->setEnabled(false);
  stop_->setEnabled(true);
  close_->setEnabled(false);
  ports_->setEnabled(false);
  idBox_->setEnabled(false);
  idField_->setEnabled(false);
  verifyBox_->setEnabled(false);

  // The radios report on their own threads; the table changes on this one.
  TransferFleet::Callbacks cb;
  cb.progress = [this](std::size_t i, int p) {
    QMetaObject::invokeMethod(this, [this, i, p] {
      if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(static_cast<int>(i), kProgress))) bar->setValue(p);
    }, Qt::QueuedConnection);
  };
  cb.verifying = [this](std::size_t i) {
    QMetaObject::invokeMethod(this, [this, i] { table_->item(static_cast<int>(i), kResult)->setText(tr("Verifying")); },
                              Qt::QueuedConnection);
  };
  cb.readCompleted = [this](std::size_t i, const RadioImage& read) {
    QMetaObject::invokeMethod(this, [this, i, read] { if (keepRead) keepRead(read, started_[i]); },
                              Qt::QueuedConnection);
  };
  cb.finished = [this](std::size_t i, const FleetOutcome& o) {
    QMetaObject::invokeMethod(this, [this, i, o] { OnRadioFinished(i, o); }, Qt::QueuedConnection);
  };
  fleet_.Start(TransferDirection::kWrite, radios, TransferOptions{verifyBox_->isChecked()}, cb);
}

void FleetDialog::OnRadioFinished(std::size_t radio, const FleetOutcome& outcome) {
  const int row = static_cast<int>(radio);
  QTableWidgetItem* result = table_->item(row, kResult);
  //: %1 is the time the write took, in seconds.
  result->setText(ResultText(outcome, verifyBox_->isChecked()) + tr(" (%1 s)").arg(outcome.seconds, 0, 'f', 1));
  QString tip = outcome.result.ok() ? QString()
                                    : TransferDialog::MessageFor(outcome.result, TransferDirection::kWrite,
                                                                 started_[radio]);
  result->setToolTip(tip);
  if (outcome.result.ok()) {
    // The last block's position shows 99%: a completed write is 100%.
    if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgress))) bar->setValue(kTransferProgressMax);
  } else {
    result->setForeground(FailureTextColor(table_->palette()));
    //: %p% is the progress reached, in percent.
    if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgress))) bar->setFormat(tr("stopped at %p%"));
  }
  if (++finished_ < started_.size()) return;

  fleet_.Join();
  running_ = false;
  std::size_t ok = 0;
  QStringList lines;
  const std::vector<FleetOutcome> outcomes = fleet_.outcomes();
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const TransferResult& r = outcomes[i].result;
    ok += r.ok() ? 1 : 0;
    const QString port = QString::fromStdString(started_[i]);
    if (!r.ok() && !r.reason.empty()) lines << port + ": " + QString::fromStdString(r.reason);
    //: %1 is a port, %2 what it holds ("holds a partly written image: ...").
    if (r.partlyWritten) lines << tr("%1 %2.").arg(port, CoreText(kPartlyWrittenMessage));
  }
  lines.prepend(tr("%1 of %2 radios written").arg(ok).arg(started_.size()));
  summary_->setText(lines.join("\n"));
  start_->setEnabled(true);
  stop_->setEnabled(false);
  close_->setEnabled(true);
  ports_->setEnabled(true);
  idBox_->setEnabled(true);
  idField_->setEnabled(idBox_->isChecked());
  verifyBox_->setEnabled(true);
  emit fleetEnded();
}

void FleetDialog::OnStop() { fleet_.Cancel(); }

void FleetDialog::reject() {
  if (running_) {
    OnStop();  // the radios stop after their current block; close then
    return;
  }
  QDialog::reject();
}

}  // namespace cps
