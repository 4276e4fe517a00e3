// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_template.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/base/c_text.h"

#include "core/channels/channel_test_util.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using namespace channel_test;

std::string ShippedFolder() {
  const char* data = std::getenv("DPMR_TEST_DATA");
  return std::string(data ? data : "tests/data") + "/../../res/templates";
}

// The channel plans, written out by hand.
const std::vector<std::string> kPmr446 = {
    "446.006250", "446.018750", "446.031250", "446.043750", "446.056250", "446.068750", "446.081250", "446.093750",
    "446.106250", "446.118750", "446.131250", "446.143750", "446.156250", "446.168750", "446.181250", "446.193750"};
const std::vector<std::string> kDpmr446 = {
    "446.103125", "446.109375", "446.115625", "446.121875", "446.128125", "446.134375", "446.140625", "446.146875",
    "446.153125", "446.159375", "446.165625", "446.171875", "446.178125", "446.184375", "446.190625", "446.196875"};

Status Apply(RadioImage& img, const ChannelTemplate& t) {
  ChannelTable main;
  main.Load(img);
  return ApplyChannelTemplate(img, main, t);
}

void ExpectPlan(const RadioImage& img, std::size_t base, const std::vector<std::string>& freqs, const char* type,
                const char* what) {
  ChannelTable main;
  main.Load(img);
  ChannelTable table(base, base == kMainChannelBase);
  table.setBand(main.band());
  table.Load(img);
  for (int n = 1; n <= 16; ++n) {
    const std::string& f = freqs[static_cast<std::size_t>(n - 1)];
    const std::vector<std::string> want = {f, f, "None", "None", "Narrow", type};
    const std::vector<std::string> got = {table.Cell(n, kColRxFreq), table.Cell(n, kColTxFreq), table.Cell(n, kColRxTone),
                                          table.Cell(n, kColTxTone), table.Cell(n, kColBandwidth), table.Cell(n, kColType)};
    EXPECT_EQ(got, want) << what << " channel " << n;
  }
}

TEST(ChannelTemplates, ShippedTemplatesGiveTheirChannelPlans) {
  const auto templates = FindChannelTemplates({ShippedFolder()});
  ASSERT_EQ(templates.size(), 3u);
  EXPECT_EQ(templates[0].name, "dPMR446 digital");
  EXPECT_EQ(templates[1].name, "dPMR446 digital + PMR446 analog");
  EXPECT_EQ(templates[2].name, "PMR446 analog");

  RadioImage pmr = NewImage("");
  ASSERT_TRUE(Apply(pmr, *FindTemplateByName(templates, "pmr446 ANALOG")));
  ExpectPlan(pmr, kMainChannelBase, kPmr446, "Analog", "PMR446");
  // 446.00625 MHz in BCD, low power, narrow, scan; no offset.
  EXPECT_EQ(Get(pmr, 0x0100, 19), (Bytes{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                         0x00, 0x00, 0x00, 0x03, 0x00, 0x00}));

  // Started from a 136-174MHz image: the band is switched first.
  RadioImage dpmr = NewImage("", kBandVhf);
  ASSERT_TRUE(Apply(dpmr, *FindTemplateByName(templates, "dPMR446 digital")));
  ExpectPlan(dpmr, kMainChannelBase, kDpmr446, "Digit", "dPMR446");
  EXPECT_EQ(Get(dpmr, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}));

  RadioImage both = NewImage("");
  ASSERT_TRUE(Apply(both, *FindTemplateByName(templates, "dPMR446 digital + PMR446 analog")));
  ExpectPlan(both, kMainChannelBase, kDpmr446, "Digit", "both, channel table");
  ExpectPlan(both, kPmrChannelBase, kPmr446, "Analog", "both, PMR channels");
}

