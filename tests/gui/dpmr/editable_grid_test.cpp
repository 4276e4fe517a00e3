// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "grid_helpers.h"

namespace cps {
namespace {

using test::Column;
using test::OpenEditor;
using test::PickInCell;
using test::TypeIntoCell;

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.setColumns("No.", 50,
                    {GridColumn::Text("Name", 80, 4), GridColumn::Text("Code", 80, 3, "0123456789ABCDEF", true),
                     GridColumn::DropDown("Kind", 80, {"One", "Two"})});
    grid.appendRow({"a", "1", "One"}, 10);
    grid.appendRow({"b", "2", "Two"}, 20);
    grid.appendRow({"c", "3", "One"}, 30);
    grid.resize(400, 300);
    grid.show();
  }
  EditableGrid grid;
};

TEST_F(GridTest, HeaderAndNumberColumnRenumberAfterEveryChange) {
  EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), "No.");
  EXPECT_EQ(grid.model()->headerData(3, Qt::Horizontal).toString(), "Kind");
  EXPECT_EQ(Column(&grid, 0), QStringList({"1", "2", "3"}));
  EXPECT_EQ(grid.insertRow(1, {"x"}, 99), 1);
  EXPECT_EQ(Column(&grid, 0), QStringList({"1", "2", "3", "4"}));
  EXPECT_EQ(Column(&grid, 1), QStringList({"a", "x", "b", "c"}));
  EXPECT_EQ(grid.rowData(1), 99u);
  EXPECT_EQ(grid.rowData(2), 20u);
  EXPECT_EQ(grid.insertRow(-1, {"z"}), 4);
  EXPECT_TRUE(grid.removeRow(0));
  EXPECT_FALSE(grid.removeRow(7));
  EXPECT_EQ(Column(&grid, 0), QStringList({"1", "2", "3", "4"}));
  EXPECT_EQ(Column(&grid, 1), QStringList({"x", "b", "c", "z"}));
  EXPECT_EQ(OpenEditor(&grid, 0, 0), nullptr);  // the number column is fixed
}

TEST_F(GridTest, EditorsApplyColumnLimits) {
  ASSERT_TRUE(TypeIntoCell(&grid, 0, 1, "abcdef"));
  EXPECT_EQ(grid.text(0, 1), "abcd");
  ASSERT_TRUE(TypeIntoCell(&grid, 0, 2, "1g2a"));  // g dropped, a upper-cased
  EXPECT_EQ(grid.text(0, 2), "12A");
  ASSERT_TRUE(PickInCell(&grid, 0, 3, "Two"));
  EXPECT_EQ(grid.text(0, 3), "Two");
}

TEST_F(GridTest, EndOfEditCheckAcceptsCorrectsOrRefuses) {
  std::vector<std::tuple<int, int, QString>> asked;
  grid.setEditCheck([&](int row, int col, const QString& text) -> std::optional<QString> {
    asked.emplace_back(row, col, text);
    if (text == "no") return std::nullopt;
    return text + "!";
  });
  int edited = 0;
  QObject::connect(&grid, &EditableGrid::cellEdited, [&](int, int, const QString&) { ++edited; });
  ASSERT_TRUE(TypeIntoCell(&grid, 1, 1, "no"));
  EXPECT_EQ(grid.text(1, 1), "b");
  ASSERT_TRUE(TypeIntoCell(&grid, 1, 1, "ok"));
  EXPECT_EQ(grid.text(1, 1), "ok!");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0], std::make_tuple(1, 1, QString("no")));
  EXPECT_EQ(edited, 1);
}

TEST_F(GridTest, EditingSwitchAndFocusedRow) {
  grid.setFocusedRow(2);
  EXPECT_EQ(grid.focusedRow(), 2);
  grid.setEditingEnabled(false);
  EXPECT_EQ(grid.focusedRow(), 2);
  EXPECT_EQ(OpenEditor(&grid, 1, 1), nullptr);
  grid.setEditingEnabled(true);
  EXPECT_NE(OpenEditor(&grid, 1, 1), nullptr);
  grid.commitEdit();
  grid.setFocusedRow(-1);
  EXPECT_EQ(grid.focusedRow(), -1);
  // A row appended below the visible ones comes fully into view.
  for (int i = 0; i < 30; ++i) grid.appendRow({"n"});
  grid.setFocusedRow(grid.rowCount() - 1);
  const QRect cell = grid.visualRect(grid.model()->index(grid.rowCount() - 1, 1));
  EXPECT_TRUE(grid.viewport()->rect().contains(cell)) << cell.y() << " " << grid.viewport()->height();
}

TEST_F(GridTest, CommitEditTakesTheOpenEditorsText) {
  auto* edit = qobject_cast<QLineEdit*>(OpenEditor(&grid, 2, 1));
  ASSERT_NE(edit, nullptr);
  edit->setText("new");
  grid.commitEdit();
  EXPECT_EQ(grid.text(2, 1), "new");
  EXPECT_FALSE(grid.isEditing());
}

}  // namespace
}  // namespace cps
