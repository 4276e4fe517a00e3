// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/check_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cps {

namespace {
// `one` for 1, else `many`, with the number in place of %1.
QString Count(int n, const QString& one, const QString& many) { return (n == 1 ? one : many).arg(n); }
}  // namespace

QString CheckDialog::SummaryText(const std::vector<CheckFinding>& findings) {
  if (findings.empty()) return tr("No findings.");
  int errors = 0;
  for (const CheckFinding& f : findings) errors += f.level == CheckLevel::kError ? 1 : 0;
  const int warnings = static_cast<int>(findings.size()) - errors;
  QStringList parts;
  if (errors) parts << Count(errors, tr("%1 error"), tr("%1 errors"));
  if (warnings) parts << Count(warnings, tr("%1 warning"), tr("%1 warnings"));
  //: %1 is the count of errors and warnings ("2 errors, 1 warning").
  QString text = tr("%1.").arg(parts.join(", "));
  if (errors) text += " " + tr("The radio does not take what an error names.");
  return text;
}

CheckDialog::CheckDialog(std::vector<CheckFinding> findings, Mode mode, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)) {
  setWindowTitle(tr("Check image"));
  summary_ = new QLabel(SummaryText(findings_), this);
  summary_->setWordWrap(true);
  table_ = new QTableWidget(static_cast<int>(findings_.size()), 3, this);
  table_->setHorizontalHeaderLabels({tr("Level"), tr("Field"), tr("Finding")});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(findings_.size()); ++row) {
    const CheckFinding& f = findings_[static_cast<std::size_t>(row)];
    auto* level = new QTableWidgetItem(f.level == CheckLevel::kError ? tr("Error") : tr("Warning"));
    if (f.level == CheckLevel::kError) level->setForeground(Qt::red);
    table_->setItem(row, 0, level);
    table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(f.key)));
    table_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(f.text)));
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setToolTip(tr("Double-click a finding to show its field"));
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (jumpTo && row >= 0 && row < static_cast<int>(findings_.size()))
      jumpTo(findings_[static_cast<std::size_t>(row)].key);
  });

  auto* buttons = new QDialogButtonBox(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_);
  if (mode == Mode::kBeforeWrite) {
    bool errors = false;
    for (const CheckFinding& f : findings_) errors |= f.level == CheckLevel::kError;
    write_ = buttons->addButton(errors ? tr("Write anyway") : tr("Write"), QDialogButtonBox::AcceptRole);
    close_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    (findings_.empty() ? write_ : close_)->setDefault(true);
    quiet_ = new QCheckBox(tr("Write at once when the check finds nothing"), this);
    layout->addWidget(quiet_);
  } else {
    close_ = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close_->setDefault(true);
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(640, 360);
}

}  // namespace cps
