// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli read, write, factory-read and factory-write against dpmr-sim on
// a pseudo-terminal.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/document/document.h"
#include "core/image/radio_image.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// What the window's Write sends for a file: the file as opened, with
// the channel table written back.
cps::RadioImage SentByWrite(const std::string& path) {
  cps::Document doc;
  EXPECT_TRUE(doc.Open(path));
  doc.BeforeWrite();
  return doc.image();
}

Bytes ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), {});
}
void WriteFile(const fs::path& p, const Bytes& b) {
  std::ofstream f(p, std::ios::binary);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
Bytes Pattern(int seed) {
  Bytes b(16384);
  for (std::size_t a = 0; a < b.size(); ++a) b[a] = static_cast<unsigned char>((a * 13 + seed) ^ (a >> 7));
  return b;
}

// A child process with its stdout and stderr in pipes.
struct Child {
  pid_t pid = -1;
  int out = -1, err = -1;
  static Child Start(const std::vector<std::string>& argv) {
    int o[2], e[2];
    if (pipe(o) != 0 || pipe(e) != 0) return {};
    Child c;
    c.pid = fork();
    if (c.pid == 0) {
      dup2(o[1], 1);
      dup2(e[1], 2);
      close(o[0]);
      close(e[0]);
      std::vector<char*> args;
      for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      execv(args[0], args.data());
      _exit(127);
    }
    close(o[1]);
    close(e[1]);
    c.out = o[0];
    c.err = e[0];
    return c;
  }
  std::string ReadLine() {
    std::string line;
    char ch;
    while (read(out, &ch, 1) == 1 && ch != '\n') line += ch;
    return line;
  }
  static std::string Drain(int fd) {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
    return s;
  }
  int Wait(std::string* stdoutText = nullptr, std::string* stderrText = nullptr) {
    std::string o = Drain(out), e = Drain(err);
    close(out);
    close(err);
    int status = 0;
    waitpid(pid, &status, 0);
    if (stdoutText) *stdoutText = o;
    if (stderrText) *stderrText = e;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

struct Sim {
  Child child;
  std::string path;
  std::vector<std::string> paths;  // with --count N: one per radio
  explicit Sim(std::vector<std::string> options, int count = 1) {
    std::vector<std::string> argv = {DPMR_SIM_PATH, "--baud", "115200", "--count", std::to_string(count)};
    argv.insert(argv.end(), options.begin(), options.end());
    child = Child::Start(argv);
    for (int i = 0; i < count; ++i) paths.push_back(child.ReadLine());
    path = paths[0];
  }
  ~Sim() {
    kill(child.pid, SIGTERM);
    child.Wait();
  }
};

struct CliRun {
  int code;
  std::string out, err;
};
CliRun Cli(std::vector<std::string> args) {
  args.insert(args.begin(), DPMR_CLI_PATH);
  Child c = Child::Start(args);
  CliRun r;
  r.code = c.Wait(&r.out, &r.err);
  return r;
}

class LinkCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("dpmr_link_cli_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string P(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

bool CatchesSigint(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
  }
  return false;
}

bool InRead(std::size_t a) { return a >= 0x0100 && !(a >= 0x3F80 && a < 0x3FA0); }
bool InWrite(std::size_t a) { return InRead(a) && !(a >= 0x3E00 && a < 0x3E40); }

TEST_F(LinkCli, ReadEditWriteReadBack) {
  const Bytes radio = Pattern(1);
  WriteFile(P("radio.dat"), radio);
  // The pattern's band bytes are no band entry: as opened, the image is for
  // 136-174 MHz, the band this radio reports (else nothing would be written).
  Sim sim({"--image", P("radio.dat"), "--save", P("saved.dat"), "--band", "136-174"});
  ASSERT_EQ(sim.path.rfind("/dev/", 0), 0u) << sim.path;

  Bytes base(16384, 0x77);
  WriteFile(P("base.dat"), base);
  CliRun r = Cli({"read", "--port", sim.path, "--baud", "115200", "-o", P("read.dat"), "--base", P("base.dat"),
                  "--app-dir", dir_.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  // not on a terminal (a script, a log): no progress bar in what it prints
  EXPECT_EQ(r.err.find('\r'), std::string::npos) << r.err;
  Bytes got = ReadFile(P("read.dat"));
  // The read is also kept, untouched, in the backups folder beside Program.ini.
  ASSERT_EQ(r.out.rfind("Read 503 blocks from the radio into " + P("read.dat") + "\nBackup kept as " + P("backups/"), 0),
            0u)
      << r.out;
  const std::string backup = r.out.substr(r.out.find("as ") + 3, r.out.size() - r.out.find("as ") - 4);
  EXPECT_EQ(ReadFile(backup), got);
  r = Cli({"backups", "--app-dir", dir_.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("16384  " + backup + "\n"), std::string::npos) << r.out;
  ASSERT_EQ(got.size(), 16384u);
  for (std::size_t a = 0; a < got.size(); ++a) {
    if (a >= 0x3F80 && a < 0x3F88) continue;  // the band edges, when erased: not here
    ASSERT_EQ(got[a], InRead(a) ? radio[a] : 0x77) << std::hex << a;
  }

  Bytes edited = got;
  edited[0x0100] ^= 0xFF;
  edited[0x3E10] ^= 0xFF;  // the radio keeps its own copy of this block
  WriteFile(P("edited.dat"), edited);
  r = Cli({"write", "--port", sim.path, P("edited.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  for (int i = 0; i < 50 && !fs::exists(P("saved.dat")); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Bytes saved = ReadFile(P("saved.dat"));
  ASSERT_EQ(saved.size(), 16384u);
  // The radio gets what the window's Write sends for this file: the file as
  // opened, with the channel table written back.
  const cps::RadioImage sent = SentByWrite(P("edited.dat"));
  bool changed = false;  // the pattern is one the write-back rewrites
  for (std::size_t a = 0; a < edited.size(); ++a) changed |= InWrite(a) && sent.Byte(a) != edited[a];
  ASSERT_TRUE(changed);
  for (std::size_t a = 0; a < saved.size(); ++a)
    ASSERT_EQ(saved[a], InWrite(a) ? sent.Byte(a) : radio[a]) << std::hex << a;

  r = Cli({"read", "--port", sim.path, "-o", P("back.dat"), "--base", P("edited.dat"), "--no-backup",
           "--app-dir", dir_.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.find("Backup"), std::string::npos) << r.out;
  EXPECT_EQ(std::distance(fs::directory_iterator(P("backups")), fs::directory_iterator()), 1);
  Bytes back = ReadFile(P("back.dat"));
  EXPECT_EQ(back[0x0100], sent.Byte(0x0100));
  EXPECT_EQ(back[0x3E10], radio[0x3E10]);
}

TEST_F(LinkCli, FailuresGiveTheirExitCodesAndWriteNothing) {
  Sim silent({"--fault", "silent"});
  CliRun r = Cli({"read", "--port", silent.path, "-o", P("out.dat"), "--app-dir", dir_.string()});
  EXPECT_EQ(r.code, 4);
  EXPECT_FALSE(fs::exists(P("backups")));
  EXPECT_NE(r.err.find("\xE9\x80\x9A\xE4\xBF\xA1\xE5\x87\xBA\xE9\x8C\xAF\n"), std::string::npos) << r.err;  // 通信出錯
  EXPECT_NE(r.err.find("handshake"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(P("out.dat")));

  r = Cli({"write", "--port", P("no-such-port"), P("out.dat")});
  EXPECT_EQ(r.code, 1) << r.err;  // the file is missing: nothing to write
  WriteFile(P("img.dat"), Pattern(2));
  r = Cli({"write", "--port", P("no-such-port"), P("img.dat")});
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.err.rfind("Cound not open the port.\n", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
}

TEST_F(LinkCli, AReadThatCannotBeSavedNamesItsBackup) {
  // The radio's memory was read, but the file cannot take it: the read is
  // not lost, the backup holds it and its path is printed.
  const Bytes radio = Pattern(5);
  WriteFile(P("radio.dat"), radio);
  Sim sim({"--image", P("radio.dat")});
  fs::create_directories(P("folder.dat"));
  WriteFile(P("locked.dat"), Bytes(16384, 0x10));
  fs::permissions(P("locked.dat"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  struct Case {
    std::vector<std::string> args;
    std::size_t from, to;  // the bytes the backup holds from the radio
  };
  const Case cases[] = {
      {{"read", "-o", P("folder.dat")}, 0x0100, 0x3F80},
      {{"factory-read", P("locked.dat")}, 0x0040, 0x0088},
  };
  for (const Case& c : cases) {
    fs::remove_all(P("backups"));
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--port", sim.path, "--baud", "115200", "--app-dir", dir_.string()});
    CliRun r = Cli(args);
    EXPECT_EQ(r.code, 1) << c.args[0] << r.out << r.err;
    EXPECT_NE(r.err.find("cannot write"), std::string::npos) << c.args[0] << r.err;
    const std::size_t at = r.out.find("Backup kept as ");
    if (at == std::string::npos) {
      ADD_FAILURE() << c.args[0] << ": no backup named in: " << r.out;
      continue;
    }
    const std::string path = r.out.substr(at + 15, r.out.find('\n', at) - at - 15);
    const Bytes kept = ReadFile(path);
    ASSERT_EQ(kept.size(), 16384u) << c.args[0] << path;
    for (std::size_t a = c.from; a < c.to; ++a) ASSERT_EQ(kept[a], radio[a]) << c.args[0] << std::hex << a;
  }
}

TEST_F(LinkCli, WriteWithVerify) {
  WriteFile(P("img.dat"), Pattern(4));
  Sim good({"--band", "136-174"});  // the band the pattern opens with
  CliRun r = Cli({"write", "--verify", "--port", good.path, "--app-dir", dir_.string(), P("img.dat")});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Wrote 501 blocks into the radio, verified\nBackup kept as ", 0), 0u) << r.out;

  // Block 4 of a write is 0x0160; the radio stores its byte 7 inverted.
  Sim corrupting({"--fault", "corrupt:4", "--band", "136-174"});
  r = Cli({"write", "--verify", "--port", corrupting.path, "--app-dir", dir_.string(), P("img.dat")});
  EXPECT_EQ(r.code, 6) << r.err;
  const unsigned char wanted = SentByWrite(P("img.dat")).Byte(0x0167);
  char expected[96];
  std::snprintf(expected, sizeof expected, "Verify failed at 0x0167: the radio holds 0x%02X, the image 0x%02X.\n",
                static_cast<unsigned char>(~wanted), wanted);
  EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
}

TEST_F(LinkCli, TraceOfAFailedReadShowsWhereItStopped) {
  Sim sim({"--fault", "missing-block:3"});
  CliRun r = Cli({"read", "--port", sim.path, "-o", P("out.dat"), "--trace", P("read.trace"), "--app-dir", dir_.string()});
  EXPECT_EQ(r.code, 4) << r.err;
  std::ifstream trace(P("read.trace"));
  std::vector<std::string> lines;
  std::string header;
  std::getline(trace, header);
  for (std::string line; std::getline(trace, line);) lines.push_back(line.substr(line.find("  " + sim.path) + 2));
  ASSERT_GT(lines.size(), 6u);
  EXPECT_EQ(lines.front(), sim.path + "  open at 9600 baud, low latency not available on this port");
  const std::vector<std::string> tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{sim.path + "  > 52 01 40 20", sim.path + "  < (0 of 4, time-out)",
                                            sim.path + "  > 45 4E 44 57", sim.path + "  close"}));

  r = Cli({"write", "--port", sim.path, "--trace", P("no-such-dir/x.trace"), P("out.dat")});
  EXPECT_EQ(r.code, 1);
}

TEST_F(LinkCli, SeveralRadiosAtOnceEachWithItsOwnId) {
  WriteFile(P("img.dat"), Pattern(5));
  Sim sim({"--fault", "stop:50@2", "--save", P("radio.dat"), "--band", "136-174"}, 3);
  std::vector<std::string> write = {"write"};
  for (const auto& p : sim.paths) write.insert(write.end(), {"--port", p});
  write.insert(write.end(), {"--app-dir", dir_.string(), "--no-backup", P("img.dat")});

  // 8999998, 8999999, 9000000: the last is no valid ID; nothing is written.
  std::vector<std::string> refused = write;
  refused.insert(refused.end(), {"--id-from", "8999998"});
  CliRun r = Cli(refused);
  EXPECT_EQ(r.code, 2) << r.err;
  EXPECT_NE(r.err.find("9000000"), std::string::npos) << r.err;

  write.insert(write.end(), {"--id-from", "500"});
  r = Cli(write);
  EXPECT_EQ(r.code, 4) << r.err;
  const std::string header = "port        result               time      radio id\n";
  ASSERT_EQ(r.out.rfind(header, 0), 0u) << r.out;
  std::vector<std::string> rows;
  std::istringstream table(r.out.substr(header.size()));
  for (std::string line; std::getline(table, line);)
    rows.push_back(line.substr(0, 33) + "|" + line.substr(line.size() - 7));
  const std::string pad = std::string(12 - sim.paths[0].size(), ' ');
  EXPECT_EQ(rows, (std::vector<std::string>{sim.paths[0] + pad + "written              |0000500",
                                            sim.paths[1] + pad + "communication error  |0000501",
                                            sim.paths[2] + pad + "written              |0000502"}));
  EXPECT_NE(r.err.find("1 of 3 radios failed: " + sim.paths[1] + "\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(sim.paths[1] + " holds a partly written image: write it again before use.\n"), std::string::npos)
      << r.err;
  for (int i = 0; i < 50 && !fs::exists(P("radio-3.dat")); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  auto radioId = [&](const std::string& file) {
    const Bytes b = ReadFile(P(file));
    return b.size() == 16384 ? Bytes(b.begin() + 0x388, b.begin() + 0x38F) : Bytes{};
  };
  EXPECT_EQ(radioId("radio-1.dat"), (Bytes{0, 0, 0, 0, 5, 0, 0}));
  EXPECT_EQ(radioId("radio-3.dat"), (Bytes{0, 0, 0, 0, 5, 0, 2}));
  EXPECT_FALSE(fs::exists(P("radio-2.dat")));

  std::vector<std::string> read = {"read", "--port", sim.paths[0], "--port", sim.paths[2], "-o", P("reads"),
                                   "--app-dir", dir_.string()};
  r = Cli(read);
  EXPECT_EQ(r.code, 0) << r.err;
  std::string third = sim.paths[2].substr(5);  // "/dev/pts/7" is kept as "pts-7.dat"
  std::replace(third.begin(), third.end(), '/', '-');
  EXPECT_EQ(radioId("reads/" + third + ".dat"), (Bytes{0, 0, 0, 0, 5, 0, 2}));
  EXPECT_EQ(std::distance(fs::directory_iterator(P("backups")), fs::directory_iterator()), 2);
}

TEST_F(LinkCli, InterruptStopsLikeExit) {
  Sim sim({"--fault", "delay:2"});  // slow enough to be interrupted
  Child cli = Child::Start({DPMR_CLI_PATH, "read", "--port", sim.path, "-o", P("out.dat"), "--app-dir", dir_.string()});
  // Once the tool catches SIGINT, the transfer is under way.
  for (int i = 0; i < 500 && !CatchesSigint(cli.pid); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(cli.pid, SIGINT);
  std::string err;
  EXPECT_EQ(cli.Wait(nullptr, &err), 5) << err;
  EXPECT_FALSE(fs::exists(P("out.dat")));
}

TEST_F(LinkCli, PortFromProgramIniAndFactoryBlock) {
  const Bytes radio = Pattern(3);
  WriteFile(P("radio.dat"), radio);
  Sim sim({"--image", P("radio.dat"), "--save", P("saved.dat")});
  {
    std::ofstream ini(P("Program.ini"));
    ini << "[Setup]\r\nCOM=" << sim.path << "\r\nBaudRate=115200\r\n";
  }
  const Bytes mine(16384, 0x10);
  WriteFile(P("mine.dat"), mine);
  CliRun r = Cli({"factory-read", "--app-dir", dir_.string(), P("mine.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Read successfully\nBackup kept as " + P("backups/"), 0), 0u) << r.out;
  const Bytes got = ReadFile(P("mine.dat"));
  for (std::size_t a = 0; a < got.size(); ++a)
    ASSERT_EQ(got[a], a >= 0x40 && a < 0x88 ? radio[a] : 0x10) << std::hex << a;

  Bytes changed = got;
  changed[0x0048] = 0x2B;
  changed[0x0049] = 0x1A;
  WriteFile(P("changed.dat"), changed);
  r = Cli({"factory-write", "--port", sim.path, P("changed.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Write successfully\n");
  // The last factory block ends the write: the simulated radio saves its
  // memory then. Read the block back as well.
  for (int i = 0; i < 50 && !fs::exists(P("saved.dat")); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Bytes saved = ReadFile(P("saved.dat"));
  ASSERT_EQ(saved.size(), 16384u);
  EXPECT_EQ(saved[0x0048], 0x2B);
  EXPECT_EQ(saved[0x0049], 0x1A);
  WriteFile(P("again.dat"), mine);
  r = Cli({"factory-read", "--port", sim.path, "--no-backup", P("again.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  const Bytes again = ReadFile(P("again.dat"));
  EXPECT_EQ(again[0x0048], 0x2B);
  EXPECT_EQ(again[0x0049], 0x1A);
}


// A radio of random content is read (its backup kept) and the backup put
// back into another radio: that radio then holds every written block of
// the first byte for byte, however odd the content. Asked first, unless
// --yes; "write --exact" sends the same.
TEST_F(LinkCli, RestorePutsABackupBackByteForByte) {
  std::mt19937 random(7);
  for (const std::string how : {"restore", "write --exact"}) {
    SCOPED_TRACE(how);
    fs::remove_all(P("backups"));
    fs::remove(P("saved.dat"));
    Bytes radio(16384), other(16384);
    for (auto& b : radio) b = static_cast<unsigned char>(random());
    for (auto& b : other) b = static_cast<unsigned char>(random());
    WriteFile(P("radio.dat"), radio);
    WriteFile(P("other.dat"), other);
    Sim first({"--image", P("radio.dat")});
    CliRun r = Cli({"read", "--port", first.path, "-o", P("read.dat"), "--app-dir", dir_.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto list = fs::directory_iterator(P("backups"));
    const std::string backup = list->path().string();

    Sim second({"--image", P("other.dat"), "--save", P("saved.dat")});
    std::vector<std::string> args = {"restore", "--port", second.path, "--yes", backup};
    if (how != "restore") args = {"write", "--exact", "--port", second.path, backup};
    r = Cli(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Wrote 501 blocks into the radio, exactly as in the file\n"), std::string::npos) << r.out;
    for (int i = 0; i < 100 && !fs::exists(P("saved.dat")); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const Bytes saved = ReadFile(P("saved.dat"));
    ASSERT_EQ(saved.size(), 16384u);
    for (std::size_t a = 0; a < saved.size(); ++a) ASSERT_EQ(saved[a], InWrite(a) ? radio[a] : other[a]) << std::hex << a;
  }

  // Without --yes the restore asks; anything but yes writes nothing.
  Sim sim({"--save", P("declined.dat")});
  WriteFile(P("img.dat"), Pattern(9));
  Child asked = Child::Start({"/bin/sh", "-c",
                              "echo n | '" + std::string(DPMR_CLI_PATH) + "' restore --port " + sim.path + " '" +
                                  P("img.dat") + "'"});
  std::string out, err;
  EXPECT_EQ(asked.Wait(&out, &err), 5) << err;
  EXPECT_NE(out.find("Write it into the radio? [y/N] "), std::string::npos) << out;
  EXPECT_NE(out.find("  radio id    "), std::string::npos) << out;
  EXPECT_EQ(err, "Nothing was written.\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(fs::exists(P("declined.dat")));
}

// A program killed halfway (a closed terminal, timeout, kill) leaves its
// trace with every exchange up to then, after the header.
TEST_F(LinkCli, TraceSurvivesSigterm) {
  Sim sim({"--fault", "delay:2"});  // slow enough to be killed halfway
  Child cli = Child::Start({DPMR_CLI_PATH, "read", "--port", sim.path, "-o", P("out.dat"), "--trace", P("t.trace"),
                            "--app-dir", dir_.string()});
  auto traced = [&] {
    std::ifstream f(P("t.trace"));
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  for (int i = 0; i < 1000 && traced().find("< 57 01 20 20") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  kill(cli.pid, SIGTERM);
  cli.Wait();
  std::vector<std::string> lines;
  std::istringstream in(traced());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[0].rfind("Serial trace by dpmr-cli ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(", begun 20"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("  " + sim.path + "  open at 9600 baud, low latency not available on this port"),
            std::string::npos)
      << lines[1];
  for (const char* exchange : {"> 52 01 00 20", "< 57 01 00 20", "> 52 01 20 20", "< 57 01 20 20"})
    EXPECT_NE(traced().find(exchange), std::string::npos) << exchange;
}

// diff FILE --port: the radio is read (and kept), what a write of FILE would
// change is printed, radio value first; --yes then writes it.
TEST_F(LinkCli, DiffWithTheRadioThenWrite) {
  ASSERT_EQ(Cli({"new", "-o", P("radio.dat"), "--app-dir", dir_.string()}).code, 0);
  ASSERT_EQ(Cli({"set", P("radio.dat"), "channel.2.rx_freq=433.125"}).code, 0);
  ASSERT_EQ(Cli({"set", P("radio.dat"), "channel.2.rx_freq=434.5", "-o", P("mine.dat")}).code, 0);
  Sim sim({"--image", P("radio.dat"), "--save", P("saved.dat")});
  CliRun r = Cli({"diff", P("mine.dat"), "--port", sim.path, "--app-dir", dir_.string()});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_NE(r.out.find("channel.2.rx_freq: \"433.125"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("-> \"434.5"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Backup kept as "), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(P("saved.dat")));  // nothing written

  r = Cli({"diff", P("mine.dat"), "--port", sim.path, "--yes", "--no-backup", "--app-dir", dir_.string()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Wrote 501 blocks into the radio\n"), std::string::npos) << r.out;
  for (int i = 0; i < 100 && !fs::exists(P("saved.dat")); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const Bytes saved = ReadFile(P("saved.dat"));
  ASSERT_EQ(saved.size(), 16384u);
  const cps::RadioImage sent = SentByWrite(P("mine.dat"));
  for (std::size_t a = 0; a < saved.size(); ++a)
    if (InWrite(a)) ASSERT_EQ(saved[a], sent.Byte(a)) << std::hex << a;
}

}  // namespace

namespace cps {
namespace {

// A radio kept in one file across runs: before the first write the file is
// not there, and the radio starts new instead of refusing.
TEST_F(LinkCli, SimulatorKeptInAFileThatIsNotThereYet) {
  Sim sim({"--image", P("radio.dat"), "--save", P("radio.dat")});
  ASSERT_EQ(sim.path.rfind("/dev/", 0), 0u) << sim.path;
  ASSERT_EQ(Cli({"new", "-o", P("a.dat"), "--app-dir", dir_.string()}).code, 0);
  const CliRun r = Cli({"write", "--port", sim.path, P("a.dat"), "--app-dir", dir_.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  // the radio saves once the write has ended
  for (int i = 0; i < 250 && !fs::exists(P("radio.dat")); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(fs::exists(P("radio.dat")));
  EXPECT_EQ(fs::file_size(P("radio.dat")), 16384u);
}

}  // namespace
}  // namespace cps
