#pragma once
// Printing of the channel table: a heading with the model name and the
// file name, then the 16 rows as the table shows them.
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace cps {

class ChannelTable;

// Draws the table into `area` (device coordinates of `painter`).
void PaintChannelTable(QPainter& painter, const QRectF& area, const ChannelTable& table, const QString& modelName,
                       const QString& fileName);

// Draws one page on `device` (a printer or the preview's printer).
void PrintChannelTable(QPagedPaintDevice& device, const ChannelTable& table, const QString& modelName,
                       const QString& fileName);

}  // namespace cps
