// SPDX-License-Identifier: GPL-3.0-or-later
// The last entry of each numbered family of keys through dpmr-cli.
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

TEST(CliSixteenth, Channel16AndPmr16SetGetAndLand) {
  CliTempDir dir;
  const std::string file = dir.File("a.dat");
  ASSERT_TRUE(SaveImageFile(file, NewImage("")));
  auto r = RunCli({"set", file, "channel.16.rx_freq=438.5", "channel.16.power=Low", "channel.16.type=Analog",
                   "pmr.16.rx_freq=446.09375", "pmr.16.bandwidth=Narrow", "dtmf_contact.16=12AB*#"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"get", file, "channel.16.rx_freq", "channel.16.power", "channel.16.type", "pmr.16.rx_freq",
              "pmr.16.bandwidth", "dtmf_contact.16"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "channel.16.rx_freq=438.500000\nchannel.16.power=Low\nchannel.16.type=Analog\n"
            "pmr.16.rx_freq=446.093750\npmr.16.bandwidth=Narrow\ndtmf_contact.16=12AB*#\n");
  RadioImage image;
  ASSERT_TRUE(LoadImageFile(file, image));
  const std::size_t ch16 = 0x0100 + 15 * 32, pmr16 = 0x2160 + 15 * 32;
  EXPECT_EQ(image.Word(ch16), 0x0000);
  EXPECT_EQ(image.Word(ch16 + 2), 0x4385);
  EXPECT_EQ(image.Byte(ch16 + 16) & 0xC0, 0x00);  // Low power
  EXPECT_EQ(image.Word(pmr16), 0x9375);
  EXPECT_EQ(image.Word(pmr16 + 2), 0x4460);
  EXPECT_EQ(image.Byte(0x0100 + 14 * 32 + 3), 0xFF);  // channel 15 untouched: still empty
}

TEST(CliSixteenth, SeventeenIsNoKey) {
  CliTempDir dir;
  const std::string file = dir.File("a.dat");
  ASSERT_TRUE(SaveImageFile(file, NewImage("")));
  for (const char* key : {"channel.17.rx_freq", "pmr.17.rx_freq", "channel.0.rx_freq", "dtmf_contact.17"}) {
    const auto r = RunCli({"get", file, key});
    EXPECT_EQ(r.code, 2) << key;
    EXPECT_NE(r.err.find("unknown key"), std::string::npos) << key << ": " << r.err;
  }
  const auto keys = RunCli({"keys", "pmr"});
  ASSERT_EQ(keys.code, 0);
  EXPECT_NE(keys.out.find("pmr.16.type\t"), std::string::npos);
}

}  // namespace
}  // namespace cps
