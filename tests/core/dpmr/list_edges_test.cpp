// SPDX-License-Identifier: GPL-3.0-or-later
// The tops of the dPMR lists: the 16th key, the 33rd and 64th contact, the
// 64th group member, the longest inbox message.
#include <gtest/gtest.h>

#include "core/dpmr/contacts.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"
#include "core/image/contact_repair.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ExpectBytes;
using test::Loaded;

std::size_t KeyRecord(int n) { return 0x03B0 + 16 * static_cast<std::size_t>(n - 1); }
std::uint16_t SlotWord(int slot) { return static_cast<std::uint16_t>(0x0540 + 16 * (slot - 1)); }

TEST(ListEdges, KeyCountUpToSixteenLoadsAndStoresEveryKey) {
  struct Case {
    int count;   // the stored count byte
    int loaded;  // keys the page shows
    bool canAdd;
  };
  for (const Case c : {Case{15, 15, true}, Case{16, 16, false}, Case{17, 0, true}}) {
    RadioImage image = test::ErasedImage();
    image.SetByte(0x03A0, 1);
    image.SetByte(0x03A7, static_cast<std::uint8_t>(c.count));
    for (int n = 1; n <= 16; ++n) test::SetBytes(image, KeyRecord(n), {n, 0x23, 0x45, 0x67});
    KeyList keys = Loaded<KeyList>(image);
    ASSERT_EQ(keys.Count(), c.loaded) << "count byte " << c.count;
    EXPECT_EQ(keys.CanAdd(), c.canAdd) << "count byte " << c.count;
    if (c.loaded == 0) continue;
    EXPECT_EQ(keys.At(c.loaded - 1).key, (c.loaded < 16 ? "0F234567" : "10234567"));
    keys.Store(image);
    EXPECT_EQ(image.Byte(0x03A7), c.count) << "count byte " << c.count;
    ExpectBytes(image, KeyRecord(c.loaded), {c.loaded, 0x23, 0x45, 0x67, 0xFF, 0xFF, 0xFF, 0xFF});
  }
}

TEST(ListEdges, DeletingAContactOfALongListErasesItsWholeIndexEntry) {
  for (int listed : {33, 40, 64}) {
    RadioImage image = test::ErasedImage();
    std::vector<int> slots;
    for (int s = 1; s <= listed; ++s) {
      test::PutContact(image, s, "C" + std::to_string(s), "1234567", true);
      slots.push_back(s);
    }
    test::PutContactIndex(image, slots);
    ContactList contacts = Loaded<ContactList>(image);
    ASSERT_EQ(contacts.Count(), listed);
    EXPECT_EQ(contacts.CanAdd(), listed < 64);
    ASSERT_TRUE(contacts.Delete(image, 0));
    contacts.Store(image);
    // Slots 2..listed move up one place; every later entry is erased.
    for (int i = 0; i < 64; ++i) {
      const std::uint16_t want = i < listed - 1 ? SlotWord(i + 2) : 0xFFFF;
      ASSERT_EQ(image.Word(0x04C0 + 2 * static_cast<std::size_t>(i)), want) << listed << " listed, entry " << i;
    }
    EXPECT_EQ(Loaded<ContactList>(image).Count(), listed - 1);
  }
}

TEST(ListEdges, ContactSlot64AndGroupMember64SurviveTheRepairOnOpen) {
  RadioImage image = test::ErasedImage();
  test::PutContact(image, 1, "First", "0000001", true);
  test::PutContact(image, 64, "Last", "0000064", true);
  test::PutContactIndex(image, {1, 64});
  test::SetBytes(image, 0x1BA0, {64, 1});  // group list 1: members 64 and 1
  image.SetByte(test::MainChannel(1) + 0x15, 64);  // channel 1 calls contact 64
  image.SetByte(test::MainChannel(1) + 0x17, 1);   // and receives group list 1

  RepairContactNames(image);
  RepairContactReferences(image);

  test::ExpectWords(image, 0x04C0, {0x0540, 0x0930, 0xFFFF});
  ExpectBytes(image, 0x0930, {0, 0, 0, 0, 0, 6, 4, 1, 'L', 'a', 's', 't', 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(image, 0x1BA0, {64, 1, 0xFF});
  ExpectBytes(image, test::MainChannel(1) + 0x15, {64, 0xFF, 1});
  ContactList contacts = Loaded<ContactList>(image);
  ASSERT_EQ(contacts.Count(), 2);
  EXPECT_EQ(contacts.At(1).name, "Last");
  GroupListEditor list;
  list.Load(image, 1);
  ASSERT_EQ(list.allocated().size(), 2u);
}

TEST(ListEdges, InboxLengthByteUpTo127IsKept) {
  struct Case {
    int stored;
    const char* shown;
    int saved;
  };
  for (const Case c : {Case{126, "126", 126}, Case{127, "127", 127}, Case{128, "", 0}, Case{1, "1", 1}}) {
    RadioImage image = test::ErasedImage();
    test::SetText(image, 0x11A0, "Hello");
    image.SetByte(0x11A5, 0x00);
    test::SetBytes(image, 0x11A0 + 156, {c.stored, 1});
    image.SetWord(0x1180, 0x11A0);
    Inbox inbox = Loaded<Inbox>(image);
    ASSERT_EQ(inbox.Count(), 1);
    EXPECT_EQ(inbox.At(0).length, c.shown) << "length byte " << c.stored;
    inbox.Store(image);
    EXPECT_EQ(image.Byte(0x11A0 + 156), c.saved) << "length byte " << c.stored;
  }
}

}  // namespace
}  // namespace cps::dpmr
