// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bulk edit: one value for a column on several channels at once, each cell
// set through the table's own commit rule, as if typed into it.
#include <string>
#include <utility>
#include <vector>

#include "core/channels/channel_table.h"
#include "core/image/radio_image.h"

namespace cps {

// A column of the table (kColRxFreq..kColType) and the text to set.
struct BulkField {
  int column = 0;
  std::string text;
};

// Sets every field on every row (1..16) of `rows`, the fields in column
// order (so a receive frequency that opens an empty channel comes first),
// then writes the rows back into `image`. Returns one note for each cell
// that stores something other than the text given ("Channel 3 Tx Tone:
// given "67", stored "67.0""); `prefix` names the rows ("Channel" or
// "PMR channel").
std::vector<std::string> BulkEditChannels(RadioImage& image, ChannelTable& table, const std::vector<int>& rows,
                                          std::vector<BulkField> fields, const std::string& prefix = "Channel");

}  // namespace cps
