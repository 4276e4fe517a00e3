// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec/bcd.h"

namespace cps {

BcdBytes EncodeBcdFrequency(std::uint32_t units) {
  BcdBytes out{};
  for (int k = 0; k < 4; ++k) {
    out[k] = BcdFromByte(static_cast<std::uint8_t>(units % 100));
    units /= 100;
  }
  return out;
}

std::uint32_t DecodeBcdFrequency(const std::uint8_t* bytes) {
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value * 100 + static_cast<std::uint32_t>(ByteFromBcd(bytes[k]));
  return value;
}

}  // namespace cps
