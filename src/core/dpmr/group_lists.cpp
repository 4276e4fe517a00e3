// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/group_lists.h"

#include <algorithm>

#include "core/dpmr/dpmr_layout.h"

namespace cps::dpmr {
namespace {

std::size_t ListAddress(int k) { return kGroupListsAddr + kGroupListSize * static_cast<std::size_t>(k - 1); }

std::string SlotName(const RadioImage& image, int slot) {
  if (slot < 1 || slot > kContactSlots) return {};
  return ContactName(image, slot);
}

std::vector<int> Selected(const std::vector<GroupEntry>& list) {
  std::vector<int> out;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].selected) out.push_back(static_cast<int>(i));
  return out;
}

void ClearSelection(std::vector<GroupEntry>& list) {
  for (auto& e : list) e.selected = false;
}

}  // namespace

std::string GroupListTitle(int k) { return "Group rx list " + std::to_string(k); }

std::vector<int> GroupListMembers(const RadioImage& image, int k) {
  std::vector<int> out;
  for (int i = 0; i < kGroupListSize; ++i) {
    const std::uint8_t b = image.Byte(ListAddress(k) + static_cast<std::size_t>(i));
    if (b == 0x00 || b == 0xFF) break;
    out.push_back(b);
  }
  return out;
}

void GroupListEditor::Load(const RadioImage& image, int k) {
  list_ = std::clamp(k, 1, kGroupLists);
  unallocated_.clear();
  allocated_.clear();
  const std::vector<int> members = GroupListMembers(image, list_);
  for (int slot : members) allocated_.push_back({SlotName(image, slot), slot, false});
  for (int slot : ListedContactSlots(image)) {
    if (!image.Bit(ContactSlotAddress(slot) + 7, 0)) continue;
    if (std::find(members.begin(), members.end(), slot) != members.end()) continue;
    unallocated_.push_back({SlotName(image, slot), slot, false});
  }
  if (!unallocated_.empty()) unallocated_.front().selected = true;
  if (!allocated_.empty()) allocated_.front().selected = true;
}

void GroupListEditor::Store(RadioImage& image) const {
  const std::size_t at = ListAddress(list_);
  image.Fill(at, kGroupListSize, 0xFF);
  for (std::size_t i = 0; i < allocated_.size() && i < kGroupListSize; ++i)
    image.SetByte(at + i, static_cast<std::uint8_t>(allocated_[i].slot));
}

bool GroupListEditor::CanAdd() const {
  return allocated_.size() < kGroupListSize && !Selected(unallocated_).empty();
}

bool GroupListEditor::CanDel() const { return !Selected(allocated_).empty(); }

bool GroupListEditor::CanUp() const {
  const auto sel = Selected(allocated_);
  if (sel.empty()) return false;
  for (std::size_t i = 0; i < sel.size(); ++i)
    if (sel[i] != static_cast<int>(i)) return true;
  return false;
}

bool GroupListEditor::CanDown() const {
  const auto sel = Selected(allocated_);
  if (sel.empty()) return false;
  return sel.front() != static_cast<int>(allocated_.size() - sel.size());
}

void GroupListEditor::Add() {
  const auto noted = Selected(unallocated_);
  ClearSelection(unallocated_);
  ClearSelection(allocated_);
  int removed = 0;
  for (int pos : noted) {
    if (allocated_.size() >= kGroupListSize) break;
    const auto it = unallocated_.begin() + (pos - removed);
    GroupEntry e = *it;
    unallocated_.erase(it);
    ++removed;
    e.selected = true;
    allocated_.push_back(std::move(e));
  }
  if (!noted.empty() && !unallocated_.empty()) {
    const int above = std::max(noted.front() - 1, 0);
    unallocated_[static_cast<std::size_t>(std::min<int>(above, static_cast<int>(unallocated_.size()) - 1))].selected = true;
  }
}

void GroupListEditor::Del() {
  const auto noted = Selected(allocated_);
  ClearSelection(unallocated_);
  for (auto it = noted.rbegin(); it != noted.rend(); ++it) {
    GroupEntry e = allocated_[static_cast<std::size_t>(*it)];
    allocated_.erase(allocated_.begin() + *it);
    e.selected = true;
    unallocated_.push_back(std::move(e));
  }
  if (!noted.empty() && !allocated_.empty()) {
    const int above = std::max(noted.front() - 1, 0);
    allocated_[static_cast<std::size_t>(std::min<int>(above, static_cast<int>(allocated_.size()) - 1))].selected = true;
  }
}

void GroupListEditor::Up() {
  if (!CanUp()) return;
  for (std::size_t i = 1; i < allocated_.size(); ++i)
    if (allocated_[i].selected && !allocated_[i - 1].selected) std::swap(allocated_[i], allocated_[i - 1]);
}

void GroupListEditor::Down() {
  if (!CanDown()) return;
  for (std::size_t i = allocated_.size() - 1; i-- > 0;)
    if (allocated_[i].selected && !allocated_[i + 1].selected) std::swap(allocated_[i], allocated_[i + 1]);
}

}  // namespace cps::dpmr
