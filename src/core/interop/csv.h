// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma-separated text as spreadsheets and other radio programs write it:
// quoted fields (with commas, line breaks and doubled quotes inside), CRLF,
// LF or CR line ends, a UTF-8 byte order mark, blank lines. Columns are
// found by their header name, so files with more, fewer or reordered
// columns read alike.
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"

namespace cps {

// One record with the line it starts on (1 = the first line of the text).
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};

// Splits the text into records. Blank lines, and records whose fields are
// all empty, are left out. Text with NUL bytes (a binary file) and a quoted
// field that never closes are errors.
Result<std::vector<CsvRecord>> ParseCsvRecords(std::string_view text, char delimiter = ',');

// A header record and the records below it.
struct CsvTable {
  CsvRecord header;
  std::vector<CsvRecord> rows;

  // Index of the column named `name` (ignoring letter case and surrounding
  // blanks), or -1.
  int Column(std::string_view name) const;
  // The field of `row` in column `column`, trimmed; empty when the column
  // is -1 or the row is shorter.
  std::string Field(const CsvRecord& row, int column) const;
  std::string Field(const CsvRecord& row, std::string_view name) const { return Field(row, Column(name)); }
};

// The first record is the header. An empty text is an error.
Result<CsvTable> ParseCsvTable(std::string_view text, char delimiter = ',');

// One field as written: quoted when it holds the delimiter, a quote or a
// line break (quotes doubled), else as it is.
std::string CsvQuote(std::string_view field, char delimiter = ',');
// The fields of one record followed by `lineEnd`.
std::string CsvLine(const std::vector<std::string>& fields, char delimiter = ',', std::string_view lineEnd = "\r\n");

// The text as UTF-8: valid UTF-8 as it is, else each byte as a Latin-1
// character (what older spreadsheets save: "Gr\xF6\xDFe" is "Größe").
std::string TextAsUtf8(std::string_view text);

// The whole of a text file of at most kMaxCsvFileSize bytes; an error names
// the file and what went wrong.
constexpr std::size_t kMaxCsvFileSize = 16 * 1024 * 1024;
Result<std::string> ReadCsvFile(const std::string& path);

}  // namespace cps
