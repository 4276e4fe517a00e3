// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channels name an encryption key and an outbox message by list position.
// When the key or message list is reordered by inserts and deletes, these
// helpers move the channels' references along with their key or message.
#include <vector>

#include "core/image/radio_image.h"

namespace cps::dpmr {

// A reordering of a list of up to 16 entries: newPosition[p - 1] is the
// new 1-based position of the entry that was at position p, or 0 when that
// entry was deleted. Positions beyond the vector's size are left alone.
using PositionMap = std::vector<int>;

// Builds the map from the old position each current entry came from
// (`origins[i]` = old position of the entry now at i + 1, 0 for a new
// entry). `oldCount` is the number of entries before the edit.
PositionMap MapFromOrigins(const std::vector<int>& origins, int oldCount);

// True when the map moves or drops nothing.
bool IsIdentity(const PositionMap& map);

// Byte +22 of every channel record (main and PMR): a key k in 1..16 that
// the map covers becomes map[k - 1], or 0 ("None") when deleted.
void RemapChannelKeys(RadioImage& image, const PositionMap& map);

// Bits 5-0 of bytes +27 and +29 (call 1 and call 2) of every channel
// record: a message number covered by the map becomes its new number, or
// 0x3F ("Off") when deleted. The call type bits stay as they are.
void RemapChannelMessages(RadioImage& image, const PositionMap& map);

}  // namespace cps::dpmr
