// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-sim: a simulated radio on a pseudo-terminal. The first line on
// stdout is the terminal's device path; pick it as the port in the program.
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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
    "usage: dpmr-sim [--count N] [--baud N] [--image FILE] [--band LOW-HIGH] [--fault NAME[:K][@R]]\n"
    "                [--latency MS] [--save FILE]\n"
    "  Serves simulated radios on pseudo-terminals and prints their device paths,\n"
    "  one per line. Ctrl+C ends it.\n"
    "  --count N       N radios, each on its own terminal (default 1)\n"
    "  --baud N        pace the bytes at N baud (default 9600)\n"
    "  --image FILE    the radio's memory (16384 bytes; default: the built-in\n"
    "                  defaults of a new image for the band)\n"
    "  --band LOW-HIGH band edges in MHz sent in the identification (default 400-470)\n"
    "  --fault F       misbehave: ";
const char* const kUsageEnd =
    "\n"
    "                  K counts blocks within a session; delay:MS waits MS ms before each byte;\n"
    "                  @R gives the fault to radio R (1..N) only; repeat --fault for several\n"
    "  --latency MS    hold each reply back MS ms, as a USB adapter's latency timer does\n"
    "  --save FILE     write the memory to FILE after each write session (\"ENDW\"); with\n"
    "                  --count, radio R saves to FILE with \"-R\" before its extension\n"
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

// FILE with "-R" before its extension ("radio.dat" → "radio-3.dat").
std::string NumberedPath(const std::string& path, int r) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + "-" + std::to_string(r);
  return path.substr(0, dot) + "-" + std::to_string(r) + path.substr(dot);
}

struct FaultChoice {
  cps::RadioFaultSpec fault;
  int radio = 0;  // 0: every radio
};

}  // namespace

int main(int argc, char** argv) {
  int baud = 9600, count = 1, latencyMs = 0;
  int low = 400, high = 470;
  std::string imagePath, savePath;
  std::vector<FaultChoice> faults;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-h" || a == "--help") {
      Usage("");
      return 0;
    }
    if (a == "--version") {
      std::cout << "dpmr-sim " << cps::kVersion << "\n" << cps::kLicenceNotice;
      return 0;
    }
    if (i + 1 >= argc) return Usage("unknown option or missing value: " + a);
    const std::string v = argv[++i];
    if (a == "--baud") {
      if (!ParseInt(v, baud)) return Usage("bad baud rate '" + v + "'");
    } else if (a == "--count") {
      if (!ParseInt(v, count) || count > 64) return Usage("bad count '" + v + "' (1 to 64)");
    } else if (a == "--latency") {
      if (v != "0" && (!ParseInt(v, latencyMs) || latencyMs > 1000)) return Usage("bad latency '" + v + "' (0 to 1000 ms)");
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
      FaultChoice choice;
      std::string faultText = v;
      if (const auto at = v.find('@'); at != std::string::npos) {
        if (!ParseInt(v.substr(at + 1), choice.radio)) return Usage("bad radio number in '" + v + "'");
        faultText = v.substr(0, at);
      }
      auto f = cps::ParseRadioFault(faultText);
      if (!f) return Usage(f.error());
      choice.fault = *f;
      faults.push_back(choice);
    } else {
      return Usage("unknown option " + a);
    }
  }
  for (const FaultChoice& f : faults)
    if (f.radio > count) return Usage("fault for radio " + std::to_string(f.radio) + " of " + std::to_string(count));

  cps::RadioImage memory;
  // A radio kept in one file across runs (--image F --save F): before its
  // first write the file is not there yet, and the radio starts new.
  std::error_code ec;
  if (!imagePath.empty() && imagePath == savePath && !std::filesystem::exists(imagePath, ec)) {
    std::cerr << "dpmr-sim: " << imagePath << " does not exist yet: a new radio, saved there after each write\n";
    imagePath.clear();
  }
  if (!imagePath.empty()) {
    cps::Status st = cps::LoadImageFile(imagePath, memory);
    if (!st) {
      std::cerr << "dpmr-sim: " << st.error() << "\n";
      return 1;
    }
  } else {
    // A radio as it leaves the factory: the program's built-in defaults for
    // its band, so that a first read shows the right band and editable
    // channels. The band edges at 0x3F80 stay erased.
    memory.Fill(0xFF);
    cps::ApplyBuiltInDefaults(memory, high <= 174 ? cps::kBandVhf : cps::kBandUhf);
  }

  std::vector<std::unique_ptr<cps::SimulatedRadio>> radios;
  std::vector<std::unique_ptr<cps::PtyRadioServer>> servers;
  for (int r = 1; r <= count; ++r) {
    auto radio = std::make_unique<cps::SimulatedRadio>();
    radio->SetBand(low, high);
    radio->memory() = memory;
    for (const FaultChoice& f : faults)
      if (f.radio == 0 || f.radio == r) radio->SetFault(f.fault);
    if (!savePath.empty()) {
      const std::string path = count > 1 ? NumberedPath(savePath, r) : savePath;
      radio->onWriteEnded = [path](const cps::RadioImage& saved) {
        cps::Status st = cps::SaveImageFile(path, saved);
        if (!st) std::cerr << "dpmr-sim: " << st.error() << "\n";
        else std::cerr << "dpmr-sim: memory saved to " << path << "\n";
      };
    }
    auto server = std::make_unique<cps::PtyRadioServer>(*radio, baud);
    server->SetLatency(latencyMs);
    if (cps::Status st = server->Open(); !st) {
      std::cerr << "dpmr-sim: " << st.error() << "\n";
      return 1;
    }
    radios.push_back(std::move(radio));
    servers.push_back(std::move(server));
  }
#if defined(__linux__)
  ::prctl(PR_SET_TIMERSLACK, 1UL);  // byte times at high baud rates are tens of microseconds
#endif
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGPIPE, SIG_IGN);
  for (const auto& server : servers) std::cout << server->devicePath() << "\n";
  std::cout << std::flush;
  std::vector<std::thread> threads;
  for (std::size_t r = 1; r < servers.size(); ++r) threads.emplace_back([&, r] { servers[r]->Serve(gStop); });
  servers[0]->Serve(gStop);
  for (std::thread& t : threads) t.join();
  return 0;
}
