// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/factory_exchange.h"

#include <array>

#include "core/base/texts.h"
#include "core/link/framing.h"

namespace cps {

namespace {
constexpr link::HandshakeStyle kStyle = link::kFactoryHandshake;
constexpr ReadTimeouts kFactoryTimeouts{100, 50, 100};
TransferResult Fail(std::string reason) { return {TransferOutcome::kCommunicationError, std::move(reason)}; }
}  // namespace

TransferResult FactoryExchangeOnPort(SerialPort& port, FactoryDirection direction, RadioImage& image,
                                     const std::atomic<bool>& cancel) {
  port.SetReadTimeouts(kFactoryTimeouts);
  port.DiscardInput();
  if (auto e = link::Handshake(port, kStyle)) return Fail(*e);
  link::LinkIdentification id;
  if (auto e = link::ReadIdentification(port, id)) return Fail(*e);
  if (auto e = link::Acknowledge(port, "the identification")) return Fail(*e);

  constexpr std::size_t kLength = kFactoryBlockEnd - kFactoryBlockStart;
  std::array<std::uint8_t, kLength> block;
  for (std::size_t i = 0; i < kLength; ++i) block[i] = image.Byte(kFactoryBlockStart + i);
  for (std::uint16_t a = kFactoryBlockStart; a < kFactoryBlockEnd; a += kFactoryBlockSize) {
    auto bytes = std::span<std::uint8_t>(block).subspan(a - kFactoryBlockStart, kFactoryBlockSize);
    if (direction == FactoryDirection::kRead) {
      if (auto e = link::ReadBlock(port, a, bytes)) return Fail(*e);
      if (auto e = link::Acknowledge(port, "the block at " + link::AddressText(a))) return Fail(*e);
    } else {
      if (auto e = link::WriteBlock(port, a, bytes)) return Fail(*e);
    }
    if (cancel) return {TransferOutcome::kCancelled, QT_TRANSLATE_NOOP("CoreText", "Stopped by the user.")};
  }
  if (direction == FactoryDirection::kRead) image.Write(kFactoryBlockStart, block);
  return {};
}

TransferResult FactoryRead(const PortOpener& openPort, const std::string& portName, int baud, RadioImage& image,
                           const std::atomic<bool>& cancel) {
  auto port = openPort(portName, baud);
  if (!port) return {TransferOutcome::kPortNotOpened, port.error()};
  return FactoryExchangeOnPort(**port, FactoryDirection::kRead, image, cancel);
}

TransferResult FactoryWrite(const PortOpener& openPort, const std::string& portName, int baud,
                            const RadioImage& image, const std::atomic<bool>& cancel) {
  auto port = openPort(portName, baud);
  if (!port) return {TransferOutcome::kPortNotOpened, port.error()};
  RadioImage copy = image;
  return FactoryExchangeOnPort(**port, FactoryDirection::kWrite, copy, cancel);
}

std::string FactoryMessage(const TransferResult& result, FactoryDirection direction) {
  switch (result.outcome) {
    case TransferOutcome::kSuccess:
      return direction == FactoryDirection::kRead ? QT_TRANSLATE_NOOP("CoreText", "Read successfully")
                                                  : QT_TRANSLATE_NOOP("CoreText", "Write successfully");
    case TransferOutcome::kPortNotOpened:
      return QT_TRANSLATE_NOOP("CoreText", "Cound not open the port");
    case TransferOutcome::kCommunicationError:
    case TransferOutcome::kVerifyFailed:
      return QT_TRANSLATE_NOOP("CoreText", "Communication error");
    case TransferOutcome::kCancelled:
      break;
  }
  return {};
}

}  // namespace cps
