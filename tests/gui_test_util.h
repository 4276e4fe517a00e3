// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the GUI tests: act on the modal dialog or message box that the
// code under test is about to open.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace cps::testing {

// Calls `act` with the next modal widget as soon as it shows (polling the
// event loop), e.g. to press a button of a message box.
inline void OnNextModal(std::function<void(QWidget*)> act, int attempts = 200) {
  QTimer::singleShot(10, [act, attempts]() {
    QWidget* w = QApplication::activeModalWidget();
    if (w) {
      act(w);
    } else if (attempts > 0) {
      OnNextModal(act, attempts - 1);
    }
  });
}

// Presses the button with `role` of the next message box and remembers its text.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
  OnNextModal([button, text](QWidget* w) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
      if (text) *text = box->text();
      if (auto* b = box->button(button)) b->click(); else box->reject();
    } else if (auto* d = qobject_cast<QDialog*>(w)) {
      d->reject();
    }
  });
}

// Runs `act` once the active modal widget is a T (polled, no nested loop).
template <typename T>
void WhenModal(std::function<void(T*)> act, int attempts = 1000) {
  QTimer::singleShot(10, [act, attempts] {
    if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) act(w);
    else if (attempts > 0) WhenModal<T>(act, attempts - 1);
  });
}

// Runs the event loop until `done` holds or the time is up; returns `done()`.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
  for (int waited = 0; waited < timeoutMs; waited += 5) {
    if (done()) return true;
    QTest::qWait(5);
  }
  return done();
}

}  // namespace cps::testing
