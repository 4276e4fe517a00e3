#include <gtest/gtest.h>

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
  EXPECT_EQ(r.out, kHeader +
                       "14,,446.100000,+,0.012500,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,25.00,S,1W,Analog,,,,\r\n"
                       "15,,440.000000,,0.000000,DTCS,88.5,88.5,754,RN,754,Tone->Tone,FM,25.00,,5W,Digit,,,,\r\n"
                       "16,,441.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,5W,Analog,,,,\r\n");
  RadioImage b;
  ASSERT_TRUE(LoadImageFile(dir.File("b.dat"), b));
  EXPECT_EQ(b.Byte(0x02A0 + 3), 0x44);  // channel 14 at 446.1 MHz
  EXPECT_EQ(b.Byte(0x02A0 + 16), 0x02); // low, narrow, not scanned

  // The same file into the PMR channels, from channel 1, saved in place.
  r = RunCli({"import-csv", dir.File("a.dat"), dir.File("in.csv"), "--pmr"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"export-csv", dir.File("a.dat"), "--pmr", "-o", dir.File("pmr.csv")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(Slurp(dir.File("pmr.csv")).find("\r\n3,,441.000000,"), std::string::npos) << Slurp(dir.File("pmr.csv"));
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
      {{"import-csv", dir.File("a.dat"), dir.File("missing.csv")}, 1, "cannot be opened"},
      {{"import-csv", dir.File("a.dat"), dir.File("vhf.csv"), "--start", "17"}, 2, "1..16"},
  };
  for (const Case& c : cases) {
    auto r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[2];
    EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(dir.File("a.dat")), before) << c.args[2];
  }
}

}  // namespace
}  // namespace cps
