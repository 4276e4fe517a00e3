// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/contacts.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/base/texts.h"
#include "core/channels/channel_record.h"
#include "core/codec/digit_codes.h"
#include "core/dpmr/dpmr_layout.h"
#include "core/image/contact_repair.h"

namespace cps::dpmr {

namespace {

constexpr std::size_t kNumberLength = 7, kTypeAt = 7, kNameAt = 8, kNameLength = 8;


std::string PadNumber(std::string_view text) { return FitText(text, '0', kNumberLength, true); }

// The number as set B codes: digits, and "*" as 0x0A, the code it was
// loaded from (writing digits only would cut a number at its "*").
void WriteNumber(RadioImage& image, std::size_t slot, const std::string& padded) {
  for (std::size_t i = 0; i < padded.size() && i < kNumberLength; ++i) {
    const std::uint8_t code = DigitCodeB(padded[i]);
    if (code == kNoDigit) break;
    image.SetByte(slot + i, code);
  }
}

}  // namespace

int ContactList::SlotOf(const Contact& c) {
  return static_cast<int>((c.offset - kContactRecordsAddr) / kContactRecordSize) + 1;
}

void ContactList::Load(const RadioImage& image) {
  rows_.clear();
  freed_.clear();
  reused_.clear();
  for (int slot : ListedContactSlots(image)) {
    // A word inside a slot stands for that slot's start.
    const std::size_t at = ContactSlotAddress(slot);
    Contact c;
    c.name = ContactName(image, slot);
    c.number = SetBDigits(image, at, kNumberLength);
    c.group = image.Bit(at + kTypeAt, 0);
    c.offset = static_cast<std::uint16_t>(at);
    rows_.push_back(std::move(c));
  }
}

void ContactList::Store(RadioImage& image) {
  // References to a reused slot belong to the deleted contact: drop them as
  // the repair below drops references to free slots.
  for (int slot : reused_) {
    for (int k = 1; k <= kGroupLists; ++k) {
      const std::size_t at = kGroupListsAddr + kGroupListSize * static_cast<std::size_t>(k - 1);
      std::vector<std::uint8_t> kept;
      for (int i = 0; i < kGroupListSize; ++i) {
        const std::uint8_t m = image.Byte(at + static_cast<std::size_t>(i));
        if (m == 0x00 || m == 0xFF) break;
        if (m != slot) kept.push_back(m);
      }
      image.Fill(at, kGroupListSize, 0xFF);
      image.Write(at, kept);
    }
    for (int n = 1; n <= kChannelCount; ++n) {
      ChannelRecord rec(image, kMainChannelBase, n);
      if (rec.txContact() == slot) rec.setTxContact(0xFF);
      for (int which : {1, 2})
        if (rec.callContact(which) == slot) rec.setCallContact(which, 0xFF);
    }
  }
  freed_.clear();
  reused_.clear();

  image.Fill(kContactIndexAddr, 2 * kContactSlots, 0xFF);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Contact& c = rows_[i];
    image.SetWord(kContactIndexAddr + 2 * i, c.offset);
    image.Fill(c.offset, kNumberLength, 0xFF);
    image.Fill(c.offset + kNameAt, kNameLength, 0xFF);
    WritePrintable(image, c.offset + kNameAt, c.name, kNameLength);
    WriteNumber(image, c.offset, PadNumber(c.number));
    image.SetBit(c.offset + kTypeAt, 0, c.group);
  }
  RepairContactReferences(image);
}

int ContactList::NewSlot(const RadioImage& image) const {
  auto used = [&](int slot) {
    return std::any_of(rows_.begin(), rows_.end(), [&](const Contact& c) { return SlotOf(c) == slot; });
  };
  // The lowest free slot. A slot that a listed contact occupies is never
  // taken, even when its number is empty; when no slot is free, the lowest
  // slot that no contact is listed in is reused.
  for (int slot = 1; slot <= kContactSlots; ++slot)
    if (image.Byte(ContactSlotAddress(slot)) == 0xFF && !used(slot)) return slot;
  for (int slot = 1; slot <= kContactSlots; ++slot)
    if (!used(slot)) return slot;
  return 0;
}

std::optional<int> ContactList::Add(RadioImage& image) { return Insert(image, Count()); }

std::optional<int> ContactList::Insert(RadioImage& image, int row) {
  if (!CanAdd()) return std::nullopt;
  const int slot = NewSlot(image);
  if (slot == 0) return std::nullopt;
  if (row < 0 || row > Count()) row = Count();

  Contact c;
  std::vector<std::string> names;
  for (const Contact& r : rows_) names.push_back(r.name);
  c.name = FreeContactName(names);
  c.number = "0000001";
  for (int n = 1; n <= kContactSlots; ++n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%07d", n);
    if (std::none_of(rows_.begin(), rows_.end(), [&](const Contact& r) { return r.number == buf; })) {
      c.number = buf;
      break;
    }
  }
  c.group = true;
  c.offset = static_cast<std::uint16_t>(ContactSlotAddress(slot));

  if (std::find(freed_.begin(), freed_.end(), slot) != freed_.end()) reused_.push_back(slot);
  image.Fill(c.offset, kContactRecordSize, 0xFF);
  WritePrintable(image, c.offset + kNameAt, c.name, kNameLength);
  WriteNumber(image, c.offset, PadNumber(c.number));
  image.SetByte(c.offset + kTypeAt, 0x01);

  rows_.insert(rows_.begin() + row, std::move(c));
  return row;
}

bool ContactList::Delete(RadioImage& image, int row) {
  if (!CanDelete() || row < 0 || row >= Count()) return false;
  image.Fill(rows_[static_cast<std::size_t>(row)].offset, kContactRecordSize, 0xFF);
  freed_.push_back(SlotOf(rows_[static_cast<std::size_t>(row)]));
  rows_.erase(rows_.begin() + row);
  return true;
}

std::optional<std::string> ContactList::EditName(int row, std::string_view text) {
  if (row < 0 || row >= Count() || text.empty()) return std::nullopt;
  const std::string name(text.substr(0, kNameLength));
  if (PrintablePrefix(name, kNameLength) != name) return std::nullopt;
  if (std::any_of(rows_.begin(), rows_.end(), [&](const Contact& c) { return c.name == name; })) return std::nullopt;
  rows_[static_cast<std::size_t>(row)].name = name;
  return name;
}

std::optional<std::string> ContactList::EditNumber(int row, std::string_view text) {
  if (row < 0 || row >= Count() || text.empty()) return std::nullopt;
  if (text.find_first_not_of(kContactNumberChars) != std::string_view::npos) return std::nullopt;
  const std::string padded = PadNumber(text);
  if (std::any_of(rows_.begin(), rows_.end(), [&](const Contact& c) { return c.number == padded; })) return std::nullopt;
  rows_[static_cast<std::size_t>(row)].number = padded;
  return padded;
}

std::optional<std::string> ContactList::EditType(int row, std::string_view text) {
  if (row < 0 || row >= Count()) return std::nullopt;
  if (text == kGroupCall) rows_[static_cast<std::size_t>(row)].group = true;
  else if (text == kSingleCall) rows_[static_cast<std::size_t>(row)].group = false;
  else return std::nullopt;
  return std::string(text);
}

}  // namespace cps::dpmr
