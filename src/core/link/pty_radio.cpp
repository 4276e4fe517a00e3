// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/pty_radio.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <vector>

#if defined(__linux__) || defined(__APPLE__)
#include <fcntl.h>
#include <sched.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <util.h>
#else
#include <pty.h>
#endif
#define DPMR_HAVE_PTY 1
#endif

namespace cps {

#ifdef DPMR_HAVE_PTY

PtyRadioServer::~PtyRadioServer() {
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
}

Status PtyRadioServer::Open() {
  if (baud_ <= 0) return Error{"the baud rate must be above 0"};
  termios tio{};
  cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  char name[256] = {};
  if (::openpty(&master_, &slave_, name, &tio, nullptr) != 0)
    return Error{std::string("cannot create a pseudo-terminal: ") + std::strerror(errno)};
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  path_ = name;
  return {};
}

void PtyRadioServer::Serve(const std::atomic<bool>& stop) {
  using Clock = std::chrono::steady_clock;
  const std::int64_t byteNs = 10'000'000'000LL / baud_;  // start, 8 data bits, stop
  auto nowNs = [] {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
  };
  struct Pending {
    std::int64_t dueNs;
    std::uint8_t value;
  };
  std::deque<Pending> out;
  std::int64_t inLineFree = 0, outLineFree = 0;
  std::vector<RadioByte> answer;
  std::vector<std::uint8_t> chunk;
  std::uint8_t buf[512];
  constexpr std::int64_t kEarlyWakeNs = 60'000;
  constexpr std::int64_t kListenNs = 200'000;
  std::int64_t lastWriteNs = 0;

  while (!stop) {
    // Send what has crossed the line by now.
    std::int64_t now = nowNs();
    chunk.clear();
    while (!out.empty() && out.front().dueNs <= now) {
      chunk.push_back(out.front().value);
      out.pop_front();
    }
    std::size_t off = 0;
    while (off < chunk.size()) {
      const ssize_t w = ::write(master_, chunk.data() + off, chunk.size() - off);
      if (w > 0) {
        off += static_cast<std::size_t>(w);
        lastWriteNs = nowNs();
        bytesOut_ += static_cast<std::uint64_t>(w);
      } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
        break;  // nobody can read them; drop
      } else {
        pollfd pw{master_, POLLOUT, 0};
        ::poll(&pw, 1, 5);
      }
    }

    // Wait for the program's bytes or the next byte due.
    std::int64_t waitNs = 20'000'000;
    if (out.empty() && nowNs() - lastWriteNs < kListenNs) {
      // Just answered: the program's next bytes follow at once.
      pollfd pr{master_, POLLIN, 0};
      while (nowNs() - lastWriteNs < kListenNs && ::poll(&pr, 1, 0) == 0) sched_yield();
      if (pr.revents & POLLIN) waitNs = 0;
    } else if (!out.empty()) {
      waitNs = out.front().dueNs - nowNs();
      if (waitNs <= kEarlyWakeNs) {
        // The last stretch: look for the program's bytes without sleeping,
        // yielding the processor, so that a busy system does not make the
        // radio late by a whole scheduler wake-up.
        pollfd pr{master_, POLLIN, 0};
        while (nowNs() < out.front().dueNs && ::poll(&pr, 1, 0) == 0) sched_yield();
        if (!(pr.revents & POLLIN)) continue;
        waitNs = 0;
      } else {
        waitNs -= kEarlyWakeNs;
      }
    }
    timespec ts{static_cast<time_t>(waitNs / 1'000'000'000), static_cast<long>(waitNs % 1'000'000'000)};
    pollfd pr{master_, POLLIN, 0};
    const int r = ::ppoll(&pr, 1, &ts, nullptr);
    if (r <= 0 || !(pr.revents & POLLIN)) continue;
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n <= 0) continue;
    bytesIn_ += static_cast<std::uint64_t>(n);
    now = nowNs();
    for (ssize_t i = 0; i < n; ++i) {
      inLineFree = std::max(inLineFree, now) + byteNs;  // when the radio has heard this byte
      answer.clear();
      radio_.Receive(buf[i], answer);
      // An answer sent without pauses appears at once, when its last byte
      // has crossed the line: the program waits for that byte anyway, and a
      // burst costs one wake-up on each side instead of one per byte. Bytes
      // with a delay before them come one by one.
      std::size_t burstStart = out.size();
      for (const RadioByte& a : answer) {
        if (a.delayUs > 0) burstStart = out.size();
        outLineFree = std::max(outLineFree, inLineFree) + static_cast<std::int64_t>(a.delayUs) * 1000 + byteNs;
        out.push_back({outLineFree + latencyNs_, a.value});
        for (std::size_t k = burstStart; k < out.size(); ++k) out[k].dueNs = outLineFree + latencyNs_;
      }
    }
  }
}

#else

PtyRadioServer::~PtyRadioServer() = default;
Status PtyRadioServer::Open() { return Error{"pseudo-terminals are not available on this system"}; }
void PtyRadioServer::Serve(const std::atomic<bool>&) {}

#endif

}  // namespace cps
