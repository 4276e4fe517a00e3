// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/contact_repair.h"

#include <algorithm>

#include "core/image/image_text.h"

namespace cps {

namespace {

// The main channel records; the repair does not look at the PMR set.
constexpr std::size_t kMainChannelsAddr = 0x0100;
constexpr std::size_t kChannelSize = 32;
constexpr int kChannelCount = 16;
constexpr std::size_t kChannelContactByte = 0x15;
constexpr std::size_t kChannelGroupListByte = 0x17;

std::size_t ContactRecordAddr(int slot) { return kContactRecordsAddr + kContactRecordSize * (slot - 1); }

bool IsValidIndexWord(std::uint16_t w) { return w >= kContactRecordsAddr && w <= kContactLastRecordAddr; }

}  // namespace

std::vector<int> ListedContactSlots(const RadioImage& image) {
  std::vector<int> slots;
  for (int i = 0; i < kContactSlots; ++i) {
    const std::uint16_t w = image.Word(kContactIndexAddr + 2 * i);
    if (!IsValidIndexWord(w)) break;
    slots.push_back(static_cast<int>((w - kContactRecordsAddr) / kContactRecordSize) + 1);
  }
  return slots;
}

std::string ContactName(const RadioImage& image, int slot) {
  return PrintableText(image, ContactRecordAddr(slot) + 8, 8);
}

std::string FreeContactName(const std::vector<std::string>& names) {
  for (int k = 1; k <= kContactSlots; ++k) {
    std::string candidate = "Name " + std::to_string(k);
    if (std::find(names.begin(), names.end(), candidate) == names.end()) return candidate;
  }
  return {};
}

void RepairContactNames(RadioImage& image) {
  const std::vector<int> slots = ListedContactSlots(image);
  std::vector<std::string> names;
  names.reserve(slots.size());
  for (int slot : slots) names.push_back(ContactName(image, slot));

  for (auto& name : names)
    if (name.empty()) name = FreeContactName(names);
  for (std::size_t i = 0; i < names.size(); ++i)
    for (std::size_t j = i + 1; j < names.size(); ++j)
      if (names[j] == names[i]) names[j] = FreeContactName(names);

  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::size_t addr = ContactRecordAddr(slots[i]) + 8;
    image.Fill(addr, 8, 0xFF);
    const std::string& name = names[i];
    for (std::size_t k = 0; k < name.size() && k < 8; ++k) image.SetByte(addr + k, static_cast<std::uint8_t>(name[k]));
  }
}

void RepairContactReferences(RadioImage& image) {
  const std::vector<int> slots = ListedContactSlots(image);
  auto listed = [&](int slot) { return std::find(slots.begin(), slots.end(), slot) != slots.end(); };

  for (int n = 0; n < kChannelCount; ++n) {
    const std::size_t addr = kMainChannelsAddr + kChannelSize * n + kChannelContactByte;
    if (!listed(image.Byte(addr))) image.SetByte(addr, 0xFF);
  }

  for (int g = 1; g <= kGroupLists; ++g) {
    const std::size_t list = kGroupListsAddr + kGroupListSize * (g - 1);
    std::vector<std::uint8_t> kept;
    for (int k = 0; k < kGroupListSize; ++k) {
      const std::uint8_t m = image.Byte(list + k);
      if (m == 0x00 || m == 0xFF) break;
      // Member numbers above 64 have no record; they are never group contacts.
      if (m > kContactSlots) continue;
      const std::size_t rec = ContactRecordAddr(m);
      if (image.Bit(rec + 7, 0) && image.Byte(rec) != 0xFF) kept.push_back(m);
    }
    image.Fill(list, kGroupListSize, 0xFF);
    for (std::size_t k = 0; k < kept.size(); ++k) image.SetByte(list + k, kept[k]);
    if (kept.empty()) {
      for (int n = 0; n < kChannelCount; ++n) {
        const std::size_t addr = kMainChannelsAddr + kChannelSize * n + kChannelGroupListByte;
        if (image.Byte(addr) == g) image.SetByte(addr, 0);
      }
    }
  }
}

}  // namespace cps
