// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv.h"

#include <algorithm>
#include <iterator>

#include "core/base/c_text.h"
#include "core/base/file_io.h"

namespace cps {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool AllEmpty(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return Trim(f).empty(); });
}

}  // namespace

Result<std::vector<CsvRecord>> ParseCsvRecords(std::string_view text, char delimiter) {
  if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
  if (text.find('\0') != std::string_view::npos) return Error{"this is not a text file"};
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  int line = 1;
  record.line = 1;
  bool quoted = false;      // inside a quoted field
  bool fieldStarted = false;
  int quoteLine = 0;
  auto endField = [&] {
    record.fields.push_back(std::move(field));
    field.clear();
    fieldStarted = false;
  };
  auto endRecord = [&] {
    endField();
    if (!AllEmpty(record.fields)) records.push_back(std::move(record));
    record = CsvRecord{};
    record.line = line;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
        field += c;
      }
      continue;
    }
    if (c == '"' && !fieldStarted) {
      quoted = true;
      fieldStarted = true;
      quoteLine = line;
    } else if (c == delimiter) {
      endField();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      endRecord();
    } else {
      // A quote inside an unquoted field, or text after a closing quote,
      // is kept as it is.
      field += c;
      fieldStarted = true;
    }
  }
  if (quoted) return Error{"line " + std::to_string(quoteLine) + ": a quoted field is not closed"};
  endRecord();
  return records;
}

int CsvTable::Column(std::string_view name) const {
  for (std::size_t i = 0; i < header.fields.size(); ++i)
    if (EqualsIgnoreCase(Trim(header.fields[i]), name)) return static_cast<int>(i);
  return -1;
}

std::string CsvTable::Field(const CsvRecord& row, int column) const {
  if (column < 0 || column >= static_cast<int>(row.fields.size())) return {};
  return Trim(row.fields[static_cast<std::size_t>(column)]);
}

Result<CsvTable> ParseCsvTable(std::string_view text, char delimiter) {
  auto records = ParseCsvRecords(text, delimiter);
  if (!records) return Error{records.error()};
  if (records->empty()) return Error{"the file holds no lines"};
  CsvTable table;
  table.header = std::move(records->front());
  table.rows.assign(std::make_move_iterator(records->begin() + 1), std::make_move_iterator(records->end()));
  return table;
}

std::string CsvQuote(std::string_view field, char delimiter) {
  if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos) return std::string(field);
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string CsvLine(const std::vector<std::string>& fields, char delimiter, std::string_view lineEnd) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += delimiter;
    out += CsvQuote(fields[i], delimiter);
  }
  out += lineEnd;
  return out;
}

namespace {

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;  // continuation bytes that follow
    if (c < 0x80)
      continue;
    else if (c >= 0xC2 && c <= 0xDF)
      n = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      n = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      n = 3;
    else
      return false;
    if (text.size() - i - 1 < n) return false;
    for (std::size_t k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

}  // namespace

std::string TextAsUtf8(std::string_view text) {
  if (IsUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

Result<std::string> ReadCsvFile(const std::string& path) {
  auto file = ReadRegularFile(path, kMaxCsvFileSize);
  if (!file) return Error{file.error()};
  if (file->size > kMaxCsvFileSize) return Error{path + ": too large for a channel list"};
  return std::move(file->bytes);
}

}  // namespace cps
