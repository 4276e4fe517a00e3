// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the channel dialog and the dPMR lists, and the coverage of the
// image by keys.
#include <gtest/gtest.h>

#include <set>

#include "core/base/c_text.h"
#include "core/channels/channel_test_util.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/factory/factory_pages.h"
#include "core/settings/settings_pages.h"
#include "core/image/new_image.h"
#include "core/image/region_map.h"
#include "core/interop/key_space.h"
#include "core/dpmr/dpmr_test_image.h"

namespace cps {
namespace {

using test::ExpectBytes;
using test::SetBytes;

std::vector<const PageSchema*> SchemaPages() {
  std::vector<const PageSchema*> pages = SettingsPageSchemas();
  pages.push_back(&DpmrBasicPageSchema());
  for (const PageSchema* p : FactoryPageSchemas()) pages.push_back(p);
  return pages;
}

// Every byte an editor writes is reached by some key: the keys are the only
// way the text form and the command line write the image. The channel and
// list editors own their whole regions; a settings page owns what its load
// and save write.
TEST(Keys, EveryEditorOwnedByteHasAKey) {
  std::set<std::size_t> reached;
  for (const auto& space : KeySpaces())
    for (std::size_t a : space->Addresses()) reached.insert(a);
  std::set<std::string_view> notLists = {"image", "radio"};
  for (const PageSchema* p : SchemaPages()) notLists.insert(p->key);
  for (const ImageRegion& r : ImageRegions()) {
    if (notLists.count(r.owner)) continue;
    for (std::size_t a = r.begin; a <= r.end; ++a)
      EXPECT_TRUE(reached.count(a)) << r.owner << " byte 0x" << std::hex << a << " (" << r.content << ") has no key";
  }
  for (const PageSchema* p : SchemaPages())
    for (unsigned seed = 1; seed <= 4; ++seed) {
      const RadioImage before = channel_test::RandomImage(seed);
      RadioImage after = before;
      PageValues values = LoadPage(*p, before);
      SavePage(values, after);
      for (std::size_t a = 0; a < kImageSize; ++a)
        if (after.Byte(a) != before.Byte(a)) {
          EXPECT_TRUE(reached.count(a)) << p->title << " writes byte 0x" << std::hex << a << ", which has no key";
        }
    }
}

TEST(Keys, EveryListedKeyIsOwnedAndReadable) {
  const RadioImage image = NewImage("");
  std::set<std::string> seen;
  for (const auto& space : KeySpaces())
    for (const KeyInfo& k : space->Keys()) {
      EXPECT_TRUE(seen.insert(k.key).second) << "twice: " << k.key;
      EXPECT_EQ(SpaceOf(k.key), space.get()) << k.key;
      EXPECT_TRUE(GetKey(image, k.key)) << k.key;
    }
}

// A new image with channel 2 at 446.00625 MHz and a second contact "Bob".
RadioImage TwoContacts() {
  RadioImage image = NewImage("");
  EXPECT_TRUE(SetKeys(image, {{"channel.2.rx_freq", "446.00625"}, {"contact.count", "2"}, {"contact.2.name", "Bob"}}));
  return image;
}

// Channel dialog keys write the record bytes the dialog stores.
TEST(Keys, ChannelDialogKeysStoreAsTheDialog) {
  struct Case {
    KeyValues set;
    std::size_t at;
    std::initializer_list<int> bytes;
  };
  constexpr std::size_t r = 0x0120;  // channel 2
  const Case cases[] = {
      {{{"channel.2.reverse", "on"}, {"channel.2.talk_around", "on"}}, r + 16, {0xF1}},
      {{{"channel.2.signal_type", "DTMF"}, {"channel.2.ptt_id", "on"}, {"channel.2.only_rx", "Only rx"}}, r + 17, {0x85}},
      {{{"channel.2.busy", "Carrier"}}, r + 18, {0x41}},
      {{{"channel.2.color_code", "15"}, {"channel.2.tx_contact", "bob"}}, r + 20, {15, 0x02}},
      {{{"channel.2.call_1_type", "Msg"}, {"channel.2.call_1_contact", "Name 1"}}, r + 26, {0x01, 0xBF}},
      {{{"channel.2.rx_color_code", "63"}, {"channel.2.tx_color_code", "Auto"}, {"channel.2.data_type", "Status message"},
        {"channel.2.oacsu", "on"}, {"channel.2.status_info", "7"}},
       0x3E84, {63, 0xFF, 0x87, 7}},
  };
  for (const Case& c : cases) {
    RadioImage image = TwoContacts();
    ASSERT_TRUE(SetKeys(image, c.set)) << c.set.front().first;
    ExpectBytes(image, c.at, c.bytes);
    for (const auto& [key, value] : c.set) EXPECT_TRUE(EqualsIgnoreCase(*GetKey(image, key), value)) << key;
  }
}

TEST(Keys, RefusedChannelValuesNameTheRule) {
  struct Case {
    KeyValues set;
    const char* inMessage;
  };
  const Case cases[] = {
      {{{"channel.3.reverse", "on"}}, "channel 3 is empty"},
      {{{"channel.2.analog_call_1", "3"}}, "not one of None"},
      {{{"channel.2.call_1_contact", "Bob"}}, "while Call 1 Type is Off"},
      {{{"channel.2.encrypt_key", "1"}}, "not one of None"},
      {{{"channel.2.reverse", "maybe"}}, "not on or off"},
      {{{"pmr.2.rx_color_code", "3"}}, "unknown key"},
      {{{"contact.2.name", "Name 1"}}, "refused"},
      {{{"contact.3.name", "Eve"}}, "does not exist"},
      {{{"contact.count", "0"}}, "at least one"},
      {{{"grouplist.1.members", "Name 1, Nobody"}}, "'Nobody' is not a group contact"},
      {{{"encrypt.count", "17"}}, "0..16"},
      {{{"inbox.1.content", "hi"}}, "cannot be edited"},
  };
  for (const Case& c : cases) {
    RadioImage image = TwoContacts();
    Status st = SetKeys(image, c.set);
    ASSERT_FALSE(st) << c.set.front().first;
    EXPECT_NE(st.error().find(c.inMessage), std::string::npos) << st.error();
  }
}

// Contact names that begin with a space or a comma read back as they were
// written: in a list's members (names with ", " between) and as a channel's
// contact.
TEST(Keys, ContactNamesReadBackAsShown) {
  RadioImage base = NewImage("");
  ASSERT_TRUE(SetKeys(base, {{"contact.count", "4"},
                             {"contact.2.name", " Bob"},
                             {"contact.2.type", "Group call"},
                             {"contact.3.name", "Ann"},
                             {"contact.3.type", "Group call"},
                             {"contact.4.name", ",x"},
                             {"contact.4.type", "Group call"}}));
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {" Bob", " Bob"},
      {"Ann,  Bob", "Ann,  Bob"},
      {" Bob, Ann", " Bob, Ann"},
      {"Name 1, ,x", "Name 1, ,x"},
      {",x, Ann", ",x, Ann"},
      {"Ann,Name 1", "Ann, Name 1"},  // a sloppy separator still reads
  };
  for (const Case& c : cases) {
    RadioImage image = base;
    Status st = SetKeys(image, {{"grouplist.1.members", c.typed}});
    ASSERT_TRUE(st) << c.typed << ": " << st.error();
    EXPECT_EQ(*GetKey(image, "grouplist.1.members"), c.shown) << c.typed;
  }
  // So does a channel's contact of such a name.
  RadioImage image = base;
  ASSERT_TRUE(SetKeys(image, {{"channel.2.rx_freq", "446.00625"}, {"channel.2.type", "Digit"}}));
  for (const char* name : {" Bob", ",x", "Ann"}) {
    Status st = SetKeys(image, {{"channel.2.tx_contact", name}});
    ASSERT_TRUE(st) << name << ": " << st.error();
    EXPECT_EQ(*GetKey(image, "channel.2.tx_contact"), name);
  }
}

// Adding and removing list entries goes through the list models: slots,
// index words and references as the pages leave them.
TEST(Keys, ListEntriesAddedAndRemovedThroughTheModels) {
  RadioImage image = TwoContacts();
  ASSERT_TRUE(SetKeys(image, {{"contact.2.type", "Single call"},
                              {"channel.2.tx_contact", "Bob"},
                              {"grouplist.2.members", "Name 1"},
                              {"encrypt.enabled", "on"},
                              {"encrypt.count", "2"},
                              {"encrypt.2.key", "abc"},
                              {"channel.2.encrypt_key", "2"},
                              {"outbox.1", "Hello"}}));
  test::ExpectWords(image, 0x04C0, {0x0540, 0x0550, 0xFFFF});
  ExpectBytes(image, 0x0550, {0, 0, 0, 0, 0, 0, 2, 0x00, 'B', 'o', 'b', 0xFF});
  ExpectBytes(image, 0x1BA8, {1, 0xFF});
  ExpectBytes(image, 0x03A0, {1});
  ExpectBytes(image, 0x03A7, {2});
  ExpectBytes(image, 0x03C0, {0xAB, 0xCF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'K', 'e', 'y', ' ', '2', 0xFF});
  ExpectBytes(image, 0x0980, {'H', 'e', 'l', 'l', 'o', 0x00});
  ExpectBytes(image, 0x0120 + 21, {2, 2});
  // Deleting Bob frees his slot and clears the channel's reference to him;
  // deleting key 2 sets the channel's key to None.
  ASSERT_TRUE(SetKeys(image, {{"contact.count", "1"}, {"encrypt.count", "1"}}));
  test::ExpectWords(image, 0x04C0, {0x0540, 0xFFFF});
  test::ExpectErased(image, 0x0550, 16);
  ExpectBytes(image, 0x0120 + 21, {0xFF, 0});
  EXPECT_EQ(*GetKey(image, "grouplist.2.members"), "Name 1");
}

TEST(Keys, InboxCountOnlyClears) {
  RadioImage image = NewImage("");
  image.SetWord(0x1180, 0x11A0);
  image.SetWord(0x1182, 0x1240);
  test::SetText(image, 0x11A0, "Hi");
  image.SetByte(0x11A2, 0);
  EXPECT_EQ(*GetKey(image, "inbox.count"), "2");
  EXPECT_EQ(*GetKey(image, "inbox.1.content"), "Hi");
  EXPECT_FALSE(SetKeys(image, {{"inbox.count", "3"}}));
  ASSERT_TRUE(SetKeys(image, {{"inbox.count", "1"}}));
  test::ExpectWords(image, 0x1180, {0x11A0, 0xFFFF});
  test::ExpectErased(image, 0x1240, 160);
}

}  // namespace
}  // namespace cps
