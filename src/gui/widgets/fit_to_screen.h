// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps windows on the screen at any scale. A dialog whose content needs
// more room than the screen has gets that content in a scroll area (its
// button row stays below it, always in view), and opens no larger than the
// screen's free area, title bar included.
//
//   FitToScreen(&dialog);                    // the screen the dialog is on
//   InstallDialogFitter(qApp);               // every dialog, when it opens
#include <QRect>

class QObject;
class QWidget;

namespace cps {

// The room a window has on the screen of `w` (the primary screen when it
// has none yet): the available geometry less the window frame.
QRect FitArea(const QWidget* w);

// Makes `w` fit `area`: when its minimum or preferred size exceeds it, its
// layout moves into a scroll area, and its size is cut to the area. A
// window that fits is left as it is. Calling it again is harmless.
void FitToScreen(QWidget* w, const QRect& area);
void FitToScreen(QWidget* w);

// Fits every dialog to its screen as it is first shown.
void InstallDialogFitter(QObject* application);

}  // namespace cps
