// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_table_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <set>

#include "gui/channels/bulk_edit_dialog.h"
#include "gui/channels/channel_table_view.h"
#include "gui/widgets/notes_dialog.h"

namespace cps {

namespace {

QAction* MakeAction(QObject* parent, const QString& text, const char* name, const QKeySequence& keys = {}) {
  auto* a = new QAction(text, parent);
  a->setObjectName(name);
  if (!keys.isEmpty()) a->setShortcut(keys);
  // Only while the table itself has the focus: an open cell editor keeps
  // its own keys.
  a->setShortcutContext(Qt::WidgetShortcut);
  return a;
}

}  // namespace

ChannelTableActions::ChannelTableActions(ChannelTableView* view, const QString& rowName, QObject* parent)
    : QObject(parent), view_(view), rowName_(rowName) {
  cut_ = MakeAction(this, tr("Cu&t"), "actionCut", QKeySequence::Cut);
  copy_ = MakeAction(this, tr("&Copy"), "actionCopy", QKeySequence::Copy);
  paste_ = MakeAction(this, tr("&Paste"), "actionPaste", QKeySequence::Paste);
  remove_ = MakeAction(this, tr("&Delete"), "actionDelete", QKeySequence::Delete);
  selectAll_ = MakeAction(this, tr("Select &All"), "actionSelectAll", QKeySequence::SelectAll);
  edit_ = MakeAction(this, tr("&Edit..."), "actionEditChannel");
  bulkEdit_ = MakeAction(this, tr("&Bulk edit..."), "actionBulkEdit");
  cut_->setStatusTip(tr("Copy the selected cells to the clipboard and clear them"));
  copy_->setStatusTip(tr("Copy the selected cells to the clipboard"));
  paste_->setStatusTip(tr("Paste channels or cells from the clipboard at the selected cell"));
  remove_->setStatusTip(tr("Clear the selected cells; selected whole rows clear their channels"));
  selectAll_->setStatusTip(tr("Select every channel"));
  edit_->setStatusTip(tr("Edit every setting of the current channel"));
  bulkEdit_->setStatusTip(tr("Set some columns or channel settings to one value on every selected channel"));
  for (QAction* a : {cut_, copy_, paste_, remove_, selectAll_}) view_->addAction(a);

  connect(cut_, &QAction::triggered, view_, &ChannelTableView::CutSelection);
  connect(copy_, &QAction::triggered, view_, &ChannelTableView::CopySelection);
  connect(paste_, &QAction::triggered, view_, &ChannelTableView::PasteClipboard);
  connect(remove_, &QAction::triggered, view_, [this] { view_->ClearSelection(); });
  connect(selectAll_, &QAction::triggered, view_, [this] {
    view_->CommitOpenEditor();
    view_->selectAll();
  });
  connect(edit_, &QAction::triggered, this, [this] {
    if (editHandler_) editHandler_();
  });
  connect(bulkEdit_, &QAction::triggered, this, &ChannelTableActions::OnBulkEdit);

  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ChannelTableActions::UpdateEnabled);
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ChannelTableActions::UpdateEnabled);
  if (QClipboard* clipboard = QApplication::clipboard())
    connect(clipboard, &QClipboard::dataChanged, this, &ChannelTableActions::UpdateEnabled);

  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    // A press outside the selection selects the cell under it, as a left
    // press would.
    const QModelIndex at = view_->indexAt(pos);
    if (at.isValid() && !view_->selectionModel()->isSelected(at))
      view_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    QMenu* menu = ContextMenu(view_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(view_->viewport()->mapToGlobal(pos));
  });
  showNotes = [](QWidget* parent, const QString& title, const QString& summary, const std::vector<std::string>& notes) {
    ShowNotes(parent, title, summary, notes);
  };
  UpdateEnabled();
}

void ChannelTableActions::AddTo(QMenu* menu, QAction* before) {
  menu->insertAction(before, cut_);
  menu->insertAction(before, copy_);
  menu->insertAction(before, paste_);
  menu->insertAction(before, remove_);
  menu->insertSeparator(before);
  menu->insertAction(before, selectAll_);
  menu->insertSeparator(before);
  menu->insertAction(before, edit_);
  menu->insertAction(before, bulkEdit_);
  connect(menu, &QMenu::aboutToShow, this, &ChannelTableActions::UpdateEnabled);
}

QMenu* ChannelTableActions::ContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("channelTableMenu");
  AddTo(menu);
  UpdateEnabled();
  return menu;
}

void ChannelTableActions::UpdateEnabled() {
  const bool cells = !view_->SelectedCells().empty();
  const QMimeData* mime = QApplication::clipboard() ? QApplication::clipboard()->mimeData() : nullptr;
  const bool pastable = mime && (mime->hasText() || mime->hasFormat(kChannelRecordsMime));
  cut_->setEnabled(cells);
  copy_->setEnabled(cells);
  remove_->setEnabled(cells);
  paste_->setEnabled(pastable);
  edit_->setEnabled(static_cast<bool>(editHandler_));
  bulkEdit_->setEnabled(!SelectedRows().empty());
}

std::vector<int> ChannelTableActions::SelectedRows() const {
  std::set<int> rows;
  for (const QModelIndex& i : view_->selectionModel()->selectedIndexes()) rows.insert(i.row() + 1);
  if (rows.empty() && view_->currentIndex().isValid()) rows.insert(view_->currentIndex().row() + 1);
  return {rows.begin(), rows.end()};
}

std::vector<std::string> ChannelTableActions::ApplyBulkEdit(const std::vector<BulkField>& fields,
                                                            const std::vector<BulkDialogField>& dialogFields) {
  const std::vector<int> rows = SelectedRows();
  std::vector<std::string> notes;
  if (rows.empty() || (fields.empty() && dialogFields.empty())) return notes;
  view_->ChangeChannels(tr("Bulk edit"), [&](RadioImage& image, ChannelTable& table) {
    if (!fields.empty()) notes = BulkEditChannels(image, table, rows, fields, rowName_.toStdString());
    // The dialog's controls after the columns: a channel the receive
    // frequency opened, or a type the column changed, counts.
    const auto more = BulkEditChannelDialog(image, table, rows, dialogFields, rowName_.toStdString());
    notes.insert(notes.end(), more.begin(), more.end());
  });
  if (!notes.empty() && showNotes)
    showNotes(view_->window(), tr("Bulk edit"),
              tr("%1 values were not set as given:").arg(static_cast<qsizetype>(notes.size())), notes);
  return notes;
}

void ChannelTableActions::OnBulkEdit() {
  view_->CommitOpenEditor();
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  const ChannelTable& table = view_->table();
  BulkEditDialog dialog(rows, rowName_, table,
                        BulkDialogChoices(view_->image(), table.base() == kPmrChannelBase, table.band(), rows.front()),
                        view_->window());
  if (dialog.exec() != QDialog::Accepted) return;
  ApplyBulkEdit(dialog.fields(), dialog.dialogFields());
}

}  // namespace cps
