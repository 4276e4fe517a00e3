// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_editor.h"

#include <gtest/gtest.h>

#include "channel_test_util.h"

#include <string>
#include <utility>
#include <vector>

namespace cps {
namespace {

using namespace channel_test;

// A record every field of which the dialog shows as it is: rx 438.5, tx
// 438.51, 67.0 / D023N, offset bytes, High + reverse + talk around + narrow
// + scan, PTTID + DTMF, Mixed(Digit) + carrier, color code 5, contact 2,
// key 3, group list 10, analog calls 1 and 2, call 1 = Msg to contact 1
// with message 2, call 2 = Call to contact 2 without message.
const Bytes kFullRecord = {0x00, 0x00, 0x85, 0x43, 0x00, 0x10, 0x85, 0x43, 0x70, 0x06, 0x23,
                           0x80, 0x00, 0x10, 0x00, 0x00, 0xF3, 0x05, 0x91, 0xFF, 0x05, 0x02,
                           0x03, 0x0A, 0x01, 0x02, 0x01, 0x82, 0x02, 0x7F, 0xFF, 0xFF};

// Contacts: index lists slot 1 "Bobby" then slot 2 "Bob"; DTMF entries 1
// and 2 in use; 4 keys; group list 10 in use, list 1 not; messages 1, 2.
RadioImage Sample() {
  RadioImage img = Blank();
  Put(img, 0x04C0, {0x40, 0x05, 0x50, 0x05});
  Put(img, 0x0540, {0, 0, 0, 0, 0, 0, 1, 0, 'B', 'o', 'b', 'b', 'y', 0xFF, 0xFF, 0xFF});
  Put(img, 0x0550, {0, 0, 0, 0, 0, 0, 2, 0, 'B', 'o', 'b', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  img.SetByte(0x2060, 0x01);
  img.SetByte(0x2070, 0x02);
  img.SetByte(0x03A7, 4);
  img.SetByte(0x1BA0 + 8 * 9, 0x01);
  img.SetByte(0x0980, 'H');
  img.SetByte(0x0A00, 'I');
  for (int n = 1; n <= 16; ++n) {
    Put(img, 0x0100 + 32 * (n - 1), kDefaultRecord);
    Put(img, 0x3E80 + 4 * (n - 1), {0xFF, 0xFF, 0xFE, 0x1E});
  }
  Put(img, 0x0100, kFullRecord);
  Put(img, 0x3E80, {0x07, 0x3F, 0x41, 0x05});  // rx cc 7, tx cc 63, Slow user data + OACSU, status 5
  return img;
}

// An editor on the main channels of `img`, showing channel `number`.
ChannelEditor Opened(RadioImage& img, int number) {
  ChannelEditor ed(img, kMainChannelBase, kBandUhf);
  ed.Open(number);
  return ed;
}

void ExpectLists(const ChannelEditState& s, std::initializer_list<std::pair<EditList, const char*>> want) {
  for (const auto& [list, text] : want) EXPECT_EQ(s.list(list).text(), text) << "list " << static_cast<int>(list);
}

TEST(ChannelEditor, LoadShowsEveryField) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 1);
  const auto& s = ed.state();
  EXPECT_TRUE(s.controlsEnabled);
  EXPECT_EQ(s.number, "1");
  EXPECT_EQ(s.rx, "438.500000");
  EXPECT_EQ(s.tx, "438.510000");
  ExpectLists(s, {
      {EditList::kRxTone, "67.0"},        {EditList::kTxTone, "D023N"},         {EditList::kPower, "High"},
      {EditList::kBandwidth, "Narrow"},   {EditList::kSignalType, "DTMF"},      {EditList::kOnlyRx, "Off"},
      {EditList::kBusy, "Carrier"},       {EditList::kChannelType, "Mixed(Digit)"}, {EditList::kColorCode, "5"},
      {EditList::kTxContact, "Bob"},      {EditList::kEncryptKey, "3"},         {EditList::kGroupRxList, "10"},
      {EditList::kAnalogCall1, "1"},      {EditList::kAnalogCall2, "2"},        {EditList::kCall1Type, "Msg"},
      {EditList::kCall1Contact, "Bobby"}, {EditList::kCall1Message, "2"},       {EditList::kCall2Type, "Call"},
      {EditList::kCall2Contact, "Bob"},   {EditList::kCall2Message, "Off"},     {EditList::kRxColorCode, "7"},
      {EditList::kTxColorCode, "63"},     {EditList::kDataType, "Slow user data"}, {EditList::kStatusInfo, "5"},
  });
  const std::pair<EditCheck, bool> checks[] = {
      {EditCheck::kReverse, true},    {EditCheck::kTalkAround, true}, {EditCheck::kScan, true}, {EditCheck::kAutoContact, false},
      {EditCheck::kWorkAlone, false}, {EditCheck::kPttId, true},      {EditCheck::kOacsu, true},
  };
  for (const auto& [check, on] : checks) EXPECT_EQ(s.check(check), on) << "check " << static_cast<int>(check);
}

TEST(ChannelEditor, LoadThenStoreKeepsACleanRecord) {
  RadioImage img = Sample();
  const RadioImage before = img;
  ChannelEditor ed = Opened(img, 1);
  ed.Close();
  EXPECT_EQ(Get(img, 0x0100, 32), kFullRecord);
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0x07, 0x3F, 0x41, 0x05}));
  EXPECT_EQ(img, before);
}

