// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's byte framing, shared by the main read/write transfer and the
// factory exchange: the two-part handshake, the 16-byte identification and
// its acknowledgement, block commands with their 0x41 acknowledgement, and
// the end markers. Each step reports failure by its return value with a
// reason a user can read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/link/serial_port.h"

namespace cps::link {

constexpr std::uint8_t kAck = 0x41;  // 'A'
constexpr std::array<std::uint8_t, 7> kHandshakeFirst = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};  // 0x02 "PROGRA"
constexpr std::array<std::uint8_t, 2> kHandshakeSecond = {0x4D, 0x02};                              // "M" 0x02
constexpr std::array<std::uint8_t, 4> kEndRead = {'E', 'N', 'D', 'R'};
constexpr std::array<std::uint8_t, 4> kEndWrite = {'E', 'N', 'D', 'W'};
constexpr std::uint8_t kReadCommand = 0x52;   // 'R'
constexpr std::uint8_t kWriteCommand = 0x57;  // 'W'
constexpr std::size_t kIdentificationSize = 16;
constexpr int kHandshakeAttempts = 4;

// How the first handshake part is sent.
struct HandshakeStyle {
  int pauseBeforeByteMs = 2;     // before each of the 7 bytes
  bool discardBeforeByte = true; // discard the input before each byte
  int pauseBeforeReplyMs = 0;    // between the last byte and the reply
};
constexpr HandshakeStyle kTransferHandshake{2, true, 0};
constexpr HandshakeStyle kFactoryHandshake{1, false, 2};

// The radio's identification: bytes 12-13 and 14-15 hold its band edges in
// MHz, low byte first.
struct LinkIdentification {
  std::array<std::uint8_t, kIdentificationSize> bytes{};
  int LowMhz() const { return bytes[12] | (bytes[13] << 8); }
  int HighMhz() const { return bytes[14] | (bytes[15] << 8); }
  // In 10 Hz units (× 100000).
  std::uint32_t LowUnits() const { return static_cast<std::uint32_t>(LowMhz()) * 100000u; }
  std::uint32_t HighUnits() const { return static_cast<std::uint32_t>(HighMhz()) * 100000u; }
};

// A step that failed, with its reason; empty when it succeeded.
using StepError = std::optional<std::string>;

// Sends the first handshake part up to 4 times until the radio answers 0x41.
StepError Handshake(SerialPort& port, const HandshakeStyle& style);
// Discards the input, sends the second handshake part and reads the
// identification into `id`.
StepError ReadIdentification(SerialPort& port, LinkIdentification& id);
// Discards the input, sends 0x41 and expects 0x41 back.
StepError Acknowledge(SerialPort& port, const std::string& what);
// Discards the input and sends the 4-byte command 'R' hi lo len; reads the
// 4-byte reply header (not examined) and then len bytes into `out`. Fails
// when fewer than 4 header bytes or fewer than `out.size()` bytes arrive.
StepError ReadBlock(SerialPort& port, std::uint16_t address, std::span<std::uint8_t> out);
// Discards the input, sends 'W' hi lo len and the data, expects 0x41.
StepError WriteBlock(SerialPort& port, std::uint16_t address, std::span<const std::uint8_t> data);
// Sends an end marker ("ENDR" or "ENDW").
void SendEnd(SerialPort& port, std::span<const std::uint8_t> marker);

// "0x3F80" style address text for reasons.
std::string AddressText(std::uint16_t address);

}  // namespace cps::link
