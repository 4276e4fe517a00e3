// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_table_view.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include "core/base/share_sizes.h"
#include "core/codec/tone.h"
#include "gui/widgets/core_text.h"

namespace cps {

namespace {

constexpr int kFrequencyMaxLength = 10;

QStringList ToQStrings(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) out << QString::fromStdString(s);
  return out;
}

bool IsFrequencyColumn(int c) { return c == kColRxFreq || c == kColTxFreq; }
bool IsToneColumn(int c) { return c == kColRxTone || c == kColTxTone; }
bool IsChoiceColumn(int c) { return c >= kColPower && c <= kColType; }

}  // namespace

// ---- model ----------------------------------------------------------------

ChannelTableItemModel::ChannelTableItemModel(RadioImage& image, ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), image_(image), table_(table) {}

int ChannelTableItemModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kChannelCount; }
int ChannelTableItemModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kChannelColumns;
}

QVariant ChannelTableItemModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(table_.Cell(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      // The channel numbers look like a header column.
      if (index.column() == kColNumber) return QGuiApplication::palette().brush(QPalette::Button);
      return {};
    case Qt::ForegroundRole:
      if (index.column() == kColNumber) return QGuiApplication::palette().brush(QPalette::ButtonText);
      return {};
    default:
      return {};
  }
}

QVariant ChannelTableItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kChannelColumns)
    return CoreText(ChannelColumnInfos()[static_cast<std::size_t>(section)].title);
  if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
  return {};
}

Qt::ItemFlags ChannelTableItemModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() >= kColRxFreq && index.column() <= kColType) f |= Qt::ItemIsEditable;
  return f;
}

bool ChannelTableItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const int row = index.row() + 1, col = index.column();
  const std::string text = value.toString().toStdString();
  if (!IsFrequencyColumn(col) && !IsToneColumn(col) && !IsChoiceColumn(col)) return false;
  //: The step of a cell: row name ("Channel"), channel number, column title.
  const QString name = tr("%1 %2 %3").arg(rowName_, QString::number(row),
                                          headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
  const bool wasInUse = !table_.RowEmpty(row);
  const std::string shownBefore = table_.Cell(row, col);
  ChangeAsStep(name, [&] {
    if (IsFrequencyColumn(col))
      table_.CommitFrequency(image_, row, col, text);
    else if (IsToneColumn(col))
      table_.CommitTone(row, col, text);
    else
      table_.CommitChoice(row, col, text);
  });
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kChannelColumns - 1));
  //: A row of the table: row name ("Channel"), channel number.
  const QString channel = tr("%1 %2").arg(rowName_, QString::number(row));
  //: %1 is a row of the table ("Channel 3").
  if (col == kColRxFreq && wasInUse && table_.RowEmpty(row))
    emit notice(tr("%1 cleared; Undo (Ctrl+Z) brings it back").arg(channel));
  else if (IsToneColumn(col) && table_.Cell(row, kColType) == "Digit" && table_.Cell(row, col) != "None" &&
           shownBefore != table_.Cell(row, col))
    //: %1 is a row of the table ("Channel 3"), %2 a column title ("Rx Tone").
    emit notice(tr("%1 is a Digit channel: digital channels do not use the %2")
                    .arg(channel, headerData(col, Qt::Horizontal, Qt::DisplayRole).toString()));
  return true;
}

void ChannelTableItemModel::ChangeAsStep(const QString& name, const std::function<void()>& change) {
  RunStep(runStep_, name, [&] {
    const ChannelTable shown = table_;
    change();
    // As a step, changed rows go into the image at once: they are what the
    // step records and what Undo takes back.
    bool changed = false;
    for (int r = 1; r <= kChannelCount && !changed; ++r)
      for (int c = 0; c < kChannelColumns; ++c) changed |= shown.Cell(r, c) != table_.Cell(r, c);
    if (runStep_ && changed) table_.WriteBack(image_);
  });
}

void ChannelTableItemModel::Refresh() {
  beginResetModel();
  endResetModel();
}

void ChannelTableItemModel::CellsChanged() {
  emit dataChanged(index(0, 0), index(kChannelCount - 1, kChannelColumns - 1));
}