TEST(ChannelEditor, ListsSelectByNumberNotByText) {
  RadioImage img = Sample();
  // Group list 1 is unused, 10 is used: a stored 1 is "None", never "10".
  img.SetByte(0x0117, 1);
  // Key 1 with four keys listed, and a contact that is not listed.
  img.SetByte(0x0116, 1);
  img.SetByte(0x0115, 9);
  img.SetByte(0x011A, 9);   // call 1 contact 9: not listed
  ChannelEditor ed = Opened(img, 1);
  ExpectLists(ed.state(), {{EditList::kGroupRxList, "None"},
                           {EditList::kEncryptKey, "1"},
                           {EditList::kTxContact, "None"},
                           {EditList::kCall1Contact, "None"}});
  ed.Close();
  // Tx contact "None" is 0, call contact "None" 0xFF.
  ExpectBytes(img, {{0x0117, 0}, {0x0116, 1}, {0x0115, 0}, {0x011A, 0xFF}});
}

TEST(ChannelEditor, FallbacksForValuesTheListsLack) {
  RadioImage img = Sample();
  img.SetByte(0x0114, 0x22);                      // color code 34 -> "1"
  img.SetByte(0x0111, 0x07);                      // signal type 3 -> "Off"
  img.SetByte(0x0112, 0x93);                      // busy 3 -> "Off"
  img.SetByte(0x011B, 0xD5);                      // call 1 type 3 -> "Off"
  Put(img, 0x3E80, {0x40, 0xFF, 0xFE, 0x20});     // cc 64 -> Auto; data 0xF8 -> type 1; status 32 -> 30
  ChannelEditor ed = Opened(img, 1);
  const auto& s = ed.state();
  // Signal type "Off" forces both analog calls to "None" and disables them;
  // call type "Off" does the same to its contact and message.
  ExpectLists(s, {{EditList::kColorCode, "1"},          {EditList::kSignalType, "Off"},   {EditList::kBusy, "Off"},
                  {EditList::kCall1Type, "Off"},        {EditList::kRxColorCode, "Auto"}, {EditList::kDataType, "Data Type 1"},
                  {EditList::kStatusInfo, "30"},        {EditList::kAnalogCall1, "None"}, {EditList::kCall1Contact, "None"}});
  EXPECT_FALSE(s.list(EditList::kAnalogCall1).enabled);
  EXPECT_FALSE(s.list(EditList::kCall1Message).enabled);
  EXPECT_TRUE(s.list(EditList::kCall2Contact).enabled);
  ed.Close();
  // 0x0111: bits 6-3 kept (none set), PTTID kept.
  ExpectBytes(img, {{0x0114, 0x01}, {0x0111, 0x04}, {0x0118, 0xFF}, {0x0119, 0xFF}, {0x011A, 0xFF}, {0x011B, 0x3F}});
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0xFF, 0xFF, 0x0E, 0x1E}));
}

