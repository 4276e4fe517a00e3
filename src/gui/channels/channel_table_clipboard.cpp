// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table's clipboard and keys: Ctrl+C, Ctrl+X, Ctrl+V, Delete,
// and Enter opening the cell editor. The rules live in the core
// (core/interop/csv_clipboard.h, csv_chirp.h); this file picks the cells
// and talks to the system clipboard.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <algorithm>
#include <set>

#include "core/interop/csv_chirp.h"
#include "core/interop/csv_clipboard.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/notes_dialog.h"

namespace cps {

namespace {

bool IsDataColumn(int c) { return c >= kColRxFreq && c <= kColType; }

}  // namespace

void ChannelTableView::ExpandRowSelection() {
  if (expanding_) return;
  expanding_ = true;
  QItemSelection rows;
  for (const QModelIndex& i : selectionModel()->selectedIndexes())
    if (i.column() == kColNumber)
      rows.select(model_->index(i.row(), 0), model_->index(i.row(), kChannelColumns - 1));
  if (!rows.isEmpty()) selectionModel()->select(rows, QItemSelectionModel::Select);
  expanding_ = false;
}

std::vector<std::pair<int, int>> ChannelTableView::SelectedCells() const {
  std::set<std::pair<int, int>> cells;
  for (const QModelIndex& i : selectionModel()->selectedIndexes())
    if (IsDataColumn(i.column())) cells.insert({i.row() + 1, i.column()});
  if (cells.empty() && currentIndex().isValid() && IsDataColumn(currentIndex().column()))
    cells.insert({currentIndex().row() + 1, currentIndex().column()});
  return {cells.begin(), cells.end()};
}

std::vector<int> ChannelTableView::SelectedWholeRows() const {
  std::vector<int> rows;
  for (int r = 0; r < kChannelCount; ++r) {
    bool all = true;
    for (int c = kColRxFreq; c <= kColType && all; ++c) all = selectionModel()->isSelected(model_->index(r, c));
    if (all) rows.push_back(r + 1);
  }
  return rows;
}

void ChannelTableView::CopySelection() {
  CommitOpenEditor();
  const auto cells = SelectedCells();
  if (cells.empty()) return;
  const std::vector<int> whole = SelectedWholeRows();
  std::set<int> cellRows;
  for (const auto& [r, c] : cells) cellRows.insert(r);
  const bool wholeRows = !whole.empty() && cellRows.size() == whole.size();

  int top = kChannelCount, bottom = 1, left = kColType, right = kColRxFreq;
  for (const auto& [r, c] : cells) top = std::min(top, r), bottom = std::max(bottom, r), left = std::min(left, c), right = std::max(right, c);
  const std::set<std::pair<int, int>> chosen(cells.begin(), cells.end());
  CellTexts texts;
  for (int r = top; r <= bottom; ++r) {
    if (wholeRows && !cellRows.count(r)) continue;
    std::vector<std::string> line;
    for (int c = left; c <= right; ++c) line.push_back(chosen.count({r, c}) ? table_.Cell(r, c) : std::string());
    texts.push_back(std::move(line));
  }
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(CellsToTabText(texts)));
  if (wholeRows) {
    const std::string records = CopyChannelRecords(image_, table_, whole);
    mime->setData(kChannelRecordsMime, QByteArray(records.data(), static_cast<qsizetype>(records.size())));
  }
  QApplication::clipboard()->setMimeData(mime);
}

void ChannelTableView::ClearSelection(const QString& step) {
  const std::vector<int> whole = SelectedWholeRows();
  const auto cells = SelectedCells();
  std::set<int> cellRows;
  for (const auto& [r, c] : cells) cellRows.insert(r);
  if (!whole.empty() && cellRows.size() == whole.size())
    ChangeChannels(step, [&](RadioImage& image, ChannelTable& table) { ClearChannels(image, table, whole); });
  else if (!cells.empty())
    ChangeChannels(step, [&](RadioImage& image, ChannelTable& table) { ClearChannelCells(image, table, cells); });
}

