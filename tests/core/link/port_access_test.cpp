// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/port_access.h"

#include <gtest/gtest.h>

namespace cps {
namespace {

// Only a step that would give access is suggested: the group when it may
// read and write and is not root's, else a change of the device itself.
TEST(PermissionAdviceTest, SuggestsOnlyWhatWouldWork) {
  const std::string head = "Permission denied for /dev/ttyUSB0 ";
  const std::string device =
      "Only a change of the device gives your user access: a udev rule (a USB cable of a known adapter is given to "
      "the user at the seat by the rule installed with the package: unplug and plug it in again), or until the "
      "device is plugged in again: sudo chmod a+rw /dev/ttyUSB0.";
  const struct {
    const char* what;
    DeviceAccess access;
    std::string advice;
  } rows[] = {
      {"root:root 0600", {0600, "root", "root", false, false, false},
       head + "(owner root, group root, mode 0600). " + device},
      {"root:root 0660: the root group is no advice", {0660, "root", "root", false, false, false},
       head + "(owner root, group root, mode 0660). " + device},
      {"dialout 0600: the group has no access", {0600, "root", "dialout", false, false, false},
       head + "(owner root, group dialout, mode 0600). " + device},
      {"dialout 0640: read only", {0640, "root", "dialout", false, false, false},
       head + "(owner root, group dialout, mode 0640). " + device},
      {"dialout 0660", {0660, "root", "dialout", false, false, false},
       head + "(owner root, group dialout, mode 0660). Your user must belong to the group dialout: sudo usermod -aG "
              "dialout $USER, then log in again."},
      {"uucp 0660, a member since this session started", {0660, "root", "uucp", false, true, false},
       head + "(owner root, group uucp, mode 0660). Your user belongs to the group uucp since this session started: "
              "log out and in again (or run: newgrp uucp)."},
      {"own device without rights", {0400, "me", "me", true, true, true},
       head + "(owner me, group me, mode 0400). The device is yours but not readable and writable: chmod u+rw "
              "/dev/ttyUSB0."},
      {"a group without a name", {0660, "root", "", false, false, false},
       head + "(owner root, group ?, mode 0660). " + device},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(PermissionAdvice("/dev/ttyUSB0", row.access), row.advice);
  }
}

}  // namespace
}  // namespace cps
