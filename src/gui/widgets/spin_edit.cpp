// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/spin_edit.h"

#include <QAbstractSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace cps {

SpinEdit::SpinEdit(QWidget* parent) : QWidget(parent) {
  edit_ = new QLineEdit(this);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);  // the edit keeps the focus, as with an up-down control
    b->setAutoRepeat(true);
  }
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_, 1);
  row->addLayout(arrows);
  setFocusProxy(edit_);
  FitArrows();
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
  edit_->installEventFilter(this);
}

void SpinEdit::FitArrows() {
  // The buttons of a spin box as tall as the edit, as this style draws them.
  const int height = edit_->sizeHint().height();
  QStyleOptionSpinBox option;
  option.initFrom(this);
  option.rect = QRect(0, 0, 10 * height, height);
  option.frame = true;
  option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
  const QRect button = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, nullptr);
  const int width = std::max(button.width(), height * 2 / 3);
  up_->setFixedSize(width, height / 2);
  down_->setFixedSize(width, height - height / 2);
}

void SpinEdit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) FitArrows();
  QWidget::changeEvent(event);
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      emit stepped(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace cps
