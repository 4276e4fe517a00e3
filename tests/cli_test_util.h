// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the command-line tests: run the built dpmr-cli and capture
// what it prints.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace cps::testing {

struct CliResult {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs `program args...` with stdout and stderr captured into files.
inline CliResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
  const auto tmp = std::filesystem::temp_directory_path();
  const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(&args));
  const std::string outPath = (tmp / ("cli-out-" + tag)).string();
  const std::string errPath = (tmp / ("cli-err-" + tag)).string();
  std::string cmd = ShellQuote(program);
  for (const auto& a : args) cmd += " " + ShellQuote(a);
  cmd += " >" + ShellQuote(outPath) + " 2>" + ShellQuote(errPath) + " </dev/null";
  CliResult r;
  const int status = std::system(cmd.c_str());
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = Slurp(outPath);
  r.err = Slurp(errPath);
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return r;
}

inline CliResult RunCli(const std::vector<std::string>& args) { return RunProgram(DPMR_CLI_PATH, args); }

class CliTempDir {
 public:
  CliTempDir() {
    char tmpl[] = "/tmp/dpmr-cli-test-XXXXXX";
    path_ = ::mkdtemp(tmpl);
  }
  ~CliTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace cps::testing
