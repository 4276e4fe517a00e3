// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bulk edit of the channel dialog's common controls: one value for a
// control on several channels, each channel's dialog opened, the value set
// as the user would set it and the dialog closed again (as
// "dpmr-cli set channel.N.FIELD" does).
#include <string>
#include <vector>

#include "core/channels/channel_table.h"
#include "core/image/radio_image.h"

namespace cps {

// A control Bulk edit offers, named by its key field ("tx_contact").
struct BulkDialogChoice {
  std::string field;
  std::string caption;             // as the dialog shows it
  bool check = false;              // a check box (values "on", "off")
  std::vector<std::string> items;  // a list's entries on `image`
  std::string shown;               // what the dialog shows on the channel asked for
};

// The controls that make sense for many channels at once: the analog ones
// of both sets and, for the main set (not `pmr`), the digital ones. Lists
// filled from the image (contacts, keys, group lists) as they stand; `shown`
// from channel `row`.
std::vector<BulkDialogChoice> BulkDialogChoices(const RadioImage& image, bool pmr, BandLimits band, int row);

struct BulkDialogField {
  std::string field;  // a BulkDialogChoice's field
  std::string text;   // an item of its list, or "on"/"off"
};

// Writes `table` back, then for every row of `rows` (1..16) opens the
// channel dialog's model on it, sets the fields in order and closes it;
// the table shows the image again afterwards. Returns one note for each
// channel and field that was not set or stored something else than given
// ("Channel 3 Tx Contact: given "Bob", stored "None""); `prefix` names the
// rows.
std::vector<std::string> BulkEditChannelDialog(RadioImage& image, ChannelTable& table, const std::vector<int>& rows,
                                               const std::vector<BulkDialogField>& fields,
                                               const std::string& prefix = "Channel");

}  // namespace cps
