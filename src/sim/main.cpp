// dpmr-sim: a simulated radio on a pseudo-terminal. The first line on
// stdout is the terminal's device path; pick it as the port in the program.
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include "app_version.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/link/pty_radio.h"
#include "core/link/simulated_radio.h"

namespace {

std::atomic<bool> gStop{false};
void OnSignal(int) { gStop = true; }

const char* const kUsage =
    "usage: dpmr-sim [--baud N] [--image FILE] [--band LOW-HIGH] [--fault NAME[:K]] [--save FILE]\n"
    "  Serves a simulated radio on a pseudo-terminal and prints its device path\n"
    "  on the first line. Ctrl+C ends it.\n"
    "  --baud N        pace the bytes at N baud (default 9600)\n"
    "  --image FILE    the radio's memory (16384 bytes; default: the built-in\n"
    "                  defaults of a new image for the band)\n"
    "  --band LOW-HIGH band edges in MHz sent in the identification (default 400-470)\n"
    "  --fault F       misbehave: ";
const char* const kUsageEnd =
    "\n"
    "                  K counts blocks within a session; delay:MS waits MS ms before each byte\n"
    "  --save FILE     write the memory to FILE after each write session (\"ENDW\")\n"
    "  --version       print the version and exit\n";

int Usage(const std::string& problem) {
  std::ostream& os = problem.empty() ? std::cout : std::cerr;
  if (!problem.empty()) os << "dpmr-sim: " << problem << "\n";
  os << kUsage << cps::RadioFaultNames() << kUsageEnd;
  return 2;
}

bool ParseInt(const std::string& s, int& out) {
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (s.empty() || *end != '\0' || v <= 0 || v > 10'000'000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int baud = 9600;
  int low = 400, high = 470;
  std::string imagePath, savePath;
  cps::RadioFaultSpec fault;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") {
      Usage("");
      return 0;
    }
    if (a == "--version") {
      std::cout << "dpmr-sim " << cps::kVersion << "\n";
      return 0;
    }
    if (i + 1 >= argc) return Usage("unknown option or missing value: " + a);
    const std::string v = argv[++i];
    if (a == "--baud") {
      if (!ParseInt(v, baud)) return Usage("bad baud rate '" + v + "'");
    } else if (a == "--image") {
      imagePath = v;
    } else if (a == "--save") {
      savePath = v;
    } else if (a == "--band") {
      const auto dash = v.find('-');
      if (dash == std::string::npos || !ParseInt(v.substr(0, dash), low) || !ParseInt(v.substr(dash + 1), high) ||
          low > 65535 || high > 65535)
        return Usage("bad band '" + v + "' (want e.g. 400-470)");
    } else if (a == "--fault") {
      auto f = cps::ParseRadioFault(v);
      if (!f) return Usage(f.error());
      fault = *f;
    } else {
      return Usage("unknown option " + a);
    }
  }

  cps::SimulatedRadio radio;
  radio.SetBand(low, high);
  radio.SetFault(fault);
  if (!imagePath.empty()) {
    cps::Status st = cps::LoadImageFile(imagePath, radio.memory());
    if (!st) {
      std::cerr << "dpmr-sim: " << st.error() << "\n";
      return 1;
    }
  } else {
    // A radio as it leaves the factory: the program's built-in defaults for
    // its band, so that a first read shows the right band and editable
    // channels. The band edges at 0x3F80 stay erased.
    cps::ApplyBuiltInDefaults(radio.memory(), high <= 174 ? cps::kBandVhf : cps::kBandUhf);
  }
  if (!savePath.empty()) {
    radio.onWriteEnded = [savePath](const cps::RadioImage& memory) {
      cps::Status st = cps::SaveImageFile(savePath, memory);
      if (!st) std::cerr << "dpmr-sim: " << st.error() << "\n";
      else std::cerr << "dpmr-sim: memory saved to " << savePath << "\n";
    };
  }

  cps::PtyRadioServer server(radio, baud);
  if (cps::Status st = server.Open(); !st) {
    std::cerr << "dpmr-sim: " << st.error() << "\n";
    return 1;
  }
#if defined(__linux__)
  ::prctl(PR_SET_TIMERSLACK, 1UL);  // byte times at high baud rates are tens of microseconds
#endif
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGPIPE, SIG_IGN);
  std::cout << server.devicePath() << std::endl;
  server.Serve(gStop);
  return 0;
}
