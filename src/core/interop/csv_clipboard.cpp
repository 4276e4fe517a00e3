// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_clipboard.h"

#include <algorithm>

#include "core/base/c_text.h"
#include "core/codec/tone.h"
#include "core/interop/csv.h"
#include "core/interop/csv_chirp.h"

namespace cps {

namespace {

constexpr std::string_view kRecordMagic = "dpmr-cps channels 1\n";
constexpr std::size_t kCopiedRecordSize = kChannelRecordSize + kChannelExtSize;

}  // namespace

std::string CellsToTabText(const CellTexts& cells) {
  std::string out;
  for (const auto& row : cells) out += CsvLine(row, '\t', "\n");
  return out;
}

CellTexts TabTextToCells(std::string_view text) {
  CellTexts cells;
  auto records = ParseCsvRecords(text, '\t');
  if (!records) {
    // An unclosed quote: take the text as it is, line by line.
    std::string line;
    for (char c : std::string(text) + "\n") {
      if (c == '\n') {
        if (!Trim(line).empty()) {
          std::vector<std::string> row;
          std::size_t start = 0, tab;
          while ((tab = line.find('\t', start)) != std::string::npos) row.push_back(line.substr(start, tab - start)), start = tab + 1;
          row.push_back(line.substr(start));
          cells.push_back(std::move(row));
        }
        line.clear();
      } else if (c != '\r') {
        line += c;
      }
    }
    return cells;
  }
  for (auto& r : *records) cells.push_back(std::move(r.fields));
  return cells;
}

int PasteChannelTexts(RadioImage& image, ChannelTable& table, int row, int column, const CellTexts& cells,
                      std::vector<std::string>* notes) {
  std::vector<std::string> found;
  auto note = [&](int r, int c, const std::string& text) {
    found.push_back("channel " + std::to_string(r) + ", " + ChannelColumnInfos()[static_cast<std::size_t>(c)].title + ": " +
                    text);
  };
  int applied = 0;
  int pastRows = 0;
  column = std::max(column, static_cast<int>(kColRxFreq));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int r = row + static_cast<int>(i);
    if (r < 1 || r > kChannelCount) {
      ++pastRows;
      continue;
    }
    int beyond = 0;
    for (std::size_t j = 0; j < cells[i].size(); ++j) {
      const int c = column + static_cast<int>(j);
      const std::string given = Trim(cells[i][j]);
      if (c > kColType) {
        if (!given.empty()) ++beyond;
        continue;
      }
      const bool frequency = c == kColRxFreq || c == kColTxFreq;
      const bool tone = c == kColRxTone || c == kColTxTone;
      const std::string text = frequency ? DecimalCommaAsPoint(given) : tone ? SpreadsheetToneText(given) : given;
      const std::string before = table.Cell(r, c);
      // An empty tone cell is left as it is rather than set to None.
      if (tone && text.empty()) {
        if (!before.empty() && before != "None") note(r, c, "the empty cell leaves " + before);
        continue;
      }
      if (!table.CommitCell(image, r, c, text)) {
        if (c == kColRxFreq) {
          note(r, c, "'" + given + "' is not a frequency; the row is left out");
          break;
        }
        note(r, c, "'" + given + "' cannot be taken; the cell keeps " + (before.empty() ? std::string("its value") : before));
        continue;
      }
      ++applied;
      if (table.RowEmpty(r)) continue;
      const std::string& stored = table.Cell(r, c);
      if (frequency) {
        if (text.empty() && c == kColTxFreq && !before.empty())
          note(r, c, "the empty cell makes the channel receive only");
        else if (auto n = FrequencyNote("", given, stored, table.band()); !n.empty())
          note(r, c, n);
      } else if (tone) {
        // A bare number (not "023") that is no CTCSS tone of the list is a
        // DCS code by the column's rule: said, as a spreadsheet may have
        // meant a tone.
        const bool bare = text.front() != '0' &&
                          std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
        const auto& list = ToneList();
        if (std::find(list.begin(), list.end(), stored) == list.end())
          note(r, c, given + " is not in the tone list; it is stored as " + stored);
        else if (bare || stored != NormalizeToneText(text))
          note(r, c, given + " is stored as " + stored);
      }
    }
    if (beyond > 0) found.push_back("channel " + std::to_string(r) + ": " + std::to_string(beyond) +
                                    " cells past the Channel type column are left out");
  }
  if (pastRows > 0) found.push_back(std::to_string(pastRows) + " rows past channel 16 are left out");
  table.WriteBack(image);
  if (notes) notes->insert(notes->end(), found.begin(), found.end());
  return applied;
}

