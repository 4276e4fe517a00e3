// SPDX-License-Identifier: GPL-3.0-or-later
// Every settings page: loading and saving touches only the page's own
// bytes and bits, and a second load-save cycle changes nothing more.
#include <gtest/gtest.h>

#include <random>

#include "core/image/region_map.h"
#include "core/settings/settings_pages.h"

namespace cps {
namespace {

RadioImage RandomImage(std::mt19937& rng) {
  RadioImage im;
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> kind(0, 3);
  for (std::size_t a = 0; a < kImageSize; ++a) {
    // Mix fully random bytes with the values that pages treat specially.
    switch (kind(rng)) {
      case 0: im.SetByte(a, 0xFF); break;
      case 1: im.SetByte(a, static_cast<std::uint8_t>(byte(rng) % 20)); break;
      default: im.SetByte(a, static_cast<std::uint8_t>(byte(rng))); break;
    }
  }
  return im;
}

TEST(EveryPage, FieldsLieInThePagesOwnRegion) {
  for (const PageSchema* page : SettingsPageSchemas()) {
    for (const Field& f : page->fields) {
      ASSERT_FALSE(f.bytes.empty()) << page->key << "." << f.key;
      for (const auto& [addr, mask] : f.bytes) {
        const ImageRegion* r = RegionAt(addr);
        ASSERT_NE(r, nullptr) << page->key << "." << f.key;
        EXPECT_EQ(r->owner, page->key) << page->key << "." << f.key << " at " << addr;
      }
    }
  }
}

TEST(EveryPage, LoadSaveTouchesOnlyDeclaredBitsAndSettles) {
  std::mt19937 rng(20261207);
  for (const PageSchema* page : SettingsPageSchemas()) {
    std::array<std::uint8_t, kImageSize> owned{};
    for (const Field& f : page->fields)
      for (const auto& [addr, mask] : f.bytes) owned[addr] |= mask;
    for (int round = 0; round < 300; ++round) {
      const RadioImage original = RandomImage(rng);
      RadioImage im = original;
      PageValues v = LoadPage(*page, im);
      SavePage(v, im);
      for (std::size_t a = 0; a < kImageSize; ++a) {
        const std::uint8_t changed = original.Byte(a) ^ im.Byte(a);
        ASSERT_EQ(changed & ~owned[a], 0) << page->key << " changed foreign bits at " << a;
      }
      const RadioImage once = im;
      PageValues again = LoadPage(*page, im);
      SavePage(again, im);
      ASSERT_EQ(im, once) << page->key << " changed on a second load-save, round " << round;
    }
  }
}

TEST(EveryPage, FieldKeysAreUnique) {
  for (const PageSchema* page : SettingsPageSchemas()) {
    for (std::size_t i = 0; i < page->fields.size(); ++i)
      for (std::size_t j = i + 1; j < page->fields.size(); ++j)
        EXPECT_NE(page->fields[i].key, page->fields[j].key) << page->key;
  }
}

}  // namespace
}  // namespace cps
