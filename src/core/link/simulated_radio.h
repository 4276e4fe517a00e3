// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated radio: it answers the link protocol from a 16 KB memory of its
// own, with a configurable identification (band edges) and faults that can
// be switched on one at a time. It has no clock and no port: the program's
// bytes go in through Receive(), the radio's answer comes out as bytes with
// the delay the radio leaves before each one. A port that calls it directly
// (FakeClockPort) or a pseudo-terminal server (PtyRadioServer) carries the
// bytes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

enum class RadioFault {
  kNone,
  kSilent,          // never answers anything
  kBadHandshake,    // answers the handshake with 0x15 instead of 0x41
  kShortId,         // sends 15 of the 16 identification bytes
  kNoIdAck,         // does not answer the acknowledgement of the identification
  kShortBlock,      // block K: 16 of the data bytes only (read)
  kMissingBlock,    // block K: no answer at all to the command
  kNoBlockAck,      // block K: no 0x41 after it (read: to the program's 0x41; write: to the data)
  kStopAtBlock,     // from block K on, nothing more in that session
  kByteDelay,       // K milliseconds before every byte the radio sends
  kGarbage,         // one byte 0x3F before the 0x41 that answers block K (K = 0: the radio's first handshake reply)
  kLateBlock,       // block K: the reply (read) or acknowledgement (write) begins 1 s late
  kCorruptBlock,    // block K of a write: stored with its byte 7 inverted, acknowledged as usual
};

// How late kLateBlock answers.
constexpr int kLateReplyMs = 1000;

struct RadioFaultSpec {
  RadioFault fault = RadioFault::kNone;
  int k = 0;  // block number 1.. within a session, or milliseconds for kByteDelay
};

// Parses "NAME" or "NAME:K" (names: silent, bad-handshake, short-id,
// no-id-ack, short-block:K, missing-block:K, no-block-ack:K, stop:K,
// delay:MS, garbage:K, late:K, corrupt:K).
Result<RadioFaultSpec> ParseRadioFault(const std::string& text);
// The names, for help texts.
std::string RadioFaultNames();

// One byte the radio sends, after waiting `delayUs` microseconds beyond the
// end of the byte before it.
struct RadioByte {
  std::uint8_t value;
  int delayUs;
};

class SimulatedRadio {
 public:
  SimulatedRadio();

  // The band edges sent in the identification, in MHz.
  void SetBand(int lowMhz, int highMhz) {
    lowMhz_ = lowMhz;
    highMhz_ = highMhz;
  }
  void SetFault(const RadioFaultSpec& fault) { fault_ = fault; }
  RadioImage& memory() { return memory_; }
  const RadioImage& memory() const { return memory_; }

  // Called when "ENDW" ends a session in which blocks were written, and
  // after the last block (0x0080) of a factory write, which has no end
  // marker.
  std::function<void(const RadioImage&)> onWriteEnded;

  // Feeds one byte from the program; appends the radio's answer, if any.
  void Receive(std::uint8_t byte, std::vector<RadioByte>& out);
  void Receive(const std::uint8_t* bytes, std::size_t n, std::vector<RadioByte>& out) {
    for (std::size_t i = 0; i < n; ++i) Receive(bytes[i], out);
  }

  // How many sessions have begun (handshakes answered) and blocks served in
  // the current one; for tests.
  int sessions() const { return sessions_; }

 private:
  enum class State { kIdle, kWaitM, kWaitStx, kWaitIdAck, kCommand, kWaitBlockAck };
  void Send(std::vector<RadioByte>& out, std::uint8_t b);
  void Idle(std::uint8_t byte, std::vector<RadioByte>& out);
  void Command(std::vector<RadioByte>& out);
  bool FaultAt(RadioFault f, int block) const { return fault_.fault == f && fault_.k == block; }
  bool Stopped() const;

  RadioImage memory_;
  int lowMhz_ = 400;
  int highMhz_ = 470;
  RadioFaultSpec fault_;
  State state_ = State::kIdle;
  std::vector<std::uint8_t> window_;   // last bytes while idle
  std::vector<std::uint8_t> command_;  // command being collected
  int sessions_ = 0;
  int block_ = 0;          // blocks begun in this session
  bool wroteBlocks_ = false;
};

}  // namespace cps
