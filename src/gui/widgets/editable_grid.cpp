// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/editable_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>
#include <algorithm>

#include "gui/widgets/core_text.h"
#include "gui/widgets/key_filter.h"

namespace cps {

// ---- model ------------------------------------------------------------------

void GridModel::setColumns(const QString& numberTitle, std::vector<GridColumn> columns) {
  beginResetModel();
  numberTitle_ = numberTitle;
  columns_ = std::move(columns);
  rows_.clear();
  endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size()) + 1;
}

bool GridModel::ValidCell(int row, int column) const {
  return row >= 0 && row < rowCount() && column >= 1 && column <= dataColumnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), col = index.column();
  if (col == 0) {
    // The number column looks like the header it continues.
    if (role == Qt::DisplayRole) return row + 1;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole) return QApplication::palette().button();
    if (role == Qt::ForegroundRole) return QApplication::palette().buttonText();
    return {};
  }
  if (role == Qt::EditRole) return text(row, col);
  // A drop-down cell holds its item as given and shows it in the window's
  // language; a text cell shows what it holds.
  if (role == Qt::DisplayRole)
    return col <= dataColumnCount() && !column(col).items.isEmpty() ? CoreText(text(row, col).toStdString())
                                                                     : text(row, col);
  if (role == Qt::TextAlignmentRole && col <= dataColumnCount()) return int(column(col).alignment);
  return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section == 0) return numberTitle_;
  if (section >= 1 && section <= dataColumnCount()) return column(section).title;
  return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() >= 1 && editing_ && column(index.column()).editable) f |= Qt::ItemIsEditable;
  return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
  const int row = index.row(), col = index.column();
  QString shown = value.toString();
  if (check_) {
    const auto accepted = check_(row, col, shown);
    if (!accepted) {
      emit dataChanged(index, index);  // the old text shows again
      return false;
    }
    shown = *accepted;
  }
  rows_[static_cast<std::size_t>(row)].texts[col - 1] = shown;
  emit dataChanged(index, index);
  emit cellEdited(row, col, shown);
  return true;
}

void GridModel::clearRows() {
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

int GridModel::insertGridRow(int before, const QStringList& texts, quint32 data) {
  if (before < 0 || before > rowCount()) before = rowCount();
  Row r{texts, data};
  while (r.texts.size() < dataColumnCount()) r.texts.append(QString());
  while (r.texts.size() > dataColumnCount()) r.texts.removeLast();
  beginInsertRows({}, before, before);
  rows_.insert(rows_.begin() + before, std::move(r));
  endInsertRows();
  // Renumber the rows below.
  if (before + 1 < rowCount()) emit dataChanged(index(before + 1, 0), index(rowCount() - 1, 0));
  return before;
}

bool GridModel::removeGridRow(int row) {
  if (row < 0 || row >= rowCount()) return false;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
  if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
  return true;
}

QString GridModel::text(int row, int column) const {
  if (!ValidCell(row, column)) return {};
  return rows_[static_cast<std::size_t>(row)].texts[column - 1];
}

void GridModel::setText(int row, int column, const QString& text) {
  if (!ValidCell(row, column)) return;
  rows_[static_cast<std::size_t>(row)].texts[column - 1] = text;
  emit dataChanged(index(row, column), index(row, column));
}

quint32 GridModel::rowData(int row) const {
  if (row < 0 || row >= rowCount()) return 0;
  return rows_[static_cast<std::size_t>(row)].data;
}

void GridModel::setRowData(int row, quint32 data) {
  if (row >= 0 && row < rowCount()) rows_[static_cast<std::size_t>(row)].data = data;
}

void GridModel::setEditingEnabled(bool on) {
  if (editing_ == on) return;
  beginResetModel();  // flags change for every cell
  editing_ = on;
  endResetModel();
}

// ---- delegate ---------------------------------------------------------------

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  const auto* model = qobject_cast<const GridModel*>(index.model());
  if (!model || index.column() < 1) return nullptr;
  const GridColumn& c = model->column(index.column());
  if (!c.items.isEmpty()) {
    auto* box = new QComboBox(parent);
    editor_ = box;
    // shown in the window's language; the cell takes the item as given
    for (const QString& item : c.items) box->addItem(CoreText(item.toStdString()), item);
    auto* self = const_cast<GridDelegate*>(this);
    connect(box, &QComboBox::activated, self, [self, box] {
      emit self->commitData(box);
      emit self->closeEditor(box);
    });
    // The list opens with the cell, so that one more click picks the item.
    QTimer::singleShot(0, box, [box] {
      if (box->isVisible()) box->showPopup();
    });
    return box;
  }
  auto* edit = new QLineEdit(parent);
  editor_ = edit;
  edit->setValidator(new KeyFilterValidator(c.allowedChars, c.upperCase, c.maxLength, edit));
  edit->setAlignment(c.alignment);
  return edit;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QLineEdit*>(object);
  if (editor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter && enterMovesDown) || (key == Qt::Key_Escape && escapeKeepsText)) {
      emit commitData(editor);
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      if (enter) emit enterCommitted();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data(Qt::EditRole).toString();
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    box->setCurrentIndex(box->findData(text));
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(text);
    edit->selectAll();
  }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    if (box->currentIndex() >= 0) model->setData(index, box->currentData().toString(), Qt::EditRole);
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    model->setData(index, edit->text(), Qt::EditRole);
  }
}

