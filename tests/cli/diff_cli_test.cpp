// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli diff: its sections, its exit status, file sizes and its notes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;
using cps::testing::Slurp;

TEST(CliDiff, ExitStatusSizesAndNotes) {
  CliTempDir dir;
  const std::string a = dir.File("a.dat");
  ASSERT_TRUE(SaveImageFile(a, NewImage("")));
  ASSERT_EQ(RunCli({"set", a, "contact.count=2", "contact.2.name=Base", "channel.3.rx_freq=446.00625",
                    "channel.3.tx_contact=Base", "-o", a})
                .code,
            0);
  const std::string bytes = Slurp(a);
  std::ofstream(dir.File("double.dat"), std::ios::binary) << bytes << bytes;
  std::ofstream(dir.File("short.dat"), std::ios::binary) << bytes.substr(0, 100);
  // Channel 3 calls contact 9 of two: File, Open clears the call.
  std::string broken = bytes;
  broken[0x0100 + 2 * 32 + 21] = 9;
  std::ofstream(dir.File("broken.dat"), std::ios::binary) << broken;
  ASSERT_EQ(RunCli({"set", a, "channel.3.tx_contact=None", "option.tot=30", "-o", dir.File("b.dat")}).code, 0);
  ASSERT_EQ(RunCli({"export", dir.File("b.dat"), "-o", dir.File("b.yaml")}).code, 0);

  const std::string sizeRows = "File: 1 difference\n  size: 16384 bytes -> 32768 bytes\n1 difference in 1 section\n";
  const std::string bRows =
      "Channel 3: 1 difference\n"
      "  channel.3.tx_contact: \"Base\" -> \"None\"\n"
      "Option: 1 difference\n"
      "  option.tot: \"0\" -> \"30\"\n"
      "2 differences in 2 sections\n";
  // set stores "None" as 0x00, the repair of File, Open as 0xFF.
  auto opening = [&](const std::string& name) {
    return "dpmr-cli: note: " + dir.File(name) +
           ": compared as File, Open shows it; opening changes 1 byte of the image (the first at 0x0155, channel "
           "records 1 to 16, 32 bytes each)\n";
  };
  const struct {
    std::string a, b;
    int code;
    std::string out, err;
  } cases[] = {
      {a, a, 0, "", ""},
      {a, dir.File("b.dat"), 1, bRows, opening("b.dat")},
      {a, dir.File("b.yaml"), 1, bRows, opening("b.yaml")},
      {a, dir.File("double.dat"), 1, sizeRows,
       "dpmr-cli: note: " + dir.File("double.dat") + ": 32768 bytes; only the first 16384 are an image and compared\n"},
      {dir.File("broken.dat"), a, 1,
       "Channel 3: 1 difference\n  channel.3.tx_contact: \"None\" -> \"Base\"\n1 difference in 1 section\n",
       opening("broken.dat")},
      {a, dir.File("short.dat"), 2, "", "holds 100 bytes"},
      {a, dir.File("missing.dat"), 2, "", dir.File("missing.dat")},
      {a, dir.path(), 2, "", "folder"},
  };
  for (const auto& c : cases) {
    auto r = RunCli({"diff", c.a, c.b});
    EXPECT_EQ(r.code, c.code) << c.b << r.err;
    EXPECT_EQ(r.out, c.out) << c.b;
    if (c.code == 2)
      EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    else
      EXPECT_EQ(r.err, c.err) << c.b;
  }
}

}  // namespace
}  // namespace cps
