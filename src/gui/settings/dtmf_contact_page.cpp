#include "gui/settings/dtmf_contact_page.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/schema/rules.h"
#include "core/settings/dtmf_contact_page.h"
#include "gui/widgets/key_filter.h"

namespace cps {

QWidget* DtmfCodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* edit = new QLineEdit(parent);
  edit->setValidator(new KeyFilterValidator(QString::fromLatin1(kDtmfKeyChars.data(), kDtmfKeyChars.size()), true, 16, edit));
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

void DtmfCodeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const {
  editor->setGeometry(option.rect);
}

bool DtmfCodeDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(object);
  if (editor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
      // There is no cancel: Escape keeps the text as Enter does.
      emit commitData(editor);
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      if (key != Qt::Key_Escape) emit enterPressed();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

CDtmfContactPage::CDtmfContactPage(RadioImage& image, QWidget* parent)
    : TabPage(parent), image_(image), values_(FillPage(DtmfContactPageSchema(), image)) {
  grid_ = new QTableWidget(kDtmfContactCount, 2, this);
  grid_->setHorizontalHeaderLabels({"No.", "Code"});
  grid_->verticalHeader()->hide();
  grid_->setColumnWidth(0, 40);
  grid_->setColumnWidth(1, 170);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->setDefaultSectionSize(22);
  grid_->setMinimumSize(240, 22 * (kDtmfContactCount + 1) + 6);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* delegate = new DtmfCodeDelegate(grid_);
  grid_->setItemDelegateForColumn(1, delegate);
  for (int r = 0; r < kDtmfContactCount; ++r) {
    auto* no = new QTableWidgetItem(QString::number(r + 1));
    no->setTextAlignment(Qt::AlignCenter);
    no->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid_->setItem(r, 0, no);
    auto* code = new QTableWidgetItem;
    code->setTextAlignment(Qt::AlignCenter);
    code->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    grid_->setItem(r, 1, code);
  }
  grid_->installEventFilter(this);
  // A press in the "Code" column starts an edit; the "No." column does not.
  connect(grid_, &QTableWidget::cellPressed, this, [this](int row, int column) {
    if (column == 1) grid_->editItem(grid_->item(row, 1));
  });
  connect(delegate, &DtmfCodeDelegate::enterPressed, this, [this] {
    QTimer::singleShot(0, grid_, [g = grid_] {
      const int row = g->currentRow();
      if (row + 1 < g->rowCount()) g->setCurrentCell(row + 1, g->currentColumn());
      g->setFocus();
    });
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  grid_->setCurrentCell(0, 1);
  LoadFromImage();
}

bool CDtmfContactPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {  // the open editor gets its own keys
      if (grid_->currentColumn() == 1) grid_->editItem(grid_->currentItem());
      return true;
    }
  }
  return TabPage::eventFilter(watched, event);
}

void CDtmfContactPage::CommitOpenEditor() {
  const QModelIndex index = grid_->currentIndex();
  if (QWidget* editor = grid_->indexWidget(index)) grid_->itemDelegateForColumn(1)->setModelData(editor, grid_->model(), index);
}

void CDtmfContactPage::LoadFromImage() {
  LoadPage(image_, values_);
  for (int r = 0; r < kDtmfContactCount; ++r)
    grid_->item(r, 1)->setText(QString::fromStdString(values_.values[static_cast<std::size_t>(r)].text));
}

void CDtmfContactPage::SaveToImage() {
  CommitOpenEditor();
  for (int r = 0; r < kDtmfContactCount; ++r)
    values_.values[static_cast<std::size_t>(r)].text = grid_->item(r, 1)->text().toStdString();
  SavePage(values_, image_);
}

}  // namespace cps
