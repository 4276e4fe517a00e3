#include "gui/channels/channel_import_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cps {

QString ImportOutcomeText(const CsvRowPlan& row) {
  switch (row.outcome) {
    case CsvRowOutcome::kPlaced: return QString("Channel %1").arg(row.channel);
    case CsvRowOutcome::kSkipped: return "Skipped: " + QString::fromStdString(row.reason);
    case CsvRowOutcome::kNotPlaced: return "Not placed: no channel left after 16";
  }
  return {};
}

ChannelImportDialog::ChannelImportDialog(CsvTable csv, BandLimits band, int firstChannel, QWidget* parent)
    : QDialog(parent), csv_(std::move(csv)), band_(band) {
  setWindowTitle("Import channels");
  setObjectName("ChannelImportDialog");
  first_ = new QSpinBox;
  first_->setObjectName("firstChannel");
  first_->setRange(1, kChannelCount);
  first_->setValue(firstChannel);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow("First channel to fill:", first_);

  rows_ = new QTableWidget(0, 4);
  rows_->setObjectName("importRows");
  rows_->setHorizontalHeaderLabels({"Row", "Name", "Frequency", "Goes to"});
  rows_->verticalHeader()->hide();
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->horizontalHeader()->setStretchLastSection(true);
  rows_->setColumnWidth(0, 50);
  rows_->setColumnWidth(1, 120);
  rows_->setColumnWidth(2, 100);

  summary_ = new QLabel;
  summary_->setObjectName("importSummary");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(rows_, 1);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(640, 480);
  connect(first_, &QSpinBox::valueChanged, this, &ChannelImportDialog::Replan);
  Replan();
}

void ChannelImportDialog::Replan() {
  plan_ = PlanChirpImport(csv_, band_, first_->value());
  rows_->setRowCount(static_cast<int>(plan_.rows.size()));
  for (int i = 0; i < rows_->rowCount(); ++i) {
    const CsvRowPlan& r = plan_.rows[static_cast<std::size_t>(i)];
    const QString texts[] = {QString::number(r.line), QString::fromStdString(r.name), QString::fromStdString(r.frequency),
                             ImportOutcomeText(r)};
    for (int c = 0; c < 4; ++c) rows_->setItem(i, c, new QTableWidgetItem(texts[c]));
  }
  const int placed = plan_.Count(CsvRowOutcome::kPlaced);
  QString text = QString("%1 of %2 rows go into channels").arg(placed).arg(plan_.rows.size());
  if (placed > 0) {
    int last = first_->value();
    for (const auto& r : plan_.rows)
      if (r.outcome == CsvRowOutcome::kPlaced) last = r.channel;
    text += QString(" %1-%2").arg(first_->value()).arg(last);
  }
  text += QString("; %1 skipped, %2 not placed.")
              .arg(plan_.Count(CsvRowOutcome::kSkipped))
              .arg(plan_.Count(CsvRowOutcome::kNotPlaced));
  summary_->setText(text);
  ok_->setEnabled(placed > 0);
}

}  // namespace cps
