// On random images each list page's load and store changes only the bytes
// of its own regions (and, for contacts, the channel bytes the repair
// owns), and a second load and store changes nothing more.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/dpmr/contacts.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"
#include "core/image/region_map.h"

namespace cps::dpmr {
namespace {

struct Case {
  const char* name;
  std::function<void(RadioImage&)> prepare;  // makes the random image loadable
  std::function<void(RadioImage&)> loadStore;
  std::vector<std::string_view> owners;       // region owners it may change
  std::vector<std::size_t> extra;             // other single bytes it may change
};

std::vector<std::size_t> MainChannelBytes(std::initializer_list<std::size_t> offsets) {
  std::vector<std::size_t> out;
  for (int n = 0; n < 16; ++n)
    for (std::size_t o : offsets) out.push_back(0x0100 + 32 * static_cast<std::size_t>(n) + o);
  return out;
}

TEST(DpmrOwnBytes, LoadStoreChangesOnlyOwnRegions) {
  const Case cases[] = {
      {"keys", [](RadioImage& im) { im.SetByte(0x03A7, 5); },
       [](RadioImage& im) {
         KeyList k;
         k.Load(im);
         k.Store(im);
       },
       {"dpmr_keys"}, {}},
      {"outbox", [](RadioImage&) {},
       [](RadioImage& im) {
         Outbox o;
         o.Load(im);
         o.Store(im);
       },
       {"dpmr_messages"}, {}},
      {"inbox",
       [](RadioImage& im) {
         for (int i = 0; i < 3; ++i) im.SetWord(0x1180 + 2 * i, static_cast<std::uint16_t>(0x11A0 + 160 * (2 - i)));
         im.SetWord(0x1186, 0xFFFF);
       },
       [](RadioImage& im) {
         Inbox in;
         in.Load(im);
         in.Store(im);
       },
       {"dpmr_messages"}, {}},
      {"contacts",
       [](RadioImage& im) {
         for (int i = 0; i < 10; ++i) im.SetWord(0x04C0 + 2 * i, static_cast<std::uint16_t>(0x0540 + 16 * (3 * i + 1)));
         im.SetWord(0x04C0 + 20, 0x0000);
       },
       [](RadioImage& im) {
         ContactList c;
         c.Load(im);
         c.Store(im);
       },
       {"dpmr_contacts", "dpmr_grouplists"}, MainChannelBytes({0x15, 0x17})},
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
  };
  std::mt19937 rng(11);
  for (const Case& c : cases) {
    std::vector<bool> allowed(kImageSize, false);
    for (const ImageRegion& r : ImageRegions())
      for (auto owner : c.owners)
        if (r.owner == owner)
          for (std::size_t a = r.begin; a <= r.end; ++a) allowed[a] = true;
    for (std::size_t a : c.extra) allowed[a] = true;
    for (int round = 0; round < 30; ++round) {
      RadioImage image;
      for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(rng()));
      c.prepare(image);
      const RadioImage before = image;
      c.loadStore(image);
      for (std::size_t a = 0; a < kImageSize; ++a) {
        if (allowed[a]) continue;
        ASSERT_EQ(image.Byte(a), before.Byte(a)) << c.name << " at " << std::hex << a;
      }
      const RadioImage once = image;
      c.loadStore(image);
      ASSERT_TRUE(image == once) << c.name << " round " << round;
    }
  }
}

}  // namespace
}  // namespace cps::dpmr
