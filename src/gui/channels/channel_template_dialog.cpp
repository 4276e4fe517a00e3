// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_template_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/widgets/core_text.h"

namespace cps {

namespace {
constexpr int kPreviewColumns = 9;
}

ChannelTemplateDialog::ChannelTemplateDialog(std::vector<ChannelTemplate> templates, QWidget* parent,
                                             const std::vector<std::string>& folders)
    : QDialog(parent), templates_(std::move(templates)) {
  setWindowTitle(tr("New from template"));
  setObjectName("ChannelTemplateDialog");
  list_ = new QListWidget;
  list_->setObjectName("templateList");
  list_->setWordWrap(true);
  list_->setSpacing(2);
  // Each template with its one-line description; the name is the item's data.
  for (const auto& t : templates_) {
    auto* item = new QListWidgetItem(QString::fromStdString(t.name + (t.description.empty() ? "" : "\n" + t.description)));
    item->setData(Qt::UserRole, QString::fromStdString(t.name));
    list_->addItem(item);
  }
  description_ = new QLabel;
  description_->setObjectName("templateDescription");
  description_->setWordWrap(true);
  QStringList places = {tr("the templates built into the program")};
  for (const auto& f : folders) places << QString::fromStdString(f);
  //: %1 lists the places: the built-in templates, then the folders.
  lookedIn_ = new QLabel(tr("Templates were looked for in: %1").arg(places.join(", ")));
  lookedIn_->setObjectName("templateFolders");
  lookedIn_->setWordWrap(true);
  lookedIn_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  preview_ = new QTableWidget(0, kPreviewColumns);
  preview_->setObjectName("templatePreview");
  preview_->setHorizontalHeaderLabels(
      {tr("Channels"), tr("No."), tr("Rx Freq"), tr("Tx Freq"), tr("Rx Tone"), tr("Tx Tone"), tr("Power"),
       tr("Bandwidth"), tr("Channel type")});
  preview_->verticalHeader()->hide();
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 2);
  top->addWidget(preview_, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(description_);
  layout->addWidget(lookedIn_);
  layout->addWidget(buttons);
  resize(980, 480);
  connect(list_, &QListWidget::currentRowChanged, this, &ChannelTemplateDialog::ShowPreview);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  if (!templates_.empty()) list_->setCurrentRow(0);
  ShowPreview();
}

const ChannelTemplate* ChannelTemplateDialog::selected() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(templates_.size()) ? &templates_[static_cast<std::size_t>(row)] : nullptr;
}

void ChannelTemplateDialog::ShowPreview() {
  preview_->setRowCount(0);
  const ChannelTemplate* t = selected();
  ok_->setEnabled(t != nullptr);
  if (!t) {
    description_->setText(templates_.empty() ? tr("No templates were found.") : QString());
    return;
  }
  const int band = TemplateBandIndex(*t);
  description_->setText(band >= 0 ? tr("Band: %1").arg(CoreText(BandItems()[static_cast<std::size_t>(band)]))
                                  : tr("The channels lie outside both bands."));
  const TemplatePlan plan = PlanChannelTemplate(*t, band >= 0 ? BandOfItem(band) : BandLimits{});
  const std::pair<QString, const CsvImportPlan*> sets[] = {{tr("Channel table"), &plan.main},
                                                           {tr("PMR channels"), &plan.pmr}};
  for (const auto& [set, p] : sets) {
    for (const auto& r : p->rows) {
      if (r.outcome != CsvRowOutcome::kPlaced) continue;
      const int i = preview_->rowCount();
      preview_->insertRow(i);
      const QString texts[] = {set,
                               QString::number(r.channel),
                               QString::fromStdString(r.texts[kColRxFreq]),
                               QString::fromStdString(r.texts[kColTxFreq]),
                               QString::fromStdString(r.texts[kColRxTone]),
                               QString::fromStdString(r.texts[kColTxTone]),
                               QString::fromStdString(r.texts[kColPower]),
                               QString::fromStdString(r.texts[kColBandwidth]),
                               QString::fromStdString(r.texts[kColType])};
      for (int c = 0; c < kPreviewColumns; ++c) preview_->setItem(i, c, new QTableWidgetItem(texts[c]));
    }
  }
  preview_->resizeColumnsToContents();
}

}  // namespace cps
