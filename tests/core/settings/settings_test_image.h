// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image File, New gives without a "Default.dat": 0xFF and the built-in
// defaults; and the checks the settings page tests share.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/image/new_image.h"
#include "core/schema/schema.h"

namespace cps::testing {

inline RadioImage DefaultSettingsImage() {
  RadioImage im;
  im.Fill(0xFF);
  ApplyBuiltInDefaults(im);
  return im;
}

using Bytes = std::vector<std::uint8_t>;

inline void Put(RadioImage& im, std::size_t addr, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) im.SetByte(addr + i, bytes[i]);
}

inline Bytes At(const RadioImage& im, std::size_t addr, std::size_t len) {
  const auto s = im.Bytes(addr, len);
  return {s.begin(), s.end()};
}

inline void ExpectBytes(const RadioImage& im, std::initializer_list<std::pair<std::size_t, std::uint8_t>> want) {
  for (const auto& [addr, value] : want) EXPECT_EQ(im.Byte(addr), value) << "address 0x" << std::hex << addr;
}

inline void ExpectTexts(const PageValues& v, std::initializer_list<std::pair<const char*, const char*>> want) {
  for (const auto& [key, text] : want) EXPECT_EQ(v[key].text, text) << key;
}

// One stored byte through a load and a save of `page` on the defaults:
// field `key` shows `shown`, and the byte is saved as `saved`.
struct StoredCase {
  std::size_t addr;
  std::uint8_t stored;
  const char* key;
  const char* shown;
  std::uint8_t saved;
};
inline void ExpectStoredShownSaved(const PageSchema& page, const StoredCase& c) {
  RadioImage im = DefaultSettingsImage();
  im.SetByte(c.addr, c.stored);
  PageValues v = LoadPage(page, im);
  EXPECT_EQ(v[c.key].text, c.shown) << c.key << " stored " << int(c.stored);
  SavePage(v, im);
  EXPECT_EQ(im.Byte(c.addr), c.saved) << c.key << " stored " << int(c.stored);
}

// The arrows (`delta` +1 / -1) or leaving the edit (`delta` 0) on a field
// showing `text`.
struct StepCase {
  const char* key;
  const char* text;
  int delta;
  const char* expected;
};
inline void ExpectSteps(const PageSchema& page, std::initializer_list<StepCase> cases) {
  for (const StepCase& c : cases) {
    const Field* f = page.Find(c.key);
    ASSERT_NE(f, nullptr) << c.key;
    EXPECT_EQ(c.delta ? f->onSpin(c.text, c.delta) : f->onLeave(c.text), c.expected)
        << c.key << " '" << c.text << "' " << (c.delta ? (c.delta > 0 ? "up" : "down") : "left");
  }
}

}  // namespace cps::testing
