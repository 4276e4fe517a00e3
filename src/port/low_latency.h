// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Low latency on USB serial adapters. An adapter holds short replies back
// for its latency timer (16 ms by default); the lock-step protocol pays that
// for every block. When a port opens, the port layer asks the driver for low
// latency (the ASYNC_LOW_LATENCY serial flag) and puts the old flags back at
// close. A port that has no such flags (a pseudo-terminal) or refuses them
// is used as it is.
#include <functional>
#include <optional>

namespace cps {

// How the driver's serial flags are read and written; the seam for tests.
struct SerialFlagAccess {
  std::function<std::optional<int>(int fd)> get;  // empty: the port has no serial flags
  std::function<bool(int fd, int flags)> set;      // false: refused
};

// The system's access (TIOCGSERIAL / TIOCSSERIAL where they exist).
SerialFlagAccess SystemSerialFlags();

// The low-latency flag's value (ASYNC_LOW_LATENCY).
int LowLatencyFlag();

// Asks for low latency while it lives; restores the flags it found.
class LowLatencyRequest {
 public:
  LowLatencyRequest(int fd, SerialFlagAccess access);
  ~LowLatencyRequest();
  LowLatencyRequest(const LowLatencyRequest&) = delete;
  LowLatencyRequest& operator=(const LowLatencyRequest&) = delete;
  bool granted() const { return restore_.has_value(); }
  // "granted", "refused", "already on" or "not available on this port".
  const char* text() const { return text_; }

 private:
  int fd_;
  SerialFlagAccess access_;
  std::optional<int> restore_;  // the flags found, when they were changed
  const char* text_ = "not available on this port";
};

}  // namespace cps
