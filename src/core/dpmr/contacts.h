// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Contact" page's model: up to 64 contacts in fixed slots, shown in the
// order of the contact index. Add, Insert and Delete write or free the slot
// at once; Store rewrites the index and the slots' fields and repairs the
// references of channels and group lists.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/radio_image.h"
#include "core/base/texts.h"

namespace cps::dpmr {

inline constexpr const char* kSingleCall = QT_TRANSLATE_NOOP("CoreText", "Single call");
inline constexpr const char* kGroupCall = QT_TRANSLATE_NOOP("CoreText", "Group call");
inline constexpr const char* kContactNumberChars = "0123456789*";
// The titles of the page's columns after "No.".
inline constexpr const char* kContactNameTitle = QT_TRANSLATE_NOOP("CoreText", "Name");
inline constexpr const char* kContactNumberTitle = QT_TRANSLATE_NOOP("CoreText", "Number");
inline constexpr const char* kContactTypeTitle = QT_TRANSLATE_NOOP("CoreText", "Type");

struct Contact {
  std::string name;
  std::string number;
  bool group = false;
  std::uint16_t offset = 0;  // image offset of its slot
};

class ContactList {
 public:
  void Load(const RadioImage& image);
  // Rewrites the index and the listed slots, then repairs the references:
  // channels and group lists lose the contacts that are gone. A slot freed
  // by Delete and taken again by Add or Insert before this store counts as
  // gone too, so its new contact does not inherit the old one's channels
  // (Tx contact, Call 1 and Call 2 contacts) and group lists.
  void Store(RadioImage& image);

  int Count() const { return static_cast<int>(rows_.size()); }
  const Contact& At(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  const std::vector<Contact>& rows() const { return rows_; }
  static int SlotOf(const Contact& c);

  bool CanAdd() const { return Count() < 64; }
  bool CanDelete() const { return Count() > 1; }

  // Row of the new contact, or nothing at 64 contacts.
  std::optional<int> Add(RadioImage& image);
  // Before `row`, or at the end when `row` is not a contact row.
  std::optional<int> Insert(RadioImage& image, int row);
  bool Delete(RadioImage& image, int row);

  // End of a cell edit: the accepted text as the cell shows it, or nothing
  // when the edit is refused (the cell keeps its old text).
  std::optional<std::string> EditName(int row, std::string_view text);
  std::optional<std::string> EditNumber(int row, std::string_view text);
  std::optional<std::string> EditType(int row, std::string_view text);

  static std::string TypeText(bool group) { return group ? kGroupCall : kSingleCall; }

 private:
  int NewSlot(const RadioImage& image) const;
  std::vector<Contact> rows_;
  std::vector<int> freed_;   // slots freed by Delete since the last load or store
  std::vector<int> reused_;  // of those, the slots taken again
};

}  // namespace cps::dpmr
