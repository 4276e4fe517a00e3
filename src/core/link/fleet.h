// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several radios at once: one TransferWorker per port, each on its own
// thread, with progress and an outcome per radio. A failure of one radio
// never stops the others; Cancel() stops them all. Each radio of a write
// may get its own dPMR radio id, stored by the radio id field's own rule.
//
//   auto ids = FleetRadioIds(1000, ports.size());            // refused past 8999999
//   std::vector<FleetRadio> radios = ...;                      // port, image, id
//   TransferFleet fleet(OpenRadioPort, 9600);
//   fleet.Start(TransferDirection::kWrite, radios, {.verify = true}, callbacks);
//   fleet.Join();
//   for (const FleetOutcome& o : fleet.outcomes()) ...
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/link/transfer.h"

namespace cps {

struct FleetRadio {
  std::string port;
  RadioImage image;     // what a write sends, the base a read fills
  std::string radioId;  // the id this radio was given ("" none)
};

// The radio ids first, first + 1, ... for `count` radios as 7-digit texts.
// An error, before anything is written, when one of them is no valid dPMR
// ID (the Basic page would store its default instead): past 8999999, zero,
// or one of 1000000, 2000000, ...
Result<std::vector<std::string>> FleetRadioIds(long long first, std::size_t count);

// Gives the image the radio id through the id field's own leave and save
// rules: the seven id bytes change, nothing else (the page's other fields
// keep whatever the file holds, in range or not).
Status GiveRadioId(RadioImage& image, const std::string& id);

struct FleetOutcome {
  TransferResult result;
  double seconds = 0;
  bool finished = false;
};

class TransferFleet {
 public:
  // Called on the radio's own thread.
  struct Callbacks {
    std::function<void(std::size_t radio)> portOpened{};
    std::function<void(std::size_t radio, int position)> progress{};
    std::function<void(std::size_t radio)> verifying{};
    std::function<void(std::size_t radio, const RadioImage& read)> readCompleted{};
    std::function<void(std::size_t radio, const FleetOutcome& outcome)> finished{};
  };

  TransferFleet(PortOpener openPort, int baud) : openPort_(std::move(openPort)), baud_(baud) {}
  ~TransferFleet();  // cancels and waits
  TransferFleet(const TransferFleet&) = delete;
  TransferFleet& operator=(const TransferFleet&) = delete;

  // Starts one transfer per radio. False (nothing started) while a fleet
  // transfer runs.
  bool Start(TransferDirection direction, const std::vector<FleetRadio>& radios, TransferOptions options,
             Callbacks callbacks);
  void Cancel();
  bool Busy() const;
  // Waits for every radio.
  void Join();
  // After Join: the outcome of each radio, in the order given, and the
  // image each radio's transfer worked on (after a read: as read).
  std::vector<FleetOutcome> outcomes() const;
  const RadioImage& image(std::size_t radio) const { return workers_[radio]->image(); }

 private:
  PortOpener openPort_;
  int baud_;
  std::vector<std::unique_ptr<TransferWorker>> workers_;
  std::atomic<bool> cancel_{false};
  mutable std::mutex mutex_;
  std::vector<FleetOutcome> outcomes_;
};

}  // namespace cps
