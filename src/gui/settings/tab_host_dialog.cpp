// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/tab_host_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace cps {

void LeaveFocusedField(QWidget* dialog) {
  if (QWidget* focused = QApplication::focusWidget(); focused && dialog->isAncestorOf(focused)) focused->clearFocus();
}

TabHostDialog::TabHostDialog(const QString& caption, QWidget* parent, bool swallowEnterEscape)
    : QDialog(parent), swallow_(swallowEnterEscape) {
  setWindowTitle(caption);
  tabs_ = new QTabWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, &TabHostDialog::OnCurrentChanged);
}

TabHostDialog::~TabHostDialog() {
  // A dialog destroyed without closing still keeps its edits.
  if (!saved_) SaveAllPages();
}

void TabHostDialog::AddPage(const QString& title, TabPage* page) {
  pages_.push_back(page);
  tabs_->addTab(page, title);
  if (current_ < 0) current_ = tabs_->currentIndex();
}

void TabHostDialog::OnCurrentChanged(int index) {
  // The page left writes its controls into the image; the page entered
  // shows the image again.
  if (current_ >= 0 && current_ < pageCount() && current_ != index) pages_[static_cast<std::size_t>(current_)]->SaveToImage();
  current_ = index;
  if (index >= 0 && index < pageCount()) pages_[static_cast<std::size_t>(index)]->LoadFromImage();
}

void TabHostDialog::SaveAllPages() {
  StorePages();
  saved_ = true;
}

void TabHostDialog::StorePages() {
  for (TabPage* p : pages_) p->SaveToImage();
}

void TabHostDialog::done(int result) {
  LeaveFocusedField(this);
  if (!saved_) SaveAllPages();
  QDialog::done(result);
}

void TabHostDialog::keyPressEvent(QKeyEvent* event) {
  if (swallow_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

PageDialog::PageDialog(const QString& caption, TabPage* page, QWidget* parent) : QDialog(parent), page_(page) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  page_->setParent(this);
  layout->addWidget(page_);
}

PageDialog::~PageDialog() {
  if (!saved_) page_->SaveToImage();
}

void PageDialog::done(int result) {
  LeaveFocusedField(this);
  if (!saved_) {
    page_->SaveToImage();
    saved_ = true;
  }
  QDialog::done(result);
}

void PageDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();  // no default button: Enter ends the dialog as OK would
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace cps
