// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cps {

// Multiplies two doubles in exact decimal arithmetic: each factor is first
// reduced to at most 15 significant decimal digits, the product is formed
// exactly and converted back to the nearest double. Scaling a typed text
// through it lands on the value the user typed: 145.525 x 100000 gives
// exactly 14552500, not one unit less.
double DecimalMultiply(double a, double b);

// DecimalMultiply truncated toward zero, the form every scaling between a
// text and stored units uses.
long long DecimalMultiplyTrunc(double a, double b);

}  // namespace cps
