// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_import_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cps {

namespace {

constexpr const char* kHeaders[] = {"",
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Row"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Channel"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Name"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Rx Freq"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Tx Freq"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Rx Tone"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Tx Tone"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Power"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Scan"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Bandwidth"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Channel type"),
                                    QT_TRANSLATE_NOOP("cps::ChannelImportDialog", "Changes / Skipped")};

QString Join(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << QString::fromStdString(l);
  return out.join("; ");
}

}  // namespace

QString ImportOutcomeText(const CsvRowPlan& row) {
  switch (row.outcome) {
    case CsvRowOutcome::kPlaced: return ChannelImportDialog::tr("Channel %1").arg(row.channel);
    case CsvRowOutcome::kSkipped: return ChannelImportDialog::tr("Skipped");
    case CsvRowOutcome::kNotPlaced: return ChannelImportDialog::tr("Not placed");
  }
  return {};
}

ChannelImportDialog::ChannelImportDialog(CsvTable csv, BandLimits band, int firstChannel, QWidget* parent)
    : QDialog(parent), csv_(std::move(csv)), band_(band) {
  setWindowTitle(tr("Import channels"));
  setObjectName("ChannelImportDialog");
  first_ = new QSpinBox;
  first_->setObjectName("firstChannel");
  // 0 stands for "each row at its Location", where the file has one.
  first_->setRange(PlacesByLocation(csv_) ? kByLocation : 1, kChannelCount);
  first_->setSpecialValueText(tr("By Location"));
  first_->setValue(firstChannel);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(tr("First channel to fill:"), first_);

  rows_ = new QTableWidget(0, static_cast<int>(std::size(kHeaders)));
  rows_->setObjectName("importRows");
  QStringList headers;
  for (const char* h : kHeaders) headers << tr(h);
  rows_->setHorizontalHeaderLabels(headers);
  rows_->verticalHeader()->hide();
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->horizontalHeader()->setStretchLastSection(true);

  overwrite_ = new QLabel(
      tr("Each checked row overwrites the whole channel it goes to; channels no row reaches keep what they hold. "
         "Names are not stored: the radio holds no channel names."));
  overwrite_->setObjectName("importOverwriteNote");
  overwrite_->setWordWrap(true);
  summary_ = new QLabel;
  summary_->setObjectName("importSummary");
  summary_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(rows_, 1);
  layout->addWidget(overwrite_);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(1100, 520);
  connect(first_, &QSpinBox::valueChanged, this, &ChannelImportDialog::Replan);
  connect(rows_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == kCheckColumn) UpdateSummary();
  });
  Replan();
}

CsvImportPlan ChannelImportDialog::plan() const {
  CsvImportPlan out = plan_;
  for (int i = 0; i < rows_->rowCount() && i < static_cast<int>(out.rows.size()); ++i) {
    CsvRowPlan& r = out.rows[static_cast<std::size_t>(i)];
    const QTableWidgetItem* check = rows_->item(i, kCheckColumn);
    if (r.outcome == CsvRowOutcome::kPlaced && check && check->checkState() != Qt::Checked) {
      r.outcome = CsvRowOutcome::kSkipped;
      r.reason = tr("not checked").toStdString();
      r.notes.clear();
    }
  }
  return out;
}

void ChannelImportDialog::Replan() {
  plan_ = PlanChirpImport(csv_, band_, first_->value());
  const QSignalBlocker block(rows_);
  rows_->setRowCount(static_cast<int>(plan_.rows.size()));
  for (int i = 0; i < rows_->rowCount(); ++i) {
    const CsvRowPlan& r = plan_.rows[static_cast<std::size_t>(i)];
    const bool placed = r.outcome == CsvRowOutcome::kPlaced;
    auto text = [&](int column) { return placed ? QString::fromStdString(r.texts[static_cast<std::size_t>(column)]) : QString(); };
    QString changes;
    if (r.outcome == CsvRowOutcome::kSkipped) changes = tr("Skipped: %1").arg(QString::fromStdString(r.reason));
    else if (r.outcome == CsvRowOutcome::kNotPlaced) changes = tr("Not placed: no channel left after 16");
    else changes = Join(r.notes);
    const QString texts[] = {QString(),
                             QString::number(r.line),
                             ImportOutcomeText(r),
                             QString::fromStdString(r.name),
                             placed ? text(kColRxFreq) : QString::fromStdString(r.frequency),
                             placed && text(kColTxFreq).isEmpty() ? tr("(receive only)") : text(kColTxFreq),
                             text(kColRxTone),
                             text(kColTxTone),
                             text(kColPower),
                             text(kColScan),
                             text(kColBandwidth),
                             text(kColType),
                             changes};
    for (int c = 0; c < rows_->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      if (c == kChangesColumn && !changes.isEmpty()) item->setToolTip(changes);
      if (c == kCheckColumn) {
        item->setFlags(placed ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        item->setCheckState(placed ? Qt::Checked : Qt::Unchecked);
      }
      rows_->setItem(i, c, item);
    }
  }
  rows_->resizeColumnsToContents();
  UpdateSummary();
}

void ChannelImportDialog::UpdateSummary() {
  const CsvImportPlan chosen = plan();
  std::vector<int> channels;
  int changed = 0;
  for (const auto& r : chosen.rows)
    if (r.outcome == CsvRowOutcome::kPlaced) {
      channels.push_back(r.channel);
      changed += static_cast<int>(r.notes.size());
    }
  const int placed = static_cast<int>(channels.size());
  // Where the rows go: the %3 of the sentence below.
  QString target;
  if (placed == 1) {
    target = tr("channel %1").arg(channels.front());
  } else if (placed > 1) {
    const auto [low, high] = std::minmax_element(channels.begin(), channels.end());
    target = *high - *low + 1 == placed
                 ? tr("channels %1-%2").arg(*low).arg(*high)
                 : tr("%1 channels from %2 to %3").arg(placed).arg(*low).arg(*high);
  } else {
    target = tr("channels");
  }
  //: %3 is where the rows go: "channel 5", "channels 1-16", "3 channels from 2 to 9" or "channels".
  QString text = tr("%1 of %2 rows go into %3; %4 skipped, %5 not placed.")
                     .arg(QString::number(placed), QString::number(chosen.rows.size()), target,
                          QString::number(chosen.Count(CsvRowOutcome::kSkipped)),
                          QString::number(chosen.Count(CsvRowOutcome::kNotPlaced)));
  if (changed == 1) text += " " + tr("1 value is stored otherwise (see Changes).");
  if (changed > 1) text += " " + tr("%1 values are stored otherwise (see Changes).").arg(changed);
  summary_->setText(text);
  ok_->setEnabled(placed > 0);
}

}  // namespace cps
