// SPDX-License-Identifier: GPL-3.0-or-later
#include "port/low_latency.h"

#if defined(__linux__)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace cps {

#if defined(__linux__)
int LowLatencyFlag() { return ASYNC_LOW_LATENCY; }

SerialFlagAccess SystemSerialFlags() {
  SerialFlagAccess access;
  access.get = [](int fd) -> std::optional<int> {
    serial_struct ss{};
    if (::ioctl(fd, TIOCGSERIAL, &ss) != 0) return std::nullopt;
    return ss.flags;
  };
  access.set = [](int fd, int flags) {
    serial_struct ss{};
    if (::ioctl(fd, TIOCGSERIAL, &ss) != 0) return false;
    ss.flags = flags;
    return ::ioctl(fd, TIOCSSERIAL, &ss) == 0;
  };
  return access;
}
#else
int LowLatencyFlag() { return 0x2000; }
SerialFlagAccess SystemSerialFlags() {
  return {[](int) -> std::optional<int> { return std::nullopt; }, [](int, int) { return false; }};
}
#endif

LowLatencyRequest::LowLatencyRequest(int fd, SerialFlagAccess access) : fd_(fd), access_(std::move(access)) {
  if (fd_ < 0 || !access_.get || !access_.set) return;
  const std::optional<int> flags = access_.get(fd_);
  if (!flags) return;
  if (*flags & LowLatencyFlag()) {
    text_ = "already on";  // nothing to put back
    return;
  }
  if (access_.set(fd_, *flags | LowLatencyFlag())) restore_ = *flags;
  text_ = restore_ ? "granted" : "refused";
}

LowLatencyRequest::~LowLatencyRequest() {
  if (restore_) access_.set(fd_, *restore_);
}

}  // namespace cps
