// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/compare_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace cps {

namespace {

constexpr int kTipWidth = 64;  // characters per line of a tool tip

// `text` in lines of at most kTipWidth characters, broken at spaces where
// it has them.
QString Wrapped(const QString& text) {
  QStringList lines;
  QString line;
  for (QString word : text.split(' ')) {
    while (word.size() > kTipWidth) {
      if (!line.isEmpty()) lines << line;
      line.clear();
      lines << word.left(kTipWidth);
      word = word.mid(kTipWidth);
    }
    if (!line.isEmpty() && line.size() + 1 + word.size() > kTipWidth) {
      lines << line;
      line.clear();
    }
    line += (line.isEmpty() ? "" : " ") + word;
  }
  lines << line;
  return lines.join('\n');
}

QString Shown(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CompareDialog::CompareDialog(const ComparedImage& a, const QString& titleA, const ComparedImage& b,
                             const QString& titleB, QWidget* parent)
    : CompareDialog(CompareForReview(a, b), titleA, titleB, parent) {}

CompareDialog::CompareDialog(const Comparison& comparison, const QString& titleA, const QString& titleB,
                             QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Compare with %1").arg(titleB));
  setObjectName("CompareDialog");
  summary_ = new QLabel(Shown(ComparisonSummary(comparison)));
  summary_->setObjectName("compareSummary");
  notes_ = new QLabel;
  notes_->setObjectName("compareNotes");
  notes_->setWordWrap(true);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notes_->hide();

  tree_ = new QTreeWidget(this);
  tree_->setObjectName("compareTree");
  tree_->setColumnCount(4);
  tree_->setHeaderLabels({tr("Key"), tr("Caption"), titleA, titleB});
  tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tree_->setUniformRowHeights(true);
  tree_->setWordWrap(false);
  tree_->setTextElideMode(Qt::ElideRight);

  const QFontMetrics fm(tree_->font());
  const int margin = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree_) + 8;
  const bool unfold = comparison.RowCount() <= static_cast<std::size_t>(kUnfoldedRows);
  for (const ComparisonSection& section : comparison.sections) {
    auto* head = new QTreeWidgetItem(tree_, {Shown(SectionHeading(section))});
    QFont bold = head->font(0);
    bold.setBold(true);
    head->setFont(0, bold);
    head->setFirstColumnSpanned(true);
    for (const ComparisonRow& row : section.rows) {
      const QStringList cells{Shown(row.key), Shown(row.caption), Shown(row.a), Shown(row.b)};
      auto* item = new QTreeWidgetItem(head, cells);
      for (int c = 0; c < cells.size(); ++c) item->setToolTip(c, Wrapped(cells[c]));
      keyWidth_ = std::max(keyWidth_, fm.horizontalAdvance(cells[0]) + margin + tree_->indentation());
      captionWidth_ = std::max(captionWidth_, fm.horizontalAdvance(cells[1]) + margin);
    }
    head->setExpanded(unfold);
  }
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
  tree_->header()->setSectionResizeMode(1, QHeaderView::Interactive);
  tree_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(3, QHeaderView::Stretch);
  tree_->viewport()->installEventFilter(this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(notes_);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(860, 480);
  FitColumns();
}

void CompareDialog::SetNotes(const std::vector<std::string>& notes) {
  QStringList lines;
  for (const auto& n : notes) lines << Shown(n);
  notes_->setText(lines.join('\n'));
  notes_->setVisible(!lines.isEmpty());
}

bool CompareDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_->viewport() && event->type() == QEvent::Resize) FitColumns();
  return QDialog::eventFilter(watched, event);
}

void CompareDialog::FitColumns() {
  const int width = tree_->viewport()->width();
  tree_->header()->resizeSection(0, std::min(std::max(keyWidth_, 60), width / 4));
  tree_->header()->resizeSection(1, std::min(std::max(captionWidth_, 60), width / 4));
}

}  // namespace cps
