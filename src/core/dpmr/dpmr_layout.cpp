// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/dpmr_layout.h"

namespace cps::dpmr {

std::string PrintablePrefix(const std::string& text, std::size_t maxLen) {
  std::string out;
  for (char c : text) {
    if (out.size() >= maxLen || !IsPrintable(static_cast<std::uint8_t>(c))) break;
    out += c;
  }
  return out;
}

}  // namespace cps::dpmr
