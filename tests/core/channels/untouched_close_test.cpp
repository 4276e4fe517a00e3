// SPDX-License-Identifier: GPL-3.0-or-later
// What closing the channel dialog untouched may store: the channel's
// values in the form the dialog shows them, and nothing else.
#include <gtest/gtest.h>

#include <set>

#include "channel_test_util.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"

namespace cps {
namespace {

using namespace channel_test;

TEST(UntouchedClose, StoresOnlyTheChannelsOwnFieldsAndOnlyOnce) {
  // Record bytes the dialog stores; +12..15 (offset), +19, +30, +31 are
  // never written, nor bits 6-3 of +17 and bits 5-2 of +18.
  const std::set<std::size_t> stored = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RadioImage img = RandomImage(seed);
    const int n = 1 + static_cast<int>(seed % 16);
    // Some channels in use, some not.
    img.SetByte(0x0100 + 32 * static_cast<std::size_t>(n - 1) + 3, seed % 3 == 0 ? 0xFF : 0x44);
    // Tones as an editor writes them (67.0 and D023N): a tone code no editor
    // writes is shown as the text the tone codec makes of it, which need not
    // store the same code again.
    Put(img, 0x0100 + 32 * static_cast<std::size_t>(n - 1) + 8, {0x70, 0x06, 0x23, 0x80});
    const RadioImage shown = StoredAsShown(img, kMainChannelBase, kBandUhf, n);
    const std::size_t rec = 0x0100 + 32 * static_cast<std::size_t>(n - 1);
    const std::size_t ext = 0x3E80 + 4 * static_cast<std::size_t>(n - 1);
    const bool inUse = img.Byte(rec + 3) != 0xFF;
    for (std::size_t a = 0; a < kImageSize; ++a) {
      if (shown.Byte(a) == img.Byte(a)) continue;
      // A channel not in use is stored as the default channel, whole.
      const bool inRecord = a >= rec && a < rec + 32 && (!inUse || stored.count(a - rec));
      const bool inExt = inUse && a >= ext && a < ext + 4;
      EXPECT_TRUE(inRecord || inExt) << "seed " << seed << " channel " << n << " address 0x" << std::hex << a;
    }
    if (inUse) {
      EXPECT_EQ(shown.Byte(rec + 17) & 0x78, img.Byte(rec + 17) & 0x78) << seed;
      EXPECT_EQ(shown.Byte(rec + 18) & 0x3C, img.Byte(rec + 18) & 0x3C) << seed;
    } else {
      EXPECT_EQ(Get(shown, rec, 32), kDefaultRecord) << seed;
    }
    // Stored as shown, it shows and stores the same again.
    EXPECT_TRUE(StoredAsShown(shown, kMainChannelBase, kBandUhf, n) == shown) << seed;
  }
}

TEST(UntouchedClose, TheFormsADefaultChannelIsStoredIn) {
  RadioImage img = Blank();
  Put(img, 0x0120, kDefaultRecord);
  Put(img, 0x0120, {0x00, 0x50, 0x61, 0x44, 0x00, 0x50, 0x61, 0x44});  // 446.15 in use
  Put(img, 0x3E84, {0xFF, 0xFF, 0xFE, 0xFF});
  const RadioImage shown = StoredAsShown(img, kMainChannelBase, kBandUhf, 2);
  // Group list 0xFF is "None", stored 0; the call bytes 0xFF are type "Off"
  // with message "Off" (0x3F); the data type bits become "Data Type 1";
  // status information 0xFF shows entry 30 and is stored as 30.
  std::vector<std::pair<std::size_t, std::uint8_t>> changed;
  for (std::size_t a = 0; a < kImageSize; ++a)
    if (shown.Byte(a) != img.Byte(a)) changed.push_back({a, shown.Byte(a)});
  EXPECT_EQ(changed, (std::vector<std::pair<std::size_t, std::uint8_t>>{
                         {0x0137, 0x00}, {0x013B, 0x3F}, {0x013D, 0x3F}, {0x3E86, 0x0E}, {0x3E87, 0x1E}}));
}

}  // namespace
}  // namespace cps
