// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli export, import and diff.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;
using cps::testing::Slurp;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A.dat: an image the program saved, with a channel, a contact and a key.
std::string MakeImage(const CliTempDir& dir) {
  const std::string a = dir.File("a.dat");
  EXPECT_TRUE(SaveImageFile(a, NewImage("")));
  // The contact first: set takes the keys of one editor together.
  auto r = RunCli({"set", a, "contact.count=2", "contact.2.name=Base", "channel.3.rx_freq=446.00625",
                   "channel.3.color_code=7", "channel.3.tx_contact=Base", "encrypt.count=1", "outbox.2=Back soon"});
  EXPECT_EQ(r.code, 0) << r.err;
  return a;
}

TEST(CliText, ExportThenImportGivesTheSameBytesAndText) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  auto r = RunCli({"export", a, "-o", dir.File("a.yaml")});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string text = Slurp(dir.File("a.yaml"));
  for (const char* line : {"channel.3.rx_freq: \"446.006250\"\n", "channel.3.color_code: \"7\"\n",
                           "channel.3.tx_contact: Base\n", "  - name: Base\n", "outbox:\n  - \"\"\n  - Back soon\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  EXPECT_EQ(text.find("channel.4."), std::string::npos) << "empty channels are left out";
  EXPECT_EQ(RunCli({"export", a}).out, text);  // without -o: standard output

  r = RunCli({"import", dir.File("a.yaml"), "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Slurp(dir.File("b.dat")), Slurp(a));
  EXPECT_EQ(RunCli({"export", dir.File("b.dat")}).out, text);
}

// A channel made by a cell of the table in a file set opened, and a "None"
// given to a channel that shows it: the text holds them by their keys alone.
TEST(CliText, AChannelSetMadeNeedsNoRawBytes) {
  CliTempDir dir;
  const std::string a = dir.File("a.dat");
  ASSERT_EQ(RunCli({"new", "-o", a}).code, 0);
  ASSERT_EQ(RunCli({"set", a, "channel.3.rx_freq=446.00625"}).code, 0);
  const std::string made = Slurp(a);
  ASSERT_EQ(RunCli({"set", a, "channel.3.tx_contact=None", "channel.3.signal_type=Off"}).code, 0);
  EXPECT_EQ(Slurp(a), made) << "values the channel shows change no byte";
  auto r = RunCli({"export", a, "-o", dir.File("a.yaml")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Slurp(dir.File("a.yaml")).find("\nraw:"), std::string::npos) << Slurp(dir.File("a.yaml"));
  ASSERT_EQ(RunCli({"import", dir.File("a.yaml"), "-o", dir.File("b.dat")}).code, 0);
  EXPECT_EQ(Slurp(dir.File("b.dat")), made);
}

TEST(CliText, RandomImagesTheProgramSavedComeBackExactly) {
  CliTempDir dir;
  for (unsigned seed : {7u, 8u}) {
    RadioImage random;
    std::mt19937 rng(seed);
    for (std::size_t a = 0; a < kImageSize; ++a) random.SetByte(a, static_cast<std::uint8_t>(rng()));
    ASSERT_TRUE(SaveImageFile(dir.File("r.dat"), random));
    ASSERT_EQ(RunCli({"set", dir.File("r.dat"), "option.tot=60", "-o", dir.File("s.dat")}).code, 0);
    ASSERT_EQ(RunCli({"export", dir.File("s.dat"), "-o", dir.File("s.yaml")}).code, 0);
    auto r = RunCli({"import", dir.File("s.yaml"), "-o", dir.File("t.dat")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(Slurp(dir.File("t.dat")), Slurp(dir.File("s.dat"))) << seed;
    EXPECT_EQ(r.err, "") << "the raw bytes bring odd values back: nothing is stored otherwise";
    EXPECT_EQ(RunCli({"diff", dir.File("s.dat"), dir.File("s.yaml")}).code, 0) << seed;
  }
}

TEST(CliText, BadTextIsAnErrorNamingTheLineAndWritesNothing) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  const std::string before = Slurp(a);
  struct Case {
    const char* text;
    const char* inMessage;
  };
  const Case cases[] = {
      {"option.tot: 60\nchannel.3.colour: 1\n", "line 2: unknown key 'channel.3.colour'"},
      {"channel.3.rx_freq: 446.1\nchannel.3.color_code: 16\n", "line 2: channel.3.color_code: '16' is not one of"},
      {"option.tot: 60\noption.sql: [\n", "not valid YAML"},
  };
  for (const Case& c : cases) {
    WriteText(dir.File("bad.yaml"), c.text);
    auto r = RunCli({"import", dir.File("bad.yaml"), "-o", a});
    EXPECT_EQ(r.code, 2) << c.text;
    EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothing written"), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(a), before) << c.text;
    r = RunCli({"import", dir.File("bad.yaml"), "-o", dir.File("new.dat")});
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.dat"))) << c.text;
  }
}

TEST(CliText, ImportStartsFromTheBaseGiven) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  WriteText(dir.File("tot.yaml"), "option.tot: 120\n");
  ASSERT_EQ(RunCli({"import", dir.File("tot.yaml"), "--base", a, "-o", dir.File("b.dat")}).code, 0);
  auto r = RunCli({"diff", a, dir.File("b.dat")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "Option: 1 difference\n  option.tot: \"0\" -> \"120\"\n1 difference in 1 section\n");
}

TEST(CliText, ImportSaysWhereAValueIsStoredOtherwise) {
  // A hand-written text: a value the editor's rule changes is noted with its
  // line, as set notes it; values kept as written are not.
  CliTempDir dir;
  WriteText(dir.File("in.yaml"), "option.tot: 100\nchannel.1.rx_freq: 146.5\noption.apo: 1H\n");
  auto r = RunCli({"import", dir.File("in.yaml"), "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err,
            "dpmr-cli: note: line 1: option.tot=100 is stored as 90\n"
            "dpmr-cli: note: line 2: channel.1.rx_freq=146.5 is stored as 400.000000\n");
}

TEST(CliText, DiffExitCodes) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  ASSERT_EQ(RunCli({"export", a, "-o", dir.File("a.yaml")}).code, 0);
  ASSERT_EQ(RunCli({"set", a, "channel.3.rx_freq=446.1", "outbox.2=", "-o", dir.File("b.dat")}).code, 0);
  struct Case {
    std::string a, b;
    int code;
    std::string out;
  };
  const Case cases[] = {
      {a, a, 0, ""},
      {dir.File("a.yaml"), a, 0, ""},
      {a, dir.File("b.dat"), 1,
       // The table keeps the transmit frequency; the emptied message's
       // record, now starting with the end mark, is what its key says.
       "Channel 3: 1 difference\n  channel.3.rx_freq: \"446.006250\" -> \"446.100000\"\n"
       "Outbox: 1 difference\n  outbox.2: \"Back soon\" -> \"\"\n2 differences in 2 sections\n"},
      {a, dir.File("missing.dat"), 2, ""},
  };
  for (const Case& c : cases) {
    auto r = RunCli({"diff", c.a, c.b});
    EXPECT_EQ(r.code, c.code) << c.b << r.err;
    EXPECT_EQ(r.out, c.out) << c.b;
  }
}

TEST(CliText, KeysListsDialogAndListKeys) {
  auto r = RunCli({"keys"});
  ASSERT_EQ(r.code, 0);
  for (const char* line : {"channel.3.color_code\tColor code (hidden)\t", "pmr.16.encrypt_key\tEncrypt key\t",
                           "contact.64.number\tNumber\t", "grouplist.16.members\tGroup rx list 16\t",
                           "encrypt.enabled\tEncrypt\ton, off\n", "outbox.16\tContent\t", "inbox.count\t"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  EXPECT_EQ(r.out.find("pmr.1.rx_color_code"), std::string::npos);
}

TEST(CliText, OutputNamingTheInputIsRefused) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  ASSERT_EQ(RunCli({"export", a, "-o", dir.File("a.yaml")}).code, 0);
  const std::string image = Slurp(a);
  const std::string text = Slurp(dir.File("a.yaml"));
  const struct {
    std::vector<std::string> args;
    const char* inMessage;
  } cases[] = {
      {{"import", dir.File("a.yaml"), "-o", dir.File("a.yaml")}, "is the text being imported"},
      {{"import", dir.File("a.yaml"), "--output", dir.File("./a.yaml")}, "is the text being imported"},
      {{"export", a, "-o", a}, "is the image being exported"},
  };
  for (const auto& c : cases) {
    auto r = RunCli(c.args);
    EXPECT_EQ(r.code, 2) << c.args[0];
    EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << r.err;
  }
  EXPECT_EQ(Slurp(a), image);
  EXPECT_EQ(Slurp(dir.File("a.yaml")), text);
}

TEST(CliText, ImportIsTheSameWhateverTheMachinesDefaultImage) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  ASSERT_EQ(RunCli({"export", a, "-o", dir.File("a.yaml")}).code, 0);
  // A machine whose Default.dat is something else entirely.
  std::filesystem::create_directories(dir.File("app"));
  std::string odd(kImageSize, '\0');
  std::mt19937 rng(3);
  for (char& c : odd) c = static_cast<char>(rng());
  WriteText(dir.File("app/Default.dat"), odd);
  auto r = RunCli({"import", dir.File("a.yaml"), "-o", dir.File("b.dat"), "--app-dir", dir.File("app")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Slurp(dir.File("b.dat")), Slurp(a));
  EXPECT_EQ(RunCli({"export", a, "--app-dir", dir.File("app")}).out, Slurp(dir.File("a.yaml")));
}

TEST(CliText, ATextOver4MBIsRefusedBeforeItIsRead) {
  CliTempDir dir;
  WriteText(dir.File("big.yaml"), "option.tot: [" + std::string(16 << 20, '1') + "]\n");
  auto r = RunCli({"import", dir.File("big.yaml"), "-o", dir.File("b.dat")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("is too large for the text of an image (at most 4 MB)"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("b.dat")));
}

TEST(CliText, SetAndImportNoteValuesCutToFit) {
  CliTempDir dir;
  const std::string a = MakeImage(dir);
  auto r = RunCli({"set", a, "encrypt.1.alias=Zürich", "contact.2.number=12345678"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.err.find("encrypt.1.alias=Zürich is stored as Z"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("contact.2.number=12345678 is stored as 1234567"), std::string::npos) << r.err;
  WriteText(dir.File("in.yaml"), "format: \"2\"\noutbox.1: Grüße\n");
  r = RunCli({"import", dir.File("in.yaml"), "-o", dir.File("b.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "dpmr-cli: note: line 2: outbox.1=Grüße is stored as Gr\n");
}

}  // namespace
}  // namespace cps
