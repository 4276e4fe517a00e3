#include <gtest/gtest.h>

#include "core/dpmr/group_lists.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ErasedImage;

// Contacts slot s named "C<s>" for s = 1..n; slot 2 is an individual.
RadioImage ImageWithContacts(int n) {
  RadioImage image = ErasedImage();
  image.Fill(0x04C0, 128, 0xFF);
  for (int s = 1; s <= n; ++s) {
    test::PutContact(image, s, "C" + std::to_string(s), std::to_string(s), s != 2);
    image.SetWord(0x04C0 + 2 * (s - 1), static_cast<std::uint16_t>(0x0540 + 16 * (s - 1)));
  }
  return image;
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
  RadioImage image = ImageWithContacts(5);
  const std::uint8_t list3[8] = {4, 1, 0x00, 5, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BB0, list3);
  GroupListEditor ed;
  ed.Load(image, 3);
  EXPECT_EQ(Names(ed.allocated()), "C4*,C1");
  EXPECT_EQ(Names(ed.unallocated()), "C3*,C5");  // C2 is a single call contact
}

TEST(GroupListEditor, ListStartingWithZeroLoadsEmptyAndStoresErased) {
  RadioImage image = ImageWithContacts(3);
  const std::uint8_t list1[8] = {0x00, 3, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BA0, list1);
  GroupListEditor ed;
  ed.Load(image, 1);
  EXPECT_TRUE(ed.allocated().empty());
  ed.Store(image);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x1BA0 + i), 0xFF) << i;
}

TEST(GroupListEditor, AddStopsAtEightMembers) {
  RadioImage image = ImageWithContacts(12);  // 11 group contacts
  const std::uint8_t list2[8] = {1, 3, 4, 5, 6, 7, 0xFF, 0xFF};
  image.Write(0x1BA8, list2);
  GroupListEditor ed;
  ed.Load(image, 2);
  ASSERT_EQ(Names(ed.unallocated()), "C8*,C9,C10,C11,C12");
  Select(ed.unallocated(), {0, 1, 2, 3, 4});
  EXPECT_TRUE(ed.CanAdd());
  ed.Add();
  EXPECT_EQ(Names(ed.allocated()), "C1,C3,C4,C5,C6,C7,C8*,C9*");
  EXPECT_EQ(Names(ed.unallocated()), "C10*,C11,C12");
  EXPECT_FALSE(ed.CanAdd());
  ed.Store(image);
  const std::uint8_t stored[8] = {1, 3, 4, 5, 6, 7, 8, 9};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x1BA8 + i), stored[i]) << i;
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
  for (const Case& c : cases) {
    RadioImage image = ImageWithContacts(5);
    const std::uint8_t list[8] = {4, 1, 3, 5, 0xFF, 0xFF, 0xFF, 0xFF};  // A B C D
    image.Write(0x1BA0, list);
    GroupListEditor ed;
    ed.Load(image, 1);
    Select(ed.allocated(), c.selected);
    c.up ? ed.Up() : ed.Down();
    EXPECT_EQ(Names(ed.allocated()), c.result) << (c.up ? "up" : "down");
  }
}

TEST(GroupListEditor, ButtonStates) {
  RadioImage image = ImageWithContacts(5);
  const std::uint8_t list[8] = {4, 1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BA0, list);
  GroupListEditor ed;
  ed.Load(image, 1);
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
  RadioImage image = ImageWithContacts(6);
  const std::uint8_t list[8] = {4, 1, 3, 5, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BA0, list);
  GroupListEditor ed;
  ed.Load(image, 1);
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
  EXPECT_EQ(image.Byte(0x1BA0), 3);
  EXPECT_EQ(image.Byte(0x1BA8), 3);
  EXPECT_EQ(image.Byte(0x1BA9), 0xFF);
}

}  // namespace
}  // namespace cps::dpmr
