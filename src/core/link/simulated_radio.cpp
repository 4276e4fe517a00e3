// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/simulated_radio.h"

#include <algorithm>
#include <cstdlib>

#include "core/link/factory_exchange.h"
#include "core/link/framing.h"

namespace cps {

namespace {
struct FaultName {
  const char* name;
  RadioFault fault;
  bool needsK;
};
constexpr FaultName kFaultNames[] = {
    {"none", RadioFault::kNone, false},
    {"silent", RadioFault::kSilent, false},
    {"bad-handshake", RadioFault::kBadHandshake, false},
    {"short-id", RadioFault::kShortId, false},
    {"no-id-ack", RadioFault::kNoIdAck, false},
    {"short-block", RadioFault::kShortBlock, true},
    {"missing-block", RadioFault::kMissingBlock, true},
    {"no-block-ack", RadioFault::kNoBlockAck, true},
    {"stop", RadioFault::kStopAtBlock, true},
    {"delay", RadioFault::kByteDelay, true},
    {"garbage", RadioFault::kGarbage, true},
    {"late", RadioFault::kLateBlock, true},
    {"corrupt", RadioFault::kCorruptBlock, true},
};
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kGarbageByte = 0x3F;
constexpr std::size_t kRadioOwnedStart = 0x3E00, kRadioOwnedEnd = 0x3E40;  // never overwritten
constexpr std::size_t kCorruptedByte = 7;  // kCorruptBlock: this byte of the block is stored inverted
}  // namespace

Result<RadioFaultSpec> ParseRadioFault(const std::string& text) {
  const auto colon = text.find(':');
  const std::string name = text.substr(0, colon);
  for (const FaultName& f : kFaultNames) {
    if (name != f.name) continue;
    RadioFaultSpec chosen{f.fault, 0};
    if (colon == std::string::npos) {
      if (f.needsK) return Error{"fault '" + name + "' needs a number: " + name + ":K"};
      return chosen;
    }
    const std::string num = text.substr(colon + 1);
    char* end = nullptr;
    const long k = std::strtol(num.c_str(), &end, 10);
    if (!f.needsK || num.empty() || *end != '\0' || k < 0 || k > 100000)
      return Error{"bad fault '" + text + "'"};
    chosen.k = static_cast<int>(k);
    return chosen;
  }
  return Error{"unknown fault '" + name + "'; faults: " + RadioFaultNames()};
}

std::string RadioFaultNames() {
  std::string s;
  for (const FaultName& f : kFaultNames) {
    if (!s.empty()) s += ", ";
    s += f.name;
    if (f.needsK) s += f.fault == RadioFault::kByteDelay ? ":MS" : ":K";
  }
  return s;
}

SimulatedRadio::SimulatedRadio() { memory_.Fill(0xFF); }

void SimulatedRadio::Send(std::vector<RadioByte>& out, std::uint8_t b) {
  out.push_back({b, fault_.fault == RadioFault::kByteDelay ? fault_.k * 1000 : 0});
}

bool SimulatedRadio::Stopped() const { return fault_.fault == RadioFault::kStopAtBlock && block_ >= fault_.k; }

void SimulatedRadio::Receive(std::uint8_t byte, std::vector<RadioByte>& out) {
  if (fault_.fault == RadioFault::kSilent) return;
  switch (state_) {
    case State::kIdle:
      Idle(byte, out);
      return;
    case State::kWaitM:
      if (byte == link::kHandshakeSecond[0]) {
        state_ = State::kWaitStx;
      } else {
        state_ = State::kIdle;
        Idle(byte, out);
      }
      return;
    case State::kWaitStx: {
      if (byte != link::kHandshakeSecond[1]) {
        state_ = State::kIdle;
        Idle(byte, out);
        return;
      }
      std::uint8_t id[link::kIdentificationSize] = {'D', 'P', 'M', 'R', '-', 'S', 'I', 'M', 0, 0, 0, 0};
      id[12] = static_cast<std::uint8_t>(lowMhz_ & 0xFF);
      id[13] = static_cast<std::uint8_t>(lowMhz_ >> 8);
      id[14] = static_cast<std::uint8_t>(highMhz_ & 0xFF);
      id[15] = static_cast<std::uint8_t>(highMhz_ >> 8);
      const std::size_t n = fault_.fault == RadioFault::kShortId ? link::kIdentificationSize - 1 : link::kIdentificationSize;
      for (std::size_t i = 0; i < n; ++i) Send(out, id[i]);
      state_ = State::kWaitIdAck;
      return;
    }
    case State::kWaitIdAck:
      if (byte != link::kAck) {
        state_ = State::kIdle;
        Idle(byte, out);
        return;
      }
      if (fault_.fault != RadioFault::kNoIdAck) Send(out, link::kAck);
      state_ = State::kCommand;
      command_.clear();
      return;
    case State::kWaitBlockAck:
      state_ = State::kCommand;
      if (byte == link::kAck) {
        if (Stopped() || FaultAt(RadioFault::kNoBlockAck, block_)) return;
        if (FaultAt(RadioFault::kGarbage, block_)) Send(out, kGarbageByte);
        Send(out, link::kAck);
        return;
      }
      [[fallthrough]];
    case State::kCommand:
      command_.push_back(byte);
      Command(out);
      return;
  }
}

void SimulatedRadio::Idle(std::uint8_t byte, std::vector<RadioByte>& out) {
  window_.push_back(byte);
  if (window_.size() > link::kHandshakeFirst.size()) window_.erase(window_.begin());
  if (!std::equal(window_.begin(), window_.end(), link::kHandshakeFirst.begin(), link::kHandshakeFirst.end())) return;
  window_.clear();
  ++sessions_;
  block_ = 0;
  wroteBlocks_ = false;
  state_ = State::kWaitM;
  if (fault_.fault == RadioFault::kBadHandshake) {
    Send(out, kNak);
    return;
  }
  if (FaultAt(RadioFault::kGarbage, 0) && sessions_ == 1) Send(out, kGarbageByte);  // noise on the first reply only
  Send(out, link::kAck);
}

void SimulatedRadio::Command(std::vector<RadioByte>& out) {
  const std::uint8_t c = command_[0];
  if (c != link::kReadCommand && c != link::kWriteCommand && c != 'E') {
    // Not a command: perhaps a new handshake begins.
    const std::uint8_t byte = command_[0];
    command_.clear();
    state_ = State::kIdle;
    Idle(byte, out);
    return;
  }
  if (command_.size() < 4) return;
  if (c == 'E') {
    const bool endWrite = std::equal(command_.begin(), command_.end(), link::kEndWrite.begin());
    const bool endRead = std::equal(command_.begin(), command_.end(), link::kEndRead.begin());
    command_.clear();
    state_ = State::kIdle;
    if (Stopped()) return;
    // The program reads 4 bytes after "ENDR" without looking at them; this
    // radio answers with the marker itself so that no read ends on a time-out.
    if (endRead)
      for (std::uint8_t b : link::kEndRead) Send(out, b);
    if (endWrite && wroteBlocks_ && onWriteEnded) onWriteEnded(memory_);
    return;
  }
  const std::size_t address = (static_cast<std::size_t>(command_[1]) << 8) | command_[2];
  const std::size_t len = command_[3];
  if (c == link::kWriteCommand && command_.size() < 4 + len) return;
  ++block_;
  const bool silent = Stopped() || FaultAt(RadioFault::kMissingBlock, block_);
  const std::size_t replyStart = out.size();
  auto late = [&] {
    if (FaultAt(RadioFault::kLateBlock, block_) && out.size() > replyStart) out[replyStart].delayUs += kLateReplyMs * 1000;
  };
  if (c == link::kReadCommand) {
    command_.clear();
    if (silent) return;
    Send(out, link::kWriteCommand);
    Send(out, static_cast<std::uint8_t>(address >> 8));
    Send(out, static_cast<std::uint8_t>(address & 0xFF));
    Send(out, static_cast<std::uint8_t>(len));
    const std::size_t n = FaultAt(RadioFault::kShortBlock, block_) ? len / 2 : len;
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t a = address + i;
      Send(out, a < kImageSize ? memory_.Byte(a) : 0xFF);
    }
    late();
    state_ = State::kWaitBlockAck;
    return;
  }
  if (!silent) {
    for (std::size_t i = 0; i < len; ++i) {
      const std::size_t a = address + i;
      if (a >= kImageSize || (a >= kRadioOwnedStart && a < kRadioOwnedEnd)) continue;
      const bool corrupt = i == kCorruptedByte && FaultAt(RadioFault::kCorruptBlock, block_);
      memory_.SetByte(a, corrupt ? static_cast<std::uint8_t>(~command_[4 + i]) : command_[4 + i]);
    }
    wroteBlocks_ = true;
    if (!FaultAt(RadioFault::kNoBlockAck, block_)) {
      if (FaultAt(RadioFault::kGarbage, block_)) Send(out, kGarbageByte);
      Send(out, link::kAck);
      late();
    }
    // A factory write has no end marker: its last block ends it.
    if (len == kFactoryBlockSize && address + len == kFactoryBlockEnd && onWriteEnded) onWriteEnded(memory_);
  }
  command_.clear();
}

}  // namespace cps
