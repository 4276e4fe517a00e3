// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte helpers shared by the channel tests.
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "core/image/radio_image.h"

namespace cps::channel_test {

using Bytes = std::vector<std::uint8_t>;

inline RadioImage Blank() {
  RadioImage img;
  img.Fill(0xFF);
  return img;
}

inline void Put(RadioImage& img, std::size_t addr, const Bytes& b) {
  for (std::size_t i = 0; i < b.size(); ++i) img.SetByte(addr + i, b[i]);
}

inline Bytes Get(const RadioImage& img, std::size_t addr, std::size_t len) {
  auto s = img.Bytes(addr, len);
  return {s.begin(), s.end()};
}

// Expects each address to hold its byte; a failure names the address.
inline void ExpectBytes(const RadioImage& img, std::initializer_list<std::pair<std::size_t, std::uint8_t>> want) {
  for (const auto& [addr, value] : want) EXPECT_EQ(img.Byte(addr), value) << "address 0x" << std::hex << addr;
}

inline RadioImage RandomImage(unsigned seed) {
  std::mt19937 rng(seed);
  RadioImage img;
  for (std::size_t a = 0; a < kImageSize; ++a) img.SetByte(a, static_cast<std::uint8_t>(rng()));
  return img;
}

// The default channel record, written out by hand.
inline const Bytes kDefaultRecord = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0xFF, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0xFF, 0x01, 0x00,
                                     0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

}  // namespace cps::channel_test
