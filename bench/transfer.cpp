// SPDX-License-Identifier: GPL-3.0-or-later
// Full read and write against dpmr-sim on a pseudo-terminal, through the
// real port code, at 9600 and 115200 baud. Prints measured time ÷ ideal wire
// time (bytes in both directions × 10 bits ÷ baud, plus the fixed pauses).
//   bench_transfer [--runs N] [--latency MS] [--trace FILE] [BAUD...]   (default: 9600 115200)
// --trace FILE traces every transfer into FILE (to see what tracing costs).
// --latency MS has the simulated radio hold each reply back MS ms, as a USB
// adapter's latency timer does (16 ms unless the port asks for low latency).
// Each transfer runs N times (default 3 above 9600 baud, 1 at 9600 and
// below); the best ratio is the one to compare with the targets (1.02 at
// 9600, 1.05 at 115200), the others show the noise of a busy machine.

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/link/serial_trace.h"
#include "core/link/transfer.h"
#include "port/radio_port.h"
#include "sim_process.h"

namespace {

using namespace cps;

// Counts what crosses the line and the time spent in pauses.
struct Tally {
  std::uint64_t bytes = 0;
  int pauseMs = 0;
  double writeS = 0, readS = 0, discardS = 0, pauseS = 0;  // time spent in each call
};

class Stopwatch {
 public:
  explicit Stopwatch(double& sum) : sum_(sum), start_(std::chrono::steady_clock::now()) {}
  ~Stopwatch() { sum_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

 private:
  double& sum_;
  std::chrono::steady_clock::time_point start_;
};

class CountingPort : public SerialPort {
 public:
  CountingPort(std::unique_ptr<SerialPort> inner, Tally& tally) : inner_(std::move(inner)), tally_(tally) {}
  void SetReadTimeouts(const ReadTimeouts& t) override { inner_->SetReadTimeouts(t); }
  void DiscardInput() override {
    Stopwatch w(tally_.discardS);
    inner_->DiscardInput();
  }
  bool Write(std::span<const std::uint8_t> bytes) override {
    Stopwatch w(tally_.writeS);
    tally_.bytes += bytes.size();
    return inner_->Write(bytes);
  }
  std::size_t Read(std::uint8_t* out, std::size_t n) override {
    Stopwatch w(tally_.readS);
    const std::size_t got = inner_->Read(out, n);
    tally_.bytes += got;
    return got;
  }
  void Pause(int ms) override {
    Stopwatch w(tally_.pauseS);
    tally_.pauseMs += ms;
    inner_->Pause(ms);
  }

 private:
  std::unique_ptr<SerialPort> inner_;
  Tally& tally_;
};


std::shared_ptr<SerialTrace> gTrace;

double Measure(const std::string& port, int baud, TransferDirection direction, RadioImage& image, double& ideal) {
  Tally tally;
  const PortOpener open = gTrace ? TracingOpener(OpenRadioPort, gTrace) : PortOpener(OpenRadioPort);
  PortOpener counting = [&tally, open](const std::string& name, int b) -> Result<std::unique_ptr<SerialPort>> {
    auto p = open(name, b);
    if (!p) return Error{p.error()};
    return std::unique_ptr<SerialPort>(std::make_unique<CountingPort>(std::move(*p), tally));
  };
  std::atomic<bool> cancel{false};
  const auto start = std::chrono::steady_clock::now();
  const TransferResult r = RunTransfer(counting, port, baud, direction, image, cancel);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!r.ok()) {
    std::fprintf(stderr, "transfer failed: %s\n", r.reason.c_str());
    std::exit(1);
  }
  ideal = static_cast<double>(tally.bytes) * 10.0 / baud + tally.pauseMs / 1000.0;
  if (std::getenv("DPMR_BENCH_DETAIL"))
    std::printf("  time in write %.3fs, read %.3fs, discard %.3fs, pause %.3fs\n", tally.writeS, tally.readS,
                tally.discardS, tally.pauseS);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<int> bauds;
  int runs = 0, latencyMs = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (std::string(argv[i]) == "--trace" && i + 1 < argc) {
      auto trace = SerialTrace::ToFile(argv[++i]);
      if (!trace) {
        std::fprintf(stderr, "%s\n", trace.error().c_str());
        return 1;
      }
      gTrace = *trace;
    } else if (std::string(argv[i]) == "--latency" && i + 1 < argc) {
      latencyMs = std::atoi(argv[++i]);
    } else {
      bauds.push_back(std::atoi(argv[i]));
    }
  }
  if (bauds.empty()) bauds = {9600, 115200};
  std::printf("%-8s %-6s %10s %10s %8s\n", "baud", "what", "measured", "ideal", "ratio");
  for (int baud : bauds) {
    SimProcess sim(1, baud, latencyMs);
    if (sim.paths.empty()) {
      std::fprintf(stderr, "dpmr-sim did not start\n");
      return 1;
    }
    RadioImage image;
    image.Fill(0xFF);
    const int n = runs > 0 ? runs : (baud > 9600 ? 3 : 1);
    for (TransferDirection d : {TransferDirection::kRead, TransferDirection::kWrite}) {
      const char* what = d == TransferDirection::kRead ? "read" : "write";
      double best = 1e9;
      for (int run = 0; run < n; ++run) {
        double ideal = 0;
        const double measured = Measure(sim.paths[0], baud, d, image, ideal);
        best = std::min(best, measured / ideal);
        std::printf("%-8d %-6s %9.3fs %9.3fs %8.4f\n", baud, what, measured, ideal, measured / ideal);
        std::fflush(stdout);
      }
      std::printf("%-8d %-6s best ratio %.4f (target %.2f)\n", baud, what, best, baud <= 9600 ? 1.02 : 1.05);
    }
  }
  return 0;
}
