// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/port_access.h"

#include <cstdio>

namespace cps {

namespace {

std::string ModeText(unsigned mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", mode & 07777u);
  return text;
}

constexpr unsigned kGroupReadWrite = 060;
constexpr unsigned kOwnerReadWrite = 0600;

}  // namespace

std::string PermissionAdvice(const std::string& path, const DeviceAccess& access) {
  const std::string group = access.group.empty() ? "?" : access.group;
  std::string text = "Permission denied for " + path + " (owner " + access.owner + ", group " + group + ", mode " +
                     ModeText(access.mode) + "). ";
  if (access.userIsOwner && (access.mode & kOwnerReadWrite) != kOwnerReadWrite)
    return text + "The device is yours but not readable and writable: chmod u+rw " + path + ".";
  const bool groupWould = (access.mode & kGroupReadWrite) == kGroupReadWrite && !access.group.empty() &&
                          access.group != "root";
  if (groupWould) {
    if (access.userInGroup && !access.sessionHasGroup)
      return text + "Your user belongs to the group " + access.group +
             " since this session started: log out and in again (or run: newgrp " + access.group + ").";
    if (!access.userInGroup)
      return text + "Your user must belong to the group " + access.group + ": sudo usermod -aG " + access.group +
             " $USER, then log in again.";
  }
  // Joining the group would not help (it has no read and write, or it is
  // root's): only a change of the device itself does.
  return text + "Only a change of the device gives your user access: a udev rule (a USB cable of a known "
                "adapter is given to the user at the seat by the rule installed with the package: unplug and plug "
                "it in again), or until the device is plugged in again: sudo chmod a+rw " +
         path + ".";
}

}  // namespace cps
