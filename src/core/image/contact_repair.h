// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repair passes for images that come from a file or from the radio: they
// bring contact names and the references to contacts into the shape the
// contact, group list and channel editors expect. They never fail and
// never ask; they change the image in place.
#include <string>
#include <vector>

#include "core/image/radio_image.h"

namespace cps {

// Contact index: 64 little-endian words; the list ends at the first word
// outside 0x0540..0x0930.
constexpr std::size_t kContactIndexAddr = 0x04C0;
constexpr std::size_t kContactRecordsAddr = 0x0540;
constexpr std::size_t kContactRecordSize = 16;
constexpr std::size_t kContactLastRecordAddr = 0x0930;
constexpr int kContactSlots = 64;
// Group receive list g (1..16) at 0x1B98 + 8 * g.
constexpr std::size_t kGroupListsAddr = 0x1BA0;
constexpr int kGroupLists = 16;
constexpr int kGroupListSize = 8;

// The contact slot numbers (1..64) of the valid index words, in index order.
std::vector<int> ListedContactSlots(const RadioImage& image);
// The name of the contact in `slot`: the printable characters from byte 8
// of its record, at most 8, up to the first other byte.
std::string ContactName(const RadioImage& image, int slot);

// The first of "Name 1".."Name 64" that equals no text of `names`; empty
// when all 64 are taken.
std::string FreeContactName(const std::vector<std::string>& names);

// Gives every listed contact a non-empty name no other listed contact has.
void RepairContactNames(RadioImage& image);

// Clears channel references to contacts that are not listed and removes
// from every group receive list the members that are not group contacts;
// a list left empty is also cleared from the channels that used it.
void RepairContactReferences(RadioImage& image);

}  // namespace cps
