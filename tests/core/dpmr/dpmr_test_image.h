// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building blocks for the dPMR tests: an erased image, hand-written contact
// slots, index words and channel bytes, and checks of byte runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/radio_image.h"

namespace cps::test {

inline RadioImage ErasedImage() {
  RadioImage image;
  image.Fill(0xFF);
  return image;
}

// Writes `bytes` (numbers or characters) from `at` on.
inline void SetBytes(RadioImage& image, std::size_t at, std::initializer_list<int> bytes) {
  for (int b : bytes) image.SetByte(at++, static_cast<std::uint8_t>(b));
}

// Writes the characters of `text` from `at` on, without an end mark.
inline void SetText(RadioImage& image, std::size_t at, std::string_view text) {
  for (char c : text) image.SetByte(at++, static_cast<std::uint8_t>(c));
}

// The checks below name the address of a wrong byte, and the caller's line.
inline ::testing::ScopedTrace CalledFrom(const std::source_location& where) {
  return ::testing::ScopedTrace(where.file_name(), static_cast<int>(where.line()), "called from here");
}

// Expects the bytes from `at` on to be `bytes`.
inline void ExpectBytes(const RadioImage& image, std::size_t at, std::initializer_list<int> bytes,
                        std::source_location where = std::source_location::current()) {
  const auto trace = CalledFrom(where);
  for (int b : bytes) {
    EXPECT_EQ(image.Byte(at), b) << "byte at 0x" << std::hex << at;
    ++at;
  }
}

// Expects the little-endian words from `at` on to be `words`.
inline void ExpectWords(const RadioImage& image, std::size_t at, std::initializer_list<int> words,
                        std::source_location where = std::source_location::current()) {
  const auto trace = CalledFrom(where);
  for (int w : words) {
    EXPECT_EQ(image.Word(at), w) << "word at 0x" << std::hex << at;
    at += 2;
  }
}

// Expects `len` bytes from `at` on to be erased (0xFF).
inline void ExpectErased(const RadioImage& image, std::size_t at, std::size_t len,
                         std::source_location where = std::source_location::current()) {
  const auto trace = CalledFrom(where);
  for (std::size_t a = at; a < at + len; ++a) ASSERT_EQ(image.Byte(a), 0xFF) << "byte at 0x" << std::hex << a;
}

// Writes contact slot `slot` (1..64) with a number of plain digit codes.
inline void PutContact(RadioImage& image, int slot, const std::string& name, const std::string& digits, bool group) {
  const std::size_t at = 0x0540 + 16 * static_cast<std::size_t>(slot - 1);
  image.Fill(at, 16, 0xFF);
  for (std::size_t i = 0; i < digits.size(); ++i)
    image.SetByte(at + i, digits[i] == '*' ? 0x0A : static_cast<std::uint8_t>(digits[i] - '0'));
  image.SetByte(at + 7, group ? 0x01 : 0x00);
  SetText(image, at + 8, name);
}

// The contact index listing these slots in this order.
inline void PutContactIndex(RadioImage& image, const std::vector<int>& listed) {
  image.Fill(0x04C0, 128, 0xFF);
  std::size_t i = 0;
  for (int s : listed) image.SetWord(0x04C0 + 2 * i++, static_cast<std::uint16_t>(0x0540 + 16 * (s - 1)));
}

// A list editor (contacts, keys, messages) loaded from `image`.
template <class List>
List Loaded(const RadioImage& image) {
  List list;
  list.Load(image);
  return list;
}

inline std::size_t MainChannel(int n) { return 0x0100 + 32 * static_cast<std::size_t>(n - 1); }
inline std::size_t PmrChannel(int n) { return 0x2160 + 32 * static_cast<std::size_t>(n - 1); }

}  // namespace cps::test
