// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/codec/bcd.h"

namespace cps {

constexpr std::size_t kImageSize = 16384;

// The radio's 16 KB configuration memory, address for address. An offset is
// both a radio address and an index here. Erased bytes are 0xFF; numbers
// wider than a byte are little-endian.
class RadioImage {
 public:
  RadioImage() { bytes_.fill(0x00); }

  std::uint8_t Byte(std::size_t addr) const { return bytes_[Index(addr)]; }
  void SetByte(std::size_t addr, std::uint8_t v) { bytes_[Index(addr)] = v; }

  std::uint16_t Word(std::size_t addr) const {
    return static_cast<std::uint16_t>(Byte(addr) | (Byte(addr + 1) << 8));
  }
  void SetWord(std::size_t addr, std::uint16_t v) {
    SetByte(addr, static_cast<std::uint8_t>(v & 0xFF));
    SetByte(addr + 1, static_cast<std::uint8_t>(v >> 8));
  }

  // The bits of `mask`, shifted down so that the mask's lowest bit is bit 0.
  std::uint8_t Bits(std::size_t addr, std::uint8_t mask) const;
  // Read-modify-write: replaces only the bits of `mask` with `value` shifted
  // up to the mask's lowest bit; the other bits stay as they are.
  void SetBits(std::size_t addr, std::uint8_t mask, std::uint8_t value);
  bool Bit(std::size_t addr, int bit) const { return (Byte(addr) >> bit) & 1; }
  void SetBit(std::size_t addr, int bit, bool on) { SetBits(addr, static_cast<std::uint8_t>(1u << bit), on ? 1 : 0); }

  std::uint32_t Frequency(std::size_t addr) const { return DecodeBcdFrequency(&bytes_[Index(addr)]); }
  void SetFrequency(std::size_t addr, std::uint32_t units);
  bool FrequencyEmpty(std::size_t addr) const { return IsEmptyFrequency(&bytes_[Index(addr)]); }

  std::span<const std::uint8_t> Bytes(std::size_t addr, std::size_t len) const;
  std::span<std::uint8_t> Bytes(std::size_t addr, std::size_t len);
  void Fill(std::uint8_t v) { bytes_.fill(v); }
  void Fill(std::size_t addr, std::size_t len, std::uint8_t v);
  void Write(std::size_t addr, std::span<const std::uint8_t> data);

  const std::uint8_t* data() const { return bytes_.data(); }
  std::uint8_t* data() { return bytes_.data(); }
  static constexpr std::size_t size() { return kImageSize; }

  bool operator==(const RadioImage& other) const = default;

 private:
  static std::size_t Index(std::size_t addr);
  std::array<std::uint8_t, kImageSize> bytes_;
};

}  // namespace cps
