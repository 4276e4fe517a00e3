// SPDX-License-Identifier: GPL-3.0-or-later
// On random images each dPMR page's load and store changes only the bytes
// of its own regions (the basic page: only its fields' declared bits; the
// contacts: also the channel bytes the repair owns), and a second load and
// store changes nothing more.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/dpmr/contacts.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"
#include "core/image/region_map.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::Loaded;

struct Case {
  const char* name;
  std::function<void(RadioImage&)> prepare;  // makes the random image loadable
  std::function<void(RadioImage&)> loadStore;
  std::vector<std::string_view> owners;       // region owners it may change
  std::vector<std::size_t> extra;             // other single bytes it may change
  const PageSchema* page = nullptr;           // a page whose fields' bits it may change
};

std::vector<std::size_t> MainChannelBytes(std::initializer_list<std::size_t> offsets) {
  std::vector<std::size_t> out;
  for (int n = 1; n <= 16; ++n)
    for (std::size_t o : offsets) out.push_back(test::MainChannel(n) + o);
  return out;
}

TEST(DpmrOwnBytes, LoadStoreChangesOnlyOwnRegions) {
  const Case cases[] = {
      {"keys", [](RadioImage& im) { im.SetByte(0x03A7, 5); }, [](RadioImage& im) { Loaded<KeyList>(im).Store(im); },
       {"dpmr_keys"}, {}},
      {"outbox", [](RadioImage&) {}, [](RadioImage& im) { Loaded<Outbox>(im).Store(im); }, {"dpmr_messages"}, {}},
      {"inbox",
       [](RadioImage& im) {
         for (int i = 0; i < 3; ++i) im.SetWord(0x1180 + 2 * i, static_cast<std::uint16_t>(0x11A0 + 160 * (2 - i)));
         im.SetWord(0x1186, 0xFFFF);
       },
       [](RadioImage& im) { Loaded<Inbox>(im).Store(im); }, {"dpmr_messages"}, {}},
      {"contacts",
       [](RadioImage& im) {
         for (int i = 0; i < 10; ++i) im.SetWord(0x04C0 + 2 * i, static_cast<std::uint16_t>(0x0540 + 16 * (3 * i + 1)));
         im.SetWord(0x04C0 + 20, 0x0000);
       },
       [](RadioImage& im) { Loaded<ContactList>(im).Store(im); }, {"dpmr_contacts", "dpmr_grouplists"},
       MainChannelBytes({0x15, 0x17})},
      {"group list 4",
       [](RadioImage& im) {
         for (int i = 0; i < 6; ++i) im.SetWord(0x04C0 + 2 * i, static_cast<std::uint16_t>(0x0540 + 16 * i));
         im.SetWord(0x04CC, 0xFFFF);
       },
       [](RadioImage& im) {
         GroupListEditor g;
         g.Load(im, 4);
         g.Store(im);
       },
       {"dpmr_grouplists"}, {}},
      {"basic page", [](RadioImage&) {},
       [](RadioImage& im) {
         PageValues v = LoadPage(DpmrBasicPageSchema(), im);
         SavePage(v, im);
       },
       {}, {}, &DpmrBasicPageSchema()},
  };
  std::mt19937 rng(11);
  for (const Case& c : cases) {
    std::vector<std::uint8_t> allowed(kImageSize, 0);  // the bits it may change
    for (const ImageRegion& r : ImageRegions())
      for (auto owner : c.owners)
        if (r.owner == owner)
          for (std::size_t a = r.begin; a <= r.end; ++a) allowed[a] = 0xFF;
    for (std::size_t a : c.extra) allowed[a] = 0xFF;
    if (c.page)
      for (const Field& f : c.page->fields)
        for (const auto& [addr, mask] : f.bytes) allowed[addr] |= mask;
    for (int round = 0; round < 50; ++round) {
      RadioImage image;
      for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(rng()));
      c.prepare(image);
      const RadioImage before = image;
      c.loadStore(image);
      for (std::size_t a = 0; a < kImageSize; ++a)
        ASSERT_EQ((image.Byte(a) ^ before.Byte(a)) & ~allowed[a], 0) << c.name << " at " << std::hex << a;
      const RadioImage once = image;
      c.loadStore(image);
      ASSERT_TRUE(image == once) << c.name << " round " << round;
    }
  }
}

}  // namespace
}  // namespace cps::dpmr
