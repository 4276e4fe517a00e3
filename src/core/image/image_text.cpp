// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/image_text.h"

namespace cps {

std::string PrintableText(const RadioImage& image, std::size_t addr, std::size_t maxLen) {
  std::string out;
  for (std::size_t i = 0; i < maxLen; ++i) {
    const std::uint8_t b = image.Byte(addr + i);
    if (!IsPrintable(b)) break;
    out += static_cast<char>(b);
  }
  return out;
}

std::size_t WritePrintable(RadioImage& image, std::size_t addr, const std::string& text, std::size_t maxLen) {
  std::size_t n = 0;
  for (; n < text.size() && n < maxLen; ++n) {
    const auto b = static_cast<std::uint8_t>(text[n]);
    if (!IsPrintable(b)) break;
    image.SetByte(addr + n, b);
  }
  return n;
}

}  // namespace cps
