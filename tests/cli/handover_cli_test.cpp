// SPDX-License-Identifier: GPL-3.0-or-later
// What a user meets first: files of another size are never cut, the help
// names what to type, and a program run from a folder it can merely write
// into (a build folder) keeps its data in the user's folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

namespace fs = std::filesystem;
using cps::testing::CliResult;
using cps::testing::CliTempDir;
using cps::testing::RunCli;
using cps::testing::RunProgram;
using cps::testing::Slurp;

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(CliForeignSize, VerbsThatSaveRefuseToCutAFileUnlessForced) {
  CliTempDir dir;
  const std::string big = dir.File("big.dat"), yaml = dir.File("x.yaml");
  const std::string content(100000, 'Q');
  WriteFile(big, content);
  ASSERT_EQ(RunCli({"new", "-o", dir.File("new.dat"), "--app-dir", dir.path()}).code, 0);
  ASSERT_EQ(RunCli({"export", dir.File("new.dat"), "-o", yaml, "--app-dir", dir.path()}).code, 0);
  const std::string refused = big + ": not a radio image of this model: 100000 bytes; not overwritten "
                                    "(--force replaces it) (nothing written)";
  const std::string opened = "dpmr-cli: note: " + big +
                             ": not a radio image of this model: 100000 bytes; opened its first 16384 bytes\n";
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string err;
  } rows[] = {
      {"set over itself", {"set", big, "option.tot=30"}, opened + "dpmr-cli: set: " + refused + "\n"},
      {"set -o over another", {"set", dir.File("new.dat"), "option.tot=30", "-o", big}, "dpmr-cli: set: " + refused + "\n"},
      {"import -o", {"import", yaml, "-o", big, "--app-dir", dir.path()}, "dpmr-cli: import: " + refused + "\n"},
      {"import-csv over itself", {"import-csv", big, dir.File("any.csv")},
       opened + "dpmr-cli: import-csv: " + refused + "\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const CliResult r = RunCli(row.args);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, row.err);
    EXPECT_EQ(Slurp(big), content);
  }
  // get only reads: the note, and the value of the first 16384 bytes
  CliResult r = RunCli({"get", big, "band", "--app-dir", dir.path()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, opened);
  // --force: the user asked for it
  r = RunCli({"import", yaml, "-o", big, "--force"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(fs::file_size(big), kImageSize);
  EXPECT_EQ(Slurp(big), Slurp(dir.File("new.dat")));
  WriteFile(big, content);
  r = RunCli({"set", big, "option.tot=30", "--force"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(fs::file_size(big), kImageSize);
  // An empty file (made by mktemp) and a new name are no file to cut.
  WriteFile(dir.File("empty.dat"), "");
  EXPECT_EQ(RunCli({"import", yaml, "-o", dir.File("empty.dat")}).code, 0);
  EXPECT_EQ(fs::file_size(dir.File("empty.dat")), kImageSize);
}

TEST(CliHelp, HelpNamesWhatToType) {
  // "help VERB" is the verb's help; -v is --version, with the licence
  CliResult help = RunCli({"help", "read"}), own = RunCli({"read", "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out, own.out);
  EXPECT_EQ(help.out.rfind("usage: dpmr-cli read", 0), 0u) << help.out;
  CliResult v = RunCli({"-v"}), version = RunCli({"--version"});
  EXPECT_EQ(v.code, 0);
  EXPECT_EQ(v.out, version.out);
  EXPECT_NE(v.out.find("\nLicense GPL-3.0-or-later"), std::string::npos) << v.out;
  // a factory exchange is never verified: no exit code 6 in its help
  for (const char* verb : {"factory-read", "factory-write"}) {
    const std::string text = RunCli({verb, "--help"}).out;
    EXPECT_EQ(text.find("6 verify"), std::string::npos) << verb;
    EXPECT_NE(text.find("5 stopped with Ctrl+C"), std::string::npos) << verb;
  }
  // the exit codes the link verbs name are the ones they return (see the
  // link tests): 3 no port, 4 communication, 5 Ctrl+C, 6 verify
  for (const char* verb : {"read", "write", "restore", "factory-read", "factory-write"}) {
    const std::string text = RunCli({verb, "--help"}).out;
    for (const char* code : {"2 usage, 3 port not opened, 4 communication", "5 stopped with Ctrl+C"})
      EXPECT_NE(text.find(code), std::string::npos) << verb << ": " << code;
    if (std::string(verb).rfind("factory", 0) != 0) {
      EXPECT_NE(text.find("6 verify failed"), std::string::npos) << verb;
    }
  }
  EXPECT_NE(RunCli({"diff", "--help"}).out.find("Exit status\n0 when equal, 1 when they differ, 2 on error."),
            std::string::npos);
  EXPECT_EQ(RunCli({"write", "--help"}).out.find("as it is"), std::string::npos);
  // without --port and without "COM" in Program.ini: the message names --port
  CliTempDir dir;
  ASSERT_EQ(RunCli({"new", "-o", dir.File("a.dat"), "--app-dir", dir.path()}).code, 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"read", "-o", dir.File("r.dat")}, {"write", dir.File("a.dat")},
        {"factory-read", dir.File("a.dat")}}) {
    std::vector<std::string> withDir = args;
    withDir.insert(withDir.end(), {"--app-dir", dir.path()});
    const CliResult r = RunCli(withDir);
    EXPECT_EQ(r.code, 2) << args[0];
    EXPECT_NE(r.err.find("no port is chosen: name it with --port PORT"), std::string::npos) << r.err;
  }
  // set and get take --app-dir as every verb does
  EXPECT_EQ(RunCli({"set", dir.File("a.dat"), "option.tot=30", "--app-dir", dir.path()}).code, 0);
  EXPECT_EQ(RunCli({"get", dir.File("a.dat"), "option.tot", "--app-dir", dir.path()}).out, "30\n");
}

// A copy of dpmr-cli in a folder of its own stands for a build folder: the
// user's folders come from a HOME of the test's own.
class CliPortableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.File("bin"));
    fs::copy_file(DPMR_CLI_PATH, Cli());
    fs::create_directories(dir_.File("home"));
  }
  std::string Cli() const { return dir_.File("bin/dpmr-cli"); }
  CliResult Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"HOME=" + dir_.File("home"), "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", Cli()});
    return RunProgram("/usr/bin/env", args);
  }
  void PutBackup(const std::string& folder, const std::string& name) const {
    fs::create_directories(folder);
    RadioImage image = NewImage("");
    ASSERT_TRUE(SaveImageFile(folder + "/" + name, image));
  }
  CliTempDir dir_;
};

