// DTMF encode, decode and contacts.
#include <gtest/gtest.h>

#include "core/image/new_image.h"
#include "core/settings/settings_test_image.h"
#include "core/settings/dtmf_contact_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"

namespace cps {
namespace {

RadioImage Defaults() { return testing::DefaultSettingsImage(); }

TEST(DtmfEncodePage, SpeedCodes) {
  struct Case { std::uint8_t stored; const char* shown; std::uint8_t saved; };
  const Case cases[] = {{0x32, "10", 50}, {0x4B, "6", 75}, {0x64, "5", 100}, {0x0A, "5", 100}, {0xFF, "5", 100}};
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    im.SetByte(0x2000, c.stored);
    PageValues v = LoadPage(DtmfEncodePageSchema(), im);
    EXPECT_EQ(v["speed"].text, c.shown) << int(c.stored);
    SavePage(v, im);
    EXPECT_EQ(im.Byte(0x2000), c.saved) << int(c.stored);
  }
  RadioImage im = Defaults();
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  SelectIndex(v, v.IndexOf("speed"), -1);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2000), 10);  // nothing selected
}

TEST(DtmfEncodePage, MillisecondEditsAndCodes) {
  RadioImage im = Defaults();
  im.SetByte(0x2001, 3);
  const std::uint8_t online[6] = {1, 2, 3, 0xE, 0xFF, 5};
  for (int i = 0; i < 6; ++i) im.SetByte(0x2010 + i, online[i]);
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  EXPECT_EQ(v["first_digit_delay"].text, "300");
  EXPECT_EQ(v["online_code"].text, "123*");
  const auto& p = DtmfEncodePageSchema();
  EXPECT_EQ(p.Find("first_digit_delay")->onLeave("250"), "200");
  EXPECT_EQ(p.Find("first_digit_delay")->onLeave("50"), "100");
  EXPECT_EQ(p.Find("first_digit_delay")->onSpin("100", -1), "3000");
  EXPECT_EQ(p.Find("first_digit")->onSpin("1000", +1), "0");
  EXPECT_EQ(p.Find("star_hash_tone")->onSpin("250", +1), "300");
  ASSERT_TRUE(SetFieldText(v, "first_digit", "250").ok());
  ASSERT_TRUE(SetFieldText(v, "offline_code", "").ok());
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2002), 2);
  const std::uint8_t onlineSaved[16] = {1, 2, 3, 0xE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(im.Byte(0x2010 + i), onlineSaved[i]) << i;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(im.Byte(0x2020 + i), 0xFF) << i;
  ASSERT_TRUE(SetFieldText(v, "online_code", "a#b").ok());
  EXPECT_EQ(v["online_code"].text, "A#B");
}

TEST(DtmfEncodePage, ClampStepSkipsResponseWaitTime) {
  RadioImage im = Defaults();
  im.SetByte(0x2008, 40);  // hold time above 2.0
  im.SetByte(0x2009, 200); // response wait time above 10.0
  im.SetByte(0x2002, 30);  // first digit above 1000 ms
  PageValues v = LoadPage(DtmfEncodePageSchema(), im);
  EXPECT_EQ(v["hold_time"].text, "2.0");
  EXPECT_EQ(v["response_wait_time"].text, "20.0");
  EXPECT_EQ(v["first_digit"].text, "1000");
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2008), 20);
  EXPECT_EQ(im.Byte(0x2009), 200);
  EXPECT_EQ(im.Byte(0x2002), 10);
}

TEST(DtmfDecodePage, GroupCallAndDecodeResponse) {
  struct Case { std::size_t addr; std::uint8_t stored; const char* key; const char* shown; std::uint8_t saved; };
  const Case cases[] = {
      {0x2030, 0xFF, "group_call_code", "None", 0xFF}, {0x2030, 0x0E, "group_call_code", "*", 0x0E},
      {0x2030, 0x05, "group_call_code", "", 0xFF},     {0x2030, 0x0A, "group_call_code", "A", 0x0A},
      {0x2031, 4, "decode_response", "Remind and Reply", 4}, {0x2031, 2, "decode_response", "Remind", 2},
      {0x2031, 1, "decode_response", "", 4},           {0x2031, 0, "decode_response", "None", 0},
      {0x2031, 9, "decode_response", "Remind and Reply", 4},
  };
  for (const auto& c : cases) {
    RadioImage im = Defaults();
    im.SetByte(c.addr, c.stored);
    PageValues v = LoadPage(DtmfDecodePageSchema(), im);
    EXPECT_EQ(v[c.key].text, c.shown) << c.key << " " << int(c.stored);
    SavePage(v, im);
    EXPECT_EQ(im.Byte(c.addr), c.saved) << c.key << " " << int(c.stored);
  }
}

TEST(DtmfDecodePage, KillCodeFraming) {
  struct Case { const char* typed; std::vector<std::uint8_t> bytes; const char* reloaded; };
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
  for (std::size_t i = 0; i < 16; ++i) im.SetByte(0x2050 + i, 7);  // no terminator at all
  PageValues v = LoadPage(DtmfDecodePageSchema(), im);
  EXPECT_EQ(v["kill_code"].text, "777777777777777");
  EXPECT_FALSE(SetFieldText(v, "kill_code", "1234567890123456").ok());  // 15 at most
}

TEST(DtmfDecodePage, KillTypeValueThreeAndOtherBits) {
  RadioImage im = Defaults();
  im.SetByte(0x2037, 0xE1);
  PageValues v = LoadPage(DtmfDecodePageSchema(), im);
  EXPECT_EQ(v["kill_type"].text, "tx inhibit");
  EXPECT_EQ(v["kill_active"].text, "On");
  EXPECT_EQ(v["decode_display"].text, "allow");
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2037), 0x21);
  im.SetByte(0x2037, 0x1E);  // bits 1-4 are not the page's
  v = LoadPage(DtmfDecodePageSchema(), im);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(0x2037), 0x1E);
}

TEST(DtmfContactPage, EntriesAtTheirAddresses) {
  RadioImage im = Defaults();
  im.SetByte(0x2060, 1);
  im.SetByte(0x2061, 2);
  im.SetByte(0x2062, 3);
  im.SetByte(0x2150, 0xD);
  PageValues v = LoadPage(DtmfContactPageSchema(), im);
  EXPECT_EQ(v["1"].text, "123");
  EXPECT_EQ(v["16"].text, "D");
  ASSERT_TRUE(SetFieldText(v, "2", "12ab*#").ok());
  ASSERT_TRUE(SetFieldText(v, "1", "").ok());
  SavePage(v, im);
  const std::uint8_t two[16] = {1, 2, 0xA, 0xB, 0xE, 0xF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(im.Byte(0x2070 + i), two[i]) << i;
    EXPECT_EQ(im.Byte(0x2060 + i), 0xFF) << i;
  }
  EXPECT_EQ(im.Byte(0x2150), 0xD);
  EXPECT_FALSE(SetFieldText(v, "3", "12345678901234567").ok());
  EXPECT_FALSE(SetFieldText(v, "3", "12E").ok());
}

}  // namespace
}  // namespace cps
