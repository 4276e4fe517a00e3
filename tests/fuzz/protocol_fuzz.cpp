// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the radio protocols against a port whose every answer comes
// from the fuzzer's bytes. The first byte picks the exchange (read, write,
// factory read, factory write); a read that comes up short is a time-out.
// A read that fails leaves the image as it was; a factory read changes
// nothing outside its block.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/link/factory_exchange.h"
#include "core/link/transfer.h"

namespace {

class ScriptedPort : public cps::SerialPort {
 public:
  explicit ScriptedPort(std::span<const std::uint8_t> answers) : answers_(answers) {}
  void SetReadTimeouts(const cps::ReadTimeouts&) override {}
  void DiscardInput() override {}
  bool Write(std::span<const std::uint8_t>) override { return true; }
  std::size_t Read(std::uint8_t* out, std::size_t n) override {
    const std::size_t k = std::min(n, answers_.size() - at_);
    std::copy_n(answers_.begin() + static_cast<std::ptrdiff_t>(at_), k, out);
    at_ += k;
    return k;
  }
  void Pause(int) override {}

 private:
  std::span<const std::uint8_t> answers_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  ScriptedPort port(std::span<const std::uint8_t>(data + 1, size - 1));
  std::atomic<bool> cancel{false};
  cps::RadioImage image;
  for (std::size_t a = 0; a < cps::kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(a * 7 + 3));
  const cps::RadioImage before = image;
  switch (data[0] % 4) {
    case 0: {
      const auto r = cps::RunTransferOnPort(port, cps::TransferDirection::kRead, image, cancel);
      if (!r.ok() && image != before) __builtin_trap();
      break;
    }
    case 1:
      cps::RunTransferOnPort(port, cps::TransferDirection::kWrite, image, cancel);
      if (image != before) __builtin_trap();
      break;
    case 2: {
      const auto r = cps::FactoryExchangeOnPort(port, cps::FactoryDirection::kRead, image, cancel);
      for (std::size_t a = 0; a < cps::kImageSize; ++a) {
        const bool inBlock = a >= cps::kFactoryBlockStart && a < cps::kFactoryBlockEnd;
        if (image.Byte(a) != before.Byte(a) && (!r.ok() || !inBlock)) __builtin_trap();
      }
      break;
    }
    default:
      cps::FactoryExchangeOnPort(port, cps::FactoryDirection::kWrite, image, cancel);
      if (image != before) __builtin_trap();
  }
  return 0;
}
