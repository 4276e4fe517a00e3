// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/share_sizes.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace cps {

std::vector<int> ShareInProportion(const std::vector<int>& first, int available) {
  std::vector<int> sizes(first.size());
  std::transform(first.begin(), first.end(), sizes.begin(), [](int s) { return std::max(s, 0); });
  const std::int64_t total = std::accumulate(sizes.begin(), sizes.end(), std::int64_t{0});
  if (total == 0 || available <= total) return sizes;

  std::vector<std::int64_t> remainders(sizes.size());
  std::int64_t given = 0;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::int64_t exact = std::int64_t{sizes[i]} * available;  // scaled by `total`
    sizes[i] = static_cast<int>(exact / total);
    remainders[i] = exact % total;
    given += sizes[i];
  }
  std::vector<std::size_t> order(sizes.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
  for (std::size_t k = 0; given < available; ++k, ++given) ++sizes[order[k % order.size()]];
  return sizes;
}

}  // namespace cps
