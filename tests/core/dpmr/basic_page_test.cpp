#include <gtest/gtest.h>

#include "core/dpmr/dpmr_basic_page.h"
#include "dpmr_test_image.h"

namespace cps {
namespace {

using test::ErasedImage;
using test::ExpectBytes;
using test::SetBytes;

RadioImage BasicImage() {
  RadioImage image = ErasedImage();
  SetBytes(image, 0x0388, {0, 0, 0, 1, 2, 3, 4});                 // radio id
  SetBytes(image, 0x0398, {2, 5, 10, 12, 14, 3, 4, 0x00});        // 0x0398..0x039F
  SetBytes(image, 0x3EC0, {5, 3, 12});
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
  SetBytes(image, 0x3F88, {'R', 'a', 'd', 0x07, 'x', 0xFF, 0xFF, 0xFF});
  SetBytes(image, 0x04B0, {4, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});  // kill code
  PageValues v = LoadPage(DpmrBasicPageSchema(), image);
  const std::pair<const char*, const char*> shown[] = {
      {"radio_name", "Rad"},        {"radio_id", "0001234"},      {"all_code", ""},
      {"kill_code", "0000042"},     {"tx_pre_carrier_time", "100"}, {"wake_frame", "240"},
      {"kill_type", "Tx inhibit"},  {"codec_type", "AMBE+2C"},    {"ack_reply_times", "1"},
      {"dial_access", "7"},         {"ack_reply_delay", "0.5"},   {"ack_reply_wait", "3"},
      {"tx_delay_time", "1.2"},
  };
  for (const auto& [field, text] : shown) EXPECT_EQ(v[field].text, text) << field;
  for (const char* hidden : {"dial_access", "voice_store_replay", "ack_reply_times"})
    EXPECT_FALSE(DpmrBasicPageSchema().Find(hidden)->visible) << hidden;

  SavePage(v, image);
  EXPECT_EQ(image.Byte(0x039F), 0x00);  // kill type and codec stored back as 0
  EXPECT_EQ(image.Byte(0x039E), 1);
  EXPECT_EQ(image.Byte(0x0398), 7);
  ExpectBytes(image, 0x3F88, {'R', 'a', 'd', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(image, 0x04B0, {0, 0, 0, 0, 0, 4, 2});
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
  ExpectBytes(image, 0x0388, {0, 0, 0, 0, 1, 2, 3, 0xFF, 1, 2, 0x0E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(image, 0x0399, {13});
  ExpectBytes(image, 0x039D, {15, 10, 0x02 | 0x04 | 0x20 | 0x40 | 0x80});
  ExpectBytes(image, 0x3EC0, {25, 7});
  ExpectBytes(image, 0x3F88, {'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF});
}

}  // namespace
}  // namespace cps
