// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli write/read on several ports at once.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <set>
#include <thread>

#include "cli/link_shared.h"
#include "core/image/image_file.h"
#include "core/link/backups.h"
#include "core/link/fleet.h"

namespace cps::cli {
namespace {

namespace fs = std::filesystem;

std::string Padded(std::string s, std::size_t width) {
  s.resize(std::max(s.size() + 2, width), ' ');
  return s;
}

// One line per port on stderr, redrawn in place, when it is a terminal.
class FleetProgress {
 public:
  explicit FleetProgress(const std::vector<std::string>& ports)
      : enabled_(::isatty(STDERR_FILENO) == 1), ports_(ports), positions_(ports.size()), verifying_(ports.size()),
        done_(ports.size()), failed_(ports.size()) {
    for (const auto& p : ports) width_ = std::max(width_, p.size() + 2);
  }
  void Progress(std::size_t i, int position) { positions_[i] = position; }
  void Verifying(std::size_t i) { verifying_[i] = true; }
  // A radio that completed shows 100%, one that failed where it stopped.
  void Done(std::size_t i, bool ok) {
    if (ok) positions_[i] = kTransferProgressMax;
    failed_[i] = !ok;
    done_[i] = true;
  }
  void Draw() {
    if (!enabled_) return;
    if (drawn_) std::cerr << "\x1b[" << ports_.size() << "A";
    for (std::size_t i = 0; i < ports_.size(); ++i) {
      constexpr int kWidth = 30;
      const int p = positions_[i];
      const int filled = p * kWidth / kTransferProgressMax;
      std::cerr << "\r\x1b[K" << Padded(ports_[i], width_) << "[" << std::string(static_cast<std::size_t>(filled), '#')
                << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << ProgressText(p)
                << (done_[i] ? (failed_[i] ? "  failed" : "  done") : verifying_[i] ? "  verify" : "") << "\n";
    }
    std::cerr << std::flush;
    drawn_ = true;
  }

 private:
  bool enabled_;
  std::vector<std::string> ports_;
  std::vector<std::atomic<int>> positions_;
  std::vector<std::atomic<bool>> verifying_, done_, failed_;
  std::size_t width_ = 6;
  bool drawn_ = false;
};

std::string ResultText(const TransferResult& r, TransferDirection direction, bool verify) {
  switch (r.outcome) {
    case TransferOutcome::kSuccess:
      return direction == TransferDirection::kRead ? "read" : verify ? "written, verified" : "written";
    case TransferOutcome::kPortNotOpened: return "port not opened";
    case TransferOutcome::kCommunicationError: return "communication error";
    case TransferOutcome::kCancelled: return "stopped";
    case TransferOutcome::kVerifyFailed: return "verify failed";
  }
  return {};
}

}  // namespace

int RunFleetTransfer(TransferDirection direction, const Args& args, const std::vector<std::string>& ports, int baud,
                     const RadioImage& image, const std::string& out) {
  const bool read = direction == TransferDirection::kRead;
  const std::string verb = read ? "read" : "write";
  if (std::set<std::string>(ports.begin(), ports.end()).size() != ports.size())
    return Fail(verb + ": a port is named twice");
  std::vector<FleetRadio> radios;
  for (const std::string& p : ports) radios.push_back({p, image, ""});
  if (args.Has("id-from")) {
    const std::string first = args.Value("id-from");
    char* end = nullptr;
    const long long n = std::strtoll(first.c_str(), &end, 10);
    if (first.empty() || *end != '\0') return Fail(verb + ": bad --id-from '" + first + "' (a number)");
    auto ids = FleetRadioIds(n, radios.size());
    if (!ids) return Fail(verb + ": " + ids.error() + "; nothing was written");
    for (std::size_t i = 0; i < radios.size(); ++i) {
      radios[i].radioId = (*ids)[i];
      if (Status st = GiveRadioId(radios[i].image, radios[i].radioId); !st) return Fail(verb + ": " + st.error());
    }
  }
  if (read) {
    std::error_code ec;
    fs::create_directories(out, ec);
    if (!fs::is_directory(out)) return Fail("read: -o must name a folder when several ports are read: " + out, 1);
  }
  auto opener = Opener(args);
  if (!opener) return Fail(verb + ": " + opener.error(), 1);

  EnsureApplication();
  BackupKeeper backups(args);
  FleetProgress progress(ports);
  TransferFleet fleet(*opener, baud);
  TransferFleet::Callbacks cb;
  cb.progress = [&progress](std::size_t i, int p) { progress.Progress(i, p); };
  cb.verifying = [&progress](std::size_t i) { progress.Verifying(i); };
  cb.readCompleted = [&backups, &ports](std::size_t i, const RadioImage& r) { backups.Keep(r, ports[i]); };
  cb.finished = [&progress](std::size_t i, const FleetOutcome& o) { progress.Done(i, o.result.ok()); };
  const bool verify = args.Has("verify");
  {
    InterruptAsExit interrupt;
    fleet.Start(direction, radios, TransferOptions{verify}, cb);
    bool stopped = false;
    while (fleet.Busy()) {
      if (gCancel && !stopped) {
        fleet.Cancel();  // Ctrl+C stops every radio
        stopped = true;
      }
      progress.Draw();
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    fleet.Join();
    progress.Draw();
  }

  const auto outcomes = fleet.outcomes();
  std::size_t width = 6;
  for (const auto& p : ports) width = std::max(width, p.size() + 2);
  std::cout << Padded("port", width) << Padded("result", 21) << Padded("time", 10)
            << (args.Has("id-from") ? "radio id" : read ? "file" : "") << "\n";
  int code = 0;
  std::vector<std::string> failed;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    const TransferResult& r = outcomes[i].result;
    std::string last = radios[i].radioId;
    if (read && r.ok()) {
      last = (fs::path(out) / (PortFileName(ports[i]) + ".dat")).string();
      if (Status st = SaveImageFile(last, fleet.image(i)); !st) {
        std::cerr << "dpmr-cli: cannot write " << st.error() << "\n";
        if (code == 0) code = 1;
        last += " (not written)";
      }
    }
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.1f s", outcomes[i].seconds);
    std::cout << Padded(ports[i], width) << Padded(ResultText(r, direction, verify), 21) << Padded(seconds, 10) << last
              << "\n";
    if (!r.ok()) {
      failed.push_back(ports[i]);
      if (code == 0) code = ExitCodeOf(r.outcome);
    }
  }
  backups.Print();
  for (std::size_t i = 0; i < ports.size(); ++i) {
    if (!outcomes[i].result.ok() && !outcomes[i].result.reason.empty())
      std::cerr << ports[i] << ": " << outcomes[i].result.reason << "\n";
    if (outcomes[i].result.partlyWritten) std::cerr << ports[i] << " " << kPartlyWrittenMessage << ".\n";
  }
  if (!failed.empty()) {
    std::string names;
    for (const auto& f : failed) names += (names.empty() ? "" : ", ") + f;
    std::cerr << "dpmr-cli: " << failed.size() << " of " << ports.size() << " radios failed: " << names << "\n";
  }
  return code;
}

}  // namespace cps::cli
