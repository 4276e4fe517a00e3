// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;
using cps::testing::Slurp;

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
    "TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

TEST(CliCsv, ImportReportsEveryRowThenExportWritesTheChannels) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  Write(dir.File("in.csv"), "\xEF\xBB\xBF" + kHeader +
                                "1,Rep,446.1,+,0.0125,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,6.25,S,0.5W,,,,,\r\n"
                                "2,Air,119.3,,,,,,,,,,AM,,,,,,,,\r\n"
                                "3,\"Simplex, high\",440,,,DTCS,,,754,RN,,,FM,,,5W,Digit,,,,\r\n"
                                "4,Late,441,,,,,,,,,,FM,,,,,,,,\r\n");
  auto r = RunCli({"import-csv", dir.File("a.dat"), dir.File("in.csv"), "--start", "14", "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "row 2 (Rep): channel 14\n"
            "row 3 (Air): skipped: mode AM cannot be programmed into this radio\n"
            "row 4 (Simplex, high): channel 15\n"
            "row 5 (Late): channel 16\n");

  r = RunCli({"export-csv", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with(kHeader + "14,,446.100000,+,0.012500,TSQL,100.0,100.0,")) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
  RadioImage b;
  ASSERT_TRUE(LoadImageFile(dir.File("b.dat"), b));
  EXPECT_EQ(b.Byte(0x02A0 + 3), 0x44);  // channel 14 at 446.1 MHz
  EXPECT_EQ(b.Byte(0x02A0 + 16), 0x02); // low, narrow, not scanned

  // The same file into the PMR channels, each row at its Location, saved
  // in place.
  r = RunCli({"import-csv", dir.File("a.dat"), dir.File("in.csv"), "--pmr"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"export-csv", dir.File("a.dat"), "--pmr", "-o", dir.File("pmr.csv")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(Slurp(dir.File("pmr.csv")).find("\r\n4,,441.000000,"), std::string::npos) << Slurp(dir.File("pmr.csv"));
  r = RunCli({"export-csv", dir.File("a.dat")});
  EXPECT_EQ(r.out, kHeader);  // the main channels stay empty
}

TEST(CliCsv, BadInputWritesNothing) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  const std::string before = Slurp(dir.File("a.dat"));
  Write(dir.File("vhf.csv"), "Frequency\n146.52\n");
  Write(dir.File("names.csv"), "Location,Name\n1,A\n");
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string inMessage;
  };
  const Case cases[] = {
      {{"import-csv", dir.File("a.dat"), dir.File("a.dat")}, 1, "not a text file"},
      {{"import-csv", dir.File("a.dat"), dir.File("names.csv")}, 1, "no Frequency column"},
      {{"import-csv", dir.File("a.dat"), dir.File("vhf.csv")}, 1, "no row could be placed"},
      {{"import-csv", dir.File("a.dat"), dir.File("missing.csv")}, 1, "missing.csv"},
      {{"import-csv", dir.File("a.dat"), dir.File("vhf.csv"), "--start", "17"}, 2, "1..16"},
  };
  for (const Case& c : cases) {
    auto r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[2];
    EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(dir.File("a.dat")), before) << c.args[2];
  }
}

// dpmr-cli with the user's folders in `home`.
cps::testing::CliResult RunCliAt(const CliTempDir& home, std::vector<std::string> args) {
  args.insert(args.begin(), {"XDG_CONFIG_HOME=" + home.File("config"), "XDG_DATA_HOME=" + home.File("data"),
                             "XDG_DATA_DIRS=" + home.File("none"), DPMR_CLI_PATH});
  return cps::testing::RunProgram("env", args);
}

