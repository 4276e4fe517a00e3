// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What goes on the printed sheet that is handed over with a radio: a
// heading (model, file name, date, band), the channel table, every
// channel's dialog fields, the radio's name and ID, the contacts and the
// group receive lists; and how its tables are cut into pages. All texts come
// from the editors' own models; painting them is the GUI's part.
#include <string>
#include <utility>
#include <vector>

#include "core/image/radio_image.h"

namespace cps {

struct SheetTable {
  std::string title;
  std::vector<std::string> columns;  // column titles
  std::vector<int> widths;           // relative column widths
  std::vector<std::vector<std::string>> rows;
};

struct PrintSheet {
  std::vector<std::pair<std::string, std::string>> heading;  // caption, value
  std::vector<SheetTable> tables;
};

struct SheetHeading {
  std::string model;
  std::string fileName;
  std::string date;
};

// The sheet of `image` as Save would write it (the channel table written
// back first).
PrintSheet BuildPrintSheet(const RadioImage& image, const SheetHeading& heading);

// ---- pages ------------------------------------------------------------------

// The heights of one table's parts, in any unit.
struct TableHeights {
  double title = 0;
  double header = 0;  // the column titles row, repeated on every page the table continues on
  std::vector<double> rows;
};

enum class SheetPart { kTitle, kHeader, kRow };

struct PlacedPart {
  int table = 0;
  SheetPart part = SheetPart::kTitle;
  int row = -1;  // kRow: the row's index
  double top = 0;
};

// Places the tables one after the other on pages of height `pageHeight`
// (below the first page's heading of height `headingHeight`), with `gap`
// between tables. A row is never split: a row that does not fit goes to the
// next page, under a repeated column titles row. A table's title, column
// titles and first row stay together. A row taller than a page gets a page
// of its own.
std::vector<std::vector<PlacedPart>> PaginateTables(const std::vector<TableHeights>& tables, double pageHeight,
                                                    double headingHeight, double gap);

// "n / m"
std::string PageNumberText(int page, int pages);

}  // namespace cps
