// Verbs of the radio link: read, write, factory-read, factory-write.
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <iostream>

#include "cli/cli.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/factory/factory_pages.h"
#include "core/link/factory_exchange.h"
#include "core/link/transfer.h"
#include "port/radio_port.h"

namespace cps::cli {
namespace {

constexpr int kExitPortNotOpened = 3;
constexpr int kExitCommunicationError = 4;
constexpr int kExitCancelled = 5;

std::atomic<bool> gCancel{false};
void OnInterrupt(int) { gCancel = true; }

// The serial port wants an application object in the thread that opens it.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "dpmr-cli";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

// Ctrl+C acts as "Exit" while a transfer runs.
class InterruptAsExit {
 public:
  InterruptAsExit() {
    gCancel = false;
    previous_ = std::signal(SIGINT, OnInterrupt);
  }
  ~InterruptAsExit() { std::signal(SIGINT, previous_); }

 private:
  void (*previous_)(int);
};

struct LinkTarget {
  std::string port;
  int baud = 0;
};

// --port and --baud, else "COM" and "BaudRate" of Program.ini.
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
  return t;
}

// A progress bar with the percent text on stderr, when it is a terminal.
class ProgressBar {
 public:
  ProgressBar() : enabled_(::isatty(STDERR_FILENO) == 1) {}
  ~ProgressBar() { Finish(); }
  void Show(int position) {
    if (!enabled_) return;
    constexpr int kWidth = 40;
    const int filled = position * kWidth / kTransferProgressMax;
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << ProgressText(position)
              << "   " << std::flush;
    shown_ = true;
  }
  void Finish() {
    if (shown_) std::cerr << "\n";
    shown_ = false;
  }

 private:
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
  }
  return 1;
}

int RunTransferVerb(TransferDirection direction, const std::vector<std::string>& argv) {
  const bool read = direction == TransferDirection::kRead;
  const std::string verb = read ? "read" : "write";
  auto args = read ? ParseArgs(argv, {"port", "baud", "o", "output", "base", "app-dir"}, {})
                   : ParseArgs(argv, {"port", "baud", "app-dir"}, {});
  if (!args) return Fail(verb + ": " + args.error());
  auto target = Target(*args);
  if (!target) return Fail(verb + ": " + target.error());

  RadioImage image;
  std::string out;
  if (read) {
    out = args->Has("o") ? args->Value("o") : args->Value("output");
    if (out.empty()) return Fail("read: an output file is needed: dpmr-cli read --port PORT -o FILE");
    if (!args->positional.empty()) return Fail("read: unexpected argument '" + args->positional[0] + "'");
    if (args->Has("base")) {
      auto base = LoadRaw(args->Value("base"));
      if (!base) return Fail("read: " + base.error(), 1);
      image = *base;
    } else {
      image = NewImage(LoadSettings(*args).DefaultDatPath());
    }
  } else {
    if (args->positional.size() != 1) return Fail("write: name one image file: dpmr-cli write --port PORT FILE");
    auto loaded = LoadRaw(args->positional[0]);
    if (!loaded) return Fail("write: " + loaded.error(), 1);
    image = *loaded;
  }

  EnsureApplication();
  TransferResult result;
  {
    InterruptAsExit interrupt;
    ProgressBar bar;
    TransferCallbacks callbacks;
    callbacks.progress = [&bar](int position) { bar.Show(position); };
    result = RunTransfer(OpenRadioPort, target->port, target->baud, direction, image, gCancel, callbacks);
  }
  if (!result.ok()) return Report(result, read ? out + " was not written." : "");
  // The percent text stops at 99%: say plainly that the transfer completed.
  if (read) {
    Status st = SaveImageFile(out, image);
    if (!st) return Fail("read: cannot write " + st.error(), 1);
    std::cout << "Read " << kReadBlockCount << " blocks from the radio into " << out << "\n";
  } else {
    std::cout << "Wrote " << kWriteBlockCount << " blocks into the radio\n";
  }
  return 0;
}