// ---- delegate -------------------------------------------------------------

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
  const int col = index.column();
  QWidget* editor = nullptr;
  if (IsFrequencyColumn(col)) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(kFrequencyMaxLength);
    edit->setAlignment(Qt::AlignCenter);
    editor = edit;
  } else if (IsToneColumn(col)) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed "23" is the DCS code D023N, not the first
    // list entry that begins with it (233.6).
    box->setCompleter(nullptr);
    box->addItems(ToQStrings(ToneList()));
    editor = box;
  } else if (IsChoiceColumn(col)) {
    auto* box = new QComboBox(parent);
    box->addItems(ToQStrings(ChannelChoiceItems(col)));
    editor = box;
  }
  if (editor) editor->setObjectName(QString("cellEditor%1").arg(col));
  openEditor_ = editor;
  return editor;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data(Qt::EditRole).toString();
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(text);
    edit->selectAll();
  } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
    int found = -1;
    for (int i = 0; i < box->count() && !text.isEmpty(); ++i)
      if (box->itemText(i).startsWith(text)) {
        found = i;
        break;
      }
    if (found >= 0)
      box->setCurrentIndex(found);
    else if (box->isEditable())
      box->setEditText(text);
    // What the box shows before the user touches it, and the cell behind it.
    box->setProperty("shownText", box->currentText());
    box->setProperty("cellText", text);
  }
}

void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* edit = qobject_cast<QLineEdit*>(editor))
    model->setData(index, edit->text(), Qt::EditRole);
  else if (auto* box = qobject_cast<QComboBox*>(editor)) {
    // A box left as it opened commits the cell's own text: nothing changes
    // (an odd stored tone that no list entry shows keeps its bytes).
    const QVariant shown = box->property("shownText");
    const bool untouched = shown.isValid() && box->currentText() == shown.toString();
    model->setData(index, untouched ? box->property("cellText").toString() : box->currentText(), Qt::EditRole);
  }
}

void ChannelCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (openEditor_ == editor) openEditor_ = nullptr;
  QStyledItemDelegate::destroyEditor(editor, index);
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
  // In a row taller than the editor the editor keeps its own height, centred.
  QRect rect = option.rect;
  const int height = editor->sizeHint().height();
  if (rect.height() > height) rect = QRect(rect.left(), rect.center().y() - height / 2, rect.width(), height);
  editor->setGeometry(rect);
}

// ---- view -----------------------------------------------------------------

ChannelTableView::ChannelTableView(RadioImage& image, std::size_t base, bool withBand, QWidget* parent)
    : QTableView(parent),
      image_(image),
      owned_(std::make_unique<ChannelTable>(base, withBand)),
      table_(*owned_) {
  Build();
}

ChannelTableView::ChannelTableView(RadioImage& image, ChannelTable& table, QWidget* parent)
    : QTableView(parent), image_(image), table_(table) {
  Build();
}

void ChannelTableView::Build() {
  model_ = new ChannelTableItemModel(image_, table_, this);
  delegate_ = new ChannelCellDelegate(this);
  setModel(model_);
  setItemDelegate(delegate_);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  firstColumnWidths_ = FirstColumnWidths();
  firstRowHeight_ = verticalHeader()->defaultSectionSize();
  horizontalHeader()->setMinimumSectionSize(1);
  FitSections();
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // A reload keeps the current cell, so that the keyboard goes on where it was.
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    const QModelIndex cur = currentIndex();
    keptCell_ = cur.isValid() ? QPoint(cur.column(), cur.row()) : QPoint(-1, -1);
  });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    FitSections();
    if (keptCell_.y() >= 0) setCurrentIndex(model_->index(keptCell_.y(), keptCell_.x()));
  });
  // A press opens the editor of the cell at once; a choice cell opens its
  // list with it, so one more click picks the item.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ChannelTableView::ExpandRowSelection);
  connect(this, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    // Shift and Ctrl extend the selection instead.
    if (QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
    // The channel numbers select rows; they have no editor.
    if (table_.EditorColumn(index.row() + 1, index.column()) == 0) return;
    QAbstractItemView::edit(index);
    auto* box = qobject_cast<QComboBox*>(delegate_->openEditor());
    if (box && !box->isEditable()) QTimer::singleShot(0, box, &QComboBox::showPopup);
  });
}

