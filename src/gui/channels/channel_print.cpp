// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/channel_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <numeric>

namespace cps {

namespace {

struct Fonts {
  QFont model, heading, title, head, text;
};

Fonts SheetFonts() {
  Fonts f;
  QFont base;
  base.setPointSizeF(9);
  f.text = base;
  f.heading = base;
  f.head = base;
  f.head.setBold(true);
  f.title = base;
  f.title.setPointSizeF(11);
  f.title.setBold(true);
  f.model = base;
  f.model.setPointSizeF(16);
  f.model.setBold(true);
  return f;
}

constexpr int kCellFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString HeadingLine(const PrintSheet& sheet) {
  QStringList parts;
  for (std::size_t i = 1; i < sheet.heading.size(); ++i)
    parts << Q(sheet.heading[i].first) + ": " + Q(sheet.heading[i].second);
  return parts.join("      ");
}

double Padding(const QFontMetricsF& fm) { return fm.height() * 0.25; }

// The height a row of cells needs: its tallest wrapped cell, at least one
// and a half lines.
double RowHeight(const std::vector<std::string>& cells, const std::vector<double>& x, const QFont& font,
                 const QPaintDevice& device) {
  const QFontMetricsF fm(font, &device);
  const double pad = Padding(fm);
  double h = fm.height() * 1.5;
  for (std::size_t c = 0; c < cells.size() && c + 1 < x.size(); ++c) {
    const QRectF box(0, 0, std::max(1.0, x[c + 1] - x[c] - 2 * pad), 1e6);
    h = std::max(h, fm.boundingRect(box, kCellFlags, Q(cells[c])).height() + 2 * pad);
  }
  return h;
}

// Column widths: the table's shares of `width`, but never narrower than
// the longest word of the column (a number is never cut); when that makes
// the table too wide, all columns shrink in proportion.
std::vector<double> ColumnWidths(const SheetTable& t, const Fonts& fonts, const QPaintDevice& device, double width) {
  const QFontMetricsF text(fonts.text, &device), head(fonts.head, &device);
  const double pad = 2 * Padding(text) + 1;
  const std::size_t n = t.widths.size();
  std::vector<double> least(n, 0);
  auto widen = [&](std::size_t c, const std::string& cell, const QFontMetricsF& fm) {
    for (const QString& word : Q(cell).split(' ', Qt::SkipEmptyParts))
      least[c] = std::max(least[c], fm.horizontalAdvance(word) + pad);
  };
  for (std::size_t c = 0; c < n; ++c) {
    if (c < t.columns.size()) widen(c, t.columns[c], head);
    for (const auto& row : t.rows)
      if (c < row.size()) widen(c, row[c], text);
  }
  std::vector<double> out(n);
  // Columns held at their least width take that; the rest share what is left.
  std::vector<bool> held(n, false);
  for (bool changed = true; changed;) {
    changed = false;
    double freeWidth = width, freeShare = 0;
    for (std::size_t c = 0; c < n; ++c) {
      if (held[c]) freeWidth -= least[c];
      else freeShare += t.widths[c];
    }
    for (std::size_t c = 0; c < n; ++c) {
      out[c] = held[c] ? least[c] : (freeShare > 0 ? std::max(0.0, freeWidth) * t.widths[c] / freeShare : 0);
      if (!held[c] && out[c] < least[c]) {
        held[c] = true;
        changed = true;
      }
    }
  }
  const double sum = std::accumulate(out.begin(), out.end(), 0.0);
  if (sum > width)
    for (double& w : out) w *= width / sum;
  return out;
}

void DrawCells(QPainter& p, const std::vector<std::string>& cells, const std::vector<double>& x, double top,
               double height, bool header) {
  const double pad = Padding(QFontMetricsF(p.font(), p.device()));
  for (std::size_t c = 0; c < cells.size() && c + 1 < x.size(); ++c) {
    const QRectF cell(x[c], top, x[c + 1] - x[c], height);
    if (header) p.fillRect(cell, QColor(225, 225, 225));
    p.drawRect(cell);
    p.drawText(cell.adjusted(pad, pad, -pad, -pad), kCellFlags, Q(cells[c]));
  }
}

void PaintPage(QPainter& p, const PrintSheet& sheet, const SheetLayout& layout, int page) {
  const Fonts fonts = SheetFonts();
  p.setPen(QPen(Qt::black, 0));
  if (page == 0) {
    p.setFont(fonts.model);
    const double modelHeight = QFontMetricsF(fonts.model, p.device()).height();
    p.drawText(QRectF(0, 0, layout.width, modelHeight), Qt::AlignLeft | Qt::AlignVCenter,
               sheet.heading.empty() ? QString() : Q(sheet.heading[0].second));
    p.setFont(fonts.heading);
    p.drawText(QRectF(0, modelHeight, layout.width, layout.headingHeight - modelHeight),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, HeadingLine(sheet));
  }
  for (const PlacedPart& part : layout.pages[static_cast<std::size_t>(page)]) {
    const SheetTable& t = sheet.tables[static_cast<std::size_t>(part.table)];
    const SheetLayout::Table& g = layout.tables[static_cast<std::size_t>(part.table)];
    switch (part.part) {
      case SheetPart::kTitle:
        p.setFont(fonts.title);
        p.drawText(QRectF(0, part.top, layout.width, g.titleHeight), Qt::AlignLeft | Qt::AlignVCenter, Q(t.title));
        break;
      case SheetPart::kHeader:
        if (g.headerHeight <= 0) break;
        p.setFont(fonts.head);
        DrawCells(p, t.columns, g.columnX, part.top, g.headerHeight, true);
        break;
      case SheetPart::kRow:
        p.setFont(fonts.text);
        DrawCells(p, t.rows[static_cast<std::size_t>(part.row)], g.columnX, part.top,
                  g.rowHeights[static_cast<std::size_t>(part.row)], false);
        break;
    }
  }
  p.setFont(fonts.text);
  p.drawText(QRectF(0, layout.bodyHeight, layout.width, layout.footerHeight), Qt::AlignCenter,
             layout.footers[static_cast<std::size_t>(page)]);
}

}  // namespace

SheetLayout LayOutSheet(const PrintSheet& sheet, const QPaintDevice& device, double width, double height) {
  const Fonts fonts = SheetFonts();
  const QFontMetricsF text(fonts.text, &device), title(fonts.title, &device), model(fonts.model, &device);
  SheetLayout layout;
  layout.width = width;
  layout.footerHeight = text.height() * 2;
  layout.bodyHeight = std::max(1.0, height - layout.footerHeight);
  const QRectF headingBox = QFontMetricsF(fonts.heading, &device)
                                .boundingRect(QRectF(0, 0, width, 1e6), Qt::AlignLeft | Qt::TextWordWrap,
                                              HeadingLine(sheet));
  layout.headingHeight = model.height() + headingBox.height() + text.height();

  std::vector<TableHeights> heights;
  for (const SheetTable& t : sheet.tables) {
    SheetLayout::Table g;
    const std::vector<double> widths = ColumnWidths(t, fonts, device, width);
    g.columnX.push_back(0);
    for (double w : widths) g.columnX.push_back(g.columnX.back() + w);
    g.titleHeight = title.height() * 1.6;
    const bool titled = std::any_of(t.columns.begin(), t.columns.end(), [](const auto& c) { return !c.empty(); });
    g.headerHeight = titled ? RowHeight(t.columns, g.columnX, fonts.head, device) : 0;
    for (const auto& row : t.rows) g.rowHeights.push_back(RowHeight(row, g.columnX, fonts.text, device));
    heights.push_back({g.titleHeight, g.headerHeight, g.rowHeights});
    layout.tables.push_back(std::move(g));
  }
  layout.pages = PaginateTables(heights, layout.bodyHeight, layout.headingHeight, text.height());
  const int count = static_cast<int>(layout.pages.size());
  for (int p = 1; p <= count; ++p) layout.footers.push_back(Q(PageNumberText(p, count)));
  return layout;
}

void PrintRadioSheet(QPagedPaintDevice& device, const PrintSheet& sheet) {
  QPainter painter(&device);
  if (!painter.isActive()) return;
  const SheetLayout layout = LayOutSheet(sheet, device, device.width(), device.height());
  for (int page = 0; page < static_cast<int>(layout.pages.size()); ++page) {
    if (page > 0) device.newPage();
    PaintPage(painter, sheet, layout, page);
  }
}

}  // namespace cps
