// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/pmr_channel_dialog.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "gui/channels/channel_edit_dialog.h"
#include "gui/channels/channel_table_actions.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/core_text.h"

namespace cps {

PmrChannelDialog::PmrChannelDialog(RadioImage& image, BandLimits band, std::function<std::string()> findFactoryFile,
                                   QWidget* parent)
    : QDialog(parent), image_(image), band_(band), findFactoryFile_(std::move(findFactoryFile)) {
  setWindowTitle(tr("Pmr Channel"));
  setObjectName("PmrChannelDialog");
  view_ = new ChannelTableView(image_, kPmrChannelBase, false);
  view_->setObjectName("pmrChannelTable");
  view_->table().setBand(band_);
  view_->itemModel()->setRowName(tr("PMR channel"));
  actions_ = new ChannelTableActions(view_, tr("PMR channel"), this);
  actions_->setEditHandler([this] { OnChannelEdit(); });
  auto* edit = new QPushButton(tr("Channel edit"));
  edit->setObjectName("channelEditButton");
  edit->setAutoDefault(false);
  auto* factory = new QPushButton(tr("Factory"));
  factory->setObjectName("factoryButton");
  factory->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(edit);
  buttons->addWidget(factory);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(view_, 1);
  connect(edit, &QPushButton::clicked, this, &PmrChannelDialog::OnChannelEdit);
  connect(factory, &QPushButton::clicked, this, &PmrChannelDialog::OnFactory);
  view_->Load();
}

void PmrChannelDialog::setStepRunner(const StepRunner& runner) {
  runStep_ = runner;
  view_->itemModel()->setStepRunner(runner);
}

void PmrChannelDialog::OnChannelEdit() {
  view_->WriteBack();
  const int channel = view_->CurrentChannel();
  const RadioImage before = image_;
  // What closing the dialog untouched would leave.
  const RadioImage asShown = StoredAsShown(before, kPmrChannelBase, band_, channel);
  ChannelEditDialog dialog(image_, ChannelEditDialog::Variant::kPmr, band_, channel, this);
  RunStep(runStep_, dialog.windowTitle(), [&] {
    dialog.exec();
    if (renameStep_ && image_ == asShown && !(image_ == before)) renameStep_(ChannelEditDialog::tr(kPmrStoredAsShownStep));
    view_->Load();
  });
  view_->setFocus();
}

void PmrChannelDialog::OnFactory() {
  view_->CommitOpenEditor();
  // Looked up at each press, as "Factroy" does: a file put there while the
  // dialog is open counts.
  const std::string path = findFactoryFile_ ? findFactoryFile_() : std::string();
  Status st = Status::Ok();
  RunStep(runStep_, tr("Factory"), [&] {
    st = LoadFactoryPmrChannels(path, image_);
    if (st) view_->Load();
  });
  if (!st) {
    QMessageBox box(QMessageBox::Warning, tr("Program"), CoreText(kNoFactoryFileText), QMessageBox::Ok, this);
    if (!path.empty()) box.setInformativeText(QString::fromStdString(st.error()));
    box.exec();
  }
}

void PmrChannelDialog::done(int result) {
  view_->WriteBack();
  QDialog::done(result);
}

}  // namespace cps