std::vector<int> ChannelTableView::FirstColumnWidths() const {
  // The column's own width, widened where the font needs more for the
  // header or the column's longest value (a large desktop font).
  const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  const QFontMetrics cell = fontMetrics(), header = horizontalHeader()->fontMetrics();
  const int pad = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
  std::vector<int> widths;
  for (int c = 0; c < kChannelColumns; ++c) {
    const auto& info = ChannelColumnInfos()[static_cast<std::size_t>(c)];
    int w = info.twips * dpi / 1440;
    // The header takes the view's font, which may reach it only after
    // this view hears of it.
    const QString title = CoreText(info.title);
    w = std::max(w, std::max(header.horizontalAdvance(title), cell.horizontalAdvance(title)) + pad);
    QStringList values;
    if (IsFrequencyColumn(c)) values << "888.888888";
    if (IsToneColumn(c)) values << ToQStrings(ToneList());
    if (IsChoiceColumn(c)) values << ToQStrings(ChannelChoiceItems(c));
    if (c == kColNumber) values << "88";
    for (const QString& v : values) w = std::max(w, cell.horizontalAdvance(v) + pad);
    widths.push_back(w);
  }
  return widths;
}

void ChannelTableView::CommitOpenEditor() {
  if (QWidget* editor = delegate_->openEditor()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void ChannelTableView::CancelOpenEditor() {
  if (QWidget* editor = delegate_->openEditor()) closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void ChannelTableView::Load() {
  CommitOpenEditor();
  table_.Load(image_);
  model_->Refresh();
}

void ChannelTableView::ChangeChannels(const QString& step,
                                      const std::function<void(RadioImage&, ChannelTable&)>& change) {
  CommitOpenEditor();
  model_->ChangeAsStep(step, [&] { change(image_, table_); });
  model_->CellsChanged();
  emit channelsChanged();
}

void ChannelTableView::WriteBack() {
  CommitOpenEditor();
  table_.WriteBack(image_);
}

QSize ChannelTableView::sizeHint() const {
  int width = 0;
  for (int w : firstColumnWidths_) width += w;
  const int height = horizontalHeader()->sizeHint().height() + kChannelCount * firstRowHeight_;
  return QSize(width + 2 * frameWidth(), height + 2 * frameWidth());
}

void ChannelTableView::FitSections() {
  // New sizes can show or hide a scroll bar, which resizes the viewport
  // again while the sizes are being set: then the sizes are worked out anew
  // (a few rounds at most: scroll bars only come, never go, as room shrinks).
  if (fitting_) {
    refit_ = true;
    return;
  }
  fitting_ = true;
  for (int round = 0; round < 4; ++round) {
    refit_ = false;
    const std::vector<int> widths = ShareInProportion(firstColumnWidths_, viewport()->width());
    for (int c = 0; c < kChannelColumns; ++c) setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    const std::vector<int> heights =
        ShareInProportion(std::vector<int>(kChannelCount, firstRowHeight_), viewport()->height());
    for (int r = 0; r < kChannelCount; ++r) setRowHeight(r, heights[static_cast<std::size_t>(r)]);
    if (!refit_) break;
  }
  fitting_ = false;
}

bool ChannelTableView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) FitSections();
  return QTableView::viewportEvent(event);
}

void ChannelTableView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    firstColumnWidths_ = FirstColumnWidths();
    firstRowHeight_ = verticalHeader()->defaultSectionSize();
    FitSections();
    updateGeometry();
  }
}

int ChannelTableView::CurrentChannel() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.row() + 1 : 1;
}

bool ChannelTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (!index.isValid()) return QTableView::edit(index, trigger, event);
  // Only a trigger that opens an editor moves to the receive cell; moving
  // the current cell (CurrentChanged) is no edit.
  if (trigger != AllEditTriggers && !(editTriggers() & trigger)) return QTableView::edit(index, trigger, event);
  const int col = table_.EditorColumn(index.row() + 1, index.column());
  if (col == 0) return false;
  if (col != index.column()) {
    const QModelIndex target = model_->index(index.row(), col);
    setCurrentIndex(target);
    return QTableView::edit(target, trigger, event);
  }
  return QTableView::edit(index, trigger, event);
}

}  // namespace cps
