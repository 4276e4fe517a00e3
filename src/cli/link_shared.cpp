// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/link_shared.h"

#include <QCoreApplication>
#include <cctype>
#include <csignal>
#include <ctime>
#include <iostream>

#include "core/link/backups.h"
#include "core/link/serial_trace.h"
#include "app_version.h"
#include "port/radio_port.h"

namespace cps::cli {

std::atomic<bool> gCancel{false};

namespace {
void OnInterrupt(int) { gCancel = true; }
}  // namespace

int ExitCodeOf(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kSuccess: return 0;
    case TransferOutcome::kPortNotOpened: return kExitPortNotOpened;
    case TransferOutcome::kCommunicationError: return kExitCommunicationError;
    case TransferOutcome::kCancelled: return kExitCancelled;
    case TransferOutcome::kVerifyFailed: return kExitVerifyFailed;
  }
  return 1;
}

InterruptAsExit::InterruptAsExit() {
  gCancel = false;
  previous_ = std::signal(SIGINT, OnInterrupt);
}
InterruptAsExit::~InterruptAsExit() { std::signal(SIGINT, previous_); }

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "dpmr-cli";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

OptionSpec PortOption(bool repeatable) {
  return {"port", "", "PORT",
          repeatable ? "the radio's serial port (default: COM of Program.ini); given\nmore than once, the radios on every port at once"
                     : "the radio's serial port (default: COM of Program.ini)",
          repeatable};
}
OptionSpec BaudOption() { return {"baud", "", "BAUD", "the baud rate (default: BaudRate of Program.ini)"}; }
OptionSpec TraceOption() {
  return {"trace", "", "FILE", "write every byte sent and received, with time stamps, into FILE"};
}
OptionSpec NoBackupOption() { return {"no-backup", "", "", "keep no copy of what is read in the backups folder"}; }

Result<LinkTarget> Target(const Args& args) {
  const AppSettings settings = LoadSettings(args);
  LinkTarget t{settings.portName, settings.baudRate};
  if (args.Has("port")) t.port = args.Value("port");
  if (args.Has("baud")) {
    const std::string b = args.Value("baud");
    char* end = nullptr;
    const long v = std::strtol(b.c_str(), &end, 10);
    if (b.empty() || *end != '\0' || v <= 0 || v > 10'000'000) return Error{"bad baud rate '" + b + "'"};
    t.baud = static_cast<int>(v);
  }
  if (t.port.empty())
    return Error{"no port is chosen: name it with --port PORT (e.g. --port /dev/ttyUSB0; ls /dev/serial/by-id/ "
                 "lists the cables plugged in), or choose one in dpmr-cps (Setting, Port)"};
  return t;
}

Result<PortOpener> Opener(const Args& args) {
  if (!args.Has("trace")) return PortOpener(OpenRadioPort);
  auto trace = SerialTrace::ToFile(args.Value("trace"), std::string("dpmr-cli ") + kVersion);
  if (!trace) return Error{trace.error()};
  return TracingOpener(OpenRadioPort, *trace);
}

bool AskYes(const std::string& question) {
  std::cout << question << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) answer.clear();
  for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return answer == "y" || answer == "yes";
}

BackupKeeper::BackupKeeper(const Args& args)
    : enabled_(!args.Has("no-backup")), folder_(LoadSettings(args).backupDirectory) {}

void BackupKeeper::Keep(const RadioImage& image, const std::string& port) {
  if (!enabled_) return;
  auto kept = SaveBackup(folder_, image, port, std::time(nullptr));
  std::lock_guard lock(mutex_);
  if (kept) notes_.push_back("Backup kept as " + *kept);
  else warnings_.push_back("dpmr-cli: warning: no backup of the read from " + port + ": " + kept.error());
}

void BackupKeeper::Print() {
  std::lock_guard lock(mutex_);
  for (const std::string& n : notes_) std::cout << n << "\n";
  for (const std::string& w : warnings_) std::cerr << w << "\n";
  notes_.clear();
  warnings_.clear();
}

}  // namespace cps::cli
