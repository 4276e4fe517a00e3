// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/channels/channel_table.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/core_text.h"

namespace cps {

ChannelForm::ChannelForm(RadioImage& image, ChannelTable& table, QWidget* parent) : QWidget(parent), image_(image) {
  auto* bandLabel = new QLabel(tr(kBandStepName));
  band_ = new QComboBox;
  band_->setObjectName("bandSelector");
  for (const auto& item : BandItems()) band_->addItem(CoreText(item));
  bandLabel->setBuddy(band_);
  channelEdit_ = new QPushButton(tr("Channel edit"));
  channelEdit_->setObjectName("channelEditButton");
  factory_ = new QPushButton(tr(kFactoryButtonText));
  factory_->setObjectName("factoryButton");
  view_ = new ChannelTableView(image_, table);
  view_->setObjectName("channelTable");

  auto* top = new QHBoxLayout;
  top->addWidget(bandLabel);
  top->addWidget(band_);
  top->addSpacing(24);
  top->addWidget(channelEdit_);
  top->addWidget(factory_);
  top->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(view_, 1);

  confirm_ = [this](const QString& question) {
    QMessageBox box(QMessageBox::Question, tr("Program"), question, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  };

  connect(band_, &QComboBox::activated, this, &ChannelForm::OnBandActivated);
  connect(channelEdit_, &QPushButton::clicked, this, &ChannelForm::channelEditRequested);
  connect(factory_, &QPushButton::clicked, this, &ChannelForm::factoryRequested);
}

ChannelForm::~ChannelForm() = default;

QPrinter& ChannelForm::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void ChannelForm::ShowBandIndex() {
  const QSignalBlocker block(band_);
  band_->setCurrentIndex(view_->table().bandIndex());
}

void ChannelForm::Refresh() {
  view_->itemModel()->Refresh();
  ShowBandIndex();
}

void ChannelForm::setStepRunner(const StepRunner& runner) {
  runStep_ = runner;
  view_->itemModel()->setStepRunner(runner);
}

BandLimits ChannelForm::band() const { return view_->table().band(); }

int ChannelForm::CurrentChannel() const { return view_->CurrentChannel(); }

QString ChannelForm::RxText(int row) const {
  return QString::fromStdString(view_->table().Cell(row, kColRxFreq));
}

void ChannelForm::OnBandActivated(int index) {
  view_->CommitOpenEditor();
  ChannelTable& table = view_->table();
  const bool clears = table.BandChangeClears(index);
  if ((clears && !confirm_(tr(kBandChangeQuestion))) || (!clears && index == table.bandIndex())) {
    ShowBandIndex();
    return;
  }
  // As a step, the new band goes into the image at once: it is what the
  // step records and what Undo takes back.
  RunStep(runStep_, tr(kBandStepName), [&] {
    table.ChangeBand(image_, index);
    if (runStep_) table.WriteBack(image_);
  });
  view_->itemModel()->Refresh();
  ShowBandIndex();
}

}  // namespace cps
