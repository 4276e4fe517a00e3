// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial trace: every byte sent and received with a millisecond time
// stamp and its direction, as hex lines, plus port opens, closes, purges and
// pauses. The trace is a SerialPort that wraps another, so the protocol code
// does not know it is watched. Lines go out after each answer the program
// read (once per exchange, between the radio's bytes and the next command,
// so tracing does not change the timing): a program killed halfway leaves
// every exchange up to then in the file.
//
//   auto trace = SerialTrace::ToFile("read.trace", "dpmr-cli 3.0.0");  // or a stream
//   if (!trace) fail(trace.error());
//   PortOpener opener = TracingOpener(OpenRadioPort, *trace);
//   RunTransfer(opener, "/dev/ttyUSB0", 9600, ...);
//
// A file begins with "Serial trace by dpmr-cli 3.0.0, begun 2026-12-07
// 10:56:13 +0100"; an open names the port, the baud rate and whether the
// driver granted low latency. A line:  "    1234.567  /dev/ttyUSB0  > 52 01
// 00 20"  (ms since the trace began, the port, ">" sent or "<" received). A
// read that ends early says so: "< 57 01 (2 of 4, time-out)".
#include <cstdint>
#include <ctime>
#include <fstream>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "core/base/result.h"
#include "core/link/serial_port.h"

namespace cps {

class SerialTrace {
 public:
  using Clock = std::function<std::int64_t()>;  // microseconds, any origin

  // Lines go to `out` (kept by the caller); `clock` defaults to the
  // monotonic clock.
  explicit SerialTrace(std::ostream& out, Clock clock = {});
  // A new file at `path` (replaced if it exists), begun with the header
  // line naming `program` (its name and version) and the local time.
  static Result<std::shared_ptr<SerialTrace>> ToFile(const std::string& path, const std::string& program = {});

  // The first line of a trace file begun at `when`.
  static std::string Header(const std::string& program, std::time_t when);
  ~SerialTrace();  // writes what is left

  void Note(const std::string& port, const std::string& what);
  void Bytes(const std::string& port, char direction, std::span<const std::uint8_t> bytes, std::size_t asked = 0);
  // Writes the collected lines out.
  void Flush();

 private:
  SerialTrace() = default;
  std::string Stamp(const std::string& port);
  void Append(std::string line);

  std::unique_ptr<std::ofstream> file_;
  std::ostream* out_ = nullptr;
  Clock clock_;
  std::int64_t startUs_ = 0;
  std::mutex mutex_;
  std::string pending_;
};

// The port `inner` opens, traced into `trace` under its name.
PortOpener TracingOpener(PortOpener inner, std::shared_ptr<SerialTrace> trace);

}  // namespace cps
