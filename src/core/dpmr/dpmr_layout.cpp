#include "core/dpmr/dpmr_layout.h"

namespace cps::dpmr {

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

std::string PrintablePrefix(const std::string& text, std::size_t maxLen) {
  std::string out;
  for (char c : text) {
    if (out.size() >= maxLen || !IsPrintable(static_cast<std::uint8_t>(c))) break;
    out += c;
  }
  return out;
}

std::string SetBDigits(const RadioImage& image, std::size_t addr, std::size_t maxLen) {
  std::string out;
  for (std::size_t i = 0; i < maxLen; ++i) {
    const std::uint8_t b = image.Byte(addr + i);
    if (b <= 9) out += static_cast<char>('0' + b);
    else if (b == 0x0A) out += '*';
    else break;
  }
  return out;
}

}  // namespace cps::dpmr
