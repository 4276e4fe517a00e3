// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the editable grid as a user does: open a cell's editor, type,
// press Enter (or pick a drop-down item).
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "gui/widgets/editable_grid.h"

namespace cps::test {

// Opens the editor of (row, column); nullptr when the cell takes no edits.
inline QWidget* OpenEditor(EditableGrid* grid, int row, int column) {
  const QModelIndex index = grid->model()->index(row, column);
  grid->setCurrentIndex(index);
  grid->edit(index);
  if (!grid->isEditing()) return nullptr;
  for (QWidget* w : grid->viewport()->findChildren<QWidget*>())
    if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) && w->isVisible()) return w;
  return nullptr;
}

// Types `text` over the cell's text and presses Enter. False when the cell
// could not be edited.
inline bool TypeIntoCell(EditableGrid* grid, int row, int column, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(OpenEditor(grid, row, column));
  if (!edit) return false;
  edit->selectAll();
  if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
  else QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
  QCoreApplication::processEvents();  // the editor commits through a queued call
  return true;
}

// Picks a drop-down item of the cell.
inline bool PickInCell(EditableGrid* grid, int row, int column, const QString& item) {
  auto* box = qobject_cast<QComboBox*>(OpenEditor(grid, row, column));
  if (!box) return false;
  const int i = box->findText(item);
  if (i < 0) return false;
  box->setCurrentIndex(i);
  emit box->activated(i);
  return true;
}

inline QStringList Column(EditableGrid* grid, int column) {
  QStringList out;
  for (int r = 0; r < grid->rowCount(); ++r)
    out << (column == 0 ? grid->model()->index(r, 0).data().toString() : grid->text(r, column));
  return out;
}

}  // namespace cps::test
