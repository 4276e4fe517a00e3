// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/fake_clock_port.h"

#include <algorithm>

namespace cps {

std::vector<std::uint8_t> FakeLine::Sent() const {
  std::vector<std::uint8_t> all;
  for (const WireEvent& e : events)
    if (e.kind == WireEvent::Kind::kWrite) all.insert(all.end(), e.bytes.begin(), e.bytes.end());
  return all;
}

void FakeClockPort::DiscardInput() {
  // A byte that arrives at this very instant is still on its way: the
  // radio's answer always comes after the discard that precedes the read.
  while (!line_.incoming.empty() && line_.incoming.front().first < line_.nowUs) line_.incoming.pop_front();
  line_.events.push_back({WireEvent::Kind::kDiscard, line_.nowUs, {}, 0});
}

bool FakeClockPort::Write(std::span<const std::uint8_t> bytes) {
  line_.events.push_back({WireEvent::Kind::kWrite, line_.nowUs, {bytes.begin(), bytes.end()}, 0});
  std::vector<RadioByte> answer;
  std::int64_t arrival = line_.nowUs;
  for (std::uint8_t b : bytes) {
    arrival += line_.byteTimeUs;
    answer.clear();
    radio_.Receive(b, answer);
    for (const RadioByte& r : answer) {
      const std::int64_t t = std::max(line_.radioLineFreeUs, arrival) + r.delayUs + line_.byteTimeUs;
      line_.radioLineFreeUs = t;
      line_.incoming.emplace_back(t, r.value);
    }
  }
  return true;
}

std::size_t FakeClockPort::Read(std::uint8_t* out, std::size_t n) {
  const std::int64_t totalDeadline =
      line_.nowUs + (static_cast<std::int64_t>(timeouts_.totalMultiplierMs) * static_cast<std::int64_t>(n) +
                     timeouts_.totalConstantMs) * 1000;
  std::size_t got = 0;
  std::int64_t lastByte = 0;
  while (got < n) {
    std::int64_t limit = totalDeadline;
    if (got > 0) limit = std::min(limit, lastByte + static_cast<std::int64_t>(timeouts_.intervalMs) * 1000);
    if (line_.incoming.empty() || line_.incoming.front().first > limit) {
      line_.nowUs = std::max(line_.nowUs, limit);
      break;
    }
    line_.nowUs = std::max(line_.nowUs, line_.incoming.front().first);
    out[got++] = line_.incoming.front().second;
    line_.incoming.pop_front();
    lastByte = line_.nowUs;
  }
  line_.events.push_back({WireEvent::Kind::kRead, line_.nowUs, {out, out + got}, 0});
  return got;
}

void FakeClockPort::Pause(int ms) {
  line_.nowUs += static_cast<std::int64_t>(ms) * 1000;
  line_.events.push_back({WireEvent::Kind::kPause, line_.nowUs, {}, ms});
}

PortOpener FakeClockOpener(SimulatedRadio& radio, FakeLine& line, std::string missingName) {
  return [&radio, &line, missingName](const std::string& name, int) -> Result<std::unique_ptr<SerialPort>> {
    if (name.empty() || name == missingName) return Error{"The port " + name + " does not exist."};
    return std::unique_ptr<SerialPort>(std::make_unique<FakeClockPort>(radio, line));
  };
}

}  // namespace cps
