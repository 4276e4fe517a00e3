// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/factory/factory_adjust_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/factory/factory_pages.h"
#include "gui/settings/schema_page.h"
#include "gui/widgets/core_text.h"

namespace cps {

namespace {
void ProgramMessage(QWidget* parent, const QString& text, bool success) {
  QMessageBox box(success ? QMessageBox::Information : QMessageBox::Warning,
                  FactoryAdjustDialog::tr("Program"), text, QMessageBox::Ok,
                  parent);
  box.exec();
}
}  // namespace

FactoryAdjustDialog::FactoryAdjustDialog(RadioImage& image, PortOpener openPort, std::string portName, int baud,
                                         QWidget* parent)
    : TabHostDialog(tr("可调节参数"), parent, /*swallowEnterEscape=*/false),
      showMessage(ProgramMessage),
      image_(image),
      openPort_(std::move(openPort)),
      portName_(std::move(portName)),
      baud_(baud) {
  for (const PageSchema* schema : FactoryPageSchemas())
    AddPage(CoreText(schema->title), new SchemaPage(*schema, image_));

  // The fields hold at most 4 hex digits or a short gain: on the one-column
  // tabs they keep the width they have on "Tx" instead of spanning the tab.
  int fieldWidth = fontMetrics().horizontalAdvance("MMMMMMMMMM");
  for (QComboBox* c : tabs()->findChildren<QComboBox*>()) fieldWidth = std::max(fieldWidth, c->sizeHint().width());
  for (QLineEdit* e : tabs()->findChildren<QLineEdit*>()) e->setMaximumWidth(fieldWidth);
  for (QComboBox* c : tabs()->findChildren<QComboBox*>()) c->setMaximumWidth(fieldWidth);

  read_ = new QPushButton(tr("Read"), this);
  write_ = new QPushButton(tr("Write"), this);
  // Enter in a field must not start an exchange.
  read_->setAutoDefault(false);
  write_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(read_);
  buttons->addWidget(write_);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
  connect(read_, &QPushButton::clicked, this, &FactoryAdjustDialog::OnFactoryRead);
  connect(write_, &QPushButton::clicked, this, &FactoryAdjustDialog::OnFactoryWrite);
}

FactoryAdjustDialog::~FactoryAdjustDialog() {
  worker_.Cancel();
  worker_.Join();
}

SchemaPage* FactoryAdjustDialog::schemaPage(int i) const { return static_cast<SchemaPage*>(page(i)); }

void FactoryAdjustDialog::done(int result) {
  if (busy_) return;
  TabHostDialog::done(result);
}

void FactoryAdjustDialog::OnFactoryRead() { Start(FactoryDirection::kRead); }

void FactoryAdjustDialog::OnFactoryWrite() { Start(FactoryDirection::kWrite); }

void FactoryAdjustDialog::SetBusy(bool busy) {
  busy_ = busy;
  tabs()->setEnabled(!busy);
  read_->setEnabled(!busy);
  write_->setEnabled(!busy);
}

void FactoryAdjustDialog::Start(FactoryDirection direction) {
  if (busy_) return;
  // A write sends the values as the three pages hold them now.
  if (direction == FactoryDirection::kWrite)
    for (int i = 0; i < pageCount(); ++i) page(i)->SaveToImage();
  SetBusy(true);
  // The worker has its own copy of the image; a successful read hands the
  // block back to this thread.
  auto job = [this, direction](RadioImage& worked, const std::atomic<bool>& cancel) {
    return direction == FactoryDirection::kRead ? FactoryRead(openPort_, portName_, baud_, worked, cancel)
                                                : FactoryWrite(openPort_, portName_, baud_, worked, cancel);
  };
  auto finished = [this, direction](const TransferResult& result) {
    QMetaObject::invokeMethod(
        this, [this, direction, result] { OnFinished(direction, result); }, Qt::QueuedConnection);
  };
  if (!worker_.Start(image_, job, finished)) SetBusy(false);
}

QString FactoryAdjustDialog::MessageFor(const TransferResult& result, FactoryDirection direction) {
  QString text = CoreText(FactoryMessage(result, direction));
  if (!result.ok() && !result.reason.empty()) {
    text += "\n\n" + QString::fromStdString(result.reason);
    if (direction == FactoryDirection::kRead) text += "\n" + tr("The values in the program were not changed.");
  }
  return text;
}

void FactoryAdjustDialog::OnFinished(FactoryDirection direction, const TransferResult& result) {
  worker_.Join();
  if (direction == FactoryDirection::kRead && result.ok()) {
    RunStep(runStep, QCoreApplication::translate("StepRunner", kReadStepName), [this] {
      image_.Write(kFactoryBlockStart, worker_.image().Bytes(kFactoryBlockStart, kFactoryBlockEnd - kFactoryBlockStart));
    });
    if (keepRead) keepRead(image_);
  }
  const QString text = MessageFor(result, direction);
  if (!text.isEmpty() && showMessage) showMessage(this, text, result.ok());
  if (direction == FactoryDirection::kRead && result.ok())
    for (int i = 0; i < pageCount(); ++i) page(i)->LoadFromImage();
  SetBusy(false);
  emit exchangeEnded(result.ok());
}

}  // namespace cps
