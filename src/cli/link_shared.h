// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link verbs (read, write, factory-read, factory-write, the fleet)
// share: exit codes, Ctrl+C as "Exit", the port and baud rate, the traced
// opener and the backups of every read.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/link/serial_port.h"
#include "core/link/transfer.h"

namespace cps::cli {

constexpr int kExitPortNotOpened = 3;
constexpr int kExitCommunicationError = 4;
constexpr int kExitCancelled = 5;
constexpr int kExitVerifyFailed = 6;
// The exit code of a transfer's outcome (0 for success).
int ExitCodeOf(TransferOutcome outcome);

// Set by Ctrl+C while an InterruptAsExit lives.
extern std::atomic<bool> gCancel;
class InterruptAsExit {
 public:
  InterruptAsExit();
  ~InterruptAsExit();

 private:
  void (*previous_)(int);
};

// The serial port wants an application object in the thread that opens it.
void EnsureApplication();

struct LinkTarget {
  std::string port;
  int baud = 0;
};
// --port and --baud, else "COM" and "BaudRate" of Program.ini.
Result<LinkTarget> Target(const Args& args);

// The options of the link verbs: --port (repeatable where several radios
// can be reached at once), --baud, --trace, --no-backup.
OptionSpec PortOption(bool repeatable);
OptionSpec BaudOption();
OptionSpec TraceOption();
OptionSpec NoBackupOption();

// OpenRadioPort, traced into the file of --trace when given.
Result<PortOpener> Opener(const Args& args);

// Keeps every image read completely from a radio in the backups folder,
// unless --no-backup; a backup that cannot be written is a warning only.
// Safe to call from several transfer threads.
class BackupKeeper {
 public:
  explicit BackupKeeper(const Args& args);
  void Keep(const RadioImage& image, const std::string& port);
  // Prints what happened, after the transfers.
  void Print();

 private:
  bool enabled_;
  std::string folder_;
  std::mutex mutex_;
  std::vector<std::string> notes_, warnings_;
};

}  // namespace cps::cli

namespace cps::cli {

// Several ports at once (write and read with --port given more than once,
// or write with --id-from): one transfer per port in parallel, one progress
// line per port on a terminal, a summary table at the end. `image` is what
// a write sends (each radio gets its own copy, with its id) or the base of
// a read; a read writes one file per port into the folder `out`.
// Prints `question` with " [y/N] " and reads a line: true for y or yes.
bool AskYes(const std::string& question);

// dpmr-cli diff FILE --port P: the radio read and compared with what a
// write of FILE sends; with --write (asked) or --yes, then written.
int RunDiffWithRadio(const Args& args);

int RunFleetTransfer(TransferDirection direction, const Args& args, const std::vector<std::string>& ports, int baud,
                     const RadioImage& image, const std::string& out);

}  // namespace cps::cli
