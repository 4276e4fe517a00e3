// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An in-process port to a SimulatedRadio on a fake clock: pauses and
// time-outs advance the clock instead of waiting, so a full transfer takes
// milliseconds, and every byte, discard and pause is recorded.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/link/serial_port.h"
#include "core/link/simulated_radio.h"

namespace cps {

struct WireEvent {
  enum class Kind { kWrite, kRead, kDiscard, kPause };
  Kind kind;
  std::int64_t timeUs;              // fake time when it happened (a read: when it ended)
  std::vector<std::uint8_t> bytes;  // written or read
  int pauseMs = 0;
};

// The line between the program and the simulated radio: the fake clock,
// the bytes on their way to the program and the record of events.
struct FakeLine {
  std::int64_t nowUs = 0;
  int byteTimeUs = 0;  // wire time of one byte (0: infinitely fast line)
  std::deque<std::pair<std::int64_t, std::uint8_t>> incoming;  // arrival time, byte
  std::int64_t radioLineFreeUs = 0;
  std::vector<WireEvent> events;
  int opens = 0;   // ports opened
  int closes = 0;  // ports closed

  // Everything the program wrote, in order.
  std::vector<std::uint8_t> Sent() const;
};

class FakeClockPort : public SerialPort {
 public:
  FakeClockPort(SimulatedRadio& radio, FakeLine& line) : radio_(radio), line_(line) { ++line_.opens; }
  ~FakeClockPort() override { ++line_.closes; }
  void SetReadTimeouts(const ReadTimeouts& timeouts) override { timeouts_ = timeouts; }
  void DiscardInput() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::size_t Read(std::uint8_t* out, std::size_t n) override;
  void Pause(int ms) override;

 private:
  SimulatedRadio& radio_;
  FakeLine& line_;
  ReadTimeouts timeouts_;
};

// Opens FakeClockPorts on `radio`; a port name equal to `missingName` (or an
// empty one) fails to open, as an absent device does.
PortOpener FakeClockOpener(SimulatedRadio& radio, FakeLine& line, std::string missingName = "");

}  // namespace cps
