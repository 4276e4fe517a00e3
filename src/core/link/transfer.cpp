// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/transfer.h"

#include <cstdio>

#include "core/base/texts.h"
#include "core/channels/channel_table.h"
#include "core/link/framing.h"

namespace cps {

const char* const kPortNotOpenedMessage = QT_TRANSLATE_NOOP("CoreText", "Cound not open the port.");
const char* const kCommunicationErrorMessage = QT_TRANSLATE_NOOP("CoreText", "通信出錯");

const char* const kPartlyWrittenMessage =
    QT_TRANSLATE_NOOP("CoreText", "holds a partly written image: write it again before use");

std::string ConnectionLostReason(const std::string& portReport) {
  return "The connection to the radio was lost (the port reported: " + portReport + ")";
}

namespace {
constexpr std::uint16_t kFirstBlock = 0x0100;
constexpr std::uint16_t kBlockSize = 32;
constexpr std::uint32_t kImageEnd = 0x4000;
constexpr std::uint16_t kBandEdgeAddress = 0x3F80;  // radio's band edges, never transferred
constexpr std::uint16_t kRadioOwnedBlock = 0x3E00;  // 0x3E00-0x3E3F: the radio's copy stays on write

TransferResult CommunicationError(std::string reason) {
  return {TransferOutcome::kCommunicationError, std::move(reason)};
}

// A failed exchange: when the port itself reported an error, that is the
// cause rather than what the protocol missed.
TransferResult ExchangeFailed(const SerialPort& port, std::string reason) {
  const std::string report = port.FailureText();
  return CommunicationError(report.empty() ? std::move(reason) : ConnectionLostReason(report));
}
std::string MhzRange(std::uint32_t low, std::uint32_t high) {
  return std::to_string(low / 100000) + "-" + std::to_string(high / 100000) + " MHz";
}

// An image made for a band the radio does not have (as its identification
// tells): why nothing is written. An image whose band bytes are none of the
// band selector's entries (a backup of an odd radio) is not judged.
std::optional<std::string> OtherBand(const RadioImage& image, const link::LinkIdentification& id) {
  const BandLimits band{image.Frequency(kBandLowAddr), image.Frequency(kBandHighAddr)};
  bool known = false;
  for (std::size_t i = 0; i < BandItems().size(); ++i) known |= BandOfItem(static_cast<int>(i)) == band;
  if (!known || id.HighMhz() <= id.LowMhz()) return std::nullopt;
  if (band.low >= id.LowUnits() && band.high <= id.HighUnits()) return std::nullopt;
  return "The image is for " + MhzRange(band.low, band.high) + ", the radio reports " +
         MhzRange(id.LowUnits(), id.HighUnits()) + ": nothing was written.";
}
}  // namespace

std::vector<std::uint16_t> TransferBlocks(TransferDirection direction) {
  std::vector<std::uint16_t> blocks;
  for (std::uint32_t a = kFirstBlock; a < kImageEnd; a += kBlockSize) {
    if (a == kBandEdgeAddress) continue;
    if (direction == TransferDirection::kWrite && (a == kRadioOwnedBlock || a == kRadioOwnedBlock + kBlockSize))
      continue;
    blocks.push_back(static_cast<std::uint16_t>(a));
  }
  return blocks;
}

std::string ProgressText(int k) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d%%", k * 100 / kTransferProgressMax);
  return buf;
}

TransferResult RunTransferOnPort(SerialPort& port, TransferDirection direction, RadioImage& image,
                                 const std::atomic<bool>& cancel, const TransferCallbacks& callbacks) {
  port.SetReadTimeouts(ReadTimeouts{50, 50, 100});
  if (auto e = link::Handshake(port, link::kTransferHandshake)) return ExchangeFailed(port, *e);
  link::LinkIdentification id;
  if (auto e = link::ReadIdentification(port, id)) return ExchangeFailed(port, *e);
  port.Pause(10);
  if (auto e = link::Acknowledge(port, "the identification")) return ExchangeFailed(port, *e);

  auto report = [&](int position) {
    if (callbacks.progress) callbacks.progress(position);
  };
  auto stop = [&](TransferResult result) {
    link::SendEnd(port, link::kEndWrite);
    return result;
  };

  if (direction == TransferDirection::kRead) {
    // Blocks land in a copy; the image changes only when the read completes.
    RadioImage received = image;
    int position = 0;
    for (std::uint16_t a : TransferBlocks(direction)) {
      if (auto e = link::ReadBlock(port, a, received.Bytes(a, kBlockSize))) return stop(ExchangeFailed(port, *e));
      if (auto e = link::Acknowledge(port, "the block at " + link::AddressText(a)))
        return stop(ExchangeFailed(port, *e));
      report(++position);
      if (cancel) return stop({TransferOutcome::kCancelled, QT_TRANSLATE_NOOP("CoreText", "Stopped by the user.")});
    }
    link::SendEnd(port, link::kEndRead);
    std::uint8_t reply[4];
    port.Read(reply, sizeof reply);
    // The radio's own band edges go in only while that field is erased.
    if (received.Byte(kBandEdgeAddress + 3) == 0xFF) {
      received.SetFrequency(kBandEdgeAddress, id.LowUnits());
      received.SetFrequency(kBandEdgeAddress + 4, id.HighUnits());
    }
    image = received;
    if (callbacks.readCompleted) callbacks.readCompleted(image);
    return {};
  }

  if (auto e = OtherBand(image, id)) return stop(CommunicationError(*e));
  // Once the first block is on its way the radio may hold part of the image.
  auto partly = [](TransferResult r) {
    r.partlyWritten = true;
    return r;
  };
  for (std::uint16_t a : TransferBlocks(direction)) {
    if (auto e = link::WriteBlock(port, a, image.Bytes(a, kBlockSize))) return stop(partly(ExchangeFailed(port, *e)));
    report((a - kFirstBlock) / kBlockSize);
    if (cancel)
      return stop(partly({TransferOutcome::kCancelled, QT_TRANSLATE_NOOP("CoreText", "Stopped by the user.")}));
  }
  link::SendEnd(port, link::kEndWrite);
  return {};
}

