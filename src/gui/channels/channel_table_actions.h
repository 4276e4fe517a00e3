// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The edit actions of a channel table: Cut, Copy, Paste, Delete, Select All,
// "Edit..." and "Bulk edit...". One object per table; the window puts its
// actions in the Edit menu, and the table shows them as its context menu.
// The keys are the platform's own and act while the table has the focus (a
// cell editor keeps its own Ctrl+C and Delete).
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/channels/channel_bulk_edit.h"
#include "core/interop/channel_bulk_dialog.h"

class QAction;
class QMenu;
class QWidget;

namespace cps {

class ChannelTableView;

class ChannelTableActions : public QObject {
  Q_OBJECT
 public:
  // `rowName` names the rows in steps and notes ("Channel" or "PMR channel").
  ChannelTableActions(ChannelTableView* view, const QString& rowName, QObject* parent = nullptr);

  QAction* cut() const { return cut_; }
  QAction* copy() const { return copy_; }
  QAction* paste() const { return paste_; }
  QAction* remove() const { return remove_; }
  QAction* selectAll() const { return selectAll_; }
  QAction* edit() const { return edit_; }
  QAction* bulkEdit() const { return bulkEdit_; }

  // "Edit..." opens the channel dialog of the current row.
  void setEditHandler(std::function<void()> handler) { editHandler_ = std::move(handler); }
  // Puts the actions into `menu` before `before` (at the end for none).
  void AddTo(QMenu* menu, QAction* before = nullptr);
  // The table's context menu, filled and with its enabled states set; the
  // caller shows it.
  QMenu* ContextMenu(QWidget* parent);
  // Enabled states from the selection and the clipboard.
  void UpdateEnabled();

  // The channels Bulk edit works on: every row with a selected cell, or
  // the current row.
  std::vector<int> SelectedRows() const;
  // Sets `fields` (the table's columns), then `dialogFields` (the channel
  // dialog's controls, through the dialog's rules) on the selected channels
  // as one step "Bulk edit" and shows what was stored otherwise. Returns
  // the notes.
  std::vector<std::string> ApplyBulkEdit(const std::vector<BulkField>& fields,
                                         const std::vector<BulkDialogField>& dialogFields = {});
  // How the notes are shown (ShowNotes unless replaced, as tests do).
  std::function<void(QWidget*, const QString&, const QString&, const std::vector<std::string>&)> showNotes;

 private:
  void OnBulkEdit();

  ChannelTableView* view_;
  QString rowName_;
  QAction* cut_;
  QAction* copy_;
  QAction* paste_;
  QAction* remove_;
  QAction* selectAll_;
  QAction* edit_;
  QAction* bulkEdit_;
  std::function<void()> editHandler_;
};

}  // namespace cps
