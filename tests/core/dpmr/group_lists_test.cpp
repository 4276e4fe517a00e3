// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/dpmr/group_lists.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ExpectBytes;
using test::SetBytes;

// Contacts slot s named "C<s>" for s = 1..n, listed in slot order; slot 2
// is an individual. Group list k (at 0x1BA0 + 8 * (k - 1)) holds `members`.
RadioImage ImageWithContacts(int n, int k = 1, std::initializer_list<int> members = {}) {
  RadioImage image = test::ErasedImage();
  std::vector<int> slots;
  for (int s = 1; s <= n; ++s) {
    test::PutContact(image, s, "C" + std::to_string(s), std::to_string(s), s != 2);
    slots.push_back(s);
  }
  test::PutContactIndex(image, slots);
  SetBytes(image, 0x1BA0 + 8 * static_cast<std::size_t>(k - 1), members);
  return image;
}

GroupListEditor LoadedList(const RadioImage& image, int k) {
  GroupListEditor ed;
  ed.Load(image, k);
  return ed;
}

std::string Names(const std::vector<GroupEntry>& list) {
  std::string out;
  for (const auto& e : list) out += (out.empty() ? "" : ",") + e.name + (e.selected ? "*" : "");
  return out;
}

void Select(std::vector<GroupEntry>& list, std::initializer_list<int> rows) {
  for (auto& e : list) e.selected = false;
  for (int r : rows) list[static_cast<std::size_t>(r)].selected = true;
}

TEST(GroupListEditor, LoadSplitsGroupContactsAndSelectsFirstEntries) {
  RadioImage image = ImageWithContacts(5, 3, {4, 1, 0x00, 5, 0xFF, 0xFF, 0xFF, 0xFF});
  GroupListEditor ed = LoadedList(image, 3);
  EXPECT_EQ(Names(ed.allocated()), "C4*,C1");
  EXPECT_EQ(Names(ed.unallocated()), "C3*,C5");  // C2 is a single call contact
}

TEST(GroupListEditor, ListStartingWithZeroLoadsEmptyAndStoresErased) {
  RadioImage image = ImageWithContacts(3, 1, {0x00, 3, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  GroupListEditor ed = LoadedList(image, 1);
  EXPECT_TRUE(ed.allocated().empty());
  ed.Store(image);
  test::ExpectErased(image, 0x1BA0, 8);
}

TEST(GroupListEditor, AddStopsAtEightMembers) {
  RadioImage image = ImageWithContacts(12, 2, {1, 3, 4, 5, 6, 7, 0xFF, 0xFF});  // 11 group contacts
  GroupListEditor ed = LoadedList(image, 2);
  ASSERT_EQ(Names(ed.unallocated()), "C8*,C9,C10,C11,C12");
  Select(ed.unallocated(), {0, 1, 2, 3, 4});
  EXPECT_TRUE(ed.CanAdd());
  ed.Add();
  EXPECT_EQ(Names(ed.allocated()), "C1,C3,C4,C5,C6,C7,C8*,C9*");
  EXPECT_EQ(Names(ed.unallocated()), "C10*,C11,C12");
  EXPECT_FALSE(ed.CanAdd());
  ed.Store(image);
  ExpectBytes(image, 0x1BA8, {1, 3, 4, 5, 6, 7, 8, 9});
}

TEST(GroupListEditor, UpAndDownMoveTheSelectionAsOneBlock) {
  struct Case {
    std::initializer_list<int> selected;
    bool up;
    const char* result;
  };
  const Case cases[] = {
      {{1, 2}, true, "C1*,C3*,C4,C5"},  {{1, 2}, false, "C4,C5,C1*,C3*"},
      {{0, 2}, true, "C4*,C3*,C1,C5"},  {{0, 2}, false, "C1,C4*,C5,C3*"},
      {{0, 1}, true, "C4*,C1*,C3,C5"},  {{2, 3}, false, "C4,C1,C3*,C5*"},
  };
  const RadioImage image = ImageWithContacts(5, 1, {4, 1, 3, 5, 0xFF, 0xFF, 0xFF, 0xFF});  // A B C D
  for (const Case& c : cases) {
    GroupListEditor ed = LoadedList(image, 1);
    Select(ed.allocated(), c.selected);
    c.up ? ed.Up() : ed.Down();
    EXPECT_EQ(Names(ed.allocated()), c.result) << (c.up ? "up" : "down");
  }
}

TEST(GroupListEditor, ButtonStates) {
  GroupListEditor ed = LoadedList(ImageWithContacts(5, 1, {4, 1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 1);
  struct Case {
    std::initializer_list<int> selected;
    bool del, up, down;
  };
  const Case cases[] = {
      {{}, false, false, false}, {{0}, true, false, true}, {{0, 1}, true, false, true},
      {{2}, true, true, false},  {{1, 2}, true, true, false}, {{0, 2}, true, true, true},
      {{0, 1, 2}, true, false, false},
  };
  for (const Case& c : cases) {
    Select(ed.allocated(), c.selected);
    EXPECT_EQ(ed.CanDel(), c.del);
    EXPECT_EQ(ed.CanUp(), c.up);
    EXPECT_EQ(ed.CanDown(), c.down);
  }
  Select(ed.unallocated(), {});
  EXPECT_FALSE(ed.CanAdd());
}

TEST(GroupListEditor, DelMovesBackAndSelectsEntryAbove) {
  GroupListEditor ed = LoadedList(ImageWithContacts(6, 1, {4, 1, 3, 5, 0xFF, 0xFF, 0xFF, 0xFF}), 1);
  Select(ed.allocated(), {2, 3});
  ed.Del();
  EXPECT_EQ(Names(ed.allocated()), "C4,C1*");
  EXPECT_EQ(Names(ed.unallocated()), "C6,C5*,C3*");
}

TEST(GroupListEditor, SameContactInTwoLists) {
  RadioImage image = ImageWithContacts(3);
  GroupListEditor ed;
  for (int k : {1, 2}) {
    ed.Load(image, k);
    Select(ed.unallocated(), {1});  // C3
    ed.Add();
    ed.Store(image);
  }
  ExpectBytes(image, 0x1BA0, {3});
  ExpectBytes(image, 0x1BA8, {3, 0xFF});
}

}  // namespace
}  // namespace cps::dpmr
