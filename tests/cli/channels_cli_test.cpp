// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;
using Bytes = std::vector<std::uint8_t>;

Bytes Get(const RadioImage& img, std::size_t addr, std::size_t len) {
  auto s = img.Bytes(addr, len);
  return {s.begin(), s.end()};
}

RadioImage Saved(const std::string& path) {
  RadioImage img;
  EXPECT_TRUE(LoadImageFile(path, img));
  return img;
}

TEST(CliChannels, SetAppliesTheTableRulesAndSavesLikeSave) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  auto r = RunCli({"set", dir.File("a.dat"), "channel.3.rx_freq=438.5", "channel.3.rx_tone=23n",
                   "channel.3.power=Low", "channel.3.tx_freq=439.5", "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  const RadioImage b = Saved(dir.File("b.dat"));
  EXPECT_EQ(Get(b, 0x0140, 32),
            (Bytes{0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x95, 0x43, 0x23, 0x80, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00,
                   0x01, 0x00, 0x50, 0xFF, 0x01, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // +0x15 FF: the repair after opening cleared the call target 0 (no listed
  // contact); the new row is not reset before it is written.
  EXPECT_EQ(Get(b, 0x034C, 2), (Bytes{0x04, 0x00}));  // scan bitmap
  EXPECT_EQ(b.Byte(0x3FD7), 3);

  r = RunCli({"get", dir.File("b.dat"), "channel.3.rx_freq", "channel.3.rx_tone", "channel.3.type", "band"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "channel.3.rx_freq=438.500000\nchannel.3.rx_tone=D023N\nchannel.3.type=Digit\nband=400-470MHz\n");

  r = RunCli({"show", dir.File("b.dat"), "channels"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Freq range: 400-470MHz\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("3    438.500000    439.500000    D023N     None      Low     Add    Wide        Digit\n"),
            std::string::npos)
      << r.out;
}

TEST(CliChannels, BadKeysAndValuesWriteNothing) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  const std::string before = cps::testing::Slurp(dir.File("a.dat"));
  struct Case {
    std::vector<std::string> assignments;
    std::vector<std::string> inMessage;
  };
  const Case cases[] = {
      {{"channel.1.rx_freq=440", "channel.1.power=Max"}, {"channel.1.power", "Low, High"}},
      {{"channel.17.power=Low"}, {"channel.17.power", "1..16"}},
      {{"channel.1.colour=Red"}, {"channel.1.colour", "rx_freq"}},
      {{"band=300-400MHz"}, {"band", "136-174MHz, 400-470MHz"}},
      {{"channel.2.type=Digit"}, {"channel.2", "empty"}},
      {{"channel.1.rx_freq=abc"}, {"channel.1.rx_freq"}},
      {{"channel.1.rx_freq=440", "channel.1.rx_tone=hello"}, {"channel.1.rx_tone", "None"}},
      {{"pmr.1.scan=Maybe"}, {"pmr.1.scan", "Add, Del"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"set", dir.File("a.dat")};
    args.insert(args.end(), c.assignments.begin(), c.assignments.end());
    auto r = RunCli(args);
    EXPECT_NE(r.code, 0) << c.assignments.front();
    for (const auto& part : c.inMessage) EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
    EXPECT_EQ(cps::testing::Slurp(dir.File("a.dat")), before) << c.assignments.front();
  }
}

TEST(CliChannels, BandChangeAndPmrChannels) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  img.SetFrequency(0x0100, 44000000);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"set", dir.File("a.dat"), "band=136-174MHz", "pmr.2.rx_freq=446.00625", "pmr.2.bandwidth=Narrow"});
  ASSERT_EQ(r.code, 0) << r.err;
  const RadioImage a = Saved(dir.File("a.dat"));
  // The band change cleared channel 1; the PMR channel clamps to the new band.
  EXPECT_EQ(Get(a, 0x0100, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Get(a, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(Get(a, 0x2180, 8), (Bytes{0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(a.Byte(0x2190) & 0x02, 0x02);
  r = RunCli({"show", dir.File("a.dat"), "pmr"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("2    174.000000    174.000000    None      None      High    Add    Narrow      Digit\n"),
            std::string::npos)
      << r.out;
}

TEST(CliChannels, OpeningRepairsContactsLikeTheProgram) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  // A second contact with the name of the first, and channel 1 calling an
  // unlisted slot.
  const Bytes second = {0, 0, 0, 0, 0, 0, 2, 0, 'N', 'a', 'm', 'e', ' ', '1', 0xFF, 0xFF};
  img.SetWord(0x04C2, 0x0550);
  for (std::size_t i = 0; i < second.size(); ++i) img.SetByte(0x0550 + i, second[i]);
  img.SetFrequency(0x0100, 44000000);
  img.SetByte(0x0115, 9);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"set", dir.File("a.dat"), "channel.1.power=Low"});
  ASSERT_EQ(r.code, 0) << r.err;
  const RadioImage a = Saved(dir.File("a.dat"));
  EXPECT_EQ(Get(a, 0x0558, 8), (Bytes{'N', 'a', 'm', 'e', ' ', '2', 0xFF, 0xFF}));
  EXPECT_EQ(a.Byte(0x0115), 0xFF);
}

TEST(CliChannels, AnErasedBandIsReplacedOnOpeningAsInTheProgram) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  for (int i = 0; i < 8; ++i) img.SetByte(0x3FA0 + i, 0xFF);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"set", dir.File("a.dat"), "channel.1.rx_freq=440"});
  ASSERT_EQ(r.code, 0) << r.err;
  const RadioImage a = Saved(dir.File("a.dat"));
  // The selector shows its first entry, which the write-back before saving stores.
  EXPECT_EQ(Get(a, 0x3FA0, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(Get(a, 0x0100, 4), (Bytes{0x00, 0x00, 0x40, 0x17}));
}

TEST(CliChannels, GetAndShowPrintWhatTheTableShowsAfterOpening) {
  CliTempDir dir;
  RadioImage img = NewImage("");
  // Channel 1 with the tone bytes 0F 7F, channel 2 with a receive frequency
  // of 99 99 99 99; the dPMR all code 1234567 and a pre-carrier time of 40.
  img.SetFrequency(0x0100, 43500000);
  img.SetByte(0x0108, 0x0F);
  img.SetByte(0x0109, 0x7F);
  for (int i = 0; i < 4; ++i) img.SetByte(0x0120 + i, 0x99);
  for (int i = 0; i < 7; ++i) img.SetByte(0x0390 + i, static_cast<std::uint8_t>(i + 1));
  img.SetByte(0x0399, 2);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"get", dir.File("a.dat"), "channel.1.rx_tone", "channel.2.rx_freq", "dpmr.all_code",
                   "dpmr.tx_pre_carrier_time"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "channel.1.rx_tone=851.5\nchannel.2.rx_freq=1000.000000\ndpmr.all_code=1234567\n"
                   "dpmr.tx_pre_carrier_time=40\n");
  r = RunCli({"show", dir.File("a.dat"), "channels"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("1    435.000000                  851.5     None"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2    1000.000000                 None      None"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace cps
