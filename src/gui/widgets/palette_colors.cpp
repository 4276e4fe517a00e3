// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/palette_colors.h"

#include <QBitmap>
#include <cmath>

namespace cps {

QColor FailureTextColor(const QPalette& palette) {
  const bool dark = palette.color(QPalette::Base).lightness() < 128;
  return dark ? QColor(0xFF, 0x8A, 0x80) : QColor(0xB0, 0x00, 0x20);
}

QPixmap PictureOnAnyBackground(const QPixmap& picture, qreal ratio) {
  if (picture.isNull()) return picture;
  QPixmap out = picture;
  out.setMask(out.createMaskFromColor(Qt::white, Qt::MaskInColor));
  const int whole = static_cast<int>(std::floor(ratio));
  if (whole >= 2) {
    out = out.scaled(out.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    out.setDevicePixelRatio(whole);
  }
  return out;
}

}  // namespace cps
