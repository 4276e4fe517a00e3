// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

namespace cps {

// Packed BCD byte: tens in the high nibble, units in the low nibble.
// Only 0..99 gives a valid byte; larger inputs give what the radio's own
// firmware tools gave (the arithmetic is done on the unsigned byte).
constexpr std::uint8_t BcdFromByte(std::uint8_t v) {
  return static_cast<std::uint8_t>((v / 10) * 16 + (v % 10));
}
// Nibbles above 9 are taken as they are: 0xFF yields 165.
constexpr int ByteFromBcd(std::uint8_t b) { return (b / 16) * 10 + (b & 0x0F); }

// A 4-byte frequency or offset field in 10 Hz units, eight BCD digits,
// least significant pair first.
using BcdBytes = std::array<std::uint8_t, 4>;

BcdBytes EncodeBcdFrequency(std::uint32_t units);
std::uint32_t DecodeBcdFrequency(const std::uint8_t* bytes);
inline std::uint32_t DecodeBcdFrequency(const BcdBytes& bytes) { return DecodeBcdFrequency(bytes.data()); }
// Byte 3 equal to 0x00 or 0xFF marks an empty channel frequency.
inline bool IsEmptyFrequency(const std::uint8_t* bytes) { return bytes[3] == 0x00 || bytes[3] == 0xFF; }

}  // namespace cps
