// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one image into 1, 2, 4 and 8 simulated radios at once (dpmr-sim
// --count N on pseudo-terminals, through the real port code), at 9600 and
// 115200 baud. Prints each time and its ratio to the time for one radio
// (target: 8 radios within 1.1 × one radio at 9600 baud).
//   bench_fleet [--counts 1,2,4,8] [--latency MS] [BAUD...]

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/link/fleet.h"
#include "port/radio_port.h"
#include "sim_process.h"

namespace {

using namespace cps;


double WriteAll(const std::vector<std::string>& ports, int baud) {
  RadioImage image;
  image.Fill(0xFF);
  std::vector<FleetRadio> radios;
  for (const auto& p : ports) radios.push_back({p, image, ""});
  TransferFleet fleet(OpenRadioPort, baud);
  const auto start = std::chrono::steady_clock::now();
  fleet.Start(TransferDirection::kWrite, radios, {}, {});
  fleet.Join();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (std::size_t i = 0; i < ports.size(); ++i) {
    const FleetOutcome o = fleet.outcomes()[i];
    if (!o.result.ok()) std::fprintf(stderr, "%s failed: %s\n", ports[i].c_str(), o.result.reason.c_str());
  }
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<int> bauds, counts = {1, 2, 4, 8};
  int latencyMs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--counts" && i + 1 < argc) {
      counts.clear();
      std::stringstream list(argv[++i]);
      for (std::string n; std::getline(list, n, ',');) counts.push_back(std::atoi(n.c_str()));
    } else if (a == "--latency" && i + 1 < argc) {
      latencyMs = std::atoi(argv[++i]);
    } else {
      bauds.push_back(std::atoi(argv[i]));
    }
  }
  if (bauds.empty()) bauds = {9600, 115200};
  std::printf("%-8s %-7s %10s %8s\n", "baud", "radios", "time", "ratio");
  for (int baud : bauds) {
    double one = 0;
    for (int n : counts) {
      SimProcess sims(n, baud, latencyMs);
      if (static_cast<int>(sims.paths.size()) != n) {
        std::fprintf(stderr, "dpmr-sim did not start\n");
        return 1;
      }
      const double t = WriteAll(sims.paths, baud);
      if (one == 0) one = t;
      std::printf("%-8d %-7d %9.3fs %8.3f\n", baud, n, t, t / one);
      std::fflush(stdout);
    }
  }
  return 0;
}
