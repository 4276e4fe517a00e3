// SPDX-License-Identifier: GPL-3.0-or-later
// Each verb parses its options by one table, which also makes the Options
// part of its help: how options are written, the errors of bad ones, and
// help that lists what the parser takes.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::CliResult;
using cps::testing::RunCli;

// The verbs `dpmr-cli --help` lists.
std::vector<std::string> VerbNames() {
  std::vector<std::string> names;
  std::istringstream in(RunCli({"--help"}).out);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ') names.push_back(line.substr(2, line.find(' ', 2) - 2));
  return names;
}

// "-o", "--output", "--port", ... as the Options part of a help names them.
std::vector<std::string> OptionNames(const std::string& help) {
  std::vector<std::string> names;
  std::istringstream in(help.substr(std::min(help.size(), help.find("\nOptions:\n"))));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("  -", 0) != 0) continue;
    std::istringstream words(line.substr(0, line.find("  ", 2)));
    for (std::string w; words >> w;)
      if (w[0] == '-') names.push_back(w.back() == ',' ? w.substr(0, w.size() - 1) : w);
  }
  return names;
}

TEST(CliOptions, HelpOfEveryVerbListsWhatItsParserTakesWithinEightyColumns) {
  const auto verbs = VerbNames();
  ASSERT_GE(verbs.size(), 19u);
  for (const std::string& verb : verbs) {
    SCOPED_TRACE(verb);
    const CliResult help = RunCli({verb, "--help"});
    ASSERT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: dpmr-cli " + verb, 0), 0u) << help.out;
    EXPECT_EQ(RunCli({"help", verb}).out, help.out);
    std::istringstream in(help.out);
    for (std::string line; std::getline(in, line);) EXPECT_LE(line.size(), 80u) << line;
    const auto names = OptionNames(help.out);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << help.out;
    // every option named is one the verb takes: a bad value or a missing
    // file may fail the verb, never an unknown option
    for (const std::string& name : names) {
      const CliResult r = RunCli({verb, name + "=x", "/nonexistent/dir/file.dat"});
      EXPECT_EQ(r.err.find("unknown option"), std::string::npos) << name << ": " << r.err;
    }
    const CliResult bogus = RunCli({verb, "--bogus"});
    EXPECT_EQ(bogus.code, 2);
    EXPECT_EQ(bogus.err, "dpmr-cli: " + verb + ": unknown option --bogus (see dpmr-cli " + verb + " --help)\n");
  }
}

TEST(CliOptions, OptionsAreOneColumnOfNamesAndOneOfWrappedHelp) {
  const std::string help = RunCli({"new", "--help"}).out;
  EXPECT_EQ(help.substr(help.find("Options:")),
            "Options:\n"
            "  -o, --output FILE  the image file to write\n"
            "  --template NAME    then put the channels of a template in (see templates); the\n"
            "                     band is switched when the template needs the other one\n"
            "  --app-dir DIR      use DIR as the program's folder (its Program.ini,\n"
            "                     Default.dat, backups and templates)\n");
}

TEST(CliOptions, HowOptionsAreWrittenAndTheirErrors) {
  CliTempDir dir;
  const std::string a = dir.File("a.dat");
  // -o, --output, --output=, -output: one option under either name
  for (const std::vector<std::string>& argv :
       {std::vector<std::string>{"new", "-o", a}, {"new", "--output", a}, {"new", "--output=" + a}, {"new", "-output", a}}) {
    std::filesystem::remove(a);
    const CliResult r = RunCli(argv);
    EXPECT_EQ(r.code, 0) << argv[1] << ": " << r.err;
    EXPECT_TRUE(std::filesystem::exists(a)) << argv[1];
  }
  struct Case {
    std::vector<std::string> argv;
    std::string error;  // what stderr says after "dpmr-cli: "
  };
  const std::vector<Case> cases = {
      {{"new", "-o", a, "--output", dir.File("b.dat")}, "new: option --output given twice (-o, --output)"},
      {{"new", "-o"}, "new: option -o needs a value"},
      {{"new", "-o", a, "--template"}, "new: option --template needs a value"},
      {{"check", a, "--help=yes"}, "check: unknown option --help=yes"},
      {{"write", "--verify=yes", a}, "write: option --verify takes no value"},
      {{"diff", a, a, "--write"}, "diff: --write needs --port (a radio to compare with)"},
      {{"diff", a, a, "--baud", "9600"}, "diff: --baud needs --port (a radio to compare with)"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.argv);
    EXPECT_EQ(r.code, 2) << c.error;
    EXPECT_EQ(r.err.rfind("dpmr-cli: " + c.error, 0), 0u) << r.err;
  }
  // two ports are two radios, given twice on purpose
  EXPECT_EQ(RunCli({"write", "--port", "/nonexistent/a", "--port", "/nonexistent/b", a}).err.find("twice"),
            std::string::npos);
  // after "--" every word is an argument, even one that looks like an option
  const CliResult ended = RunCli({"get", a, "--", "--help"});
  EXPECT_EQ(ended.code, 2);
  EXPECT_NE(ended.err.find("unknown key '--help'"), std::string::npos) << ended.err;
  EXPECT_EQ(ended.out, "");
}

}  // namespace
}  // namespace cps
