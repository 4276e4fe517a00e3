// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/port_setting_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/link/port_names.h"

namespace cps {

PortSettingDialog::PortSettingDialog(std::string portName, QWidget* parent, DeviceLister lister, PortProbe canOpen,
                                     PortProblem why)
    : QDialog(parent), portName_(std::move(portName)) {
  setWindowTitle(tr("Port setting"));
  auto* box = new QGroupBox(tr("Port"), this);
  auto* grid = new QGridLayout(box);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  const bool currentOpens = canOpen(portName_);
  bool currentListed = false;

#if defined(Q_OS_WIN)
  (void)lister;
  (void)why;
  const int currentNumber = currentOpens ? ComPortNumber(portName_) : 0;
  for (int n = 1; n <= 16; ++n) {
    const std::string name = ComPortName(n);
    auto* b = new QRadioButton(QString("COM%1").arg(n), box);
    b->setEnabled(canOpen(name));
    b->setChecked(n == currentNumber);
    group_->addButton(b);
    grid->addWidget(b, (n - 1) / 4, (n - 1) % 4);
    buttons_.push_back(b);
    paths_.push_back(name);
  }
  currentListed = true;
#else
  int row = 0;
  for (const SerialDevice& d : lister()) {
    QString text = QString::fromStdString(d.path);
    if (!d.description.empty()) text += "  (" + QString::fromStdString(d.description) + ")";
    auto* b = new QRadioButton(text, box);
    const bool opens = canOpen(d.path);
    b->setEnabled(opens);
    if (d.path == portName_) {
      currentListed = true;
      b->setChecked(currentOpens);
    }
    group_->addButton(b);
    grid->addWidget(b, row++, 0, 1, 2);
    buttons_.push_back(b);
    paths_.push_back(d.path);
    QLabel* whyLabel = nullptr;
    if (!opens) {
      // a greyed-out port says why, indented under its button
      whyLabel = new QLabel(QString::fromStdString(why(d.path)), box);
      whyLabel->setWordWrap(true);
      whyLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
      whyLabel->setContentsMargins(24, 0, 0, 4);
      b->setToolTip(whyLabel->text());
      grid->addWidget(whyLabel, row++, 0, 1, 2);
    }
    whyLabels_.push_back(whyLabel);
  }
  if (buttons_.empty()) grid->addWidget(new QLabel(tr("No serial device found."), box), row++, 0, 1, 2);
  other_ = new QRadioButton(tr("Device path:"), box);
  group_->addButton(other_);
  otherField_ = new QLineEdit(box);
  otherField_->setPlaceholderText(tr("/dev/ttyUSB0 or a dpmr-sim terminal"));
  // Wide enough for the hint and a typical path, without cutting either.
  otherField_->setMinimumWidth(otherField_->fontMetrics().horizontalAdvance(otherField_->placeholderText()) + 24);
  if (!currentListed && !portName_.empty()) {
    otherField_->setText(QString::fromStdString(portName_));
    other_->setChecked(currentOpens);
  }
  connect(otherField_, &QLineEdit::textEdited, this, [this] { other_->setChecked(true); });
  grid->addWidget(other_, row, 0);
  grid->addWidget(otherField_, row, 1);
  grid->setColumnStretch(1, 1);
#endif
  (void)currentListed;

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &PortSettingDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PortSettingDialog::reject);
  logSerial_ = new QCheckBox(tr("Log serial traffic"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(logSerial_);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

void PortSettingDialog::setLogSerial(bool on, const std::string& folder) {
  logSerial_->setChecked(on);
  logSerial_->setToolTip(tr("Every read and write keeps a trace of the bytes on the line in %1")
                             .arg(QString::fromStdString(folder)));
}

bool PortSettingDialog::logSerial() const { return logSerial_->isChecked(); }

void PortSettingDialog::accept() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->isChecked()) {
      portName_ = paths_[i];
      QDialog::accept();
      return;
    }
  }
  if (other_ && other_->isChecked()) {
    const std::string typed = otherField_->text().trimmed().toStdString();
    if (!typed.empty()) portName_ = typed;
  }
  QDialog::accept();
}

}  // namespace cps