void ChannelTableView::CutSelection() {
  CopySelection();
  ClearSelection(tr("Cut"));
}

void ChannelTableView::PasteClipboard() {
  CommitOpenEditor();
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  if (!mime) return;
  // The top-left selected cell, else the current cell.
  int row = currentIndex().isValid() ? currentIndex().row() + 1 : 1;
  int column = currentIndex().isValid() ? currentIndex().column() : kColRxFreq;
  const auto cells = SelectedCells();
  if (!cells.empty()) {
    row = cells.front().first;
    column = cells.front().second;
    for (const auto& [r, c] : cells)
      if (r == row) column = std::min(column, c);
  }
  if (!SelectedWholeRows().empty() || column < kColRxFreq) column = kColRxFreq;

  if (mime->hasFormat(kChannelRecordsMime)) {
    const QByteArray data = mime->data(kChannelRecordsMime);
    RecordPaste result;
    ChangeChannels(tr("Paste"), [&](RadioImage& image, ChannelTable& table) {
      result = PasteChannelRecords(image, table, row, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    });
    QStringList lines;
    if (result.outOfBand > 0) lines << tr("%1 channels lie outside the band and were not pasted.").arg(result.outOfBand);
    if (result.notPlaced > 0) lines << tr("%1 channels were not pasted: no channel left after 16.").arg(result.notPlaced);
    if (!lines.isEmpty()) Notify(lines.join("\n"));
    return;
  }
  if (!mime->hasText()) return;
  const std::string text = mime->text().toStdString();
  if (HasChirpHeader(text)) {
    auto csv = ReadChirpCsv(text);
    if (!csv) {
      Notify(QString::fromStdString(csv.error()));
      return;
    }
    const CsvImportPlan plan = PlanChirpImport(*csv, table_.band(), row);
    ChangeChannels(tr("Paste"), [&](RadioImage& image, ChannelTable& table) { ApplyChirpImport(image, table, plan); });
    std::vector<std::string> notes;
    for (const auto& r : plan.rows) {
      if (r.outcome != CsvRowOutcome::kPlaced) notes.push_back(ImportReportLine(r));
      const auto stored = ImportNotes(r);
      notes.insert(notes.end(), stored.begin(), stored.end());
    }
    ShowPasteNotes(notes);
    return;
  }
  const CellTexts texts = TabTextToCells(text);
  std::vector<std::string> notes;
  ChangeChannels(tr("Paste"),
                 [&](RadioImage& image, ChannelTable& table) { PasteChannelTexts(image, table, row, column, texts, &notes); });
  ShowPasteNotes(notes);
}

void ChannelTableView::ShowPasteNotes(const std::vector<std::string>& notes) {
  if (notes.empty()) return;
  const QString summary = tr("Not everything was pasted as it was given:");
  if (notify_) {
    QStringList lines;
    for (const auto& n : notes) lines << QString::fromStdString(n);
    notify_(summary + "\n" + CappedLines(lines, NotesDialog::kShownNotes));
    return;
  }
  ShowNotes(this, tr("Paste"), summary, notes);
}

void ChannelTableView::Notify(const QString& text) {
  if (notify_) {
    notify_(text);
    return;
  }
  QMessageBox box(QMessageBox::Information, tr("Program"), text, QMessageBox::Ok, this);
  box.exec();
}

void ChannelTableView::keyPressEvent(QKeyEvent* event) {
  if (state() != QAbstractItemView::EditingState) {
    if (event->matches(QKeySequence::Copy)) {
      CopySelection();
    } else if (event->matches(QKeySequence::Cut)) {
      CutSelection();
    } else if (event->matches(QKeySequence::Paste)) {
      PasteClipboard();
    } else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
      ClearSelection();
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
      edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
    } else {
      QTableView::keyPressEvent(event);
      return;
    }
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace cps
