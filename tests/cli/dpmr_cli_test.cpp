// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;

// Two contacts (group "Base" 0000012 in slot 2 listed first, single "Ann"
// 0000007 in slot 1), group list 3 = {2}, one key, one outbox message and
// one unread inbox message.
RadioImage DpmrImage() {
  RadioImage img = NewImage("");
  img.Fill(0x04C0, 128, 0xFF);
  img.Fill(0x0540, 1024, 0xFF);
  const std::uint8_t ann[16] = {0, 0, 0, 0, 0, 0, 7, 0x00, 'A', 'n', 'n', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const std::uint8_t base[16] = {0, 0, 0, 0, 0, 1, 2, 0x01, 'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF};
  img.Write(0x0540, ann);
  img.Write(0x0550, base);
  img.SetWord(0x04C0, 0x0550);
  img.SetWord(0x04C2, 0x0540);
  img.Fill(0x1BA0, 128, 0xFF);
  img.SetByte(0x1BB0, 2);
  img.SetByte(0x03A0, 1);
  img.SetByte(0x03A7, 1);
  const std::uint8_t key[16] = {0x6D, 0x2F, 0x8A, 0x41, 0xFF, 0xFF, 0xFF, 0xFF, 'K', 'e', 'y', ' ', '1', 0xFF, 0xFF, 0xFF};
  img.Write(0x03B0, key);
  img.Fill(0x0960, 0x0820, 0xFF);
  const std::uint8_t msg[4] = {'O', 'K', 0x00, 0xFF};
  img.Write(0x0980, msg);
  img.Fill(0x1180, 0x0A20, 0xFF);
  img.SetWord(0x1180, 0x11A0);
  const std::uint8_t in[5] = {'H', 'i', 0x00, 0xFF, 0xFF};
  img.Write(0x11A0, in);
  img.SetByte(0x11A0 + 128, 'Z');
  img.SetByte(0x11A0 + 136, 5);
  img.SetByte(0x11A0 + 156, 2);
  img.SetByte(0x11A0 + 157, 1);
  return img;
}

TEST(CliDpmr, ShowSections) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), DpmrImage()));
  struct Case {
    const char* section;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"contacts", {"  1    Base      0000012  Group call   2\n", "  2    Ann       0000007  Single call  1\n"}},
      {"keys", {"  Encrypt: on\n", "  1    Key 1     6D2F8A41\n"}},
      {"messages", {"  1    OK\n", "  1    Z         5        2       Unread  Hi\n"}},
      {"grouplists", {"  Group rx list 3: Base (slot 2)\n", "  Group rx list 4: -\n"}},
      {"dpmr", {"Radio id", "0000001\n"}},
  };
  for (const Case& c : cases) {
    auto r = RunCli({"show", dir.File("a.dat"), c.section});
    ASSERT_EQ(r.code, 0) << c.section << r.err;
    for (const auto& line : c.lines) EXPECT_NE(r.out.find(line), std::string::npos) << c.section << ":\n" << r.out;
  }
}

TEST(CliDpmr, SetAndGetBasicFields) {
  CliTempDir dir;
  const RadioImage img = DpmrImage();
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  auto r = RunCli({"set", dir.File("a.dat"), "dpmr.radio_id=123", "dpmr.radio_name=Car", "dpmr.kill_type=Kill",
                   "dpmr.ack_reply_delay=30", "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  RadioImage out;
  ASSERT_TRUE(LoadImageFile(dir.File("b.dat"), out));
  const std::uint8_t id[7] = {0, 0, 0, 0, 1, 2, 3};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(out.Byte(0x0388 + i), id[i]) << i;
  const std::uint8_t name[8] = {'C', 'a', 'r', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(out.Byte(0x3F88 + i), name[i]) << i;
  EXPECT_EQ(out.Byte(0x039F) & 0x30, 0x20);
  EXPECT_EQ(out.Byte(0x3EC0), 44);
  // The contacts and lists pass through untouched.
  for (std::size_t a = 0x04C0; a < 0x0940; ++a) ASSERT_EQ(out.Byte(a), img.Byte(a)) << a;

  auto g = RunCli({"get", dir.File("b.dat"), "dpmr.radio_id", "dpmr.ack_reply_delay"});
  ASSERT_EQ(g.code, 0) << g.err;
  EXPECT_EQ(g.out, "dpmr.radio_id=0000123\ndpmr.ack_reply_delay=4.4\n");

  auto bad = RunCli({"set", dir.File("a.dat"), "dpmr.kill_type=Stun", "-o", dir.File("c.dat")});
  EXPECT_NE(bad.code, 0);
  EXPECT_NE(bad.err.find("Tx inhibit"), std::string::npos) << bad.err;

  // The two fields the channel table's write-back overwrites are refused.
  for (const char* assignment : {"dpmr.tx_pre_carrier_time=55", "dpmr.all_code=123"}) {
    auto ro = RunCli({"set", dir.File("a.dat"), assignment, "-o", dir.File("d.dat")});
    EXPECT_EQ(ro.code, 2) << assignment;
    EXPECT_NE(ro.err.find("cannot be set: Saving the file or writing to the radio always stores"), std::string::npos)
        << ro.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("d.dat"))) << assignment;
  }
  auto keys = RunCli({"keys", "dpmr"});
  EXPECT_NE(keys.out.find("dpmr.all_code\tAll code (read-only)\tread-only: "), std::string::npos) << keys.out;
}

}  // namespace
}  // namespace cps
