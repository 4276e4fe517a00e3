// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/fit_to_screen.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace cps {

namespace {

constexpr const char* kScrollName = "fitScrollArea";
constexpr const char* kFittedProperty = "fittedToScreen";

bool Fits(const QSize& size, const QRect& area) {
  return size.width() <= area.width() && size.height() <= area.height();
}

// The layout of `w` moves into a scroll area; a button box that ends the
// layout stays outside it, under it.
void WrapInScrollArea(QWidget* w) {
  QLayout* old = w->layout();
  if (!old || w->findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly)) return;
  QDialogButtonBox* buttons = nullptr;
  if (old->count() > 0)
    if (QLayoutItem* last = old->itemAt(old->count() - 1); last && last->widget())
      buttons = qobject_cast<QDialogButtonBox*>(last->widget());
  if (buttons) old->removeWidget(buttons);
  const QMargins margins = old->contentsMargins();

  auto* content = new QWidget;
  content->setObjectName("fitContent");
  content->setLayout(old);  // takes the layout and its widgets off `w`
  auto* scroll = new QScrollArea;
  scroll->setObjectName(kScrollName);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(content);

  auto* outer = new QVBoxLayout(w);
  outer->setContentsMargins(0, 0, 0, buttons ? margins.bottom() : 0);
  outer->addWidget(scroll, 1);
  if (buttons) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(margins.left(), 0, margins.right(), 0);
    row->addWidget(buttons);
    outer->addLayout(row);
  }
}

class DialogFitter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* dialog = qobject_cast<QDialog*>(watched);
      if (dialog && dialog->isWindow() && !dialog->property(kFittedProperty).toBool()) {
        dialog->setProperty(kFittedProperty, true);
        FitToScreen(dialog);
      }
    }
    return false;
  }
};

}  // namespace

QRect FitArea(const QWidget* w) {
  QScreen* screen = w ? w->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QStyle* style = w ? w->style() : QApplication::style();
  const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w);
  const int frame = 2 * std::max(1, style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w));
  return screen->availableGeometry().adjusted(frame, title + frame, -frame, -frame);
}

void FitToScreen(QWidget* w, const QRect& area) {
  if (!w || area.isEmpty()) return;
  if (QLayout* l = w->layout()) l->activate();
  const QSize hint = w->sizeHint();
  const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize());
  // A window resized by its code (or the user) keeps that size where it can.
  const QSize wanted = w->testAttribute(Qt::WA_Resized) ? hint.expandedTo(w->size()) : hint;
  if (Fits(minimum, area) && Fits(wanted, area)) return;
  if (!Fits(minimum, area) || !Fits(hint, area)) {
    WrapInScrollArea(w);
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (QLayout* l = w->layout()) l->activate();
  }
  // Room for a scroll bar, so that a content that just fits one way does
  // not scroll the other way too.
  const int bar = w->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
  w->resize((wanted + QSize(bar, bar)).boundedTo(area.size()));
  // Placed by its size before: moved back inside the area.
  if (w->testAttribute(Qt::WA_Moved) || w->isVisible() || w->pos() != QPoint(0, 0)) {
    QRect g = w->geometry();
    g.moveLeft(std::clamp(g.left(), area.left(), std::max(area.left(), area.right() - g.width() + 1)));
    g.moveTop(std::clamp(g.top(), area.top(), std::max(area.top(), area.bottom() - g.height() + 1)));
    w->move(g.topLeft());
  }
}

void FitToScreen(QWidget* w) { FitToScreen(w, FitArea(w)); }

void InstallDialogFitter(QObject* application) {
  constexpr const char* kFitterName = "dialogFitter";
  if (!application || application->findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly)) return;
  auto* fitter = new DialogFitter(application);
  fitter->setObjectName(kFitterName);
  application->installEventFilter(fitter);
}

}  // namespace cps
