// SPDX-License-Identifier: GPL-3.0-or-later
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
      {"active_code", "7000000", "9999991"},   {"group_hold_time", "45", "30"},
      {"ack_reply_delay", "30", "4.4"},        {"ack_reply_delay", "0", "0.1"},
      {"tx_delay_time", "60", "5.0"},
  };
  for (const Case& c : cases) {
    PageValues values = LoadPage(DpmrBasicPageSchema(), image);
    ASSERT_TRUE(SetFieldText(values, c.field, c.typed)) << c.field << " " << c.typed;
    EXPECT_EQ(values[c.field].text, c.shown) << c.field << " " << c.typed;
  }
  // The pre-carrier time cannot be typed, but its rule still corrects what
  // is loaded before it is stored.
  const Field* preCarrier = DpmrBasicPageSchema().Find("tx_pre_carrier_time");
  EXPECT_EQ(preCarrier->onLeave("55"), "40");
  EXPECT_EQ(preCarrier->onLeave("1200"), "1000");
}

TEST(DpmrBasicPage, FieldsTheWriteBackOverwritesAreReadOnly) {
  RadioImage image = BasicImage();
  SetBytes(image, 0x0390, {1, 2, 3, 4, 5, 6, 7});
  for (const char* field : {"all_code", "tx_pre_carrier_time"}) {
    const Field* f = DpmrBasicPageSchema().Find(field);
    EXPECT_FALSE(f->readOnly.empty()) << field;
    RadioImage edited = image;
    const Status st = SetPageFields(DpmrBasicPageSchema(), edited, {{field, "40"}});
    ASSERT_FALSE(st) << field;
    EXPECT_EQ(st.error().rfind(std::string("dpmr.") + field + " cannot be set: ", 0), 0u) << st.error();
    EXPECT_EQ(edited, image) << field;
  }
  // Stored as loaded when the page is saved.
  PageValues v = LoadPage(DpmrBasicPageSchema(), image);
  EXPECT_EQ(v["all_code"].text, "1234567");
  EXPECT_EQ(v["tx_pre_carrier_time"].text, "100");
  RadioImage saved = image;
  SavePage(v, saved);
  ExpectBytes(saved, 0x0390, {1, 2, 3, 4, 5, 6, 7});
  ExpectBytes(saved, 0x0399, {5});
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
                             {"wake_frame", "1200"},
                             {"codec_type", "ASELP 2"},
                             {"kill_type", "Kill"},
                             {"repeat_mode", "Repeat"},
                             {"allow_all_call", "On"},
                             {"kill_active_decode", "On"},
                             {"ack_reply_delay", "2.5"},
                             {"ack_reply_wait", "7"},
                             {"ack_reply_times", "10"}}));
  ExpectBytes(image, 0x0388, {0, 0, 0, 0, 1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(image, 0x0399, {5});
  ExpectBytes(image, 0x039D, {15, 10, 0x02 | 0x04 | 0x20 | 0x40 | 0x80});
  ExpectBytes(image, 0x3EC0, {25, 7});
  ExpectBytes(image, 0x3F88, {'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF});
}

}  // namespace
}  // namespace cps
