#pragma once
// Building blocks for the dPMR tests: an erased image and hand-written
// contact slots, index words and channel bytes.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/image/radio_image.h"

namespace cps::test {

inline RadioImage ErasedImage() {
  RadioImage image;
  image.Fill(0xFF);
  return image;
}

// Writes contact slot `slot` (1..64) with a number of plain digit codes.
inline void PutContact(RadioImage& image, int slot, const std::string& name, const std::string& digits, bool group) {
  const std::size_t at = 0x0540 + 16 * static_cast<std::size_t>(slot - 1);
  image.Fill(at, 16, 0xFF);
  for (std::size_t i = 0; i < digits.size(); ++i)
    image.SetByte(at + i, digits[i] == '*' ? 0x0A : static_cast<std::uint8_t>(digits[i] - '0'));
  image.SetByte(at + 7, group ? 0x01 : 0x00);
  for (std::size_t i = 0; i < name.size(); ++i) image.SetByte(at + 8 + i, static_cast<std::uint8_t>(name[i]));
}

// The contact index listing these slots in this order.
inline void PutContactIndex(RadioImage& image, std::initializer_list<int> slots) {
  image.Fill(0x04C0, 128, 0xFF);
  std::size_t i = 0;
  for (int s : slots) image.SetWord(0x04C0 + 2 * i++, static_cast<std::uint16_t>(0x0540 + 16 * (s - 1)));
}

inline std::size_t MainChannel(int n) { return 0x0100 + 32 * static_cast<std::size_t>(n - 1); }
inline std::size_t PmrChannel(int n) { return 0x2160 + 32 * static_cast<std::size_t>(n - 1); }

}  // namespace cps::test
