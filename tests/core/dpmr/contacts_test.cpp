#include <gtest/gtest.h>

#include "core/dpmr/contacts.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ErasedImage;
using test::PutContact;
using test::PutContactIndex;

TEST(ContactList, LoadFollowsIndexOrderAndStopsAtFirstInvalidWord) {
  RadioImage image = ErasedImage();
  PutContact(image, 3, "Alpha", "1234567", true);
  PutContact(image, 1, "Bravo", "12*", false);
  PutContactIndex(image, {3, 1});
  image.SetWord(0x04C4, 0x0931);  // past the last slot: ends the list
  image.SetWord(0x04C6, 0x0550);
  ContactList list;
  list.Load(image);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(0).name, "Alpha");
  EXPECT_EQ(list.At(0).number, "1234567");
  EXPECT_TRUE(list.At(0).group);
  EXPECT_EQ(list.At(0).offset, 0x0560);
  EXPECT_EQ(list.At(1).name, "Bravo");
  EXPECT_EQ(list.At(1).number, "12*");
  EXPECT_FALSE(list.At(1).group);

  image.SetWord(0x04C0, 0xFFFF);
  list.Load(image);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ContactList, AddWritesSlotAtOnceAndReusesFreedSlot) {
  RadioImage image = ErasedImage();
  for (int s = 1; s <= 6; ++s) PutContact(image, s, "Name " + std::to_string(s), "000000" + std::to_string(s), true);
  PutContactIndex(image, {1, 2, 3, 4, 5, 6});
  ContactList list;
  list.Load(image);
  ASSERT_TRUE(list.Delete(image, 4));  // slot 5
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image.Byte(0x0580 + i), 0xFF) << i;

  const auto row = list.Add(image);
  ASSERT_EQ(row, 5);
  EXPECT_EQ(list.At(5).offset, 0x0580);
  EXPECT_EQ(list.At(5).name, "Name 5");
  EXPECT_EQ(list.At(5).number, "0000005");
  const std::uint8_t slot5[16] = {0, 0, 0, 0, 0, 0, 5, 0x01, 'N', 'a', 'm', 'e', ' ', '5', 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image.Byte(0x0580 + i), slot5[i]) << i;
  // The index is written only by Store: still the six loaded words.
  const std::uint16_t index[7] = {0x0540, 0x0550, 0x0560, 0x0570, 0x0580, 0x0590, 0xFFFF};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(image.Word(0x04C0 + 2 * i), index[i]) << i;
}

TEST(ContactList, NewSlotNeverTakesASlotOfAListedContact) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "Empty", "", true);  // listed, but its first byte is 0xFF
  PutContactIndex(image, {1});
  ContactList list;
  list.Load(image);
  ASSERT_TRUE(list.Add(image));
  EXPECT_EQ(list.At(1).offset, 0x0550);
  EXPECT_EQ(image.Byte(0x0548), 'E');
}

TEST(ContactList, InsertPlacesRowBeforeFocusAndStoreRewritesIndexInRowOrder) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "A", "1", true);
  PutContact(image, 2, "B", "2", true);
  PutContactIndex(image, {1, 2});
  ContactList list;
  list.Load(image);
  ASSERT_EQ(list.Insert(image, 1), 1);  // slot 3, between A and B
  ASSERT_EQ(list.Insert(image, -1), 3);  // no focus: at the end, slot 4
  list.Store(image);
  const std::uint16_t index[] = {0x0540, 0x0560, 0x0550, 0x0570, 0xFFFF};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(image.Word(0x04C0 + 2 * i), index[i]) << i;
  // Slot contents never moved.
  EXPECT_EQ(image.Byte(0x0548), 'A');
  EXPECT_EQ(image.Byte(0x0558), 'B');
}

TEST(ContactList, CellEditChecks) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "One", "0000001", true);
  PutContact(image, 2, "Two", "0000042", true);
  PutContactIndex(image, {1, 2});
  ContactList list;
  list.Load(image);
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
  EXPECT_EQ(list.At(0).name, "Uno");
  EXPECT_EQ(list.At(0).number, "0000043");
  EXPECT_FALSE(list.At(0).group);
  list.Store(image);
  const std::uint8_t slot1[16] = {0, 0, 0, 0, 0, 4, 3, 0x00, 'U', 'n', 'o', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image.Byte(0x0540 + i), slot1[i]) << i;
}