TEST(ChannelEditor, DefaultExtensionIsStoredAs0x0E) {
  RadioImage img = Sample();
  Put(img, 0x0120, {0x00, 0x00, 0x00, 0x44});
  ChannelEditor ed = Opened(img, 2);
  ed.Close();
  EXPECT_EQ(Get(img, 0x3E84, 4), (Bytes{0xFF, 0xFF, 0x0E, 0x1E}));
}

TEST(ChannelEditor, ErasedAndZeroChannels) {
  RadioImage img = Sample();
  Put(img, 0x3E88, {0x01, 0x02, 0x03, 0x04});
  Put(img, 0x0140, {0x00, 0x00, 0x85, 0x00});  // byte 3 = 0x00
  ChannelEditor ed = Opened(img, 2);  // byte 3 = 0xFF: only number and rx usable
  EXPECT_FALSE(ed.state().controlsEnabled);
  EXPECT_EQ(ed.state().list(EditList::kPower).index, -1);
  EXPECT_FALSE(ed.state().check(EditCheck::kScan));
  ed.Spin(+1);  // stores channel 2 (reset), loads 3
  EXPECT_EQ(ed.current(), 3);
  EXPECT_TRUE(ed.state().controlsEnabled);
  EXPECT_EQ(ed.state().rx, "");
  ed.Close();
  EXPECT_EQ(Get(img, 0x0140, 32), kDefaultRecord);
  EXPECT_EQ(Get(img, 0x3E88, 4), (Bytes{0x01, 0x02, 0x03, 0x04}));
}

TEST(ChannelEditor, EmptiedReceiveFrequencyResetsButKeepsExtension) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 1);
  ed.state().rx.clear();
  ed.LeaveRx();
  EXPECT_FALSE(ed.state().controlsEnabled);
  ed.Close();
  EXPECT_EQ(Get(img, 0x0100, 32), kDefaultRecord);
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0x07, 0x3F, 0x41, 0x05}));
}

TEST(ChannelEditor, FrequencyLeaveRules) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 1);
  // Each edit in turn: typed, left, then shown as this.
  enum Edit { kRx, kTx, kOffset };
  struct Case {
    Edit edit;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {kRx, "470", "400.000000"},       {kTx, "470", "400.000000"},      {kRx, "400", "400.000000"},
      {kTx, "400", "400.000000"},       {kRx, "500", "400.000000"},      {kTx, "500", "400.000000"},
      {kRx, "469.99", "469.990000"},    {kTx, "469.99", "469.990000"},   {kRx, "401", "401.000000"},
      {kTx, "401", "401.000000"},       {kTx, "", "400.000000"},         {kOffset, "0.5", "0.500000"},
      {kOffset, "51", "0.600000"},      {kOffset, "50", "50.000000"},    {kOffset, "", "0.000000"},
  };
  for (const Case& c : cases) {
    std::string& text = c.edit == kRx ? ed.state().rx : c.edit == kTx ? ed.state().tx : ed.state().offset;
    text = c.typed;
    c.edit == kRx ? ed.LeaveRx() : c.edit == kTx ? ed.LeaveTx() : ed.LeaveOffset();
    EXPECT_EQ(text, c.shown) << "edit " << c.edit << " typed '" << c.typed << "'";
  }
  ed.state().list(EditList::kRxTone).index = -1;
  ed.state().list(EditList::kRxTone).editText = "23n";
  ed.LeaveTone(EditList::kRxTone);
  EXPECT_EQ(ed.state().list(EditList::kRxTone).text(), "D023N");
}