void ClearChannelCells(RadioImage& image, ChannelTable& table, const std::vector<std::pair<int, int>>& cells) {
  // Frequencies and tones before any receive frequency empties its row.
  std::vector<std::pair<int, int>> ordered = cells;
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
    return (a.second == kColRxFreq) < (b.second == kColRxFreq);
  });
  for (const auto& [r, c] : ordered) {
    if (c == kColRxFreq || c == kColTxFreq)
      table.CommitFrequency(image, r, c, "");
    else if (c == kColRxTone || c == kColTxTone)
      table.CommitTone(r, c, "None");
  }
  table.WriteBack(image);
}

void ClearChannels(RadioImage& image, ChannelTable& table, const std::vector<int>& rows) {
  for (int r : rows) table.CommitFrequency(image, r, kColRxFreq, "");
  table.WriteBack(image);
}

std::string CopyChannelRecords(const RadioImage& image, const ChannelTable& table, const std::vector<int>& rows) {
  // The records as the next write-back would leave them, without touching
  // the image itself.
  RadioImage written = image;
  ChannelTable copy = table;
  copy.WriteBack(written);
  std::string out(kRecordMagic);
  for (int r : rows) {
    if (r < 1 || r > kChannelCount) continue;
    const auto rec = written.Bytes(ChannelRecordAddr(table.base(), r), kChannelRecordSize);
    const auto ext = written.Bytes(ChannelExtAddr(r), kChannelExtSize);
    out.append(reinterpret_cast<const char*>(rec.data()), rec.size());
    out.append(reinterpret_cast<const char*>(ext.data()), ext.size());
  }
  return out;
}

bool IsChannelRecordData(std::string_view data) {
  return data.starts_with(kRecordMagic) && (data.size() - kRecordMagic.size()) % kCopiedRecordSize == 0;
}

RecordPaste PasteChannelRecords(RadioImage& image, ChannelTable& table, int firstRow, std::string_view data) {
  RecordPaste result;
  if (!IsChannelRecordData(data)) return result;
  table.WriteBack(image);
  data.remove_prefix(kRecordMagic.size());
  const BandLimits band = table.band();
  int row = std::max(firstRow, 1);
  for (std::size_t k = 0; k + kCopiedRecordSize <= data.size(); k += kCopiedRecordSize) {
    if (row > kChannelCount) {
      ++result.notPlaced;
      continue;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data() + k);
    RadioImage probe;
    probe.Write(0, std::span<const std::uint8_t>(bytes, kChannelRecordSize));
    const bool empty = probe.FrequencyEmpty(chan::kRxFreq);
    const std::uint32_t rx = probe.Frequency(chan::kRxFreq);
    if (!empty && (rx < band.low || rx > band.high)) {
      ++result.outOfBand;
      continue;
    }
    image.Write(ChannelRecordAddr(table.base(), row), std::span<const std::uint8_t>(bytes, kChannelRecordSize));
    if (table.withBand())
      image.Write(ChannelExtAddr(row), std::span<const std::uint8_t>(bytes + kChannelRecordSize, kChannelExtSize));
    ++result.pasted;
    ++row;
  }
  table.Render(image);
  table.WriteBack(image);
  return result;
}

}  // namespace cps
