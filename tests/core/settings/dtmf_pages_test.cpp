// SPDX-License-Identifier: GPL-3.0-or-later
// DTMF encode, decode and contacts.
#include <gtest/gtest.h>

#include "core/settings/settings_test_image.h"
#include "core/settings/dtmf_contact_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"

namespace cps {
namespace {

using testing::At;
using testing::Bytes;

RadioImage Defaults() { return testing::DefaultSettingsImage(); }

TEST(DtmfEncodePage, SpeedCodes) {
  const testing::StoredCase cases[] = {{0x2000, 0x32, "speed", "10", 50}, {0x2000, 0x4B, "speed", "6", 75},
                                       {0x2000, 0x64, "speed", "5", 100}, {0x2000, 0x0A, "speed", "5", 100},
                                       {0x2000, 0xFF, "speed", "5", 100}};
  for (const auto& c : cases) testing::ExpectStoredShownSaved(DtmfEncodePageSchema(), c);
  RadioImage im = Defaults();
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  SelectIndex(v, v.IndexOf("speed"), -1);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2000), 10);  // nothing selected
}

TEST(DtmfEncodePage, MillisecondEditsAndCodes) {
  RadioImage im = Defaults();
  im.SetByte(0x2001, 3);
  testing::Put(im, 0x2010, {1, 2, 3, 0xE, 0xFF, 5});
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  testing::ExpectTexts(v, {{"first_digit_delay", "300"}, {"online_code", "123*"}});
  testing::ExpectSteps(DtmfEncodePageSchema(), {{"first_digit_delay", "250", 0, "200"},
                                                {"first_digit_delay", "50", 0, "100"},
                                                {"first_digit_delay", "100", -1, "3000"},
                                                {"first_digit", "1000", +1, "0"},
                                                {"star_hash_tone", "250", +1, "300"}});
  ASSERT_TRUE(SetFieldText(v, "first_digit", "250").ok());
  ASSERT_TRUE(SetFieldText(v, "offline_code", "").ok());
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2002), 2);
  EXPECT_EQ(At(im, 0x2010, 16), (Bytes{1, 2, 3, 0xE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(At(im, 0x2020, 16), Bytes(16, 0xFF));
  ASSERT_TRUE(SetFieldText(v, "online_code", "a#b").ok());
  EXPECT_EQ(v["online_code"].text, "A#B");
}

TEST(DtmfEncodePage, ClampStepSkipsResponseWaitTime) {
  RadioImage im = Defaults();
  im.SetByte(0x2008, 40);  // hold time above 2.0
  im.SetByte(0x2009, 200); // response wait time above 10.0
  im.SetByte(0x2002, 30);  // first digit above 1000 ms
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  testing::ExpectTexts(v, {{"hold_time", "2.0"}, {"response_wait_time", "20.0"}, {"first_digit", "1000"}});
  SavePage(v, im);
  testing::ExpectBytes(im, {{0x2008, 20}, {0x2009, 200}, {0x2002, 10}});
}

TEST(DtmfDecodePage, GroupCallAndDecodeResponse) {
  const testing::StoredCase cases[] = {
      {0x2030, 0xFF, "group_call_code", "None", 0xFF}, {0x2030, 0x0E, "group_call_code", "*", 0x0E},
      {0x2030, 0x05, "group_call_code", "", 0xFF},     {0x2030, 0x0A, "group_call_code", "A", 0x0A},
      {0x2031, 4, "decode_response", "Remind and Reply", 4}, {0x2031, 2, "decode_response", "Remind", 2},
      {0x2031, 1, "decode_response", "", 4},           {0x2031, 0, "decode_response", "None", 0},
      {0x2031, 9, "decode_response", "Remind and Reply", 4},
  };
  for (const auto& c : cases) testing::ExpectStoredShownSaved(DtmfDecodePageSchema(), c);
}

TEST(DtmfDecodePage, KillCodeFraming) {
  struct Case { const char* typed; Bytes bytes; const char* reloaded; };  // bytes: then 0xFF up to 16
  const Case cases[] = {
      {"123", {1, 2, 3, 15}, "123"},
      {"12#", {1, 2, 15, 15}, "12#"},  // a typed "#" survives, only the terminator goes
      {"", {}, ""},
      {"123456789ABCD*#", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15}, "123456789ABCD*#"},
  };
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    PageValues v = LoadPage(DtmfDecodePageSchema(), im);
    ASSERT_TRUE(SetFieldText(v, "kill_code", c.typed).ok()) << c.typed;
    SavePage(v, im);
    for (std::size_t i = 0; i < 16; ++i)
      EXPECT_EQ(im.Byte(0x2050 + i), i < c.bytes.size() ? c.bytes[i] : 0xFF) << c.typed << " " << i;
    EXPECT_EQ(LoadPage(DtmfDecodePageSchema(), im)["kill_code"].text, c.reloaded);
  }
  RadioImage im = Defaults();
  testing::Put(im, 0x2050, Bytes(16, 7));  // no terminator at all
  PageValues v = LoadPage(DtmfDecodePageSchema(), im);
  EXPECT_EQ(v["kill_code"].text, "777777777777777");
  EXPECT_FALSE(SetFieldText(v, "kill_code", "1234567890123456").ok());  // 15 at most
}

TEST(DtmfDecodePage, KillTypeValueThreeAndOtherBits) {
  RadioImage im = Defaults();
  im.SetByte(0x2037, 0xE1);
  PageValues v = LoadPage(DtmfDecodePageSchema(), im);
  testing::ExpectTexts(v, {{"kill_type", "tx inhibit"}, {"kill_active", "On"}, {"decode_display", "allow"}});
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2037), 0x21);
  im.SetByte(0x2037, 0x1E);  // bits 1-4 are not the page's
  v = LoadPage(DtmfDecodePageSchema(), im);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2037), 0x1E);
}

TEST(DtmfContactPage, EntriesAtTheirAddresses) {
  RadioImage im = Defaults();
  testing::Put(im, 0x2060, {1, 2, 3});
  im.SetByte(0x2150, 0xD);
  PageValues v = LoadPage(DtmfContactPageSchema(), im);
  testing::ExpectTexts(v, {{"1", "123"}, {"16", "D"}});
  ASSERT_TRUE(SetFieldText(v, "2", "12ab*#").ok());
  ASSERT_TRUE(SetFieldText(v, "1", "").ok());
  SavePage(v, im);
  EXPECT_EQ(At(im, 0x2070, 16), (Bytes{1, 2, 0xA, 0xB, 0xE, 0xF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(At(im, 0x2060, 16), Bytes(16, 0xFF));
  EXPECT_EQ(im.Byte(0x2150), 0xD);
  EXPECT_FALSE(SetFieldText(v, "3", "12345678901234567").ok());
  EXPECT_FALSE(SetFieldText(v, "3", "12E").ok());
}

}  // namespace
}  // namespace cps