TEST_F(CliPortableTest, AWritableProgramFolderIsNoPortableInstall) {
  const std::string userBackups = dir_.File("home") + "/.local/share/dpmr-cps/backups/";
  CliResult r = Run({"backups"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "No backups in " + userBackups + "\n");
  EXPECT_FALSE(fs::exists(dir_.File("bin/backups")));

  // Backups an earlier version left beside the program are still listed,
  // newest first among the user's, with a note to move them.
  PutBackup(dir_.File("bin/backups"), "20260101-120000-ttyUSB0.dat");
  PutBackup(userBackups, "20260102-120000-ttyUSB1.dat");
  r = Run({"backups"});
  EXPECT_EQ(r.code, 0) << r.err;
  const auto first = r.out.find("ttyUSB1"), second = r.out.find("ttyUSB0");
  ASSERT_NE(first, std::string::npos) << r.out;
  ASSERT_NE(second, std::string::npos) << r.out;
  EXPECT_LT(first, second);
  EXPECT_NE(r.out.find(dir_.File("bin/backups/20260101-120000-ttyUSB0.dat")), std::string::npos) << r.out;
  EXPECT_EQ(r.err, "dpmr-cli: note: 1 backup lies in " + dir_.File("bin/backups/") +
                       ", beside the program, which is no portable install (it has no Program.ini): move them to " +
                       userBackups + " before that folder is deleted\n");

  // A Program.ini beside the program makes it portable on purpose: its
  // backups/ is the folder, and nothing is stray.
  WriteFile(dir_.File("bin/Program.ini"), "[Setup]\n");
  r = Run({"backups"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("ttyUSB0"), std::string::npos);
  EXPECT_EQ(r.out.find("ttyUSB1"), std::string::npos);
}

}  // namespace
}  // namespace cps
