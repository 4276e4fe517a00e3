// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An editable grid for list pages (contacts, keys, messages): one fixed
// header row with the column titles and one fixed number column that shows
// 1, 2, 3 ... and is renumbered after every change. Each data column limits
// what can be typed (length, allowed characters) or offers a drop-down of
// fixed items. Every row carries a 32-bit data value. When a cell edit ends
// the page's check decides: it accepts the text (possibly corrected, e.g.
// padded) or refuses it, and a refused edit keeps the old text.
//
//   grid->setColumns("No.", 50, {GridColumn::Text("Name", 80, 8), GridColumn::DropDown("Type", 80, {"A", "B"})});
//   grid->setEditCheck([](int row, int col, const QString& t) -> std::optional<QString> {...});
//   int row = grid->insertRow(grid->focusedRow(), {"Name 1", "A"}, 0x0540);
//
// Data columns are numbered from 1, as the view shows them (column 0 is the
// number column).
//
// Keys and mouse are those of an ordinary table view unless a page asks for
// more: setEnterMovesDown (Enter opens the editor, Enter in the editor
// commits and moves one row down), setEscapeKeepsText (Escape commits
// instead of dropping the edit) and setEditOnPress (a left press on an
// editable cell opens its editor at once).
#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

class QMenu;
#include <optional>
#include <vector>

namespace cps {

struct GridColumn {
  QString title;
  int width = 80;
  int maxLength = 0;          // 0 = no limit
  QString allowedChars;       // characters that can be typed; empty = any
  bool upperCase = false;     // typed letters are upper-cased first
  QStringList items;          // not empty: a drop-down with these items
  bool editable = true;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;  // of the cells and their editor

  // A text column: at most `maxLength` characters (0 = any number) from
  // `allowed` (empty = any).
  static GridColumn Text(QString title, int width, int maxLength = 0, QString allowed = {}, bool upperCase = false) {
    GridColumn c;
    c.title = std::move(title);
    c.width = width;
    c.maxLength = maxLength;
    c.allowedChars = std::move(allowed);
    c.upperCase = upperCase;
    return c;
  }
  // A column of drop-down cells with fixed items.
  static GridColumn DropDown(QString title, int width, QStringList items) {
    GridColumn c;
    c.title = std::move(title);
    c.width = width;
    c.items = std::move(items);
    return c;
  }
};

class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using EditCheck = std::function<std::optional<QString>(int row, int column, const QString& text)>;

  explicit GridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void setColumns(const QString& numberTitle, std::vector<GridColumn> columns);
  const GridColumn& column(int column) const { return columns_.at(static_cast<std::size_t>(column - 1)); }
  int dataColumnCount() const { return static_cast<int>(columns_.size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  void clearRows();
  int insertGridRow(int before, const QStringList& texts, quint32 data);
  bool removeGridRow(int row);
  QString text(int row, int column) const;
  void setText(int row, int column, const QString& text);
  quint32 rowData(int row) const;
  void setRowData(int row, quint32 data);

  void setEditingEnabled(bool on);
  bool editingEnabled() const { return editing_; }
  void setEditCheck(EditCheck check) { check_ = std::move(check); }

 signals:
  // A cell edit was accepted; `text` is what the cell shows now.
  void cellEdited(int row, int column, const QString& text);

 private:
  struct Row {
    QStringList texts;
    quint32 data = 0;
  };
  bool ValidCell(int row, int column) const;

  QString numberTitle_;
  std::vector<GridColumn> columns_;
  std::vector<Row> rows_;
  bool editing_ = true;
  EditCheck check_;
};

// The in-place editors: a line edit with the column's limits, or a combo
// box with its items that commits as soon as an item is picked.
class GridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  // The editor open now, if any.
  QWidget* openEditor() const { return editor_; }

  bool enterMovesDown = false;
  bool escapeKeepsText = false;

 signals:
  // Enter committed and closed an editor (only with enterMovesDown).
  void enterCommitted();

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override;

 private:
  mutable QPointer<QWidget> editor_;
};

class EditableGrid : public QTableView {
  Q_OBJECT
 public:
  using EditCheck = GridModel::EditCheck;

  explicit EditableGrid(QWidget* parent = nullptr);

  void setColumns(const QString& numberTitle, int numberWidth, std::vector<GridColumn> columns);

  int rowCount() const { return model_->rowCount(); }
  void clearRows() { model_->clearRows(); }
  // Inserts before `before` (at the end when it is not a row); returns the
  // new row.
  int insertRow(int before, const QStringList& texts, quint32 data = 0);
  int appendRow(const QStringList& texts, quint32 data = 0) { return insertRow(-1, texts, data); }
  bool removeRow(int row) { return model_->removeGridRow(row); }

  QString text(int row, int column) const { return model_->text(row, column); }
  void setText(int row, int column, const QString& text) { model_->setText(row, column, text); }
  quint32 rowData(int row) const { return model_->rowData(row); }
  void setRowData(int row, quint32 data) { model_->setRowData(row, data); }

  // The row of the focused cell, -1 when no data row has the focus.
  int focusedRow() const;
  void setFocusedRow(int row, int column = 1);

  // Switches in-place editing on or off (an open editor is committed).
  void setEditingEnabled(bool on);
  bool editingEnabled() const { return model_->editingEnabled(); }
  void setEditCheck(EditCheck check) { model_->setEditCheck(std::move(check)); }

  void setEnterMovesDown(bool on) { delegate_->enterMovesDown = on; }
  void setEscapeKeepsText(bool on) { delegate_->escapeKeepsText = on; }
  void setEditOnPress(bool on) { editOnPress_ = on; }

  // Ends an open cell editor as if the user left it.
  void commitEdit();
  // A cell editor is open.
  bool isEditing() const { return state() == QAbstractItemView::EditingState; }

  GridModel* gridModel() const { return model_; }

  // Copy and Paste of the current cell, its context menu with both and
  // "Edit": a pasted text goes through the page's check as typed text does.
  void CopyCell();
  bool PasteCell();
  QMenu* ContextMenu(QWidget* parent);

 signals:
  void cellEdited(int row, int column, const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  GridModel* model_;
  GridDelegate* delegate_;
  bool editOnPress_ = false;
};

}  // namespace cps
