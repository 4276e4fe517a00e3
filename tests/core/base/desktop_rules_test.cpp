// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the desktop shell: sizes shared in proportion, the recent-files
// list and its menu texts.
#include <gtest/gtest.h>

#include "core/base/recent_files.h"
#include "core/base/share_sizes.h"

namespace cps {
namespace {

using Paths = std::vector<std::string>;

TEST(ShareInProportion, FillsTheSpaceInTheFirstProportions) {
  struct Case {
    const char* what;
    std::vector<int> first;
    int available;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"twice the space doubles every size", {50, 140, 110}, 600, {100, 280, 220}},
      {"the first size is the floor", {50, 140, 110}, 200, {50, 140, 110}},
      // 301 * 50/300 = 50.17, * 140/300 = 140.47, * 110/300 = 110.37: the
      // one pixel left goes to the largest remainder, the second size.
      {"a pixel of rounding goes to the largest remainder", {50, 140, 110}, 301, {50, 141, 110}},
      // 16 equal rows in 487 pixels: 30 each and 7 left over for the first 7.
      {"equal rows: the leftover pixels go to the first rows",
       std::vector<int>(16, 28),
       487,
       {31, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 30, 30, 30, 30}},
      {"a zero size stays zero", {0, 10, 10}, 40, {0, 20, 20}},
      {"a negative size counts as zero", {-5, 10}, 30, {0, 30}},
      {"nothing to share", {}, 100, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ShareInProportion(c.first, c.available), c.expected) << c.what;
}

TEST(RecentFiles, ListRules) {
  struct Case {
    const char* what;
    Paths list;
    std::string added;
    Paths expected;
  };
  const Case cases[] = {
      {"first entry", {}, "/a.dat", {"/a.dat"}},
      {"new files come first", {"/a.dat", "/b.dat"}, "/c.dat", {"/c.dat", "/a.dat", "/b.dat"}},
      {"a listed file moves to the front once", {"/a.dat", "/b.dat", "/c.dat"}, "/c.dat",
       {"/c.dat", "/a.dat", "/b.dat"}},
      {"the ninth file pushes the oldest out",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
       "/9",
       {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
      {"a listed file in a full list drops nothing",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
       "/8",
       {"/8", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
      {"an empty path adds nothing", {"/a.dat"}, "", {"/a.dat"}},
      {"paths differing in case are different files", {"/A.dat"}, "/a.dat", {"/a.dat", "/A.dat"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WithRecentFile(c.list, c.added), c.expected) << c.what;

  EXPECT_EQ(WithoutRecentFile({"/a.dat", "/gone.dat", "/b.dat"}, "/gone.dat"), (Paths{"/a.dat", "/b.dat"}));
  EXPECT_EQ(WithoutRecentFile({"/a.dat"}, "/other.dat"), (Paths{"/a.dat"}));
}

TEST(RecentFiles, StoredListIsCleaned) {
  EXPECT_EQ(CleanRecentFiles({"/a", "", "/b", "/a", "/c"}), (Paths{"/a", "/b", "/c"}));
  const Paths ten = {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"};
  EXPECT_EQ(CleanRecentFiles(ten), (Paths{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}));
}

TEST(RecentFiles, MenuLabels) {
  struct Case {
    std::size_t index;
    std::string path, home, expected;
  };
  const Case cases[] = {
      {0, "/data/radio.dat", "", "&1 /data/radio.dat"},
      {7, "/home/ann/radios/a.dat", "/home/ann", "&8 ~/radios/a.dat"},
      {0, "/home/anna/a.dat", "/home/ann", "&1 /home/anna/a.dat"},  // not under the home folder
      {0, "/srv/R&D/a&b.dat", "", "&1 /srv/R&&D/a&&b.dat"},
      {9, "/x.dat", "", "10 /x.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(RecentFileLabel(c.index, c.path, c.home), c.expected) << c.path;
}

}  // namespace
}  // namespace cps
