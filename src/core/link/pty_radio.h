// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serves a SimulatedRadio on a pseudo-terminal, so that a program opens the
// terminal's device path like a serial port. Bytes are paced at the baud
// rate in both directions: the radio hears a byte only when it would have
// crossed the line, and its own bytes appear one byte time apart, so a
// transfer takes real wire time.
#include <atomic>
#include <cstdint>
#include <string>

#include "core/base/result.h"
#include "core/link/simulated_radio.h"

namespace cps {

class PtyRadioServer {
 public:
  PtyRadioServer(SimulatedRadio& radio, int baud) : radio_(radio), baud_(baud) {}
  ~PtyRadioServer();
  PtyRadioServer(const PtyRadioServer&) = delete;
  PtyRadioServer& operator=(const PtyRadioServer&) = delete;

  // Holds every reply back `ms` milliseconds after its last byte has
  // crossed the line, as a USB serial adapter's latency timer does.
  void SetLatency(int ms) { latencyNs_ = static_cast<std::int64_t>(ms) * 1'000'000; }

  // Creates the pseudo-terminal (raw mode); the device path is then known.
  Status Open();
  const std::string& devicePath() const { return path_; }
  // Answers the program until `stop` becomes true (looked at every 20 ms).
  void Serve(const std::atomic<bool>& stop);

  // Bytes that crossed the line so far.
  std::uint64_t bytesIn() const { return bytesIn_; }
  std::uint64_t bytesOut() const { return bytesOut_; }

 private:
  SimulatedRadio& radio_;
  int baud_;
  std::int64_t latencyNs_ = 0;
  int master_ = -1;
  int slave_ = -1;  // kept open so the terminal survives the program closing it
  std::string path_;
  std::atomic<std::uint64_t> bytesIn_{0};
  std::atomic<std::uint64_t> bytesOut_{0};
};

}  // namespace cps
