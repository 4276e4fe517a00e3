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
QString Count(int n, const char* one) { return QString("%1 %2%3").arg(n).arg(one).arg(n == 1 ? "" : "s"); }
}  // namespace

QString CheckDialog::SummaryText(const std::vector<CheckFinding>& findings) {
  if (findings.empty()) return "No findings.";
  int errors = 0;
  for (const CheckFinding& f : findings) errors += f.level == CheckLevel::kError ? 1 : 0;
  const int warnings = static_cast<int>(findings.size()) - errors;
  QStringList parts;
  if (errors) parts << Count(errors, "error");
  if (warnings) parts << Count(warnings, "warning");
  QString text = parts.join(", ") + ".";
  if (errors) text += " The radio does not take what an error names.";
  return text;
}

CheckDialog::CheckDialog(std::vector<CheckFinding> findings, Mode mode, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)) {
  setWindowTitle("Check image");
  summary_ = new QLabel(SummaryText(findings_), this);
  summary_->setWordWrap(true);
  table_ = new QTableWidget(static_cast<int>(findings_.size()), 3, this);
  table_->setHorizontalHeaderLabels({"Level", "Field", "Finding"});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(findings_.size()); ++row) {
    const CheckFinding& f = findings_[static_cast<std::size_t>(row)];
    auto* level = new QTableWidgetItem(f.level == CheckLevel::kError ? "Error" : "Warning");
    if (f.level == CheckLevel::kError) level->setForeground(Qt::red);
    table_->setItem(row, 0, level);
    table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(f.key)));
    table_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(f.text)));
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setToolTip("Double-click a finding to show its field");
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
    write_ = buttons->addButton(errors ? "Write anyway" : "Write", QDialogButtonBox::AcceptRole);
    close_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    (findings_.empty() ? write_ : close_)->setDefault(true);
    quiet_ = new QCheckBox("Write at once when the check finds nothing", this);
    layout->addWidget(quiet_);
  } else {
    close_ = buttons->addButton("Close", QDialogButtonBox::RejectRole);
    close_->setDefault(true);
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(640, 360);
}

}  // namespace cps
