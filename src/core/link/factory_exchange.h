// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factory exchange: the 72-byte calibration block 0x0040-0x0087 read
// from or written into the radio directly, in 9 blocks of 8 bytes, with the
// framing of the main transfer (same handshake bytes, 0x41 acknowledgement,
// 4-byte block commands) but its own pauses and time-outs and no end marker.
//
// Use from a dialog's Read/Write buttons:
//
//   std::atomic<bool> cancel{false};
//   TransferResult r = FactoryRead(OpenRadioPort, settings.portName, settings.baudRate, image, cancel);
//   ShowMessage(this, FactoryMessage(r, FactoryDirection::kRead));   // also on success
//   if (!r.reason.empty() && !r.ok()) ... the reason can go under the message
//
// The exchange takes well under a second at 9600 baud, but it blocks while
// it runs; a window may run it on a thread (e.g. std::async) and keep its
// controls disabled meanwhile. `cancel` is tested once after each block.
// A factory read changes the image only when all 9 blocks have arrived; it
// never touches anything outside 0x0040-0x0087. A write only reads the image.
#include <atomic>
#include <cstdint>
#include <string>

#include "core/image/radio_image.h"
#include "core/link/serial_port.h"
#include "core/link/transfer.h"

namespace cps {

constexpr std::uint16_t kFactoryBlockStart = 0x0040;
constexpr std::uint16_t kFactoryBlockEnd = 0x0088;  // one past the last byte
constexpr int kFactoryBlockSize = 8;

enum class FactoryDirection { kRead, kWrite };

// Runs on an already open port.
TransferResult FactoryExchangeOnPort(SerialPort& port, FactoryDirection direction, RadioImage& image,
                                     const std::atomic<bool>& cancel);

// Opens `portName` at `baud` with `openPort` (OpenRadioPort for the real
// port) and runs the exchange.
TransferResult FactoryRead(const PortOpener& openPort, const std::string& portName, int baud, RadioImage& image,
                           const std::atomic<bool>& cancel);
TransferResult FactoryWrite(const PortOpener& openPort, const std::string& portName, int baud,
                            const RadioImage& image, const std::atomic<bool>& cancel);

// The message the factory dialog shows for a result: "Cound not open the
// port", "Communication error", "Read successfully" or "Write successfully"
// (a cancelled exchange has no message: empty).
std::string FactoryMessage(const TransferResult& result, FactoryDirection direction);

}  // namespace cps
