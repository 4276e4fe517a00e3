// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/c_text.h"

#include <cctype>
#include <cstdint>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace cps {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

double ParseDouble(std::string_view text, std::size_t* consumed) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t numberStart = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
  }
  if (digits == 0) {
    if (consumed) *consumed = 0;
    return 0.0;
  }
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      end = j;
    }
  }
  std::string number(text.substr(numberStart, end - numberStart));
  if (!number.empty() && number.front() == '.') number.insert(number.begin(), '0');
  double value = 0.0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    value = std::numeric_limits<double>::infinity();
  }
  if (consumed) *consumed = end;  // characters from the text's beginning
  return negative ? -value : value;
}

long long ParseInt(std::string_view text, std::size_t* consumed) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t digitsStart = i;
  long long value = 0;
  bool overflow = false;
  while (i < text.size() && IsDigit(text[i])) {
    if (value > (std::numeric_limits<long long>::max() - 9) / 10) overflow = true;
    if (!overflow) value = value * 10 + (text[i] - '0');
    ++i;
  }
  if (i == digitsStart) {
    if (consumed) *consumed = 0;
    return 0;
  }
  if (consumed) *consumed = i;
  if (overflow) return negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  return negative ? -value : value;
}

std::string FormatFixed(double value, int decimals, int width) {
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string out = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
  if (static_cast<int>(out.size()) < width) out.insert(0, width - out.size(), ' ');
  return out;
}

std::string FormatGeneral(double value) {
  // %G with the default precision of 6 significant digits.
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
  std::string out = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    std::uint32_t cp = c;
    std::size_t len = 1;
    if (c >= 0xF0) { len = 4; cp = c & 0x07; }
    else if (c >= 0xE0) { len = 3; cp = c & 0x0F; }
    else if (c >= 0xC0) { len = 2; cp = c & 0x1F; }
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += len;
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
    width += wide ? 2 : 1;
  }
  return width;
}

std::string PadToWidth(std::string_view utf8, std::size_t width) {
  const std::size_t w = DisplayWidth(utf8);
  return std::string(utf8) + std::string(w < width ? width - w : 1, ' ');
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ToUpper(a) == ToUpper(b);
}

std::string Trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace cps
