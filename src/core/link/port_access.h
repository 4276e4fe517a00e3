// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What to tell a user whose account may not open a serial device: read from
// the device's owner, group and mode, and from the groups the account has,
// so that only a step that would give access is suggested.
#include <string>

namespace cps {

struct DeviceAccess {
  unsigned mode = 0;           // permission bits, e.g. 0660
  std::string owner;           // "root"
  std::string group;           // "dialout"; empty when the group has no name
  bool userIsOwner = false;
  bool userInGroup = false;    // the account belongs to the group (the group database)
  bool sessionHasGroup = false;  // and this process already runs with it
};

// The reason shown under "Cound not open the port." when the device refused
// the account: names the device with its owner, group and mode, then
//  - the group grants read and write and is not root's: join that group
//    (or, already a member, log in again so that the session gets it);
//  - else nothing but a change of the device gives access: a lasting udev
//    rule, or `sudo chmod` until the device is plugged in again.
std::string PermissionAdvice(const std::string& path, const DeviceAccess& access);

}  // namespace cps
