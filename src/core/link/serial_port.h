// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the radio protocols need of a serial port. The real port (QSerialPort,
// src/port), the in-process simulated radio with a fake clock and anything
// else a test wants all look like this to the protocol code.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/base/result.h"

namespace cps {

// Read time-outs, as the radio link sets them on the port: a read of n bytes
// gives up when more than `intervalMs` pass between two received bytes, or
// when `totalMultiplierMs` × n + `totalConstantMs` have passed since the read
// began, whichever comes first.
struct ReadTimeouts {
  int intervalMs = 50;
  int totalMultiplierMs = 50;
  int totalConstantMs = 100;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  virtual void SetReadTimeouts(const ReadTimeouts& timeouts) = 0;
  // Waits until everything written so far has left the port, then throws
  // away the bytes received and not yet read. Bytes the program has sent are
  // never dropped.
  virtual void DiscardInput() = 0;
  // Sends the bytes. False when the port refused them.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Reads up to `n` bytes into `out` within the read time-outs; returns how
  // many arrived (fewer than n means a time-out).
  virtual std::size_t Read(std::uint8_t* out, std::size_t n) = 0;
  // Waits `ms` milliseconds.
  virtual void Pause(int ms) = 0;

  // What the port itself reported when it failed (an adapter pulled out:
  // "Input/output error"); empty while it works. A time-out is no failure.
  virtual std::string FailureText() const { return {}; }
  // Whether the driver runs the port with low latency, for the trace:
  // "granted", "refused", "already on", or "not available on this port".
  virtual std::string LowLatencyText() const { return "not available on this port"; }
};

// Opens the port named `name` at `baud` for one exchange; the error is the
// reason to show under the program's own message.
using PortOpener = std::function<Result<std::unique_ptr<SerialPort>>(const std::string& name, int baud)>;

}  // namespace cps
