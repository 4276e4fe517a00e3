// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec/frequency.h"

#include "core/base/c_text.h"
#include "core/codec/decimal.h"

namespace cps {

std::uint64_t SnapToStep(std::uint32_t units) {
  const std::uint64_t f = static_cast<std::uint64_t>(units) * 10;
  const std::uint64_t a = f % 2500, b = f % 3125;
  if (a == 0 || b == 0) return f;
  const std::uint64_t candidates[4] = {a, 2500 - a, b, 3125 - b};
  int best = 0;
  for (int i = 1; i < 4; ++i)
    if (candidates[i] < candidates[best]) best = i;
  return (best == 0 || best == 2) ? f - candidates[best] : f + candidates[best];
}

long long FrequencyFromText(std::string_view text) {
  return DecimalMultiplyTrunc(ParseDouble(text), 100000);
}

std::string FrequencyToText(std::uint32_t units) {
  const double hz = static_cast<double>(SnapToStep(units));
  return FormatFixed(DecimalMultiply(hz, 0.000001), 6, 3);
}

std::string OffsetToText(std::uint32_t units) {
  const double hz = static_cast<double>(SnapToStep(units));
  return FormatFixed(DecimalMultiply(hz, 0.000001), 6, 2);
}

}  // namespace cps
