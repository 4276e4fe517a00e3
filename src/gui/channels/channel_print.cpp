#include "gui/channels/channel_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>

#include "core/channels/channel_table.h"

namespace cps {

void PaintChannelTable(QPainter& painter, const QRectF& area, const ChannelTable& table, const QString& modelName,
                       const QString& fileName) {
  painter.save();
  QFont titleFont = painter.font();
  titleFont.setPointSizeF(14);
  titleFont.setBold(true);
  QFont textFont = painter.font();
  textFont.setPointSizeF(9);
  QFont headFont = textFont;
  headFont.setBold(true);

  double y = area.top();
  painter.setFont(titleFont);
  const double titleHeight = QFontMetricsF(titleFont, painter.device()).height();
  painter.drawText(QRectF(area.left(), y, area.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, modelName);
  y += titleHeight;
  painter.setFont(textFont);
  const double lineHeight = QFontMetricsF(textFont, painter.device()).height();
  painter.drawText(QRectF(area.left(), y, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, fileName);
  y += lineHeight * 2;

  // Columns 0..8; the spare column 9 is always empty.
  constexpr int kPrinted = kColType + 1;
  double totalTwips = 0;
  for (int c = 0; c < kPrinted; ++c) totalTwips += ChannelColumnInfos()[static_cast<std::size_t>(c)].twips;
  std::array<double, kPrinted + 1> x{};
  x[0] = area.left();
  for (int c = 0; c < kPrinted; ++c)
    x[static_cast<std::size_t>(c) + 1] =
        x[static_cast<std::size_t>(c)] + area.width() * ChannelColumnInfos()[static_cast<std::size_t>(c)].twips / totalTwips;
  const double rowHeight = lineHeight * 1.5;

  auto drawRow = [&](double top, auto textOf) {
    for (int c = 0; c < kPrinted; ++c) {
      const QRectF cell(x[static_cast<std::size_t>(c)], top, x[static_cast<std::size_t>(c) + 1] - x[static_cast<std::size_t>(c)],
                        rowHeight);
      painter.drawRect(cell);
      painter.drawText(cell, Qt::AlignCenter, textOf(c));
    }
  };
  painter.setPen(QPen(Qt::black, 0));
  painter.setFont(headFont);
  drawRow(y, [](int c) { return c == 0 ? QString("No.") : QString::fromUtf8(ChannelColumnInfos()[static_cast<std::size_t>(c)].title); });
  y += rowHeight;
  painter.setFont(textFont);
  for (int n = 1; n <= kChannelCount; ++n) {
    drawRow(y, [&](int c) { return QString::fromStdString(table.Cell(n, c)); });
    y += rowHeight;
  }
  painter.restore();
}

void PrintChannelTable(QPagedPaintDevice& device, const ChannelTable& table, const QString& modelName,
                       const QString& fileName) {
  QPainter painter(&device);
  if (!painter.isActive()) return;
  const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
  PaintChannelTable(painter, area, table, modelName, fileName);
}

}  // namespace cps