std::optional<std::uint16_t> FirstWrittenDifference(const RadioImage& written, const RadioImage& readBack) {
  for (std::uint16_t block : TransferBlocks(TransferDirection::kWrite))
    for (std::uint16_t a = block; a < block + kBlockSize; ++a)
      if (written.Byte(a) != readBack.Byte(a)) return a;
  return std::nullopt;
}

namespace {
char* Hex2(char (&buf)[8], std::uint8_t b) {
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

TransferResult ReadBackAndCompare(const PortOpener& openPort, const std::string& portName, int baud,
                                  const RadioImage& written, const std::atomic<bool>& cancel,
                                  const TransferCallbacks& callbacks) {
  if (callbacks.verifying) callbacks.verifying();
  TransferCallbacks readCallbacks = callbacks;
  readCallbacks.portOpened = nullptr;
  RadioImage back = written;
  auto port = openPort(portName, baud);
  if (!port) return {TransferOutcome::kPortNotOpened, "The port did not open again for verify: " + port.error()};
  TransferResult r = RunTransferOnPort(**port, TransferDirection::kRead, back, cancel, readCallbacks);
  if (r.outcome == TransferOutcome::kCommunicationError) r.reason = "Reading back for verify: " + r.reason;
  if (!r.ok()) return r;
  if (auto a = FirstWrittenDifference(written, back)) {
    char radio[8], wanted[8];
    return {TransferOutcome::kVerifyFailed, "Verify failed at " + link::AddressText(*a) + ": the radio holds " +
                                                Hex2(radio, back.Byte(*a)) + ", the image " +
                                                Hex2(wanted, written.Byte(*a)) + "."};
  }
  return {};
}
}  // namespace

TransferResult RunTransfer(const PortOpener& openPort, const std::string& portName, int baud,
                           TransferDirection direction, RadioImage& image, const std::atomic<bool>& cancel,
                           const TransferCallbacks& callbacks, const TransferOptions& options) {
  TransferResult result;
  {
    auto port = openPort(portName, baud);
    if (!port) return {TransferOutcome::kPortNotOpened, port.error()};
    if (callbacks.portOpened) callbacks.portOpened();
    result = RunTransferOnPort(**port, direction, image, cancel, callbacks);
  }  // the port closes here
  if (!result.ok() || direction != TransferDirection::kWrite || !options.verify) return result;
  return ReadBackAndCompare(openPort, portName, baud, image, cancel, callbacks);
}

// ---- TransferWorker -------------------------------------------------------

TransferWorker::~TransferWorker() {
  Cancel();
  Join();
}

void TransferWorker::Join() {
  std::lock_guard lock(startMutex_);
  if (thread_.joinable()) thread_.join();
}

bool TransferWorker::Start(const PortOpener& openPort, const std::string& portName, int baud,
                           TransferDirection direction, const RadioImage& image, Callbacks callbacks,
                           TransferOptions options) {
  auto finished = callbacks.finished;
  Job job = [openPort, portName, baud, direction, callbacks = std::move(callbacks), options](
                RadioImage& worked, const std::atomic<bool>& cancel) {
    return RunTransfer(openPort, portName, baud, direction, worked, cancel, callbacks, options);
  };
  return Start(image, std::move(job), std::move(finished));
}

bool TransferWorker::Start(const RadioImage& image, Job job, std::function<void(const TransferResult&)> finished) {
  std::lock_guard lock(startMutex_);
  bool expected = false;
  if (!busy_.compare_exchange_strong(expected, true)) return false;
  if (thread_.joinable()) thread_.join();  // the previous worker has already reported
  cancel_ = false;
  image_ = image;
  thread_ = std::thread([this, job = std::move(job), finished = std::move(finished)] {
    TransferResult result = job(image_, cancel_);
    busy_ = false;
    if (finished) finished(result);
  });
  return true;
}

}  // namespace cps
