// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/framing.h"

#include <cstdio>

namespace cps::link {

namespace {
bool WriteByte(SerialPort& port, std::uint8_t b) { return port.Write(std::span<const std::uint8_t>(&b, 1)); }

std::string HexByte(std::uint8_t b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}
}  // namespace

std::string AddressText(std::uint16_t address) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%04X", address);
  return buf;
}

StepError Handshake(SerialPort& port, const HandshakeStyle& style) {
  std::string last = "no answer";
  for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
    for (std::uint8_t b : kHandshakeFirst) {
      port.Pause(style.pauseBeforeByteMs);
      if (style.discardBeforeByte) port.DiscardInput();
      WriteByte(port, b);
    }
    if (style.pauseBeforeReplyMs > 0) port.Pause(style.pauseBeforeReplyMs);
    if (style.discardBeforeByte) port.DiscardInput();
    std::uint8_t reply = 0;
    if (port.Read(&reply, 1) == 1) {
      if (reply == kAck) return std::nullopt;
      last = "answer " + HexByte(reply);
    } else {
      last = "no answer";
    }
  }
  return "The radio did not answer the handshake (" + std::to_string(kHandshakeAttempts) + " attempts, " + last +
         ").";
}

StepError ReadIdentification(SerialPort& port, LinkIdentification& id) {
  port.DiscardInput();
  port.Write(kHandshakeSecond);
  const std::size_t got = port.Read(id.bytes.data(), id.bytes.size());
  if (got < id.bytes.size())
    return "The radio's identification had " + std::to_string(got) + " of 16 bytes.";
  return std::nullopt;
}

StepError Acknowledge(SerialPort& port, const std::string& what) {
  port.DiscardInput();
  WriteByte(port, kAck);
  std::uint8_t reply = 0;
  if (port.Read(&reply, 1) != 1) return "The radio did not acknowledge " + what + " (no answer).";
  if (reply != kAck) return "The radio did not acknowledge " + what + " (answer " + HexByte(reply) + ").";
  return std::nullopt;
}

StepError ReadBlock(SerialPort& port, std::uint16_t address, std::span<std::uint8_t> out) {
  port.DiscardInput();
  const std::uint8_t cmd[4] = {kReadCommand, static_cast<std::uint8_t>(address >> 8),
                               static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(out.size())};
  port.Write(cmd);
  // The header's content is not examined, but all four bytes must be there:
  // a late reply would otherwise shift its header into the data.
  std::uint8_t header[4];
  const std::size_t headerGot = port.Read(header, sizeof header);
  if (headerGot < sizeof header) {
    // Name what did come, as a write names the byte that answered it.
    std::string answer;
    for (std::size_t i = 0; i < headerGot; ++i) answer += (i ? " " : " (answer ") + HexByte(header[i]);
    return "The reply to the block at " + AddressText(address) + " began with " + std::to_string(headerGot) +
           " of 4 header bytes" + (answer.empty() ? "" : answer + ")") + ".";
  }
  const std::size_t got = port.Read(out.data(), out.size());
  if (got < out.size())
    return "The block at " + AddressText(address) + " came with " + std::to_string(got) +
           " of " + std::to_string(out.size()) + " bytes.";
  return std::nullopt;
}

StepError WriteBlock(SerialPort& port, std::uint16_t address, std::span<const std::uint8_t> data) {
  port.DiscardInput();
  if (data.size() > 255) return "A block longer than 255 bytes cannot be sent.";
  std::uint8_t frame[4 + 255];
  frame[0] = kWriteCommand;
  frame[1] = static_cast<std::uint8_t>(address >> 8);
  frame[2] = static_cast<std::uint8_t>(address & 0xFF);
  frame[3] = static_cast<std::uint8_t>(data.size());
  for (std::size_t i = 0; i < data.size(); ++i) frame[4 + i] = data[i];
  port.Write(std::span<const std::uint8_t>(frame, 4 + data.size()));
  std::uint8_t reply = 0;
  if (port.Read(&reply, 1) != 1)
    return "The radio did not acknowledge the block at " + AddressText(address) + " (no answer).";
  if (reply != kAck)
    return "The radio did not acknowledge the block at " + AddressText(address) + " (answer " + HexByte(reply) + ").";
  return std::nullopt;
}

void SendEnd(SerialPort& port, std::span<const std::uint8_t> marker) { port.Write(marker); }

}  // namespace cps::link
