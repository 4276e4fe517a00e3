// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours that follow the desktop's palette, light or dark.
#include <QColor>
#include <QPalette>
#include <QPixmap>

namespace cps {

// Text that reports a failure: a red that reads on the palette's base
// colour (dark red on a light base, light red on a dark one).
QColor FailureTextColor(const QPalette& palette);

// A picture drawn on white (the side keys): white made transparent, and
// for a high-density screen (`ratio` 2, 3, ...) enlarged by whole pixels so
// that its edges stay sharp.
QPixmap PictureOnAnyBackground(const QPixmap& picture, qreal ratio);

}  // namespace cps
