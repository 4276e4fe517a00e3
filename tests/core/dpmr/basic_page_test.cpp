#include <gtest/gtest.h>

#include <random>

#include "core/dpmr/dpmr_basic_page.h"
#include "dpmr_test_image.h"

namespace cps {
namespace {

using test::ErasedImage;

RadioImage BasicImage() {
  RadioImage image = ErasedImage();
  const std::uint8_t id[7] = {0, 0, 0, 1, 2, 3, 4};
  image.Write(0x0388, id);
  image.SetByte(0x0398, 2);
  image.SetByte(0x0399, 5);
  image.SetByte(0x039A, 10);
  image.SetByte(0x039B, 12);
  image.SetByte(0x039C, 14);
  image.SetByte(0x039D, 3);
  image.SetByte(0x039E, 4);
  image.SetByte(0x039F, 0x00);
  image.SetByte(0x3EC0, 5);
  image.SetByte(0x3EC1, 3);
  image.SetByte(0x3EC2, 12);
  return image;
}

TEST(DpmrBasicPage, LeaveRulesAsTyped) {
  RadioImage image = BasicImage();
  struct Case {
    const char* field;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"radio_id", "123", "0000123"},          {"radio_id", "1000000", "0000001"},
      {"radio_id", "9000001", "0000001"},      {"radio_id", "0", "0000001"},
      {"kill_code", "5", "0000005"},           {"kill_code", "0000000", "9999990"},
      {"active_code", "7000000", "9999991"},   {"tx_pre_carrier_time", "55", "40"},
      {"tx_pre_carrier_time", "1200", "1000"}, {"group_hold_time", "45", "30"},
      {"ack_reply_delay", "30", "4.4"},        {"ack_reply_delay", "0", "0.1"},
      {"tx_delay_time", "60", "5.0"},
  };
  for (const Case& c : cases) {
    PageValues values = LoadPage(DpmrBasicPageSchema(), image);
    ASSERT_TRUE(SetFieldText(values, c.field, c.typed)) << c.field << " " << c.typed;
    EXPECT_EQ(values[c.field].text, c.shown) << c.field << " " << c.typed;
  }
}

TEST(DpmrBasicPage, SpinRules) {
  const PageSchema& page = DpmrBasicPageSchema();
  struct Case {
    const char* field;
    const char* from;
    int delta;
    const char* to;
  };
  const Case cases[] = {
      {"tx_pre_carrier_time", "980", 1, "1000"}, {"tx_pre_carrier_time", "1000", 1, "0"},
      {"tx_pre_carrier_time", "0", -1, "1000"},  {"tx_pre_carrier_time", "47", -1, "40"},
      {"tx_pre_carrier_time", "47", 1, "60"},    {"ack_reply_wait", "10", 1, "0"},
      {"ack_reply_wait", "0", -1, "10"},         {"ack_reply_delay", "5.0", 1, "0.1"},
      {"ack_reply_delay", "0.1", -1, "5.0"},     {"tx_delay_time", "1.2", 1, "1.3"},
      {"group_hold_time", "30", 1, "0"},
  };
  for (const Case& c : cases) {
    const Field* f = page.Find(c.field);
    ASSERT_TRUE(f && f->onSpin) << c.field;
    EXPECT_EQ(f->onSpin(c.from, c.delta), c.to) << c.field << " " << c.from;
  }
}

TEST(DpmrBasicPage, LoadShowsStoredValuesAndFallbacks) {
  RadioImage image = BasicImage();
  image.SetByte(0x039F, 0x30 | 0x03);  // kill type 3 and codec 3: no such items
  image.SetByte(0x039E, 0);
  image.SetByte(0x0398, 9);
  const std::uint8_t name[8] = {'R', 'a', 'd', 0x07, 'x', 0xFF, 0xFF, 0xFF};
  image.Write(0x3F88, name);
  const std::uint8_t kill[7] = {4, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  image.Write(0x04B0, kill);
  PageValues v = LoadPage(DpmrBasicPageSchema(), image);
  EXPECT_EQ(v["radio_name"].text, "Rad");
  EXPECT_EQ(v["radio_id"].text, "0001234");
  EXPECT_EQ(v["all_code"].text, "");
  EXPECT_EQ(v["kill_code"].text, "0000042");
  EXPECT_EQ(v["tx_pre_carrier_time"].text, "100");
  EXPECT_EQ(v["wake_frame"].text, "240");
  EXPECT_EQ(v["kill_type"].text, "Tx inhibit");
  EXPECT_EQ(v["codec_type"].text, "AMBE+2C");
  EXPECT_EQ(v["ack_reply_times"].text, "1");
  EXPECT_EQ(v["dial_access"].text, "7");
  EXPECT_EQ(v["ack_reply_delay"].text, "0.5");
  EXPECT_EQ(v["ack_reply_wait"].text, "3");
  EXPECT_EQ(v["tx_delay_time"].text, "1.2");
  EXPECT_FALSE(DpmrBasicPageSchema().Find("dial_access")->visible);
  EXPECT_FALSE(DpmrBasicPageSchema().Find("voice_store_replay")->visible);
  EXPECT_FALSE(DpmrBasicPageSchema().Find("ack_reply_times")->visible);

  SavePage(v, image);
  EXPECT_EQ(image.Byte(0x039F), 0x00);  // kill type and codec stored back as 0
  EXPECT_EQ(image.Byte(0x039E), 1);
  EXPECT_EQ(image.Byte(0x0398), 7);
  const std::uint8_t nameAfter[8] = {'R', 'a', 'd', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x3F88 + i), nameAfter[i]) << i;
  const std::uint8_t killAfter[7] = {0, 0, 0, 0, 0, 4, 2};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(image.Byte(0x04B0 + i), killAfter[i]) << i;
}

TEST(DpmrBasicPage, SetStoresEveryField) {
  RadioImage image = BasicImage();
  ASSERT_TRUE(SetPageFields(DpmrBasicPageSchema(), image,
                            {{"radio_name", "Base"},
                             {"radio_id", "123"},
                             {"all_code", "12*"},
                             {"tx_pre_carrier_time", "260"},
                             {"wake_frame", "1200"},
                             {"codec_type", "ASELP 2"},
                             {"kill_type", "Kill"},
                             {"repeat_mode", "Repeat"},
                             {"allow_all_call", "On"},
                             {"kill_active_decode", "On"},
                             {"ack_reply_delay", "2.5"},
                             {"ack_reply_wait", "7"},
                             {"ack_reply_times", "10"}}));
  const std::uint8_t id[16] = {0, 0, 0, 0, 1, 2, 3, 0xFF, 1, 2, 0x0E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image.Byte(0x0388 + i), id[i]) << i;
  EXPECT_EQ(image.Byte(0x0399), 13);
  EXPECT_EQ(image.Byte(0x039D), 15);
  EXPECT_EQ(image.Byte(0x039E), 10);
  EXPECT_EQ(image.Byte(0x039F), 0x02 | 0x04 | 0x20 | 0x40 | 0x80);
  EXPECT_EQ(image.Byte(0x3EC0), 25);
  EXPECT_EQ(image.Byte(0x3EC1), 7);
  const std::uint8_t name[8] = {'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x3F88 + i), name[i]) << i;
}

// On random images a load and save changes only the page's own bytes (and
// within them only the declared bits), and a second cycle changes nothing.
TEST(DpmrBasicPage, LoadSaveTouchesOnlyItsOwnBytes) {
  const PageSchema& page = DpmrBasicPageSchema();
  std::array<std::uint8_t, kImageSize> owned{};
  for (const Field& f : page.fields)
    for (const auto& [addr, mask] : f.bytes) owned[addr] |= mask;
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(rng()));
    const RadioImage before = image;
    PageValues v = LoadPage(page, image);
    SavePage(v, image);
    for (std::size_t a = 0; a < kImageSize; ++a)
      ASSERT_EQ((image.Byte(a) ^ before.Byte(a)) & ~owned[a], 0) << std::hex << a;
    const RadioImage once = image;
    PageValues again = LoadPage(page, image);
    SavePage(again, image);
    ASSERT_TRUE(image == once) << round;
  }
}

}  // namespace
}  // namespace cps