TEST(ContactList, NumberWithStarSurvivesLoadAndStore) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "Star", "12*4567", true);
  PutContactIndex(image, {1});
  ContactList list;
  list.Load(image);
  EXPECT_EQ(list.At(0).number, "12*4567");
  list.Store(image);
  const std::uint8_t number[7] = {1, 2, 0x0A, 4, 5, 6, 7};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(image.Byte(0x0540 + i), number[i]) << i;
  EXPECT_EQ(list.EditNumber(0, "9*"), "000009*");
  list.Store(image);
  EXPECT_EQ(image.Byte(0x0546), 0x0A);
}

TEST(ContactList, StoreKeepsOtherBitsOfTypeByte) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "One", "1", true);
  image.SetByte(0x0547, 0xA1);
  PutContactIndex(image, {1});
  ContactList list;
  list.Load(image);
  ASSERT_TRUE(list.EditType(0, "Single call"));
  list.Store(image);
  EXPECT_EQ(image.Byte(0x0547), 0xA0);
}

TEST(ContactList, DeletingGroupContactRepairsListsAndChannels) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "G1", "1", true);
  PutContact(image, 2, "G2", "2", true);
  PutContact(image, 3, "G3", "3", true);
  PutContactIndex(image, {1, 2, 3});
  const std::uint8_t list1[8] = {2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const std::uint8_t list2[8] = {2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BA0, list1);
  image.Write(0x1BA8, list2);
  image.SetByte(test::MainChannel(1) + 0x17, 1);
  image.SetByte(test::MainChannel(2) + 0x17, 2);
  image.SetByte(test::MainChannel(3) + 0x15, 2);  // calls slot 2
  image.SetByte(test::MainChannel(4) + 0x15, 3);
  ContactList list;
  list.Load(image);
  ASSERT_TRUE(list.Delete(image, 1));  // slot 2
  list.Store(image);
  const std::uint8_t list1After[8] = {3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(image.Byte(0x1BA0 + i), list1After[i]) << i;
    EXPECT_EQ(image.Byte(0x1BA8 + i), 0xFF) << i;
  }
  EXPECT_EQ(image.Byte(test::MainChannel(1) + 0x17), 1);
  EXPECT_EQ(image.Byte(test::MainChannel(2) + 0x17), 0);
  EXPECT_EQ(image.Byte(test::MainChannel(3) + 0x15), 0xFF);
  EXPECT_EQ(image.Byte(test::MainChannel(4) + 0x15), 3);
}

TEST(ContactList, ReusedSlotDoesNotInheritTheDeletedContactsReferences) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "G1", "1", true);
  PutContact(image, 2, "G2", "2", true);
  PutContactIndex(image, {1, 2});
  const std::uint8_t list1[8] = {1, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const std::uint8_t list2[8] = {1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x1BA0, list1);
  image.Write(0x1BA8, list2);
  image.SetByte(test::MainChannel(1) + 0x15, 1);
  image.SetByte(test::MainChannel(2) + 0x17, 2);
  image.SetByte(test::MainChannel(3) + 26, 1);  // Call 1 and Call 2 contacts
  image.SetByte(test::MainChannel(3) + 28, 2);
  ContactList list;
  list.Load(image);
  ASSERT_TRUE(list.Delete(image, 0));  // G1, slot 1
  ASSERT_EQ(list.Add(image), 1);       // takes slot 1 again
  EXPECT_EQ(list.At(1).offset, 0x0540);
  list.Store(image);
  const std::uint8_t list1After[8] = {2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(image.Byte(0x1BA0 + i), list1After[i]) << i;
    EXPECT_EQ(image.Byte(0x1BA8 + i), 0xFF) << i;
  }
  EXPECT_EQ(image.Byte(test::MainChannel(1) + 0x15), 0xFF);
  EXPECT_EQ(image.Byte(test::MainChannel(2) + 0x17), 0);
  EXPECT_EQ(image.Byte(test::MainChannel(3) + 26), 0xFF);
  EXPECT_EQ(image.Byte(test::MainChannel(3) + 28), 2);
}

TEST(ContactList, ButtonLimits) {
  RadioImage image = ErasedImage();
  PutContact(image, 1, "Solo", "1", true);
  PutContactIndex(image, {1});
  ContactList list;
  list.Load(image);
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
