// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/contact_repair.h"

#include <gtest/gtest.h>

#include "channel_test_util.h"

#include <string>
#include <vector>

namespace cps {
namespace {

using namespace channel_test;

// Lists contacts in the index in the given slot order and writes a record
// for each: number "0000001", group flag, and the name bytes.
void AddContact(RadioImage& img, int position, int slot, const std::string& name, bool group = false) {
  const std::size_t rec = 0x0540 + 16 * (slot - 1);
  img.SetWord(0x04C0 + 2 * position, static_cast<std::uint16_t>(rec));
  for (int k = 0; k < 7; ++k) img.SetByte(rec + k, k == 6 ? 1 : 0);
  img.SetByte(rec + 7, group ? 0x01 : 0x00);
  img.Fill(rec + 8, 8, 0xFF);
  for (std::size_t k = 0; k < name.size(); ++k) img.SetByte(rec + 8 + k, static_cast<std::uint8_t>(name[k]));
}

Bytes NameBytes(const RadioImage& img, int slot) { return Get(img, 0x0540 + 16 * (slot - 1) + 8, 8); }

// The 8 name bytes of a record holding `name`: the text, then 0xFF.
Bytes Padded(const std::string& name) {
  Bytes b(name.begin(), name.end());
  b.resize(8, 0xFF);
  return b;
}

TEST(FreeContactName, FirstUnusedNameOrEmpty) {
  EXPECT_EQ(FreeContactName({}), "Name 1");
  EXPECT_EQ(FreeContactName({"Name 1", "Bob", "Name 3"}), "Name 2");
  EXPECT_EQ(FreeContactName({"name 1"}), "Name 1");  // byte for byte
  std::vector<std::string> all;
  for (int k = 1; k <= 64; ++k) all.push_back("Name " + std::to_string(k));
  EXPECT_EQ(FreeContactName(all), "");
}

TEST(RepairContactNames, DuplicateAndEmptyNamesGetFreeNames) {
  struct Contact {
    int position, slot;
    const char* name;
  };
  struct Case {
    const char* what;
    std::vector<Contact> contacts;
    std::vector<std::pair<int, Bytes>> names;  // slot, name bytes after the repair
  };
  const Case cases[] = {
      {"duplicates get free names in order",
       {{0, 1, "Bob"}, {1, 2, "Bob"}, {2, 3, "Bob"}},
       {{1, Padded("Bob")}, {2, Padded("Name 1")}, {3, Padded("Name 2")}}},
      {"an empty name skips taken names", {{0, 4, ""}, {1, 2, "Name 1"}}, {{4, Padded("Name 2")}, {2, Padded("Name 1")}}},
      // A name ends at the first byte that is not printable (0x07 here).
      {"a long duplicate is shortened and padded",
       {{0, 1, "ABCDEFGH"}, {1, 2, "ABCDEFGH"}, {2, 3, "Zed\x07x"}},
       {{1, Padded("ABCDEFGH")}, {2, Padded("Name 1")}, {3, Padded("Zed")}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage img = Blank();
    for (const Contact& k : c.contacts) AddContact(img, k.position, k.slot, k.name);
    RepairContactNames(img);
    for (const auto& [slot, name] : c.names) EXPECT_EQ(NameBytes(img, slot), name) << "slot " << slot;
  }
}

TEST(RepairContactNames, IndexEndsAtFirstInvalidWord) {
  RadioImage img = Blank();
  AddContact(img, 0, 1, "Amy");
  img.SetWord(0x04C2, 0x0931);  // past the last record: ends the list
  AddContact(img, 2, 3, "");    // not reached
  RepairContactNames(img);
  EXPECT_EQ(NameBytes(img, 3), Bytes(8, 0xFF));
  EXPECT_EQ(ListedContactSlots(img), (std::vector<int>{1}));
}

TEST(RepairContactReferences, ChannelContactOutsideTheListIsCleared) {
  RadioImage img = Blank();
  for (int i = 0; i < 4; ++i) AddContact(img, i, i + 1, "C" + std::to_string(i));
  img.SetByte(0x0100 + 0x15, 5);            // channel 1: slot 5 not listed
  img.SetByte(0x0120 + 0x15, 4);            // channel 2: listed
  img.SetByte(0x02E0 + 0x15, 0);            // channel 16: none is 0 here, not listed either
  RepairContactReferences(img);
  ExpectBytes(img, {{0x0115, 0xFF}, {0x0135, 4}, {0x02F5, 0xFF}});
}

TEST(RepairContactReferences, GroupListsKeepOnlyGroupContacts) {
  RadioImage img = Blank();
  AddContact(img, 0, 3, "Grp", true);
  AddContact(img, 1, 7, "Ind", false);
  Put(img, 0x1BA0, {0x03, 0x07, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  Put(img, 0x1BA8, {0x07, 0x07, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0xFF});
  img.SetByte(0x0100 + 0x17, 1);  // channel 1 uses list 1 (kept)
  img.SetByte(0x0120 + 0x17, 2);  // channels 2 and 3 use list 2 (emptied)
  img.SetByte(0x0140 + 0x17, 2);
  img.SetByte(0x0160 + 0x17, 3);  // list 3 is empty already: cleared too
  RepairContactReferences(img);
  EXPECT_EQ(Get(img, 0x1BA0, 8), (Bytes{0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Get(img, 0x1BA8, 8), Bytes(8, 0xFF));
  ExpectBytes(img, {{0x0117, 1}, {0x0137, 0}, {0x0157, 0}, {0x0177, 0}});
}

TEST(RepairContactReferences, WithoutIndexGroupMembersAreJudgedByRecords) {
  RadioImage img = Blank();
  AddContact(img, 0, 2, "G", true);
  img.SetWord(0x04C0, 0xFFFF);  // no valid index word at all
  img.SetByte(0x0115, 2);
  Put(img, 0x1BA0, {0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  img.SetByte(0x0117, 1);
  RepairContactReferences(img);
  ExpectBytes(img, {{0x0115, 0xFF}, {0x1BA0, 0x02}, {0x0117, 1}});
}

TEST(RepairContactReferences, GroupContactWithErasedNumberIsDropped) {
  RadioImage img = Blank();
  AddContact(img, 0, 1, "G", true);
  img.SetByte(0x0540, 0xFF);  // number erased
  Put(img, 0x1BA0, {0x01, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});  // 0x41: no such slot
  RepairContactReferences(img);
  ExpectBytes(img, {{0x1BA0, 0xFF}, {0x1BA1, 0xFF}});
}

TEST(RepairContactReferences, PmrChannelsAreLeftAlone) {
  RadioImage img = Blank();
  img.SetByte(0x2160 + 0x15, 9);
  img.SetByte(0x2160 + 0x17, 4);
  RepairContactReferences(img);
  ExpectBytes(img, {{0x2175, 9}, {0x2177, 4}});
}

}  // namespace
}  // namespace cps
