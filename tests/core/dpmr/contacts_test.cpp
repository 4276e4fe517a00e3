// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>

#include "core/dpmr/contacts.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ErasedImage;
using test::ExpectBytes;
using test::ExpectWords;
using test::Loaded;
using test::MainChannel;
using test::PutContact;
using test::PutContactIndex;
using test::SetBytes;

// Group contacts "G1".."Gn" with numbers 1..n in slots 1..n, listed in slot order.
RadioImage GroupContacts(int n) {
  RadioImage image = ErasedImage();
  std::vector<int> slots;
  for (int s = 1; s <= n; ++s) {
    PutContact(image, s, "G" + std::to_string(s), std::to_string(s), true);
    slots.push_back(s);
  }
  PutContactIndex(image, slots);
  return image;
}

// A row as "name|number|G or S|slot offset", to check a row in one comparison.
std::string Row(const ContactList& list, int row) {
  const Contact& c = list.At(row);
  char offset[8];
  std::snprintf(offset, sizeof offset, "%04X", static_cast<unsigned>(c.offset));
  return c.name + "|" + c.number + (c.group ? "|G|" : "|S|") + offset;
}

TEST(ContactList, LoadFollowsIndexOrderAndStopsAtFirstInvalidWord) {
  RadioImage image = ErasedImage();
  PutContact(image, 3, "Alpha", "1234567", true);
  PutContact(image, 1, "Bravo", "12*", false);
  PutContactIndex(image, {3, 1});
  image.SetWord(0x04C4, 0x0931);  // past the last slot: ends the list
  image.SetWord(0x04C6, 0x0550);
  ContactList list = Loaded<ContactList>(image);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(Row(list, 0), "Alpha|1234567|G|0560");
  EXPECT_EQ(Row(list, 1), "Bravo|12*|S|0540");

  image.SetWord(0x04C0, 0xFFFF);
  list.Load(image);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ContactList, AddWritesSlotAtOnceAndReusesFreedSlot) {
  RadioImage image = ErasedImage();
  for (int s = 1; s <= 6; ++s) PutContact(image, s, "Name " + std::to_string(s), "000000" + std::to_string(s), true);
  PutContactIndex(image, {1, 2, 3, 4, 5, 6});
  ContactList list = Loaded<ContactList>(image);
  ASSERT_TRUE(list.Delete(image, 4));  // slot 5
  test::ExpectErased(image, 0x0580, 16);

  const auto row = list.Add(image);
  ASSERT_EQ(row, 5);
  EXPECT_EQ(Row(list, 5), "Name 5|0000005|G|0580");
  ExpectBytes(image, 0x0580, {0, 0, 0, 0, 0, 0, 5, 0x01, 'N', 'a', 'm', 'e', ' ', '5', 0xFF, 0xFF});
  // The index is written only by Store: still the six loaded words.
  ExpectWords(image, 0x04C0, {0x0540, 0x0550, 0x0560, 0x0570, 0x0580, 0x0590, 0xFFFF});
}

TEST(ContactList, NewSlotNeverTakesASlotOfAListedContact) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "Empty", "", true);  // listed, but its first byte is 0xFF
  PutContactIndex(image, {1});
  ContactList list = Loaded<ContactList>(image);
  ASSERT_TRUE(list.Add(image));
  EXPECT_EQ(list.At(1).offset, 0x0550);
  EXPECT_EQ(image.Byte(0x0548), 'E');
}

TEST(ContactList, InsertPlacesRowBeforeFocusAndStoreRewritesIndexInRowOrder) {
  RadioImage image = GroupContacts(2);
  ContactList list = Loaded<ContactList>(image);
  ASSERT_EQ(list.Insert(image, 1), 1);   // slot 3, between G1 and G2
  ASSERT_EQ(list.Insert(image, -1), 3);  // no focus: at the end, slot 4
  list.Store(image);
  ExpectWords(image, 0x04C0, {0x0540, 0x0560, 0x0550, 0x0570, 0xFFFF});
  // Slot contents never moved.
  ExpectBytes(image, 0x0548, {'G', '1'});
  ExpectBytes(image, 0x0558, {'G', '2'});
}

