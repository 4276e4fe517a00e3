// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_bulk_edit.h"

#include <algorithm>

#include "core/codec/frequency.h"

namespace cps {

namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// Whether the cell holds what was given: the column's own form of the text
// ("67" is the tone "67.0"; "446" the frequency "446.00000").
bool StoredAsGiven(int column, const std::string& accepted, const std::string& stored) {
  if (column == kColRxFreq || column == kColTxFreq) return FrequencyFromText(accepted) == FrequencyFromText(stored);
  return accepted == stored;
}

}  // namespace

std::vector<std::string> BulkEditChannels(RadioImage& image, ChannelTable& table, const std::vector<int>& rows,
                                          std::vector<BulkField> fields, const std::string& prefix) {
  std::stable_sort(fields.begin(), fields.end(), [](const BulkField& a, const BulkField& b) { return a.column < b.column; });
  std::vector<std::string> notes;
  for (int row : rows) {
    if (row < 1 || row > kChannelCount) continue;
    for (const BulkField& f : fields) {
      if (f.column < kColRxFreq || f.column > kColType) continue;
      const std::string where = prefix + " " + std::to_string(row) + " " + ChannelColumnInfos()[static_cast<std::size_t>(f.column)].title;
      if (f.column != kColRxFreq && table.RowEmpty(row)) {
        notes.push_back(where + ": given " + Quoted(f.text) + ", not set: the channel is not in use");
        continue;
      }
      const auto accepted = ChannelTable::AcceptedCellText(f.column, f.text);
      if (!accepted || !table.CommitCell(image, row, f.column, f.text)) {
        notes.push_back(where + ": given " + Quoted(f.text) + ", not taken: the column has no such value");
        continue;
      }
      const std::string& stored = table.Cell(row, f.column);
      if (!StoredAsGiven(f.column, *accepted, stored)) notes.push_back(where + ": given " + Quoted(f.text) + ", stored " + Quoted(stored));
    }
  }
  table.WriteBack(image);
  return notes;
}

}  // namespace cps
