// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/channel_refs.h"

#include <cstddef>
#include <cstdint>

#include "core/channels/channel_record.h"

namespace cps::dpmr {
namespace {

// Main channels and PMR channels share the record layout.
template <typename F>
void ForEachChannel(RadioImage& image, F f) {
  for (std::size_t base : {kMainChannelBase, kPmrChannelBase})
    for (int n = 1; n <= kChannelCount; ++n) {
      ChannelRecord rec(image, base, n);
      f(rec);
    }
}

}  // namespace

PositionMap MapFromOrigins(const std::vector<int>& origins, int oldCount) {
  PositionMap map(static_cast<std::size_t>(oldCount > 0 ? oldCount : 0), 0);
  for (std::size_t i = 0; i < origins.size(); ++i) {
    const int old = origins[i];
    if (old >= 1 && old <= oldCount) map[static_cast<std::size_t>(old - 1)] = static_cast<int>(i) + 1;
  }
  return map;
}

bool IsIdentity(const PositionMap& map) {
  for (std::size_t i = 0; i < map.size(); ++i)
    if (map[i] != static_cast<int>(i) + 1) return false;
  return true;
}

void RemapChannelKeys(RadioImage& image, const PositionMap& map) {
  if (IsIdentity(map)) return;
  ForEachChannel(image, [&](ChannelRecord& rec) {
    const int key = rec.encryptKey();
    if (key >= 1 && static_cast<std::size_t>(key) <= map.size())
      rec.setEncryptKey(static_cast<std::uint8_t>(map[static_cast<std::size_t>(key - 1)]));
  });
}

void RemapChannelMessages(RadioImage& image, const PositionMap& map) {
  if (IsIdentity(map)) return;
  ForEachChannel(image, [&](ChannelRecord& rec) {
    for (int which : {1, 2}) {
      const int msg = rec.callMessage(which);
      if (msg < 1 || static_cast<std::size_t>(msg) > map.size()) continue;
      const int moved = map[static_cast<std::size_t>(msg - 1)];
      rec.setCallMessage(which, moved == 0 ? chan::kNoMessage : moved);
    }
  });
}

}  // namespace cps::dpmr
