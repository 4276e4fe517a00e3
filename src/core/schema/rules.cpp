// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schema/rules.h"

#include <algorithm>
#include <cctype>

#include "core/base/c_text.h"
#include "core/codec/decimal.h"

namespace cps {

namespace {
long long FloorMod(long long a, long long m) {
  const long long r = a % m;
  return r < 0 ? r + m : r;
}
}  // namespace

int SpinStep(long long value, int delta, SpinRange range) {
  const long long s = std::max(1, range.step);
  long long next;
  const long long off = FloorMod(value, s);
  if (delta > 0) {
    next = off == 0 ? value + s : value + (s - off);
  } else {
    next = off == 0 ? value - s : value - off;
  }
  if (next < range.lower || next > range.upper) return delta > 0 ? range.lower : range.upper;
  return static_cast<int>(next);
}

int LeaveRoundClamp(long long value, SpinRange range) {
  if (range.step > 1) value -= FloorMod(value, range.step);
  return static_cast<int>(std::clamp<long long>(value, range.lower, range.upper));
}

int TenthsFromText(std::string_view text) {
  const long long tenths = DecimalMultiplyTrunc(ParseDouble(text), 10);
  return static_cast<int>(static_cast<unsigned long long>(tenths) & 0xFFu);
}

std::string TenthsToText(int tenths) { return FormatFixed(DecimalMultiply(tenths, 0.1), 1); }

std::string IntText(long long value) { return std::to_string(value); }

int SelectByPrefix(const std::vector<std::string>& items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].size() >= text.size() && EqualsIgnoreCase(std::string_view(items[i]).substr(0, text.size()), text))
      return static_cast<int>(i);
  }
  return -1;
}

int FindItemIgnoreCase(const std::vector<std::string>& items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (EqualsIgnoreCase(items[i], text)) return static_cast<int>(i);
  return -1;
}

std::optional<char> FilterTypedChar(char typed, std::string_view allowed, bool upperCase) {
  char c = typed;
  if (upperCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!allowed.empty() && allowed.find(c) == std::string_view::npos) return std::nullopt;
  return c;
}

}  // namespace cps