// ---- view -------------------------------------------------------------------

EditableGrid::EditableGrid(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), delegate_(new GridDelegate(this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  // The last column takes the rest of the grid's width.
  horizontalHeader()->setStretchLastSection(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  connect(model_, &GridModel::cellEdited, this, &EditableGrid::cellEdited);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    const QModelIndex at = indexAt(pos);
    if (at.isValid()) setCurrentIndex(at);
    QMenu* menu = ContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(viewport()->mapToGlobal(pos));
  });
  connect(delegate_, &GridDelegate::enterCommitted, this, [this] {
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && cur.row() + 1 < rowCount()) setCurrentIndex(model_->index(cur.row() + 1, cur.column()));
    setFocus();
  });
}

void EditableGrid::CopyCell() {
  const QModelIndex cur = currentIndex();
  // what the cell holds, so that Paste takes it back in any language
  if (cur.isValid()) QApplication::clipboard()->setText(model_->data(cur, Qt::EditRole).toString());
}

bool EditableGrid::PasteCell() {
  const QModelIndex cur = currentIndex();
  if (!cur.isValid() || !(model_->flags(cur) & Qt::ItemIsEditable)) return false;
  // One line of the clipboard, as it could have been typed.
  const QString text = QApplication::clipboard()->text().section('\n', 0, 0).remove('\r');
  return model_->setData(cur, text, Qt::EditRole);
}

QMenu* EditableGrid::ContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName("gridMenu");
  const QModelIndex cur = currentIndex();
  const bool editable = cur.isValid() && (model_->flags(cur) & Qt::ItemIsEditable);
  QAction* copy = menu->addAction(tr("&Copy"), this, &EditableGrid::CopyCell);
  copy->setEnabled(cur.isValid());
  QAction* paste = menu->addAction(tr("&Paste"), this, [this] { PasteCell(); });
  paste->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
  menu->addSeparator();
  QAction* edit = menu->addAction(tr("&Edit"), this, [this] { QTableView::edit(currentIndex()); });
  edit->setEnabled(editable);
  return menu;
}

void EditableGrid::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (delegate_->enterMovesDown && (key == Qt::Key_Return || key == Qt::Key_Enter) && !isEditing()) {
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && (model_->flags(cur) & Qt::ItemIsEditable)) edit(cur);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void EditableGrid::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (!editOnPress_ || event->button() != Qt::LeftButton) return;
  const QModelIndex at = indexAt(event->position().toPoint());
  if (at.isValid() && at == currentIndex() && !isEditing() && (model_->flags(at) & Qt::ItemIsEditable)) edit(at);
}

void EditableGrid::setColumns(const QString& numberTitle, int numberWidth, std::vector<GridColumn> columns) {
  std::vector<int> widths;
  for (const auto& c : columns) widths.push_back(c.width);
  model_->setColumns(numberTitle, std::move(columns));
  setColumnWidth(0, numberWidth);
  for (std::size_t i = 0; i < widths.size(); ++i) setColumnWidth(static_cast<int>(i) + 1, widths[i]);
}

int EditableGrid::insertRow(int before, const QStringList& texts, quint32 data) {
  return model_->insertGridRow(before, texts, data);
}

int EditableGrid::focusedRow() const {
  const QModelIndex cur = currentIndex();
  return cur.isValid() ? cur.row() : -1;
}

void EditableGrid::setFocusedRow(int row, int column) {
  if (row < 0 || row >= rowCount()) {
    setCurrentIndex({});
    return;
  }
  // Rows just inserted are not yet in the scroll range: update it first, so
  // that a new row at the end is scrolled fully into view.
  updateGeometries();
  const QModelIndex index = model_->index(row, std::clamp(column, 0, model_->dataColumnCount()));
  setCurrentIndex(index);
  scrollTo(index);
}

void EditableGrid::setEditingEnabled(bool on) {
  if (!on) commitEdit();
  const int row = focusedRow();
  const int col = currentIndex().column();
  model_->setEditingEnabled(on);
  if (row >= 0) setCurrentIndex(model_->index(row, col));
}

void EditableGrid::commitEdit() {
  QWidget* editor = delegate_->openEditor();
  if (!editor || state() != QAbstractItemView::EditingState) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

}  // namespace cps