TEST(ChannelEditor, NewChannelGetsDefaults) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 4);
  ed.state().check(EditCheck::kTalkAround) = true;  // kept through the defaults
  ed.state().rx = "446.1";
  ed.LeaveRx();
  EXPECT_EQ(ed.state().tx, "446.100000");
  EXPECT_EQ(ed.state().offset, "0.600000");
  ed.Close();
  EXPECT_EQ(Get(img, 0x0160, 32),
            (Bytes{0x00, 0x00, 0x61, 0x44, 0x00, 0x00, 0x61, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                   0x11, 0x00, 0x40, 0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F, 0xFF, 0xFF}));
  EXPECT_EQ(Get(img, 0x3E8C, 4), (Bytes{0xFF, 0xFF, 0x0E, 0x1E}));
}

TEST(ChannelEditor, NavigationWrapsAndClamps) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 16);
  ed.Spin(+1);
  EXPECT_EQ(ed.current(), 1);
  EXPECT_EQ(ed.state().number, "1");
  ed.Spin(-1);
  EXPECT_EQ(ed.current(), 16);
  ed.Spin(-1);
  EXPECT_EQ(ed.current(), 15);
  struct Case {
    const char* typed;
    int channel;
  };
  const Case cases[] = {{"0", 1}, {"99", 16}, {"7", 7}, {"", 1}, {"12", 12}};
  for (const Case& c : cases) {
    ed.state().number = c.typed;
    ed.LeaveNumber();
    EXPECT_EQ(ed.current(), c.channel) << c.typed;
    EXPECT_EQ(ed.state().number, std::to_string(c.channel)) << c.typed;
  }
}

TEST(ChannelEditor, MovingToAnotherChannelStoresTheFirst) {
  RadioImage img = Sample();
  ChannelEditor ed = Opened(img, 1);
  ed.state().list(EditList::kPower).index = 0;
  ed.state().number = "5";
  ed.LeaveNumber();
  EXPECT_EQ(img.Byte(0x0110), 0x33);
}

TEST(ChannelEditor, EachSetTouchesOnlyItsRecordAndTheExtension) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    for (std::size_t base : {kMainChannelBase, kPmrChannelBase}) {
      RadioImage img = RandomImage(seed);
      const RadioImage before = img;
      ChannelEditor ed(img, base, kBandUhf);
      const int n = static_cast<int>(seed % 16) + 1;
      ed.Open(n);
      ed.state().rx = "440";
      ed.LeaveRx();
      ed.Close();
      const std::size_t rec = base + 32 * (n - 1), ext = 0x3E80 + 4 * (n - 1);
      for (std::size_t a = 0; a < kImageSize; ++a) {
        if ((a >= rec && a < rec + 32) || (a >= ext && a < ext + 4)) continue;
        ASSERT_EQ(img.Byte(a), before.Byte(a)) << "base " << base << " address " << a;
      }
    }
  }
}

TEST(ChannelEditor, BothSetsShareTheExtensionRecord) {
  RadioImage img = Sample();
  Put(img, 0x2160 + 64, kFullRecord);  // PMR channel 3
  ChannelEditor main(img, kMainChannelBase, kBandUhf);
  main.Open(1);
  main.state().number = "3";
  main.LeaveNumber();
  main.state().rx = "440";
  main.LeaveRx();
  main.state().list(EditList::kRxColorCode).SelectNumber(12);
  main.Close();
  EXPECT_EQ(img.Byte(0x3E88), 12);
  ChannelEditor pmr(img, kPmrChannelBase, kBandUhf);
  pmr.Open(3);
  EXPECT_EQ(pmr.state().list(EditList::kRxColorCode).text(), "12");
  pmr.Close();
  EXPECT_EQ(img.Byte(0x3E88), 12);
}

}  // namespace
}  // namespace cps
