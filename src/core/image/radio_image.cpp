// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/radio_image.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace cps {

std::size_t RadioImage::Index(std::size_t addr) {
  assert(addr < kImageSize);
  if (addr >= kImageSize) std::abort();  // an editor addressing outside the image is a programming error
  return addr;
}

std::uint8_t RadioImage::Bits(std::size_t addr, std::uint8_t mask) const {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  return static_cast<std::uint8_t>((Byte(addr) & mask) >> shift);
}

void RadioImage::SetBits(std::size_t addr, std::uint8_t mask, std::uint8_t value) {
  if (mask == 0) return;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const auto merged = static_cast<std::uint8_t>((Byte(addr) & ~mask) | ((value << shift) & mask));
  SetByte(addr, merged);
}

void RadioImage::SetFrequency(std::size_t addr, std::uint32_t units) {
  const BcdBytes b = EncodeBcdFrequency(units);
  Write(addr, b);
}

std::span<const std::uint8_t> RadioImage::Bytes(std::size_t addr, std::size_t len) const {
  Index(addr);
  if (len) Index(addr + len - 1);
  return {bytes_.data() + addr, len};
}

std::span<std::uint8_t> RadioImage::Bytes(std::size_t addr, std::size_t len) {
  Index(addr);
  if (len) Index(addr + len - 1);
  return {bytes_.data() + addr, len};
}

void RadioImage::Fill(std::size_t addr, std::size_t len, std::uint8_t v) {
  auto s = Bytes(addr, len);
  std::fill(s.begin(), s.end(), v);
}

void RadioImage::Write(std::size_t addr, std::span<const std::uint8_t> data) {
  auto s = Bytes(addr, data.size());
  std::copy(data.begin(), data.end(), s.begin());
}

}  // namespace cps
