// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copy, cut, paste and clear on a channel table. The clipboard carries the
// cells' display texts separated by tabs (what a spreadsheet takes and
// gives) and, for whole rows, the exact channel records. Pasted texts go
// through each column's commit rule; pasted records are written as they
// are. Every function that changes the image ends with the table's
// write-back, so the image holds the result at once.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/channels/channel_table.h"

namespace cps {

using CellTexts = std::vector<std::vector<std::string>>;

// Rows of tab-separated texts, lines ending in "\n".
std::string CellsToTabText(const CellTexts& cells);
// The cells of tab-separated text (a spreadsheet's quoting is understood).
CellTexts TabTextToCells(std::string_view text);

// Pastes `cells` with their first cell at (row, column), rightwards and
// downwards, each through its column's commit rule. Texts come as a
// spreadsheet gives them back: decimal commas are points, and a bare
// CTCSS tone of the tone list without its ".0" ("67") is that tone. Cells
// beyond channel 16 or the Channel type column, texts a column cannot take
// and a whole row whose Rx Freq cannot be read are left out. Every cell
// left out or stored otherwise (a frequency moved to the grid or into the
// band, a tone cleaned up, an empty Tx Freq making a channel receive only)
// adds a note to `notes`: "channel 3, Rx Freq: 500 is stored as 470.000000
// (the top of the band)". Returns the number of cells applied.
int PasteChannelTexts(RadioImage& image, ChannelTable& table, int row, int column, const CellTexts& cells,
                      std::vector<std::string>* notes = nullptr);

// Delete on cells: a frequency cell is emptied (an emptied receive
// frequency clears its channel), a tone becomes None; the choice columns
// have no empty value and stay.
void ClearChannelCells(RadioImage& image, ChannelTable& table, const std::vector<std::pair<int, int>>& cells);
// Delete or cut on whole rows: the channels are reset.
void ClearChannels(RadioImage& image, ChannelTable& table, const std::vector<int>& rows);

// The exact records (32 bytes, then the 4-byte digital extension) of
// `rows` as the table would write them now, in a form only this program reads.
std::string CopyChannelRecords(const RadioImage& image, const ChannelTable& table, const std::vector<int>& rows);
// True when `data` came from CopyChannelRecords.
bool IsChannelRecordData(std::string_view data);

struct RecordPaste {
  int pasted = 0;
  int outOfBand = 0;   // records whose receive frequency lies outside the table's band
  int notPlaced = 0;   // records left after channel 16
};
// Writes the records into the channels from `firstRow` on. The main set
// takes the extension records too; the PMR set leaves them, as its own
// editors never reset them. A record outside the band is left out.
RecordPaste PasteChannelRecords(RadioImage& image, ChannelTable& table, int firstRow, std::string_view data);

}  // namespace cps
