// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the program's icon (any picture Qt reads, SVG where
// Qt's SVG plug-in is installed) as a square PNG of the given size.
//   render_icon IN SIZE OUT
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon IN SIZE OUT\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int size = std::atoi(argv[2]);
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  const QSize natural = reader.size();
  if (size <= 0 || !natural.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s or bad size %s\n", argv[1], argv[2]);
    return 1;
  }
  const QSize fitted = natural.scaled(size, size, Qt::KeepAspectRatio);
  // Vector pictures render straight at the size; pixel pictures scale smoothly.
  reader.setScaledSize(fitted);
  reader.setQuality(100);
  QImage picture = reader.read();
  if (picture.isNull()) {
    std::fprintf(stderr, "render_icon: %s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  QImage out(size, size, QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  QPainter painter(&out);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage((size - picture.width()) / 2, (size - picture.height()) / 2, picture);
  painter.end();
  if (!out.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
