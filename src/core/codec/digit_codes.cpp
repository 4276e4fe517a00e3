// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec/digit_codes.h"

#include "core/base/c_text.h"

namespace cps {

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::uint8_t DigitCodeA(char c) {
  if (c == '*') return 14;
  if (c == '#') return 15;
  const int v = HexValue(c);
  return v < 0 ? 255 : static_cast<std::uint8_t>(v);
}

char DigitCharA(std::uint8_t code) {
  if (code == 14) return '*';
  if (code == 15) return '#';
  if (code < 10) return static_cast<char>('0' + code);
  if (code < 14) return static_cast<char>('A' + code - 10);
  return '\0';
}

std::uint8_t DigitCodeB(char c) {
  if (c == '*') return 10;
  const int v = HexValue(c);
  return v < 0 ? 255 : static_cast<std::uint8_t>(v);
}

char DigitCharB(std::uint8_t code) {
  if (code == 10) return '*';
  if (code < 10) return static_cast<char>('0' + code);
  return '\xFF';
}

std::string DigitsToTextA(const std::uint8_t* bytes, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count && bytes[i] < 16; ++i) out += DigitCharA(bytes[i]);
  return out;
}

std::string DigitsToTextB(const std::uint8_t* bytes, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count && bytes[i] < 11; ++i) out += DigitCharB(bytes[i]);
  return out;
}

bool IsValidSevenDigitId(std::string_view text) {
  for (char d = '0'; d <= '9'; ++d) {
    if (text == std::string(1, d) + "000000") return false;
  }
  return ParseInt(text) <= 9000000;
}

std::string SevenDigitIdOnLeave(std::string_view text, std::string_view fallback, bool digitsOnly) {
  const std::string padded = FitText(text, '0', 7, true);
  const bool digits = padded.find_first_not_of("0123456789") == std::string::npos;
  return (!digitsOnly || digits) && IsValidSevenDigitId(padded) ? padded : std::string(fallback);
}

std::string FitText(std::string_view text, char fill, std::size_t width, bool padInFront) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  std::string pad(width - text.size(), fill);
  return padInFront ? pad + std::string(text) : std::string(text) + pad;
}

}  // namespace cps
