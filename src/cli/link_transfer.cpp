// SPDX-License-Identifier: GPL-3.0-or-later
// Verbs of the radio link: read, write, factory-read, factory-write.
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <csignal>
#include <ctime>
#include <mutex>
#include <iostream>

#include "cli/cli.h"
#include "cli/link_shared.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/factory/factory_pages.h"
#include "core/link/backups.h"
#include "core/link/factory_exchange.h"
#include "core/link/serial_trace.h"
#include "core/link/transfer.h"
#include "port/radio_port.h"

namespace cps::cli {
namespace {
// A progress bar with the percent text on stderr, when it is a terminal.
class ProgressBar {
 public:
  ProgressBar() : enabled_(::isatty(STDERR_FILENO) == 1) {}
  ~ProgressBar() { Finish(); }
  void Show(int position) {
    if (!enabled_) return;
    constexpr int kWidth = 40;
    const int filled = position * kWidth / kTransferProgressMax;
    std::cerr << "\r" << label_ << "[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << ProgressText(position)
              << "   " << std::flush;
    shown_ = true;
  }
  void Finish() {
    if (shown_) std::cerr << "\n";
    shown_ = false;
  }
  void SetLabel(std::string label) {
    Finish();
    label_ = std::move(label);
  }

 private:
  std::string label_;
  bool enabled_;
  bool shown_ = false;
};

// Prints the program's message and the reason; returns the exit code.
int Report(const TransferResult& r, const std::string& afterwards) {
  switch (r.outcome) {
    case TransferOutcome::kSuccess:
      return 0;
    case TransferOutcome::kPortNotOpened:
      std::cerr << kPortNotOpenedMessage << "\n" << r.reason << "\n";
      return kExitPortNotOpened;
    case TransferOutcome::kCommunicationError:
      std::cerr << kCommunicationErrorMessage << "\n" << r.reason << "\n";
      if (!afterwards.empty()) std::cerr << afterwards << "\n";
      return kExitCommunicationError;
    case TransferOutcome::kCancelled:
      std::cerr << "Stopped (\"ENDW\" sent)." << (afterwards.empty() ? "" : " " + afterwards) << "\n";
      return kExitCancelled;
    case TransferOutcome::kVerifyFailed:
      std::cerr << r.reason << "\n";
      return kExitVerifyFailed;
  }
  return 1;
}

// Shows what the radio will hold after a restore and asks; true to go on.
bool ConfirmRestore(const Args& args, const std::string& path, const RadioImage& image,
                    const std::vector<std::string>& ports) {
  const RadioIdentity radio = IdentifyRadio(image);
  std::string where;
  for (const std::string& p : ports) where += (where.empty() ? "" : ", ") + p;
  std::cout << "The radio on " << where << " will hold " << path << " byte for byte as it is kept\n"
            << "(no repair, no channel-table write-back):\n"
            << "  radio name  " << radio.name << "\n"
            << "  radio id    " << radio.id << "\n"
            << "  blocks      " << kWriteBlockCount
            << " of 32 bytes, 0x0100-0x3FFF (the radio keeps its own 0x3E00-0x3E3F and 0x3F80-0x3F9F)\n";
  return args.Has("yes") || AskYes("Write it into the radio?");
}

enum class LinkVerb { kRead, kWrite, kRestore };

int RunTransferVerb(LinkVerb which, const Args& args) {
  const TransferDirection direction = which == LinkVerb::kRead ? TransferDirection::kRead : TransferDirection::kWrite;
  const bool read = direction == TransferDirection::kRead;
  const std::string verb = which == LinkVerb::kRead ? "read" : which == LinkVerb::kWrite ? "write" : "restore";
  auto target = Target(args);
  if (!target) return Fail(verb + ": " + target.error());

  RadioImage image;
  std::string out;
  if (read) {
    out = OutputPath(args);
    if (out.empty()) return Fail("read: an output file is needed: dpmr-cli read --port PORT -o FILE");
    if (!args.positional.empty()) return Fail("read: unexpected argument '" + args.positional[0] + "'");
    if (Status guard = GuardImageOverwrite(args, out); !guard) return Fail("read: " + guard.error() + " (nothing read)", 1);
    if (args.Has("base")) {
      auto base = LoadRaw(args.Value("base"));
      if (!base) return Fail("read: " + base.error(), 1);
      image = *base;
    } else {
      image = NewImage(LoadSettings(args).DefaultDatPath());
    }
  } else if (which == LinkVerb::kRestore || args.Has("exact")) {
    if (args.positional.size() != 1) return Fail(verb + ": name one image file: dpmr-cli " + verb + " --port PORT FILE");
    // The file's bytes exactly as they are: no repair, no write-back.
    auto raw = LoadRaw(args.positional[0]);
    if (!raw) return Fail(verb + ": " + raw.error(), 1);
    image = *raw;
  } else {
    if (args.positional.size() != 1) return Fail("write: name one image file: dpmr-cli write --port PORT FILE");
    // What the window's Write sends for this file: the file as opened (its
    // repair passes), then the channel table's write-back.
    auto doc = OpenDocument(args.positional[0]);
    if (!doc) return Fail("write: " + doc.error(), 1);
    doc->BeforeWrite();
    image = doc->image();
  }

  const std::vector<std::string> ports = args.Values("port");
  if (which == LinkVerb::kRestore &&
      !ConfirmRestore(args, args.positional[0], image, ports.empty() ? std::vector<std::string>{target->port} : ports)) {
    std::cerr << "Nothing was written.\n";
    return kExitCancelled;
  }
  if (ports.size() > 1 || args.Has("id-from"))
    return RunFleetTransfer(direction, args, ports.empty() ? std::vector<std::string>{target->port} : ports,
                            target->baud, image, out);

  auto opener = Opener(args);
  if (!opener) return Fail(verb + ": " + opener.error(), 1);
  EnsureApplication();
  BackupKeeper backups(args);
  TransferResult result;
  {
    InterruptAsExit interrupt;
    ProgressBar bar;
    TransferCallbacks callbacks;
    callbacks.progress = [&bar](int position) { bar.Show(position); };
    callbacks.readCompleted = [&backups, &target](const RadioImage& read) { backups.Keep(read, target->port); };
    callbacks.verifying = [&bar] { bar.SetLabel("verify "); };
    result = RunTransfer(*opener, target->port, target->baud, direction, image, gCancel, callbacks,
                         TransferOptions{args.Has("verify")});
  }
  if (!result.ok()) {
    backups.Print();  // a verify read-back that differs is kept too
    const int code = Report(result, read ? out + " was not written." : "");
    if (result.partlyWritten) std::cerr << target->port << " " << kPartlyWrittenMessage << ".\n";
    return code;
  }
  // The percent text stops at 99%: say plainly that the transfer completed.
  if (read) {
    Status st = SaveImageFile(out, image);
    if (!st) {
      backups.Print();  // the read is not lost: say where it is kept
      return Fail("read: cannot write " + st.error(), 1);
    }
    std::cout << "Read " << kReadBlockCount << " blocks from the radio into " << out << "\n";
  } else {
    std::cout << "Wrote " << kWriteBlockCount << " blocks into the radio"
              << (which == LinkVerb::kRestore || args.Has("exact") ? ", exactly as in the file" : "")
              << (args.Has("verify") ? ", verified" : "") << "\n";
  }
  backups.Print();
  return 0;
}

int RunFactoryVerb(FactoryDirection direction, const Args& args) {
  const bool read = direction == FactoryDirection::kRead;
  const std::string verb = read ? "factory-read" : "factory-write";
  if (args.positional.size() != 1) return Fail(verb + ": name one image file: dpmr-cli " + verb + " --port PORT FILE");
  auto target = Target(args);
  if (!target) return Fail(verb + ": " + target.error());
  const std::string path = args.positional[0];
  auto loaded = LoadRaw(path);
  if (!loaded) return Fail(verb + ": " + loaded.error(), 1);
  // the read is saved into FILE: a longer file would be cut
  if (read)
    if (Status guard = GuardImageOverwrite(args, path); !guard) return Fail(verb + ": " + guard.error() + " (nothing read)", 1);
  RadioImage image = *loaded;
  // The block as the factory dialog's Write sends it: its tabs stored first.
  // The file itself is not changed.
  if (!read) StoreFactoryPages(image);
  auto opener = Opener(args);
  if (!opener) return Fail(verb + ": " + opener.error(), 1);

  EnsureApplication();
  TransferResult result;
  {
    InterruptAsExit interrupt;
    result = read ? FactoryRead(*opener, target->port, target->baud, image, gCancel)
                  : FactoryWrite(*opener, target->port, target->baud, image, gCancel);
  }
  const std::string message = FactoryMessage(result, direction);
  if (result.ok()) {
    // Kept before the file is written, so that a file that cannot take the
    // read does not lose it.
    BackupKeeper backups(args);
    if (read) backups.Keep(image, target->port);
    if (read) {
      Status st = SaveImageFile(path, image);
      if (!st) {
        backups.Print();
        return Fail(verb + ": cannot write " + st.error(), 1);
      }
    }
    std::cout << message << "\n";
    backups.Print();
    return 0;
  }
  if (result.outcome == TransferOutcome::kCancelled) {
    std::cerr << "Stopped." << (read ? " " + path + " was not changed." : "") << "\n";
    return kExitCancelled;
  }
  std::cerr << message << "\n" << result.reason << "\n";
  if (read) std::cerr << path << " was not changed.\n";
  return result.outcome == TransferOutcome::kPortNotOpened ? kExitPortNotOpened : kExitCommunicationError;
}

const char* const kLinkNotes =
    "The trace begins with the program, its version and the time; each open names\n"
    "the port, the baud rate and whether low latency was granted; it is written as\n"
    "it goes, with the port's opens, purges and pauses.\n";
const std::string kExitCodes = std::string(
    "Exit codes: 0 done, 1 file error, 2 usage, 3 port not opened, 4 communication\n"
    "error (also when the port itself failed: \"The connection to the radio was\n"
    "lost\"), 5 stopped with Ctrl+C (or a restore not confirmed), 6 verify failed.\n"
    "A write that stops halfway names the radio: \"PORT holds a partly written\n"
    "image: write it again before use\".\n") + kLinkNotes;
// the calibration block is never verified: no exit code 6
const std::string kFactoryExitCodes = std::string(
    "Exit codes: 0 done, 1 file error, 2 usage, 3 port not opened, 4 communication\n"
    "error (also when the port itself failed: \"The connection to the radio was\n"
    "lost\"), 5 stopped with Ctrl+C.\n") + kLinkNotes;
const OptionSpec kVerifyOption{"verify", "", "",
                               "read the radio back afterwards and compare every written block\n"
                               "(exit code 6 and the first differing address when they differ)"};

VerbRegistrar readVerb({"read", "read the radio's memory into an image file", {"-o FILE"},
                        "Reads the radio into the image of --base (default: a new image) and writes\n"
                        "FILE only when the read completes, exactly as read. A copy is also kept in\n"
                        "the backups folder (see 'dpmr-cli backups') unless --no-backup.\n"
                        "With --port given more than once, the radios are read at once and -o names\n"
                        "a folder: one file per port (e.g. ttyUSB0.dat), a summary table at the end.\n",
                        {PortOption(true), BaudOption(), OutputOption("the image file to write (a folder with several ports)"),
                         {"base", "", "FILE", "read into this image instead of a new one"}, TraceOption(),
                         NoBackupOption(), ForceOption("overwrite a FILE of another size than an image all the same"),
                         AppDirOption()},
                        [](const Args& args) { return RunTransferVerb(LinkVerb::kRead, args); }, kExitCodes});
VerbRegistrar writeVerb({"write", "write an image file into the radio", {"FILE"},
                         "Opens FILE as File, Open does (with its repair passes) and writes into the\n"
                         "radio what Program, Write sends: the image after the channel table's\n"
                         "write-back. FILE itself is not changed. --exact sends the file's bytes\n"
                         "exactly as stored instead (see also 'dpmr-cli restore').\n"
                         "With --port given more than once, every radio is written at once, each on\n"
                         "its own thread; a summary table (port, result, time) follows, the exit code\n"
                         "is 0 only when all succeeded.\n",
                         {PortOption(true), BaudOption(), kVerifyOption,
                          {"exact", "", "", "send FILE's bytes exactly as stored: no repair, no write-back"},
                          {"id-from", "", "N",
                           "give the radios the dPMR radio ids N, N+1, ... in port order (refused\n"
                           "before anything is written when one would pass 8999999); only the\n"
                           "seven id bytes differ from a plain write"},
                          TraceOption(), NoBackupOption(), AppDirOption()},
                         [](const Args& args) { return RunTransferVerb(LinkVerb::kWrite, args); }, kExitCodes});
VerbRegistrar restoreVerb(
    {"restore", "put a backup (or any image file) back into the radio byte for byte", {"BACKUP"},
     "Sends BACKUP's bytes into the radio exactly as they are stored: no repair and no\n"
     "channel-table write-back, unlike 'dpmr-cli write'. Shows what the radio will\n"
     "hold (radio name and id) and asks first, unless --yes. The backups are listed by\n"
     "'dpmr-cli backups'. The same as 'dpmr-cli write --exact' after the question.\n",
     {PortOption(true), BaudOption(), kVerifyOption, {"yes", "", "", "write without asking"}, TraceOption(),
      NoBackupOption(), AppDirOption()},
     [](const Args& args) { return RunTransferVerb(LinkVerb::kRestore, args); }, kExitCodes});
VerbRegistrar factoryReadVerb(
    {"factory-read", "read the calibration block (0x0040-0x0087) into an image file", {"FILE"},
     "Reads the 72-byte calibration block from the radio into FILE's image and saves\n"
     "FILE (a copy also goes into the backups folder unless --no-backup). A FILE of\n"
     "another size than an image is refused before the read.\n",
     {PortOption(false), BaudOption(), TraceOption(), NoBackupOption(),
      ForceOption("read into a FILE of another size than an image all the same"), AppDirOption()},
     [](const Args& args) { return RunFactoryVerb(FactoryDirection::kRead, args); }, kFactoryExitCodes});
VerbRegistrar factoryWriteVerb(
    {"factory-write", "write the calibration block of an image file into the radio", {"FILE"},
     "Writes the 72-byte calibration block of FILE's image into the radio, as the\n"
     "factory dialog's Write sends it (a gain outside its list is sent as 0).\n",
     {PortOption(false), BaudOption(), TraceOption(), AppDirOption()},
     [](const Args& args) { return RunFactoryVerb(FactoryDirection::kWrite, args); }, kFactoryExitCodes});

int RunBackupsVerb(const Args& args) {
  if (!args.positional.empty()) return Fail("backups: unexpected argument '" + args.positional[0] + "'");
  const AppSettings settings = LoadSettings(args);
  const std::string folder = settings.backupDirectory;
  // an earlier version kept them beside a program that is no portable
  // install (a build folder): listed too, and the user told to move them
  const auto list = ListBackups(folder, settings.strayBackupDirectory);
  const auto stray = std::count_if(list.begin(), list.end(), [](const Backup& b) { return b.stray; });
  if (list.empty()) {
    std::cout << "No backups in " << folder << "\n";
    return 0;
  }
  auto padded = [](std::string s, std::size_t width) {
    s.resize(std::max(s.size() + 2, width), ' ');
    return s;
  };
  std::cout << "time                 port        radio name  radio id       size  path\n";
  for (const Backup& b : list) {
    std::string size = std::to_string(b.file.size);
    size.insert(0, size.size() < 8 ? 8 - size.size() : 0, ' ');
    std::cout << b.file.time << "  " << padded(b.file.port, 12)
              << padded(b.readable ? b.radio.name : "(cannot be read)", 12) << padded(b.radio.id, 9) << size << "  "
              << b.file.path << "\n";
  }
  if (stray > 0)
    std::cerr << "dpmr-cli: note: "
              << StrayBackupsNote(static_cast<std::size_t>(stray), settings.strayBackupDirectory, folder) << "\n";
  return 0;
}

VerbRegistrar backupsVerb({"backups", "list the images kept from every read (newest first)", {""},
                           "Lists the backups folder: every successful read (and verify read-back) is kept\n"
                           "there as YYYYMMDD-HHMMSS-<port>.dat, the newest 100; the list shows the\n"
                           "radio name and id each one holds. The folder is backups/ beside Program.ini\n"
                           "in a portable install (a Program.ini in the program's folder, or --app-dir),\n"
                           "else ~/.local/share/dpmr-cps/backups/. Backups found beside a program that is\n"
                           "no portable install (a build folder) are listed too, with a note to move them.\n"
                           "Open one with dpmr-cps, or put it back into the radio byte for byte with\n"
                           "'dpmr-cli restore BACKUP'.\n",
                           {AppDirOption()}, RunBackupsVerb});

}  // namespace
}  // namespace cps::cli
