// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the radio's memory into an image and writing an image into the
// radio, block by block, and the worker thread that runs a transfer while a
// window shows its progress.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/image/radio_image.h"
#include "core/link/serial_port.h"

namespace cps {

enum class TransferDirection { kRead, kWrite };

enum class TransferOutcome { kSuccess, kPortNotOpened, kCommunicationError, kCancelled, kVerifyFailed };

struct TransferResult {
  TransferOutcome outcome = TransferOutcome::kSuccess;
  std::string reason;  // why it failed, one line; empty on success
  // A write that stopped (failed or cancelled) after it had begun sending
  // blocks: the radio holds part of the image.
  bool partlyWritten = false;
  bool ok() const { return outcome == TransferOutcome::kSuccess; }
};

// The progress bar's range: the number of 32-byte blocks from 0x0100 to 0x3FFF.
constexpr int kTransferProgressMax = 504;
constexpr int kReadBlockCount = 503;
constexpr int kWriteBlockCount = 501;

// The block addresses of a transfer, in order: 0x0100 to 0x3FE0 in steps of
// 32 without 0x3F80 (read), and also without 0x3E00 and 0x3E20 (write).
std::vector<std::uint16_t> TransferBlocks(TransferDirection direction);

// The percentage text for progress position `k`: k × 100 / 504 as "%d%%".
std::string ProgressText(int k);

// The messages the program shows.
extern const char* const kPortNotOpenedMessage;       // "Cound not open the port."
extern const char* const kCommunicationErrorMessage;  // "通信出錯" (UTF-8)
// After the port's name, for a radio a stopped write left with part of an
// image: "holds a partly written image: write it again before use".
extern const char* const kPartlyWrittenMessage;
// The reason of a failure the port itself reported.
std::string ConnectionLostReason(const std::string& portReport);

struct TransferCallbacks {
  // After the port has opened (the window disables "Start").
  std::function<void()> portOpened{};
  // Progress position 0..503 after a block.
  std::function<void(int position)> progress{};
  // A write with verify has ended and the read-back begins; progress
  // starts again from the first block.
  std::function<void()> verifying{};
  // Every image read completely from the radio: the result of a read, the
  // read-back of a verify (also when it differs from what was written).
  std::function<void(const RadioImage& read)> readCompleted{};
};

// What a transfer does besides moving the blocks.
struct TransferOptions {
  // After a successful write: read the radio back with the normal read
  // exchange and compare every written block.
  bool verify = false;
};

// The first address of a written block (0x0100-0x3FFF without the skipped
// blocks) where `readBack` differs from `written`.
std::optional<std::uint16_t> FirstWrittenDifference(const RadioImage& written, const RadioImage& readBack);

// Runs one transfer on `port` (already open). A read fills `image` only
// when it completes: a failed or cancelled read leaves it exactly as it was.
// `cancel` is tested once after each block.
TransferResult RunTransferOnPort(SerialPort& port, TransferDirection direction, RadioImage& image,
                                 const std::atomic<bool>& cancel, const TransferCallbacks& callbacks = {});

// Opens the port with `openPort` and runs the transfer; the port is closed
// at the end. A verified write opens the port again for the read-back.
TransferResult RunTransfer(const PortOpener& openPort, const std::string& portName, int baud,
                           TransferDirection direction, RadioImage& image, const std::atomic<bool>& cancel,
                           const TransferCallbacks& callbacks = {}, const TransferOptions& options = {});

// Runs a transfer on a thread of its own. The owner keeps the image it gave
// to Start() untouched until `finished` has been called and then takes the
// result (for a successful read, image() holds what was read). Callbacks are
// called on the worker thread; `finished` is called after Busy() is false.
class TransferWorker {
 public:
  struct Callbacks : TransferCallbacks {
    std::function<void(const TransferResult&)> finished;
  };

  TransferWorker() = default;
  ~TransferWorker();  // cancels and waits for a running transfer
  TransferWorker(const TransferWorker&) = delete;
  TransferWorker& operator=(const TransferWorker&) = delete;

  // Starts a transfer unless one is running (then returns false and does
  // nothing). The worker works on its own copy of `image`.
  bool Start(const PortOpener& openPort, const std::string& portName, int baud, TransferDirection direction,
             const RadioImage& image, Callbacks callbacks, TransferOptions options = {});

  // Any exchange with the radio (the factory exchange uses this): `job` runs
  // on the worker thread on the worker's copy of `image` and tests `cancel`;
  // `finished` follows as above.
  using Job = std::function<TransferResult(RadioImage& image, const std::atomic<bool>& cancel)>;
  bool Start(const RadioImage& image, Job job, std::function<void(const TransferResult&)> finished);
  // Asks the running transfer to stop after the current block.
  void Cancel() { cancel_ = true; }
  bool Busy() const { return busy_; }
  // Waits for the thread to end.
  void Join();
  // The worker's image: after a successful read, the image as read.
  const RadioImage& image() const { return image_; }

 private:
  std::atomic<bool> busy_{false};    // TransferBusy
  std::atomic<bool> cancel_{false};  // TransferCancel
  std::mutex startMutex_;
  std::thread thread_;
  RadioImage image_;
};

}  // namespace cps
