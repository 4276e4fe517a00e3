// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain texts kept in the image (contact and radio names, messages): runs
// of printable ASCII characters, the rest of their field erased.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image/radio_image.h"

namespace cps {

inline bool IsPrintable(std::uint8_t b) { return b >= 0x20 && b <= 0x7E; }

// The run of printable characters from `addr`, at most `maxLen`.
std::string PrintableText(const RadioImage& image, std::size_t addr, std::size_t maxLen);
// Writes the characters of `text` from `addr`, stopping at the first one
// that is not printable or after `maxLen` characters. Returns the number
// written.
std::size_t WritePrintable(RadioImage& image, std::size_t addr, const std::string& text, std::size_t maxLen);

}  // namespace cps
