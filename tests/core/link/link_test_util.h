#pragma once
#include <cstdint>
#include <vector>

#include "core/image/radio_image.h"
#include "core/link/fake_clock_port.h"

namespace cps::test {

using Bytes = std::vector<std::uint8_t>;

inline void Append(Bytes& v, std::initializer_list<std::uint8_t> b) { v.insert(v.end(), b); }

// A radio memory where every address holds its own pattern byte.
inline std::uint8_t Pattern(std::size_t a) { return static_cast<std::uint8_t>((a * 7 + 3) ^ (a >> 8)); }
inline void FillPattern(RadioImage& image) {
  for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, Pattern(a));
}

// The write calls of a kind: 4-byte commands starting with `cmd`, or
// longer writes starting with it.
inline std::vector<Bytes> WritesStartingWith(const FakeLine& line, std::uint8_t cmd) {
  std::vector<Bytes> out;
  for (const WireEvent& e : line.events)
    if (e.kind == WireEvent::Kind::kWrite && e.bytes.size() >= 4 && e.bytes[0] == cmd) out.push_back(e.bytes);
  return out;
}

inline bool EndsWith(const Bytes& v, const Bytes& tail) {
  return v.size() >= tail.size() && std::equal(tail.begin(), tail.end(), v.end() - static_cast<long>(tail.size()));
}

}  // namespace cps::test
