// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codec/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace cps {

namespace {

struct Decimal {
  bool negative = false;
  unsigned long long mantissa = 0;  // at most 15 digits
  int exponent = 0;                 // value = mantissa * 10^exponent
};

Decimal ToDecimal(double v) {
  Decimal d;
  if (v == 0.0 || !std::isfinite(v)) return d;
  d.negative = v < 0;
  char buf[64];
  // 15 significant digits: one before the point, 14 after.
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
  std::string s(buf, res.ptr);
  const auto e = s.find('e');
  std::string digits;
  for (std::size_t i = 0; i < e; ++i) if (s[i] != '.') digits += s[i];
  int exp10 = std::atoi(s.c_str() + e + 1);
  d.mantissa = std::stoull(digits);
  d.exponent = exp10 - 14;
  while (d.mantissa != 0 && d.mantissa % 10 == 0) {
    d.mantissa /= 10;
    ++d.exponent;
  }
  return d;
}

}  // namespace

double DecimalMultiply(double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return a * b;
  const Decimal x = ToDecimal(a), y = ToDecimal(b);
  unsigned __int128 product = static_cast<unsigned __int128>(x.mantissa) * y.mantissa;
  if (product == 0) return 0.0;
  int exponent = x.exponent + y.exponent;
  std::string digits;
  while (product != 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(product % 10)));
    product /= 10;
  }
  std::string text = digits + "e" + std::to_string(exponent);
  double out = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), out);
  return (x.negative != y.negative) ? -out : out;
}

long long DecimalMultiplyTrunc(double a, double b) {
  const double p = std::trunc(DecimalMultiply(a, b));
  if (p >= 9.2e18) return std::numeric_limits<long long>::max();
  if (p <= -9.2e18) return std::numeric_limits<long long>::min();
  return static_cast<long long>(p);
}

}  // namespace cps