TEST(ChannelTemplates, UsersTemplateOverridesAShippedOneAndSavedTablesReadBack) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("dpmr-templates-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  RadioImage img = NewImage("");
  ChannelTable main;
  main.Load(img);
  main.CommitFrequency(img, 2, kColRxFreq, "440.5");
  main.CommitTone(2, kColRxTone, "D023I");
  ChannelTable pmr(kPmrChannelBase, false);
  pmr.Load(img);
  pmr.CommitFrequency(img, 3, kColRxFreq, "446.03125");
  const std::string text = ChannelTemplateText("pmr446 analog", "Mine", main, pmr);
  EXPECT_TRUE(text.starts_with("Location,")) << text;
  EXPECT_NE(text.find(",DVCODE,PMR,Template,Description\r\n2,,440.500000,"), std::string::npos) << text;
  EXPECT_NE(text.find(",,pmr446 analog,Mine\r\n19,,446.031250,"), std::string::npos) << text;
  EXPECT_NE(text.find(",P3,,\r\n"), std::string::npos) << text;
  EXPECT_EQ(TemplateFileName(" My plan: 2024! "), "my-plan-2024.csv");
  std::ofstream(dir / TemplateFileName("pmr446 analog"), std::ios::binary) << text;
  std::ofstream(dir / "notes.csv") << "just,some,text\n";  // not a template: left out

  const auto templates = FindChannelTemplates({ShippedFolder(), dir.string()});
  ASSERT_EQ(templates.size(), 3u);
  const ChannelTemplate* mine = FindTemplateByName(templates, "PMR446 analog");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(mine->description, "Mine");
  EXPECT_EQ(mine->main.rows.size(), 1u);
  EXPECT_EQ(mine->pmr.rows.size(), 1u);

  RadioImage fresh = NewImage("");
  ASSERT_TRUE(Apply(fresh, *mine));
  ChannelTable back;
  back.Load(fresh);
  ChannelTable backPmr(kPmrChannelBase, false);
  backPmr.Load(fresh);
  // Each row comes back to its own channel.
  EXPECT_TRUE(back.RowEmpty(1));
  EXPECT_EQ(back.Cell(2, kColRxFreq), "440.500000");
  EXPECT_EQ(back.Cell(2, kColRxTone), "D023I");
  EXPECT_EQ(back.Cell(2, kColType), "Digit");
  EXPECT_TRUE(backPmr.RowEmpty(1));
  EXPECT_EQ(backPmr.Cell(3, kColRxFreq), "446.031250");
  std::filesystem::remove_all(dir);
}

// The shipped templates are there with no folder at all, and every row of
// a template file has a plain channel number other programs take: the PMR
// rows follow at 17..32 and carry their own marker.
TEST(ChannelTemplates, ShippedTemplatesAreBuiltInWithPlainLocations) {
  const auto builtIn = FindChannelTemplates({});
  ASSERT_EQ(builtIn.size(), 3u);
  for (const auto& t : builtIn) EXPECT_EQ(t.path, kBuiltInTemplatePath) << t.name;
  EXPECT_TRUE(IsShippedTemplateName("pmr446 analog"));
  EXPECT_FALSE(IsShippedTemplateName("my plan"));
  const ChannelTemplate* both = FindTemplateByName(builtIn, "dPMR446 digital + PMR446 analog");
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(both->main.rows.size(), 16u);
  EXPECT_EQ(both->pmr.rows.size(), 16u);

  for (const auto& [file, text] : ShippedTemplateFiles()) {
    auto table = ReadChirpCsv(text.substr(text.find("Location")));
    ASSERT_TRUE(table) << file;
    std::set<long long> seen;
    for (const auto& row : table->rows) {
      const std::string location = table->Field(row, "Location");
      std::size_t used = 0;
      const long long n = ParseInt(location, &used);
      EXPECT_TRUE(used == location.size() && n >= 1 && n <= 999) << file << ": " << location;
      EXPECT_TRUE(seen.insert(n).second) << file << ": " << location;
      const std::string marker = table->Field(row, kPmrMarkerColumn);
      EXPECT_EQ(marker.empty(), n <= 16) << file << ": " << location;
    }
  }
}

}  // namespace
}  // namespace cps
