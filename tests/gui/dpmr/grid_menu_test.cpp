// SPDX-License-Identifier: GPL-3.0-or-later
// The list grids' context menu: Copy and Paste of a cell, the pasted text
// checked by the page as typed text is.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

#include "gui/widgets/editable_grid.h"

namespace cps {
namespace {

TEST(GridMenu, PasteGoesThroughThePagesCheckAndCopyTakesTheCell) {
  EditableGrid grid;
  grid.setColumns("No.", 40, {GridColumn::Text("Name", 80, 8), GridColumn::Text("Id", 80, 8, "0123456789")});
  grid.appendRow({"Bob", "12"});
  std::vector<QString> edited;
  grid.setEditCheck([](int, int col, const QString& t) -> std::optional<QString> {
    if (col == 2 && t.toInt() == 0) return std::nullopt;  // refused
    return t.left(8);
  });
  QObject::connect(&grid, &EditableGrid::cellEdited, [&](int, int, const QString& t) { edited.push_back(t); });

  grid.setCurrentIndex(grid.model()->index(0, 1));
  std::unique_ptr<QMenu> menu(grid.ContextMenu(nullptr));
  QStringList texts;
  for (QAction* a : menu->actions()) texts << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(texts, (QStringList{"&Copy", "&Paste", "-", "&Edit"}));

  QApplication::clipboard()->setText("A long name\nsecond line");
  EXPECT_TRUE(grid.PasteCell());
  EXPECT_EQ(grid.text(0, 1), "A long n");
  EXPECT_EQ(edited, std::vector<QString>{"A long n"});

  grid.setCurrentIndex(grid.model()->index(0, 2));
  QApplication::clipboard()->setText("abc");
  EXPECT_FALSE(grid.PasteCell());
  EXPECT_EQ(grid.text(0, 2), "12");
  grid.CopyCell();
  EXPECT_EQ(QApplication::clipboard()->text(), "12");
}

}  // namespace
}  // namespace cps
