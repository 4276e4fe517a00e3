// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app_version.h"
#include "cli/cli.h"

namespace {

void PrintHelp(std::ostream& out) {
  out << "usage: dpmr-cli VERB [ARGS...]\n"
         "Programming software for the dPMR / FM handheld radio, from the shell.\n\n"
         "Verbs:\n";
  auto verbs = cps::cli::Verbs();
  std::sort(verbs.begin(), verbs.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& v : verbs) {
    std::string name = v.name;
    name.resize(std::max<std::size_t>(name.size() + 2, 16), ' ');
    out << "  " << name << v.summary << "\n";
  }
  out << "\n'dpmr-cli help VERB' (or 'dpmr-cli VERB --help') tells more about a verb;\n"
         "'dpmr-cli --version' (-v) prints the version and the licence.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(std::cerr);
    return 2;
  }
  // "help VERB" is "VERB --help"
  if (args[0] == "help" && args.size() > 1) args = {args[1], "--help"};
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(std::cout);
    return 0;
  }
  if (args[0] == "--version" || args[0] == "-v") {
    std::cout << "dpmr-cli " << cps::kVersion << "\n" << cps::kLicenceNotice;
    return 0;
  }
  const int rc = cps::cli::RunVerb(args);
  // A verb whose output could not be written has failed, whatever it says.
  std::cout.flush();
  if (rc == 0 && !std::cout) return cps::cli::Fail(args[0] + ": cannot write to standard output", 1);
  return rc;
}
