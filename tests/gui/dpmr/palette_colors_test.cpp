// SPDX-License-Identifier: GPL-3.0-or-later
// Failure text readable on light and dark palettes; side-key pictures
// without their white box and sharp at scale 2.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

#include "gui/widgets/palette_colors.h"

namespace cps {
namespace {

double Luminance(const QColor& c) {
  auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(PaletteColors, FailureTextReadsOnLightAndDarkBases) {
  for (const QColor base : {QColor(Qt::white), QColor(0xF0, 0xF0, 0xF0), QColor(0x2A, 0x2A, 0x2A), QColor(Qt::black)}) {
    QPalette p;
    p.setColor(QPalette::Base, base);
    EXPECT_GE(Contrast(FailureTextColor(p), base), 4.5) << base.name().toStdString();
  }
}

TEST(PaletteColors, PictureLosesItsWhiteAndDoublesByWholePixels) {
  QImage img(3, 2, QImage::Format_RGB32);
  img.fill(Qt::white);
  img.setPixel(1, 0, qRgb(0, 0, 0));
  img.setPixel(2, 1, qRgb(200, 30, 30));
  const QPixmap one = PictureOnAnyBackground(QPixmap::fromImage(img), 1.0);
  EXPECT_EQ(one.size(), QSize(3, 2));
  const QImage o = one.toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(o.pixel(0, 0)), 0);
  EXPECT_EQ(o.pixel(1, 0), qRgba(0, 0, 0, 255));

  const QPixmap two = PictureOnAnyBackground(QPixmap::fromImage(img), 2.0);
  EXPECT_EQ(two.size(), QSize(6, 4));
  EXPECT_EQ(two.devicePixelRatio(), 2.0);
  const QImage t = two.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(t.pixel(x, y), o.pixel(x / 2, y / 2)) << x << "," << y;
}

}  // namespace
}  // namespace cps
