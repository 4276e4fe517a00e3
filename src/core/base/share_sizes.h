// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sizes that grow with the space they are given: a table's columns keep the
// proportions of their first widths, its rows share the height, and nothing
// ever becomes smaller than it was at first.
#include <vector>

namespace cps {

// The sizes `first` scaled to fill `available` exactly, in their own
// proportions. Pixels lost to rounding go one each to the sizes with the
// largest remainders (the earlier one first on a tie). When `available` is
// not more than the sum of `first`, the first sizes are returned unchanged;
// a negative first size counts as 0.
std::vector<int> ShareInProportion(const std::vector<int>& first, int available);

}  // namespace cps