TEST(CliCsv, TemplatesListAndStartNewImages) {
  CliTempDir dir;
  auto r = RunCliAt(dir, {"templates"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("PMR446 analog\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("dPMR446 digital + PMR446 analog\t"), std::string::npos) << r.out;

  r = RunCliAt(dir, {"new", "-o", dir.File("d.dat"), "--template", "dpmr446 digital"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"get", dir.File("d.dat"), "channel.16.rx_freq", "channel.16.type", "channel.16.bandwidth"});
  EXPECT_EQ(r.out, "channel.16.rx_freq=446.196875\nchannel.16.type=Digit\nchannel.16.bandwidth=Narrow\n");

  // The user's own template of the same name wins.
  std::filesystem::create_directories(dir.File("config/dpmr-cps/templates"));
  Write(dir.File("config/dpmr-cps/templates/mine.csv"), "# dPMR446 digital\nFrequency,Mode\n446.5,FM\n");
  r = RunCliAt(dir, {"templates"});
  EXPECT_NE(r.out.find("dPMR446 digital\t" + dir.File("config/dpmr-cps/templates/mine.csv")), std::string::npos) << r.out;
  r = RunCliAt(dir, {"new", "-o", dir.File("m.dat"), "--template", "dPMR446 digital"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"get", dir.File("m.dat"), "channel.1.rx_freq", "channel.2.rx_freq"});
  EXPECT_EQ(r.out, "channel.1.rx_freq=446.500000\nchannel.2.rx_freq=\n");

  r = RunCliAt(dir, {"new", "-o", dir.File("x.dat"), "--template", "nope"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("PMR446 analog"), std::string::npos) << r.err;
}

TEST(CliCsv, SparseTablesComeBackWhereTheyWereWithEveryChangeNamed) {
  CliTempDir dir;
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), NewImage("")));
  Write(dir.File("in.csv"), kHeader + "3,A,446.004,,,,,,,,,,NFM,,,,,,,,\r\n"
                                      "7,B,446.1,,,Tone,65.0,,,,,,FM,,,,,,,,\r\n"
                                      "16,C,446.2,,,,,,,,,,FM,,,,,,,,\r\n"
                                      "7,D,446.3,,,,,,,,,,FM,,,,,,,,\r\n");
  auto r = RunCli({"import-csv", dir.File("a.dat"), dir.File("in.csv"), "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "row 2 (A): channel 3\n"
            "  row 2 (A): Frequency 446.004 is stored as 446.003125 (the 2.5/3.125 kHz channel grid)\n"
            "row 3 (B): channel 7\n"
            "  row 3 (B): rToneFreq 65.0 is not in the tone list; it is stored as 65.0\n"
            "row 4 (C): channel 16\n"
            "row 5 (D): skipped: channel 7 is already taken by row 3\n");

  // Export, then import into a new image: the same bytes.
  r = RunCli({"export-csv", dir.File("b.dat"), "-o", dir.File("b.csv")});
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_TRUE(SaveImageFile(dir.File("c.dat"), NewImage("")));
  r = RunCli({"import-csv", dir.File("c.dat"), dir.File("b.csv")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.find("is stored as 446"), std::string::npos) << r.out;  // nothing moved this time
  EXPECT_EQ(Slurp(dir.File("c.dat")), Slurp(dir.File("b.dat")));
}

TEST(CliCsv, OutputThatCannotBeWrittenFails) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  CliTempDir dir;
  RadioImage img = NewImage("");
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), img));
  for (const std::vector<std::string>& verb : {std::vector<std::string>{"export-csv", dir.File("a.dat")},
                                               std::vector<std::string>{"templates"}}) {
    std::vector<std::string> args = {"-c", "exec \"$0\" \"$@\" > /dev/full", DPMR_CLI_PATH};
    args.insert(args.end(), verb.begin(), verb.end());
    auto r = cps::testing::RunProgram("sh", args);
    EXPECT_EQ(r.code, 1) << verb[0] << ": " << r.err;
    EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
  }
}

TEST(CliCsv, ShippedTemplatesAreThereWhateverTheAppDir) {
  CliTempDir dir;
  std::filesystem::create_directories(dir.File("empty"));
  auto r = RunCliAt(dir, {"templates", "--app-dir", dir.File("empty")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("PMR446 analog\t(built in)\n"), std::string::npos) << r.out;
  r = RunCliAt(dir, {"new", "-o", dir.File("p.dat"), "--template", "PMR446 analog", "--app-dir", dir.File("empty")});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"get", dir.File("p.dat"), "channel.2.rx_freq"});
  EXPECT_EQ(r.out, "446.018750\n");
}

}  // namespace
}  // namespace cps
