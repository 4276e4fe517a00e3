// SPDX-License-Identifier: GPL-3.0-or-later
// Random and mutated images through what a user does with a file: open it
// (the document's repair passes and channel table), load and save every
// page and list in turn, save the file and open it again. Nothing may crash, no page
// may change a byte outside its own fields or regions, a second round of
// every page changes nothing, and the saved file reads back as it was.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/dpmr/contacts.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/document/document.h"
#include "core/dpmr/messages.h"
#include "core/factory/factory_pages.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/image/region_map.h"
#include "core/settings/settings_pages.h"

namespace cps {
namespace {

using Mask = std::array<std::uint8_t, kImageSize>;

// A page or list as its editor treats it, and the bits it may change.
struct Page {
  std::string name;
  std::function<void(RadioImage&)> loadSave;
  Mask allowed{};
};

Mask RegionsOf(std::initializer_list<std::string_view> owners) {
  Mask m{};
  for (const ImageRegion& r : ImageRegions())
    for (auto o : owners)
      if (r.owner == o)
        for (std::size_t a = r.begin; a <= r.end; ++a) m[a] = 0xFF;
  return m;
}

Page SchemaPage(const PageSchema& schema) {
  Page p{schema.key, [&schema](RadioImage& im) {
           PageValues v = LoadPage(schema, im);
           SavePage(v, im);
         }};
  for (const Field& f : schema.fields)
    for (const auto& [addr, mask] : f.bytes) p.allowed[addr] |= mask;
  return p;
}

template <class List>
Page ListPage(std::string name, std::initializer_list<std::string_view> owners) {
  return {std::move(name),
          [](RadioImage& im) {
            List list;
            list.Load(im);
            list.Store(im);
          },
          RegionsOf(owners)};
}

std::vector<Page> EveryPage() {
  std::vector<Page> pages;
  for (const PageSchema* s : SettingsPageSchemas()) pages.push_back(SchemaPage(*s));
  pages.push_back(SchemaPage(DpmrBasicPageSchema()));
  for (const PageSchema* s : FactoryPageSchemas()) pages.push_back(SchemaPage(*s));
  // Lists that renumber their entries follow them in the channels.
  pages.push_back(ListPage<dpmr::KeyList>("keys", {"dpmr_keys", "channels", "pmr"}));
  pages.push_back(ListPage<dpmr::ContactList>("contacts", {"dpmr_contacts", "dpmr_grouplists", "channels"}));
  pages.push_back(ListPage<dpmr::Outbox>("outbox", {"dpmr_messages", "channels", "pmr"}));
  pages.push_back(ListPage<dpmr::Inbox>("inbox", {"dpmr_messages"}));
  pages.push_back({"group lists",
                   [](RadioImage& im) {
                     for (int k = 1; k <= 16; ++k) {
                       dpmr::GroupListEditor g;
                       g.Load(im, k);
                       g.Store(im);
                     }
                   },
                   RegionsOf({"dpmr_grouplists"})});
  Page table{"channel table",
             [](RadioImage& im) {
               ChannelTable t;
               t.Load(im);
               t.WriteBack(im);
             },
             RegionsOf({"channels"})};
  // The bytes the main table's write-back derives in other pages' regions:
  // the tone and light switches, the scan bitmap, dPMR all call and
  // pre-carrier, inbox count, band, UHF flag and the fixed 3.
  table.allowed[0x0318] |= 0x80;
  table.allowed[0x031A] |= 0x80;
  for (std::size_t a : {0x034C, 0x034D, 0x0399, 0x3FD4, 0x3FD6, 0x3FD7}) table.allowed[a] = 0xFF;
  for (std::size_t a = 0x0390; a < 0x0397; ++a) table.allowed[a] = 0xFF;
  for (std::size_t a = 0x3FA0; a < 0x3FA8; ++a) table.allowed[a] = 0xFF;
  pages.push_back(table);
  pages.push_back({"channel dialog",
                   [](RadioImage& im) {
                     ChannelEditor ed(im, kMainChannelBase, kBandUhf);
                     for (int n = 1; n <= 16; ++n) ed.Open(n);
                     ed.Close();
                   },
                   RegionsOf({"channels"})});
  pages.push_back({"pmr dialog",
                   [](RadioImage& im) {
                     ChannelEditor ed(im, kPmrChannelBase, kBandUhf);
                     for (int n = 1; n <= 16; ++n) ed.Open(n);
                     ed.Close();
                   },
                   RegionsOf({"pmr", "channels"})});
  return pages;
}

// The addresses where two images differ, for a failure message.
std::string Differences(const RadioImage& a, const RadioImage& b) {
  std::string out;
  int shown = 0;
  for (std::size_t i = 0; i < kImageSize && shown < 8; ++i)
    if (a.Byte(i) != b.Byte(i)) {
      char buf[32];
      std::snprintf(buf, sizeof buf, " 0x%04zX: %02X->%02X", i, a.Byte(i), b.Byte(i));
      out += buf;
      ++shown;
    }
  return out;
}

// Values at the edges the editors test against, and plain noise.
RadioImage MakeImage(std::mt19937& rng, int round) {
  static const std::uint8_t kEdges[] = {0x00, 0x01, 0x0F, 0x10, 0x11, 0x1F, 0x20, 0x3F, 0x40, 0x41,
                                        0x7F, 0x80, 0x99, 0xA0, 0xFE, 0xFF};
  std::uniform_int_distribution<std::size_t> addr(0, kImageSize - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  RadioImage im;
  if (round % 4 == 0) {  // noise
    for (std::size_t a = 0; a < kImageSize; ++a) im.SetByte(a, static_cast<std::uint8_t>(byte(rng)));
    return im;
  }
  im = NewImage("");
  const int mutations = 1 + static_cast<int>(rng() % 200);
  for (int i = 0; i < mutations; ++i) {
    const std::size_t a = addr(rng);
    switch (rng() % 4) {
      case 0: im.SetByte(a, kEdges[rng() % std::size(kEdges)]); break;
      case 1: im.SetByte(a, static_cast<std::uint8_t>(im.Byte(a) ^ (1u << (rng() % 8)))); break;
      case 2: im.SetByte(a, static_cast<std::uint8_t>(byte(rng))); break;
      default:  // an index word pointing into a list's records
        if (a + 1 < kImageSize) im.SetWord(a & ~std::size_t{1}, static_cast<std::uint16_t>(0x0540 + 16 * (rng() % 66)));
    }
  }
  return im;
}

// Which pages change `im` when run again, for a failure message.
std::string PagesThatChange(const std::vector<Page>& pages, RadioImage im) {
  std::string out;
  for (const Page& p : pages) {
    const RadioImage before = im;
    p.loadSave(im);
    if (!(im == before)) out += " [" + p.name + ":" + Differences(before, im) + "]";
  }
  return out;
}

// Every page loaded and saved in turn; a page that changes a bit outside
// its own fields or regions fails the test.
void EveryPageOnce(const std::vector<Page>& pages, RadioImage& im, int round) {
  for (const Page& p : pages) {
    const RadioImage before = im;
    p.loadSave(im);
    const std::uint8_t* was = before.Bytes(0, kImageSize).data();
    const std::uint8_t* now = im.Bytes(0, kImageSize).data();
    for (std::size_t chunk = 0; chunk < kImageSize; chunk += 64) {
      if (std::memcmp(was + chunk, now + chunk, 64) == 0) continue;
      for (std::size_t a = chunk; a < chunk + 64; ++a)
        ASSERT_EQ((was[a] ^ now[a]) & ~p.allowed[a], 0)
            << p.name << " changed a foreign bit at 0x" << std::hex << a << std::dec << ", round " << round;
    }
  }
}

// Editors may store "nothing" in another form than the repair on open does
// (a channel's Tx contact "None" is 0 from the dialog, 0xFF from the
// repair), so stability is asked of whole rounds, not of single pages. A
// damaged value may take two rounds to reach its stored form (a tone of
// bytes A3 FE shows as D6303I, is stored as 03 FF, which shows as None and
// is stored as FF FF); from the second round on nothing may change.
TEST(EveryPageProperty, OpenEveryPageSaveReopen) {
  const std::vector<Page> pages = EveryPage();
  // In memory where the system has it: each save syncs the file to disk.
  const std::filesystem::path dir =
      std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
  const std::string file = (dir / ("every-page-" + std::to_string(::getpid()) + ".dat")).string();
  std::mt19937 rng(20261207);
  // Under the sanitizers a quarter of the rounds: they look for memory
  // faults, which the first rounds already drive every page through.
#ifdef DPMR_INSTRUMENTED
  constexpr int kRounds = 500;
#else
  constexpr int kRounds = 2000;
#endif
  for (int round = 0; round < kRounds; ++round) {
    ASSERT_TRUE(SaveImageFile(file, MakeImage(rng, round)).ok()) << round;
    Document doc;
    ASSERT_TRUE(doc.Open(file).ok()) << round;
    RadioImage& im = doc.image();
    ASSERT_NO_FATAL_FAILURE(EveryPageOnce(pages, im, round));
    ASSERT_NO_FATAL_FAILURE(EveryPageOnce(pages, im, round));
    const RadioImage once = im;
    ASSERT_NO_FATAL_FAILURE(EveryPageOnce(pages, im, round));
    ASSERT_TRUE(im == once) << "a third round changed the image, round " << round << ":"
                            << PagesThatChange(pages, once);

    ASSERT_TRUE(doc.Save(file).ok()) << round;
    RadioImage saved;
    ASSERT_TRUE(LoadImageFile(file, saved).ok()) << round;
    ASSERT_TRUE(saved == doc.image()) << round;
    Document reopened;
    ASSERT_TRUE(reopened.Open(file).ok()) << round;
    ASSERT_NO_FATAL_FAILURE(EveryPageOnce(pages, reopened.image(), round));
    ASSERT_TRUE(reopened.image() == once) << "the re-opened file settled elsewhere, round " << round << ":"
                                          << Differences(once, reopened.image());
  }
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace cps
