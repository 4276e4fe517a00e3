// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read loop of a real port, apart from the port: up to n bytes within
// the read time-outs. A time-out only ends the read when, after the wait,
// no byte is there: a thread woken late (a loaded machine) first takes the
// bytes that arrived meanwhile.
#include <cstddef>
#include <cstdint>

#include "core/link/serial_port.h"

namespace cps {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `n` bytes that have already arrived; never waits. A
  // negative value means the port failed.
  virtual long long TakeArrived(std::uint8_t* out, std::size_t n) = 0;
  // Waits up to `ms` milliseconds (0: only looks) for more bytes to arrive.
  virtual void WaitForBytes(int ms) = 0;
  // Milliseconds on a monotonic clock.
  virtual long long NowMs() = 0;
};

std::size_t ReadWithTimeouts(ByteSource& source, std::uint8_t* out, std::size_t n, const ReadTimeouts& timeouts);

}  // namespace cps
