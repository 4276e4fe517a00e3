// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/dpmr/encryption_keys.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ExpectBytes;
using test::Loaded;
using test::MainChannel;

// An erased image with the encrypt switch and key count bytes set.
RadioImage KeyImage(int encrypt, int count) {
  RadioImage image = test::ErasedImage();
  image.SetByte(0x03A0, static_cast<std::uint8_t>(encrypt));
  image.SetByte(0x03A7, static_cast<std::uint8_t>(count));
  return image;
}

void PutKey(RadioImage& image, int n, std::initializer_list<int> key, const std::string& alias) {
  const std::size_t at = 0x03B0 + 16 * static_cast<std::size_t>(n - 1);
  image.Fill(at, 16, 0xFF);
  test::SetBytes(image, at, key);
  test::SetText(image, at + 8, alias);
}

TEST(KeyList, LoadAndStoreRoundTripsKeyBytes) {
  RadioImage image = KeyImage(1, 2);
  PutKey(image, 1, {0x05, 0x00, 0x0A, 0x10}, "Home");
  PutKey(image, 2, {0xAB, 0xCD, 0xEF, 0x01}, "");
  image.SetByte(0x03B4, 0x12);  // a byte of the unused part, rewritten as 0xFF
  KeyList keys = Loaded<KeyList>(image);
  ASSERT_EQ(keys.Count(), 2);
  EXPECT_TRUE(keys.encrypt());
  EXPECT_EQ(keys.At(0).key, "05000A10");
  EXPECT_EQ(keys.At(0).alias, "Home");
  EXPECT_EQ(keys.At(1).key, "ABCDEF01");
  EXPECT_EQ(keys.At(1).alias, "");
  keys.Store(image);
  ExpectBytes(image, 0x03B0, {0x05, 0x00, 0x0A, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 'H', 'o', 'm', 'e', 0xFF, 0xFF, 0xFF, 0xFF});
}

TEST(KeyList, KeyEditPadsWithF) {
  RadioImage image = KeyImage(1, 0);
  KeyList keys = Loaded<KeyList>(image);
  ASSERT_EQ(keys.Add(), 0);
  EXPECT_EQ(keys.EditKey(0, ""), std::nullopt);
  EXPECT_EQ(keys.EditKey(0, "12G"), std::nullopt);
  EXPECT_EQ(keys.At(0).key, "6D2F8A41");
  EXPECT_EQ(keys.EditKey(0, "ABC"), "ABCFFFFF");
  keys.Store(image);
  EXPECT_EQ(image.Byte(0x03A7), 1);
  ExpectBytes(image, 0x03B0, {0xAB, 0xCF, 0xFF, 0xFF});
  ExpectBytes(image, 0x03B8, {'K', 'e', 'y', ' ', '1'});
}

TEST(KeyList, NewKeyAliasAndLimits) {
  RadioImage image = KeyImage(1, 2);
  PutKey(image, 1, {1, 2, 3, 4}, "Key 2");
  PutKey(image, 2, {1, 2, 3, 4}, "Key 1");
  KeyList keys = Loaded<KeyList>(image);
  ASSERT_EQ(keys.Insert(0), 0);
  EXPECT_EQ(keys.At(0).alias, "Key 3");
  EXPECT_EQ(keys.At(0).key, "6D2F8A41");
  while (keys.CanAdd()) ASSERT_TRUE(keys.Add());
  EXPECT_EQ(keys.Count(), 16);
  EXPECT_EQ(keys.At(15).alias, "Key 16");
  EXPECT_FALSE(keys.Add());
  keys.SetEncrypt(false);
  EXPECT_FALSE(keys.CanDelete());
}

TEST(KeyList, CountAbove16LoadsEmptyAndRecordsBeyondCountStay) {
  RadioImage image = KeyImage(0xFF, 0xFF);
  PutKey(image, 1, {1, 2, 3, 4}, "Old");
  KeyList keys = Loaded<KeyList>(image);
  EXPECT_EQ(keys.Count(), 0);
  EXPECT_FALSE(keys.encrypt());
  keys.Store(image);
  ExpectBytes(image, 0x03A0, {0});
  ExpectBytes(image, 0x03A7, {0});
  ExpectBytes(image, 0x03B0, {1});
  ExpectBytes(image, 0x03B8, {'O'});
}

TEST(KeyList, ChannelsFollowTheirKeys) {
  RadioImage image = KeyImage(1, 6);
  for (int n = 1; n <= 6; ++n) PutKey(image, n, {n, 0, 0, 0}, "K" + std::to_string(n));
  // channel n uses key n - 1 (0 = none); PMR channel 1 uses key 1
  for (int n = 1; n <= 7; ++n) image.SetByte(MainChannel(n) + 22, static_cast<std::uint8_t>(n - 1));
  image.SetByte(MainChannel(8) + 22, 9);  // beyond the key count: left alone
  image.SetByte(test::PmrChannel(1) + 22, 1);
  KeyList keys = Loaded<KeyList>(image);
  ASSERT_TRUE(keys.Delete(1));   // key 2
  ASSERT_EQ(keys.Insert(0), 0);  // a new key 1
  keys.Store(image);             // old 1->2, 2 gone, 3->3, 4->4, 5->5, 6->6
  const int expected[8] = {0, 2, 0, 3, 4, 5, 6, 9};
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(image.Byte(MainChannel(n) + 22), expected[n - 1]) << n;
  EXPECT_EQ(image.Byte(test::PmrChannel(1) + 22), 2);

  // After a store the positions start afresh from the stored list.
  ASSERT_TRUE(keys.Delete(0));
  keys.Store(image);
  const int again[8] = {0, 1, 0, 2, 3, 4, 5, 9};
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(image.Byte(MainChannel(n) + 22), again[n - 1]) << n;
}

}  // namespace
}  // namespace cps::dpmr