TEST(ContactList, CellEditChecks) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "One", "0000001", true);
  PutContact(image, 2, "Two", "0000042", true);
  PutContactIndex(image, {1, 2});
  ContactList list = Loaded<ContactList>(image);
  struct Case {
    const char* column;
    const char* text;
    std::optional<std::string> shown;
  };
  const Case cases[] = {
      {"name", "", std::nullopt},         {"name", "Two", std::nullopt}, {"name", "One", std::nullopt},
      {"name", "Uno", "Uno"},             {"number", "", std::nullopt},  {"number", "42", std::nullopt},
      {"number", "0000042", std::nullopt}, {"number", "43", "0000043"},   {"number", "12a", std::nullopt},
      {"type", "Single call", "Single call"}, {"type", "Other", std::nullopt},
  };
  for (const Case& c : cases) {
    std::optional<std::string> got;
    if (std::string(c.column) == "name") got = list.EditName(0, c.text);
    else if (std::string(c.column) == "number") got = list.EditNumber(0, c.text);
    else got = list.EditType(0, c.text);
    EXPECT_EQ(got, c.shown) << c.column << " " << c.text;
  }
  EXPECT_EQ(Row(list, 0), "Uno|0000043|S|0540");
  list.Store(image);
  ExpectBytes(image, 0x0540, {0, 0, 0, 0, 0, 4, 3, 0x00, 'U', 'n', 'o', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
}

TEST(ContactList, NumberWithStarSurvivesLoadAndStore) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "Star", "12*4567", true);
  PutContactIndex(image, {1});
  ContactList list = Loaded<ContactList>(image);
  EXPECT_EQ(list.At(0).number, "12*4567");
  list.Store(image);
  ExpectBytes(image, 0x0540, {1, 2, 0x0A, 4, 5, 6, 7});
  EXPECT_EQ(list.EditNumber(0, "9*"), "000009*");
  list.Store(image);
  EXPECT_EQ(image.Byte(0x0546), 0x0A);
}

TEST(ContactList, StoreKeepsOtherBitsOfTypeByte) {
  RadioImage image = GroupContacts(1);
  image.SetByte(0x0547, 0xA1);
  ContactList list = Loaded<ContactList>(image);
  ASSERT_TRUE(list.EditType(0, "Single call"));
  list.Store(image);
  EXPECT_EQ(image.Byte(0x0547), 0xA0);
}

// Deleting a group contact takes it out of the group lists and the channels
// that name it; a slot reused at once does not inherit those references.
TEST(ContactList, DeletingGroupContactRepairsListsAndChannels) {
  struct Case {
    const char* name;
    int contacts;
    std::initializer_list<int> list1, list2;  // group lists 1 and 2 before
    std::vector<std::pair<std::size_t, int>> channelBytes;  // address, value before
    bool reuse;                                             // delete row 0 and add again
    std::initializer_list<int> list1After;
    std::vector<int> channelBytesAfter;
  };
  const Case cases[] = {
      {"delete G2",
       3,
       {2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {{MainChannel(1) + 0x17, 1}, {MainChannel(2) + 0x17, 2}, {MainChannel(3) + 0x15, 2}, {MainChannel(4) + 0x15, 3}},
       false,
       {3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {1, 0, 0xFF, 3}},
      {"delete G1, reuse its slot",
       2,
       {1, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {{MainChannel(1) + 0x15, 1},
        {MainChannel(2) + 0x17, 2},
        {MainChannel(3) + 26, 1},  // Call 1 and Call 2 contacts
        {MainChannel(3) + 28, 2}},
       true,
       {2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       {0xFF, 0, 0xFF, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RadioImage image = GroupContacts(c.contacts);
    SetBytes(image, 0x1BA0, c.list1);
    SetBytes(image, 0x1BA8, c.list2);
    for (const auto& [at, value] : c.channelBytes) image.SetByte(at, static_cast<std::uint8_t>(value));
    ContactList list = Loaded<ContactList>(image);
    if (c.reuse) {
      ASSERT_TRUE(list.Delete(image, 0));  // G1, slot 1
      ASSERT_EQ(list.Add(image), 1);       // takes slot 1 again
      EXPECT_EQ(list.At(1).offset, 0x0540);
    } else {
      ASSERT_TRUE(list.Delete(image, 1));  // slot 2
    }
    list.Store(image);
    ExpectBytes(image, 0x1BA0, c.list1After);
    ExpectBytes(image, 0x1BA8, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    for (std::size_t i = 0; i < c.channelBytes.size(); ++i)
      EXPECT_EQ(image.Byte(c.channelBytes[i].first), c.channelBytesAfter[i]) << std::hex << c.channelBytes[i].first;
  }
}

TEST(ContactList, ButtonLimits) {
  RadioImage image = GroupContacts(1);
  ContactList list = Loaded<ContactList>(image);
  EXPECT_FALSE(list.CanDelete());
  EXPECT_FALSE(list.Delete(image, 0));
  while (list.CanAdd()) ASSERT_TRUE(list.Add(image));
  EXPECT_EQ(list.Count(), 64);
  EXPECT_FALSE(list.Add(image));
  EXPECT_FALSE(list.Insert(image, 0));
  // 64 distinct slots, all written.
  for (int s = 1; s <= 64; ++s) EXPECT_NE(image.Byte(0x0540 + 16 * (s - 1)), 0xFF) << s;
  EXPECT_EQ(list.At(63).name, "Name 63");
}

}  // namespace
}  // namespace cps::dpmr
