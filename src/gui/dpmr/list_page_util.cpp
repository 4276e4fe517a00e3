// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/list_page_util.h"

#include <algorithm>
#include <memory>

#include "gui/widgets/editable_grid.h"

namespace cps::dpmr_gui {

QString PrintableChars() {
  QString s;
  for (char c = 0x20; c < 0x7F; ++c) s += QChar(c);
  return s;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  for (QPushButton* b : buttons) row->addWidget(b);
  row->addStretch();
  return row;
}

void WireRowButtons(EditableGrid* grid, QPushButton* add, QPushButton* insert, QPushButton* remove,
                    RowActions actions) {
  auto a = std::make_shared<RowActions>(std::move(actions));
  auto added = [grid, a](std::optional<int> row) {
    if (!row) return;
    a->rebuild();
    grid->setFocusedRow(*row);
  };
  QObject::connect(add, &QPushButton::clicked, grid, [grid, a, added] {
    grid->commitEdit();
    added(a->add());
  });
  QObject::connect(insert, &QPushButton::clicked, grid, [grid, a, added] {
    grid->commitEdit();
    added(a->insert(grid->focusedRow()));
  });
  QObject::connect(remove, &QPushButton::clicked, grid, [grid, a] {
    grid->commitEdit();
    const int row = grid->focusedRow();
    if (!a->remove(row)) return;
    a->rebuild();
    grid->setFocusedRow(std::min(row, a->count() - 1));
  });
}

}  // namespace cps::dpmr_gui