int RunFactoryVerb(FactoryDirection direction, const std::vector<std::string>& argv) {
  const bool read = direction == FactoryDirection::kRead;
  const std::string verb = read ? "factory-read" : "factory-write";
  auto args = ParseArgs(argv, {"port", "baud", "app-dir"}, {});
  if (!args) return Fail(verb + ": " + args.error());
  if (args->positional.size() != 1) return Fail(verb + ": name one image file: dpmr-cli " + verb + " --port PORT FILE");
  auto target = Target(*args);
  if (!target) return Fail(verb + ": " + target.error());
  const std::string path = args->positional[0];
  auto loaded = LoadRaw(path);
  if (!loaded) return Fail(verb + ": " + loaded.error(), 1);
  RadioImage image = *loaded;
  // The block as the factory dialog's Write sends it: its tabs stored first.
  // The file itself is not changed.
  if (!read) StoreFactoryPages(image);

  EnsureApplication();
  TransferResult result;
  {
    InterruptAsExit interrupt;
    result = read ? FactoryRead(OpenRadioPort, target->port, target->baud, image, gCancel)
                  : FactoryWrite(OpenRadioPort, target->port, target->baud, image, gCancel);
  }
  const std::string message = FactoryMessage(result, direction);
  if (result.ok()) {
    if (read) {
      Status st = SaveImageFile(path, image);
      if (!st) return Fail(verb + ": cannot write " + st.error(), 1);
    }
    std::cout << message << "\n";
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

const char* const kExitCodes =
    "Exit codes: 0 done, 1 file error, 2 usage, 3 port not opened, 4 communication error,\n"
    "5 stopped with Ctrl+C. Without --port (--baud), the port (baud rate) comes from\n"
    "\"COM\" (\"BaudRate\") of Program.ini.\n";

VerbRegistrar readVerb({"read", "read the radio's memory into an image file",
                        std::string("usage: dpmr-cli read [--port PORT] [--baud N] -o FILE [--base FILE] [--app-dir DIR]\n"
                                    "Reads the radio into the image of --base (default: a new image) and writes\n"
                                    "FILE only when the read completes, exactly as read.\n") +
                            kExitCodes,
                        [](const std::vector<std::string>& argv) { return RunTransferVerb(TransferDirection::kRead, argv); }});
VerbRegistrar writeVerb({"write", "write an image file into the radio",
                         std::string("usage: dpmr-cli write [--port PORT] [--baud N] FILE [--app-dir DIR]\n"
                                     "Writes FILE's image into the radio as it is.\n") +
                             kExitCodes,
                         [](const std::vector<std::string>& argv) { return RunTransferVerb(TransferDirection::kWrite, argv); }});
VerbRegistrar factoryReadVerb(
    {"factory-read", "read the calibration block (0x0040-0x0087) into an image file",
     std::string("usage: dpmr-cli factory-read [--port PORT] [--baud N] FILE [--app-dir DIR]\n"
                 "Reads the 72-byte calibration block from the radio into FILE's image and saves FILE.\n") +
         kExitCodes,
     [](const std::vector<std::string>& argv) { return RunFactoryVerb(FactoryDirection::kRead, argv); }});
VerbRegistrar factoryWriteVerb(
    {"factory-write", "write the calibration block of an image file into the radio",
     std::string("usage: dpmr-cli factory-write [--port PORT] [--baud N] FILE [--app-dir DIR]\n"
                 "Writes the 72-byte calibration block of FILE's image into the radio, as the\n"
                 "factory dialog's Write sends it (a gain outside its list is sent as 0).\n") +
         kExitCodes,
     [](const std::vector<std::string>& argv) { return RunFactoryVerb(FactoryDirection::kWrite, argv); }});

}  // namespace
}  // namespace cps::cli
