// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Group rx list" page's model: one of the 16 group receive lists at a
// time, with the group contacts not in it ("Unallocated:") and its members
// ("Allocated:"), each entry selectable.
#include <cstdint>
#include <string>
#include <vector>

#include "core/image/radio_image.h"

namespace cps::dpmr {

struct GroupEntry {
  std::string name;
  int slot = 0;  // contact slot number
  bool selected = false;
};

class GroupListEditor {
 public:
  // Loads list k (1..16).
  void Load(const RadioImage& image, int k);
  // Writes the Allocated entries into list k (the one loaded).
  void Store(RadioImage& image) const;
  int list() const { return list_; }

  std::vector<GroupEntry>& unallocated() { return unallocated_; }
  std::vector<GroupEntry>& allocated() { return allocated_; }
  const std::vector<GroupEntry>& unallocated() const { return unallocated_; }
  const std::vector<GroupEntry>& allocated() const { return allocated_; }

  // Button states.
  bool CanAdd() const;
  bool CanDel() const;
  bool CanUp() const;
  bool CanDown() const;

  // "Add >>", "Del <<", "Up", "Down".
  void Add();
  void Del();
  void Up();
  void Down();

 private:
  int list_ = 1;
  std::vector<GroupEntry> unallocated_;
  std::vector<GroupEntry> allocated_;
};

// "Group rx list %d"
std::string GroupListTitle(int k);
// The members of list k as slot numbers, as the radio reads them.
std::vector<int> GroupListMembers(const RadioImage& image, int k);

}  // namespace cps::dpmr
