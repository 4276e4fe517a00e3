// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace cps {

// Frequencies are counted in 10 Hz units.
constexpr std::uint32_t kNewChannelOffset = 60000;  // 0.6 MHz

// The band the channel editors clamp frequencies to, in 10 Hz units.
struct BandLimits {
  std::uint32_t low = 40000000;
  std::uint32_t high = 47000000;
  bool operator==(const BandLimits&) const = default;
};
constexpr BandLimits kBandVhf{13600000, 17400000};
constexpr BandLimits kBandUhf{40000000, 47000000};

// Moves a frequency to the nearest point of the 2.5 kHz or 3.125 kHz channel
// grid; returns hertz. Ties prefer the 2.5 kHz grid, and down before up.
std::uint64_t SnapToStep(std::uint32_t units);

// strtod of the text, then x 100000 in decimal arithmetic, truncated.
// An empty or non-numeric text gives 0, which callers treat as empty.
long long FrequencyFromText(std::string_view text);

// "%3.6lf" of the snapped frequency in MHz, e.g. "438.500000".
std::string FrequencyToText(std::uint32_t units);
// "%2.6lf" of an offset in MHz, e.g. "0.600000".
std::string OffsetToText(std::uint32_t units);

}  // namespace cps
