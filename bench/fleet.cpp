// Writing one image into 1, 2, 4 and 8 simulated radios at once (dpmr-sim
// --count N on pseudo-terminals, through the real port code), at 9600 and
// 115200 baud. Prints each time and its ratio to the time for one radio
// (target: 8 radios within 1.1 × one radio at 9600 baud).
//   bench_fleet [--counts 1,2,4,8] [--latency MS] [BAUD...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/link/fleet.h"
#include "port/radio_port.h"

namespace {

using namespace cps;

struct Sims {
  pid_t pid = -1;
  std::vector<std::string> paths;
  Sims(int count, int baud, int latencyMs) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      const std::string b = std::to_string(baud), n = std::to_string(count), l = std::to_string(latencyMs);
      execl(DPMR_SIM_PATH, DPMR_SIM_PATH, "--baud", b.c_str(), "--count", n.c_str(), "--latency", l.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string line;
    char ch;
    while (static_cast<int>(paths.size()) < count && read(fds[0], &ch, 1) == 1) {
      if (ch != '\n') {
        line += ch;
        continue;
      }
      paths.push_back(line);
      line.clear();
    }
    close(fds[0]);
  }
  ~Sims() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
  }
};

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
      Sims sims(n, baud, latencyMs);
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
