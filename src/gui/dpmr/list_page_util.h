// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers the dPMR list pages share.
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace cps {
class EditableGrid;
}

namespace cps::dpmr_gui {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// A page button: never a default button, so Enter does not press it.
inline QPushButton* PageButton(const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

// The printable ASCII characters, the ones names and texts may hold.
QString PrintableChars();

// The buttons under a list, left-aligned.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// What the add, insert and delete buttons of a page do to its list, for a
// page that rebuilds its grid from the list after every change.
struct RowActions {
  std::function<std::optional<int>()> add;              // row of the new entry
  std::function<std::optional<int>(int focused)> insert;  // row of the new entry
  std::function<bool(int focused)> remove;
  std::function<int()> count;
  std::function<void()> rebuild;  // grid and button states
};
// Connects the buttons: an open cell edit is committed first, the row
// changed (or the one after a deleted row) keeps the focus.
void WireRowButtons(EditableGrid* grid, QPushButton* add, QPushButton* insert, QPushButton* remove,
                    RowActions actions);

}  // namespace cps::dpmr_gui
