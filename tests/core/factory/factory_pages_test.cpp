// SPDX-License-Identifier: GPL-3.0-or-later
// The factory adjustment pages: hex words, the DTMF amplitude byte, the two
// gain lists and what load/save may touch.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/factory/factory_pages.h"
#include "core/image/region_map.h"

namespace cps {
namespace {

const PageSchema& PageOf(const std::string& fieldKey) {
  for (const PageSchema* p : FactoryPageSchemas())
    if (p->Find(fieldKey)) return *p;
  ADD_FAILURE() << "no page has " << fieldKey;
  return FactoryTxPageSchema();
}

RadioImage Filled(std::uint8_t b) {
  RadioImage im;
  im.Fill(b);
  return im;
}

// Typing a text into a field and closing the dialog.
struct TypedCase {
  const char* key;
  const char* typed;
  std::size_t addr;
  std::vector<std::uint8_t> bytes;
};

TEST(FactoryPages, TypedTextIsStoredAsTheseBytes) {
  const TypedCase cases[] = {
      {"lout_dc_offset", "", 0x0040, {0x00, 0x08}},
      {"rout_dc_offset", "", 0x0042, {0x00, 0x08}},
      {"dcs_gain", "", 0x006E, {0x00, 0x08}},
      {"rx_voice_output_gain", "", 0x007C, {0x00, 0x08}},
      {"decoder_input_gain", "", 0x0074, {0x00, 0x00}},
      {"dtmf_amplitude", "", 0x0080, {0x7F, 0x05}},  // one byte only: 0x81 keeps its gain
      {"digital_modulation_gain", "1A2B", 0x0048, {0x2B, 0x1A}},
      {"digital_modulation_gain", "1a2b", 0x0048, {0x2B, 0x1A}},
      {"ctcss_gain", "fFfF", 0x006C, {0xFF, 0xFF}},
      {"pre_limiter_gain", "7", 0x0068, {0x07, 0x00}},
      {"decoder_input_gain", "0", 0x0074, {0x00, 0x00}},
      {"dtmf_amplitude", "a", 0x0080, {0x0A, 0x05}},
      {"dtmf_amplitude", "C3", 0x0080, {0xC3, 0x05}},
  };
  for (const auto& c : cases) {
    RadioImage im = Filled(0xEE);
    // 0x81 holds a valid B index so that the DTMF page keeps it.
    im.SetByte(0x0081, 0x05);
    ASSERT_TRUE(SetPageFields(PageOf(c.key), im, {{c.key, c.typed}})) << c.key;
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
      EXPECT_EQ(im.Byte(c.addr + i), c.bytes[i]) << c.key << "='" << c.typed << "' byte " << i;
  }
}

TEST(FactoryPages, HexFieldsRefuseWhatCannotBeTyped) {
  RadioImage im = Filled(0x12);
  const RadioImage before = im;
  for (const auto& [key, typed] : {std::pair{"lout_dc_offset", "12345"}, std::pair{"lout_dc_offset", "12G"},
                                    std::pair{"lout_dc_offset", "-1"}, std::pair{"dtmf_amplitude", "100"}})
    EXPECT_FALSE(SetPageFields(PageOf(key), im, {{key, typed}})) << key << "='" << typed << "'";
  EXPECT_EQ(im, before);
}

TEST(FactoryPages, LoadShowsHexWithoutLeadingZeros) {
  RadioImage im = Filled(0x00);
  im.SetByte(0x0040, 0x0F);  // 0x000F
  im.SetByte(0x0048, 0x2B);
  im.SetByte(0x0049, 0x1A);
  im.SetByte(0x0074, 0x00);
  im.SetByte(0x0080, 0x7F);
  const PageValues tx = LoadPage(FactoryTxPageSchema(), im);
  EXPECT_EQ(tx["lout_dc_offset"].text, "F");
  EXPECT_EQ(tx["rout_dc_offset"].text, "0");
  EXPECT_EQ(tx["digital_modulation_gain"].text, "1A2B");
  EXPECT_EQ(LoadPage(FactoryRxPageSchema(), im)["decoder_input_gain"].text, "0");
  EXPECT_EQ(LoadPage(FactoryDtmfPageSchema(), im)["dtmf_amplitude"].text, "7F");
}

TEST(FactoryPages, GainListsReadAsTheRadioCountsThem) {
  const auto& a = FactoryGainListA();
  const auto& b = FactoryGainListB();
  ASSERT_EQ(a.size(), 64u);
  ASSERT_EQ(b.size(), 64u);
  const std::pair<int, const char*> itemsA[] = {{0, "-12"},  {1, "-11.25"}, {2, "-10.5"}, {15, "-0.75"},
                                                {16, "0"},   {17, "0.75"},  {63, "35.25"}};
  for (const auto& [i, text] : itemsA) EXPECT_EQ(a[i], text) << "A " << i;
  for (const auto& [i, text] : {std::pair{0, "-57"}, std::pair{57, "0"}, std::pair{63, "6"}}) EXPECT_EQ(b[i], text) << "B " << i;
}

// A stored index outside 0..63 shows the list's 0 item and is stored as it.
TEST(FactoryPages, GainIndexOutOfRangeShowsTheZeroItem) {
  struct Case {
    const char* key;
    std::size_t addr;
    std::uint8_t zeroIndex;
  };
  const Case cases[] = {
      {"digital_mic_gain", 0x0050, 16},      {"analog_mic_gain", 0x0060, 16},
      {"digital_rx_input_gain", 0x0070, 16}, {"analog_rx_input_gain", 0x0078, 16},
      {"digital_left_output_gain", 0x0052, 57}, {"digital_right_output_gain", 0x0053, 57},
      {"analog_left_output_gain", 0x0062, 57},  {"analog_right_output_gain", 0x0063, 57},
      {"vco_output_gain", 0x0081, 57},          {"tcxo_output_gain", 0x0082, 57},
  };
  for (const auto& c : cases) {
    for (std::uint8_t stored : {std::uint8_t{0xFF}, std::uint8_t{64}}) {
      RadioImage im = Filled(0xFF);
      im.SetByte(c.addr, stored);
      PageValues v = LoadPage(PageOf(c.key), im);
      EXPECT_EQ(v[c.key].text, "0") << c.key << " stored " << int(stored);
      EXPECT_EQ(v[c.key].index, c.zeroIndex) << c.key;
      SavePage(v, im);
      EXPECT_EQ(im.Byte(c.addr), c.zeroIndex) << c.key;
    }
    // In range: the index itself, and a list left empty stores the 0 item.
    RadioImage im = Filled(0xFF);
    im.SetByte(c.addr, 63);
    PageValues v = LoadPage(PageOf(c.key), im);
    EXPECT_EQ(v[c.key].text, c.zeroIndex == 16 ? "35.25" : "6") << c.key;
    v[c.key].index = -1;
    SavePage(v, im);
    EXPECT_EQ(im.Byte(c.addr), c.zeroIndex) << c.key;
  }
}

TEST(FactoryPages, GainSetByItemText) {
  RadioImage im = Filled(0xFF);
  ASSERT_TRUE(SetPageFields(FactoryTxPageSchema(), im, {{"digital_mic_gain", "-11.25"}, {"analog_left_output_gain", "-3"}}));
  EXPECT_EQ(im.Byte(0x0050), 1);
  EXPECT_EQ(im.Byte(0x0062), 54);
  EXPECT_FALSE(SetPageFields(FactoryTxPageSchema(), im, {{"digital_mic_gain", "-11"}}));
}

void LoadAndSaveEveryPage(RadioImage& im) {
  for (const PageSchema* page : FactoryPageSchemas()) {
    PageValues v = LoadPage(*page, im);
    SavePage(v, im);
  }
}

RadioImage RandomImage(std::mt19937& rng) {
  RadioImage im;
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t a = 0; a < kImageSize; ++a) {
    const int r = byte(rng);
    im.SetByte(a, static_cast<std::uint8_t>(r < 64 ? 0xFF : r < 128 ? r % 70 : byte(rng)));
  }
  return im;
}

TEST(FactoryPages, LoadSaveTouchesOnlyTheNamedBytesOfTheBlock) {
  // The bytes a field may write, written out by hand from the block's map.
  const std::set<std::size_t> named = {0x40, 0x41, 0x42, 0x43, 0x48, 0x49, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x52,
                                       0x53, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x62, 0x63, 0x68, 0x69, 0x6A, 0x6B,
                                       0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x74, 0x75, 0x78, 0x7C, 0x7D, 0x80, 0x81,
                                       0x82};
  std::set<std::size_t> declared;
  std::set<std::string> keys;
  for (const PageSchema* page : FactoryPageSchemas()) {
    EXPECT_EQ(page->key, "factory");
    for (const Field& f : page->fields) {
      EXPECT_TRUE(keys.insert(f.key).second) << "field key twice: " << f.key;
      for (const auto& [addr, mask] : f.bytes) {
        declared.insert(addr);
        const ImageRegion* r = RegionAt(addr);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->owner, "factory") << f.key;
      }
    }
  }
  EXPECT_EQ(declared, named);

  std::mt19937 rng(72);
  for (int round = 0; round < 200; ++round) {
    const RadioImage original = RandomImage(rng);
    RadioImage im = original;
    LoadAndSaveEveryPage(im);
    for (std::size_t a = 0; a < kImageSize; ++a) {
      if (named.count(a)) continue;
      ASSERT_EQ(im.Byte(a), original.Byte(a)) << "round " << round << " at " << a;
    }
    // Hex fields always give back what they hold.
    for (std::size_t a : {0x40, 0x41, 0x48, 0x6F, 0x74, 0x75, 0x7C, 0x80})
      ASSERT_EQ(im.Byte(a), original.Byte(a)) << "round " << round << " at " << a;
    const RadioImage once = im;
    LoadAndSaveEveryPage(im);
    ASSERT_EQ(im, once) << "round " << round;
  }
}

}  // namespace
}  // namespace cps
