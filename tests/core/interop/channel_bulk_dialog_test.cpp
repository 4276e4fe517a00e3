// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/channel_bulk_dialog.h"

#include <gtest/gtest.h>

#include "core/channels/channel_editor.h"
#include "core/image/new_image.h"
#include "core/interop/key_space.h"

namespace cps {
namespace {

// A new image with channels 1 and 3 in use as digital channels, every
// channel stored as the dialog shows it (so that only what is set changes).
RadioImage Sample() {
  RadioImage img = NewImage("", kBandUhf);
  EXPECT_TRUE(SetKeys(img, {{"channel.1.rx_freq", "446.00625"},
                            {"channel.1.type", "Digit"},
                            {"channel.3.rx_freq", "438.5"},
                            {"channel.3.type", "Digit"}}));
  for (int n = 1; n <= kChannelCount; ++n) img = StoredAsShown(img, kMainChannelBase, kBandUhf, n);
  return img;
}

std::vector<std::size_t> Changed(const RadioImage& a, const RadioImage& b) {
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < kImageSize; ++i)
    if (a.Byte(i) != b.Byte(i)) out.push_back(i);
  return out;
}

TEST(BulkDialog, EachControlLandsInItsBitsOnEveryChannelAsASetPerChannelWould) {
  struct Case {
    const char* field;
    const char* value;
    std::size_t offset;  // in the record, or 0x3E80-based for the extension record
    bool ext;
    std::uint8_t mask;
    std::uint8_t want;
  };
  const Case cases[] = {
      {"reverse", "on", 16, false, 0x20, 0x20},     {"talk_around", "on", 16, false, 0x10, 0x10},
      {"ptt_id", "on", 17, false, 0x04, 0x04},      {"signal_type", "DTMF", 17, false, 0x03, 0x01},
      {"busy", "Carrier", 18, false, 0x03, 0x01},   {"encrypt_key", "None", 22, false, 0xFF, 0x00},
      {"tx_contact", "None", 21, false, 0xFF, 0x00}, {"group_rx_list", "None", 23, false, 0xFF, 0x00},
      {"rx_color_code", "5", 0, true, 0xFF, 0x05},  {"tx_color_code", "7", 1, true, 0xFF, 0x07},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    RadioImage img = Sample();
    RadioImage perChannel = img;
    ChannelTable table;
    table.Load(img);
    EXPECT_TRUE(BulkEditChannelDialog(img, table, {1, 3}, {{c.field, c.value}}).empty());
    for (int n : {1, 3}) {
      const std::size_t at = c.ext ? 0x3E80 + 4 * static_cast<std::size_t>(n - 1) + c.offset
                                   : 0x0100 + 32 * static_cast<std::size_t>(n - 1) + c.offset;
      EXPECT_EQ(img.Byte(at) & c.mask, c.want) << "channel " << n;
      const std::string key = "channel." + std::to_string(n) + "." + c.field;
      EXPECT_TRUE(SetKeys(perChannel, {{key, c.value}}));
      EXPECT_EQ(*GetKey(img, key), c.value);
    }
    EXPECT_EQ(Changed(img, perChannel), std::vector<std::size_t>{});
    // The table shows the image again: nothing left to write back.
    RadioImage again = img;
    table.WriteBack(again);
    EXPECT_TRUE(again == img);
  }
}

TEST(BulkDialog, TouchesOnlyTheSelectedChannelsBits) {
  RadioImage img = Sample();
  const RadioImage before = img;
  ChannelTable table;
  table.Load(img);
  EXPECT_TRUE(BulkEditChannelDialog(img, table, {1, 3}, {{"reverse", "on"}, {"busy", "Carrier"}}).empty());
  EXPECT_EQ(Changed(before, img), (std::vector<std::size_t>{0x0110, 0x0112, 0x0150, 0x0152}));
}

TEST(BulkDialog, NamesEveryChannelAndFieldNotSetAsGiven) {
  RadioImage img = Sample();
  const RadioImage before = img;
  ChannelTable table;
  table.Load(img);
  const auto notes = BulkEditChannelDialog(img, table, {2, 3}, {{"encrypt_key", "Key 99"}, {"ptt_id", "on"}});
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "Channel 2 Encrypt key: given \"Key 99\", not set: the channel is not in use",
                       "Channel 2 PTTID: given \"on\", not set: the channel is not in use",
                       "Channel 3 Encrypt key: given \"Key 99\", not set: 'Key 99' is not one of None",
                   }));
  EXPECT_EQ(Changed(before, img), std::vector<std::size_t>{0x0151});

  // The PMR dialog has no digital controls.
  RadioImage pmrImage = Sample();
  ChannelTable pmr(kPmrChannelBase, false);
  pmr.Load(pmrImage);
  const auto pmrNotes = BulkEditChannelDialog(pmrImage, pmr, {1}, {{"rx_color_code", "5"}}, "PMR channel");
  EXPECT_EQ(pmrNotes, std::vector<std::string>{
                          "PMR channel 1 rx_color_code: given \"5\", not set: the dialog has no such control here"});
}

TEST(BulkDialog, OffersTheAnalogControlsOnBothSetsAndTheDigitalOnesOnTheMainSet) {
  const RadioImage img = Sample();
  auto fields = [](const std::vector<BulkDialogChoice>& choices) {
    std::vector<std::string> out;
    for (const auto& c : choices) out.push_back(c.field);
    return out;
  };
  const auto main = BulkDialogChoices(img, false, kBandUhf, 3);
  EXPECT_EQ(fields(main), (std::vector<std::string>{"signal_type", "ptt_id", "busy", "reverse", "talk_around",
                                                    "tx_contact", "encrypt_key", "group_rx_list", "rx_color_code",
                                                    "tx_color_code"}));
  EXPECT_EQ(fields(BulkDialogChoices(img, true, kBandUhf, 1)),
            (std::vector<std::string>{"signal_type", "ptt_id", "busy", "reverse", "talk_around"}));
  EXPECT_EQ(main[2].items, (std::vector<std::string>{"Off", "Carrier"}));
  EXPECT_EQ(main[3].items, (std::vector<std::string>{"on", "off"}));
  EXPECT_EQ(main[3].shown, "off");
}

}  // namespace
}  // namespace cps
