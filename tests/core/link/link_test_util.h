// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/image/radio_image.h"
#include "core/link/fake_clock_port.h"
#include "core/link/simulated_radio.h"
#include "core/link/transfer.h"

namespace cps::test {

using Bytes = std::vector<std::uint8_t>;

// What every session sends first: the handshake "\x02PROGRA", then "M",
// 0x02 for the identification and its acknowledgement 0x41.
inline const Bytes kSessionOpening = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02, 0x41};

inline void Append(Bytes& v, std::initializer_list<std::uint8_t> b) { v.insert(v.end(), b); }

inline RadioImage Filled(std::uint8_t v) {
  RadioImage img;
  img.Fill(v);
  return img;
}

inline Bytes At(const RadioImage& image, std::size_t addr, std::size_t len) {
  const auto s = image.Bytes(addr, len);
  return {s.begin(), s.end()};
}

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

// The pauses on the line, in milliseconds, in order.
inline std::vector<int> Pauses(const FakeLine& line) {
  std::vector<int> out;
  for (const WireEvent& e : line.events)
    if (e.kind == WireEvent::Kind::kPause) out.push_back(e.pauseMs);
  return out;
}

inline bool EndsWith(const Bytes& v, const Bytes& tail) {
  return v.size() >= tail.size() && std::equal(tail.begin(), tail.end(), v.end() - static_cast<long>(tail.size()));
}

// A simulated radio holding the pattern on a fake line; the port
// "/dev/absent" cannot be opened.
struct Rig {
  SimulatedRadio radio;
  FakeLine line;
  std::atomic<bool> cancel{false};
  PortOpener opener = FakeClockOpener(radio, line, "/dev/absent");
  Rig() { FillPattern(radio.memory()); }
  TransferResult Run(TransferDirection d, RadioImage& image, TransferCallbacks cb = {}) {
    return RunTransfer(opener, "/dev/fake", 9600, d, image, cancel, cb);
  }
};

}  // namespace cps::test
