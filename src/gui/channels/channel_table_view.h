// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel table as a Qt item view: a table model over the core
// ChannelTable, in-place editors by column, and the load / write-back
// moments. Used by the main form (main channels) and the "Pmr Channel"
// dialog (PMR channels).
#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <memory>
#include <vector>

#include "core/channels/channel_table.h"
#include "core/image/radio_image.h"
#include "gui/widgets/step_runner.h"

namespace cps {

class ChannelTableItemModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  ChannelTableItemModel(RadioImage& image, ChannelTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Runs the commit rule of the column's editor with the editor's text.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The core table changed as a whole (load, band change).
  void Refresh();
  // Cells changed in place: the view keeps its current cell and selection.
  void CellsChanged();
  ChannelTable& table() { return table_; }

  // With a runner, each committed cell is a step ("Channel 3 Rx Freq") and
  // a row it changed is written back into the image with it.
  void setStepRunner(StepRunner runner) { runStep_ = std::move(runner); }
  // Runs a change of the table's cells (a commit, a paste, ...) as the step
  // `name`, written back as a committed cell is.
  void ChangeAsStep(const QString& name, const std::function<void()>& change);
  // What steps and messages call a row: "Channel" (3), "PMR channel" (3).
  void setRowName(const QString& name) { rowName_ = name; }
  const QString& rowName() const { return rowName_; }

 signals:
  // A word for the status bar about a committed cell: a receive frequency
  // that reads as 0 cleared a channel in use; a tone went into a channel
  // that does not use it.
  void notice(const QString& text);

 private:
  RadioImage& image_;
  ChannelTable& table_;
  StepRunner runStep_;
  QString rowName_ = tr("Channel");
};

// Editors by column: frequency edit (at most 10 characters), editable tone
// box filled with the tone list, choice boxes.
class ChannelCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  // The editor that is open now, if any.
  QWidget* openEditor() const { return openEditor_; }

 private:
  mutable QPointer<QWidget> openEditor_;
};

class ChannelTableView : public QTableView {
  Q_OBJECT
 public:
  // `base`: record base of the channel set; `withBand`: the main table.
  ChannelTableView(RadioImage& image, std::size_t base, bool withBand, QWidget* parent = nullptr);
  // A view of a table kept elsewhere (the document's main table).
  ChannelTableView(RadioImage& image, ChannelTable& table, QWidget* parent = nullptr);

  ChannelTable& table() { return table_; }
  const ChannelTable& table() const { return table_; }
  const RadioImage& image() const { return image_; }
  ChannelTableItemModel* itemModel() const { return model_; }

  // Commits an editor that is still open, as if it lost the focus.
  void CommitOpenEditor();
  // Closes an open editor without taking its text, as Escape does.
  void CancelOpenEditor();
  // Commit, then image -> table (with the band for the main table).
  void Load();
  // Commit, then table -> image.
  void WriteBack();
  // The current row, 1..16 (1 when there is none).
  int CurrentChannel() const;

  // Commits an open editor, runs `change` (one change of the image through
  // the table, ending with its write-back) as the undo step `step` and
  // shows the result.
  void ChangeChannels(const QString& step, const std::function<void(RadioImage&, ChannelTable&)>& change);

  // Clipboard (channel_table_clipboard.cpp). Whole rows (selected from the
  // channel number column) also carry their exact records.
  void CopySelection();
  void CutSelection();
  void PasteClipboard();
  void ClearSelection(const QString& step = tr("Clear"));
  // Rows (1..16) whose data columns are all selected.
  std::vector<int> SelectedWholeRows() const;
  // Selected data cells (row 1..16, column 1..8).
  std::vector<std::pair<int, int>> SelectedCells() const;
  // Shows what a paste could not place; a message box unless replaced.
  void setNotify(std::function<void(const QString&)> notify) { notify_ = std::move(notify); }
  // The first size: the 17 rows and 10 columns at their first heights and
  // widths. Given more room, the columns grow in the proportions of their
  // first widths and the rows share the height; given less (a small screen
  // at a large scale), they keep their first sizes and scroll.
  QSize sizeHint() const override;

 protected:
  // A press on any cell of an empty row but its number edits its receive
  // frequency; the channel numbers and a channel's spare column have no
  // editor.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  // Copy, cut, paste, Delete, and Enter opening the cell editor as F2 does.
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // A new font (or style) measures the columns again.
  void changeEvent(QEvent* event) override;

 signals:
  // The image changed through the table (paste, cut, clear, import).
  void channelsChanged();

 private:
  void Build();
  // Each column's first width: its own, or what the font needs for the
  // header and the column's longest value when that is more.
  std::vector<int> FirstColumnWidths() const;
  // Columns and rows share the viewport, never below their first sizes.
  void FitSections();
  // A selected channel number selects its whole row.
  void ExpandRowSelection();
  void Notify(const QString& text);
  // The notes of a paste: in a NotesDialog, or through notify_ when set.
  void ShowPasteNotes(const std::vector<std::string>& notes);

  RadioImage& image_;
  std::unique_ptr<ChannelTable> owned_;  // the table, unless it is kept elsewhere
  ChannelTable& table_;
  ChannelTableItemModel* model_;
  ChannelCellDelegate* delegate_;
  std::vector<int> firstColumnWidths_;
  int firstRowHeight_ = 0;
  bool fitting_ = false;  // FitSections is running
  bool refit_ = false;    // the viewport changed meanwhile
  QPoint keptCell_{-1, -1};  // the current cell (column, row) across a reload
  std::function<void(const QString&)> notify_;
  bool expanding_ = false;
};

// The clipboard format of whole channel rows.
inline constexpr const char* kChannelRecordsMime = "application/x-dpmr-cps-channels";

}  // namespace cps
