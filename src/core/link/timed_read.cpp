// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/timed_read.h"

#include <algorithm>

namespace cps {

std::size_t ReadWithTimeouts(ByteSource& source, std::uint8_t* out, std::size_t n, const ReadTimeouts& timeouts) {
  const long long start = source.NowMs();
  const long long totalDeadline =
      start + static_cast<long long>(timeouts.totalMultiplierMs) * static_cast<long long>(n) + timeouts.totalConstantMs;
  std::size_t got = 0;
  long long lastByteAt = start;
  bool lookedAfterDeadline = false;
  while (got < n) {
    const long long r = source.TakeArrived(out + got, n - got);
    if (r < 0) break;
    if (r > 0) {
      got += static_cast<std::size_t>(r);
      lastByteAt = source.NowMs();
      lookedAfterDeadline = false;
      continue;
    }
    long long deadline = totalDeadline;
    if (got > 0) deadline = std::min(deadline, lastByteAt + timeouts.intervalMs);
    const long long wait = deadline - source.NowMs();
    if (wait <= 0) {
      // Past the time-out: give up only when one last look finds nothing.
      if (lookedAfterDeadline) break;
      lookedAfterDeadline = true;
      source.WaitForBytes(0);
      continue;
    }
    source.WaitForBytes(static_cast<int>(wait));
  }
  return got;
}

}  // namespace cps
