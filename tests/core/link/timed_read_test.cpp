// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/timed_read.h"

#include <gtest/gtest.h>

#include <deque>

namespace cps {
namespace {

// A port double: bytes already taken in by the port, bytes that have
// arrived at the device but are seen only at the next wait, and a clock
// that jumps as a thread woken late would see it.
struct LateSource : ByteSource {
  std::deque<std::uint8_t> taken, waiting;
  long long now = 0;
  int jumpAfterFirstTakeMs = 0;  // preempted right after the first bytes were taken and timed
  int lateWakeMs = 0;            // every wait ends this much late
  bool took = false;
  int clockReadsToJump = 2;      // the first clock read times the bytes, the second comes late

  long long TakeArrived(std::uint8_t* out, std::size_t n) override {
    std::size_t k = 0;
    for (; k < n && !taken.empty(); ++k) {
      out[k] = taken.front();
      taken.pop_front();
    }
    took = took || k > 0;
    return static_cast<long long>(k);
  }
  void WaitForBytes(int ms) override {
    if (waiting.empty()) {
      now += ms;
      return;
    }
    now += lateWakeMs;
    while (!waiting.empty()) {
      taken.push_back(waiting.front());
      waiting.pop_front();
    }
  }
  long long NowMs() override {
    if (took && clockReadsToJump > 0 && --clockReadsToJump == 0) now += jumpAfterFirstTakeMs;
    return now;
  }
};

TEST(ReadWithTimeouts, LateWakeFindsTheBytesThatArrivedMeanwhile) {
  struct Row {
    const char* name;
    std::size_t taken, waiting;  // bytes at the start
    int jumpAfterFirstTakeMs, lateWakeMs;
    std::size_t expectGot;
    long long expectEndMs;
  };
  const ReadTimeouts t{50, 50, 100};  // 4 bytes: 300 ms in all
  const Row rows[] = {
      {"preempted past the interval with the rest waiting", 2, 2, 120, 0, 4, 120},
      {"preempted past the total with the rest waiting", 1, 3, 900, 0, 4, 900},
      {"woken 2 s late with every byte waiting", 0, 4, 0, 2000, 4, 2000},
      {"nothing more comes: the interval ends it", 2, 0, 0, 0, 2, 50},
      {"nothing comes: the total ends it", 0, 0, 0, 0, 0, 300},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LateSource s;
    for (std::size_t i = 0; i < row.taken; ++i) s.taken.push_back(static_cast<std::uint8_t>(0x10 + i));
    for (std::size_t i = 0; i < row.waiting; ++i) s.waiting.push_back(static_cast<std::uint8_t>(0x10 + row.taken + i));
    s.jumpAfterFirstTakeMs = row.jumpAfterFirstTakeMs;
    s.lateWakeMs = row.lateWakeMs;
    std::uint8_t out[4] = {};
    EXPECT_EQ(ReadWithTimeouts(s, out, 4, t), row.expectGot);
    EXPECT_EQ(s.now, row.expectEndMs);
    for (std::size_t i = 0; i < row.expectGot; ++i) EXPECT_EQ(out[i], 0x10 + i);
  }
}

}  // namespace
}  // namespace cps
