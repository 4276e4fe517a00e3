// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/transfer_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/core_text.h"

namespace cps {

namespace {
void ProgramMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, TransferDialog::tr("Program"), text, QMessageBox::Ok, parent);
  box.exec();
}
void ProgramInformation(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, TransferDialog::tr("Program"), text, QMessageBox::Ok, parent);
  box.exec();
}
}  // namespace

TransferDialog::TransferDialog(TransferDirection direction, RadioImage& image, PortOpener openPort,
                               std::string portName, int baud, QWidget* parent)
    : QDialog(parent),
      showMessage(ProgramMessage),
      showInformation(ProgramInformation),
      direction_(direction),
      image_(image),
      openPort_(std::move(openPort)),
      portName_(std::move(portName)),
      baud_(baud) {
  setWindowTitle(direction == TransferDirection::kRead ? tr("Read data") : tr("Write data"));
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kTransferProgressMax);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  percent_ = new QLabel("0%", this);
  percent_->setAlignment(Qt::AlignCenter);
  start_ = new QPushButton(tr("Start"), this);
  start_->setDefault(true);
  start_->setAutoDefault(true);
  exit_ = new QPushButton(tr("Exit"), this);
  exit_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(start_);
  buttons->addWidget(exit_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addWidget(percent_);
  auto* port = new QLabel(tr("Port %1, %2 baud").arg(QString::fromStdString(portName_), QString::number(baud_)), this);
  port->setObjectName("portLabel");
  port->setAlignment(Qt::AlignCenter);
  layout->addWidget(port);
  if (direction == TransferDirection::kWrite) {
    verifyBox_ = new QCheckBox(tr("Verify after write"), this);
    verifyBox_->setToolTip(tr("Read the radio back after the write and compare every written block"));
    connect(verifyBox_, &QCheckBox::toggled, this, &TransferDialog::verifyToggled);
    layout->addWidget(verifyBox_, 0, Qt::AlignHCenter);
  }
  layout->addLayout(buttons);
  setMinimumWidth(320);

  connect(start_, &QPushButton::clicked, this, &TransferDialog::OnStart);
  connect(exit_, &QPushButton::clicked, this, &TransferDialog::OnExit);
}

TransferDialog::~TransferDialog() {
  worker_.Cancel();
  worker_.Join();
}

void TransferDialog::setVerify(bool on) {
  if (verifyBox_) verifyBox_->setChecked(on);
}

bool TransferDialog::verify() const { return verifyBox_ && verifyBox_->isChecked(); }

void TransferDialog::OnStart() {
  if (running_) return;
  TransferWorker::Callbacks callbacks;
  // The worker's reports come back to this thread through the event queue.
  callbacks.portOpened = [this] {
    QMetaObject::invokeMethod(this, [this] {
      start_->setEnabled(false);
      if (verifyBox_) verifyBox_->setEnabled(false);
    }, Qt::QueuedConnection);
  };
  callbacks.verifying = [this] {
    QMetaObject::invokeMethod(this, [this] { setWindowTitle(tr("Write data - verifying")); }, Qt::QueuedConnection);
  };
  callbacks.readCompleted = [this](const RadioImage& read) {
    QMetaObject::invokeMethod(this, [this, read] { if (keepRead) keepRead(read); }, Qt::QueuedConnection);
  };
  callbacks.progress = [this](int position) {
    QMetaObject::invokeMethod(
        this,
        [this, position] {
          bar_->setValue(position);
          percent_->setText(QString::fromStdString(ProgressText(position)));
        },
        Qt::QueuedConnection);
  };
  callbacks.finished = [this](const TransferResult& result) {
    QMetaObject::invokeMethod(this, [this, result] { OnFinished(result); }, Qt::QueuedConnection);
  };
  if (!worker_.Start(openPort_, portName_, baud_, direction_, image_, std::move(callbacks), TransferOptions{verify()}))
    return;
  running_ = true;
  succeeded_ = false;
}

void TransferDialog::OnExit() {
  worker_.Cancel();
  if (!running_) QDialog::reject();  // otherwise the worker's report closes it
}

void TransferDialog::reject() { OnExit(); }

QString TransferDialog::MessageFor(const TransferResult& result, TransferDirection direction,
                                   const std::string& portName) {
  QString text = MessageFor(result, direction);
  if (result.partlyWritten) {
    //: %1 is a port, %2 what it holds ("holds a partly written image: ...").
    const QString partly = tr("%1 %2.").arg(QString::fromStdString(portName), CoreText(kPartlyWrittenMessage));
    text += (text.isEmpty() ? "" : "\n\n") + partly;
  }
  return text;
}

QString TransferDialog::MessageFor(const TransferResult& result, TransferDirection direction) {
  const QString reason = QString::fromStdString(result.reason);
  switch (result.outcome) {
    case TransferOutcome::kPortNotOpened:
      return CoreText(kPortNotOpenedMessage) + "\n\n" + reason;
    case TransferOutcome::kCommunicationError: {
      QString text = CoreText(kCommunicationErrorMessage) + "\n\n" + reason;
      if (direction == TransferDirection::kRead) text += "\n" + tr("The image in the program was not changed.");
      return text;
    }
    case TransferOutcome::kVerifyFailed:
      return CoreText(kCommunicationErrorMessage) + "\n\n" + reason;
    case TransferOutcome::kSuccess:
    case TransferOutcome::kCancelled:
      break;
  }
  return {};
}

void TransferDialog::OnFinished(const TransferResult& result) {
  worker_.Join();
  running_ = false;
  result_ = result;
  if (result.ok()) {
    if (direction_ == TransferDirection::kRead) image_ = worker_.image();
    succeeded_ = true;
    // The last block's position shows 99%: a completed transfer is 100%.
    bar_->setValue(kTransferProgressMax);
    percent_->setText("100%");
    if (verify() && showInformation) showInformation(this, tr("Write verified: the radio holds every written block."));
  } else if (const QString text = MessageFor(result, direction_, portName_); !text.isEmpty() && showMessage) {
    showMessage(this, text);
  }
  emit transferEnded();
  done(succeeded_ ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace cps
