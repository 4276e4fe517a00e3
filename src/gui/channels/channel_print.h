// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painting of the printed sheet (core/print/print_sheet.h): its heading on
// the first page, its tables cut into pages by PaginateTables, and "n / m"
// at the foot of every page.
#include <QString>
#include <vector>

#include "core/print/print_sheet.h"

class QPaintDevice;
class QPagedPaintDevice;

namespace cps {

// Where everything goes, in device coordinates of the device laid out for.
struct SheetLayout {
  struct Table {
    double titleHeight = 0, headerHeight = 0;
    std::vector<double> rowHeights;
    std::vector<double> columnX;  // left edge of each column, then the right edge of the last
  };
  double width = 0, bodyHeight = 0;  // the area the tables go into on each page
  double headingHeight = 0;          // the first page's heading
  double footerHeight = 0;
  std::vector<Table> tables;
  std::vector<std::vector<PlacedPart>> pages;
  std::vector<QString> footers;  // "n / m" of each page
};

// Measures the sheet with the fonts it is printed in and cuts it into pages
// of `width` x `height` device pixels.
SheetLayout LayOutSheet(const PrintSheet& sheet, const QPaintDevice& device, double width, double height);

// Prints every page on `device` (a printer, the preview's printer, a PDF).
void PrintRadioSheet(QPagedPaintDevice& device, const PrintSheet& sheet);

}  // namespace cps
