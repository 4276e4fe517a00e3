// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/serial_trace.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace cps {

namespace {
constexpr std::size_t kBytesPerLine = 16;

std::int64_t SteadyMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class TracingPort : public SerialPort {
 public:
  TracingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<SerialTrace> trace, std::string name)
      : inner_(std::move(inner)), trace_(std::move(trace)), name_(std::move(name)) {}
  ~TracingPort() override {
    inner_.reset();
    trace_->Note(name_, "close");
    trace_->Flush();
  }
  void SetReadTimeouts(const ReadTimeouts& t) override {
    char buf[96];
    std::snprintf(buf, sizeof buf, "time-outs: interval %d ms, %d ms per byte + %d ms", t.intervalMs,
                  t.totalMultiplierMs, t.totalConstantMs);
    trace_->Note(name_, buf);
    inner_->SetReadTimeouts(t);
  }
  void DiscardInput() override {
    trace_->Note(name_, "purge");
    inner_->DiscardInput();
  }
  bool Write(std::span<const std::uint8_t> bytes) override {
    trace_->Bytes(name_, '>', bytes);
    const bool ok = inner_->Write(bytes);
    if (!ok) trace_->Note(name_, "write refused by the port");
    return ok;
  }
  std::size_t Read(std::uint8_t* out, std::size_t n) override {
    const std::size_t got = inner_->Read(out, n);
    trace_->Bytes(name_, '<', std::span<const std::uint8_t>(out, got), n);
    if (got < n) {
      const std::string report = inner_->FailureText();
      if (!report.empty()) trace_->Note(name_, "the port reported: " + report);
    }
    trace_->Flush();  // an exchange is complete: it survives a killed program
    return got;
  }
  std::string FailureText() const override { return inner_->FailureText(); }
  std::string LowLatencyText() const override { return inner_->LowLatencyText(); }
  void Pause(int ms) override {
    trace_->Note(name_, "pause " + std::to_string(ms) + " ms");
    inner_->Pause(ms);
  }

 private:
  std::unique_ptr<SerialPort> inner_;
  std::shared_ptr<SerialTrace> trace_;
  std::string name_;
};
}  // namespace

SerialTrace::SerialTrace(std::ostream& out, Clock clock)
    : out_(&out), clock_(clock ? std::move(clock) : Clock(SteadyMicroseconds)), startUs_(clock_()) {}

std::string SerialTrace::Header(const std::string& program, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[48];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S %z", &local);
  return "Serial trace" + (program.empty() ? std::string() : " by " + program) + ", begun " + stamp + "\n";
}

Result<std::shared_ptr<SerialTrace>> SerialTrace::ToFile(const std::string& path, const std::string& program) {
  auto file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
  if (!*file) return Error{"cannot write the trace " + path};
  *file << Header(program, std::time(nullptr)) << std::flush;
  std::shared_ptr<SerialTrace> trace(new SerialTrace());
  trace->clock_ = SteadyMicroseconds;
  trace->startUs_ = trace->clock_();
  trace->out_ = file.get();
  trace->file_ = std::move(file);
  return trace;
}

SerialTrace::~SerialTrace() { Flush(); }

std::string SerialTrace::Stamp(const std::string& port) {
  const std::int64_t us = clock_() - startUs_;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%12.3f  ", static_cast<double>(us) / 1000.0);
  return buf + port + "  ";
}

void SerialTrace::Append(std::string line) {
  std::lock_guard lock(mutex_);
  pending_ += line;
}

void SerialTrace::Note(const std::string& port, const std::string& what) { Append(Stamp(port) + what + "\n"); }

void SerialTrace::Bytes(const std::string& port, char direction, std::span<const std::uint8_t> bytes,
                        std::size_t asked) {
  const std::string stamp = Stamp(port);
  std::string text;
  std::size_t i = 0;
  do {
    std::string line = stamp + direction;
    for (std::size_t k = 0; k < kBytesPerLine && i < bytes.size(); ++k, ++i) {
      char hex[4];
      std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
      line += hex;
    }
    if (i >= bytes.size() && asked > bytes.size())
      line += " (" + std::to_string(bytes.size()) + " of " + std::to_string(asked) + ", time-out)";
    text += line + "\n";
  } while (i < bytes.size());
  Append(std::move(text));
}

void SerialTrace::Flush() {
  std::lock_guard lock(mutex_);
  if (!out_) return;
  out_->write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  out_->flush();
  pending_.clear();
}

PortOpener TracingOpener(PortOpener inner, std::shared_ptr<SerialTrace> trace) {
  return [inner = std::move(inner), trace](const std::string& name, int baud) -> Result<std::unique_ptr<SerialPort>> {
    auto port = inner(name, baud);
    if (!port) {
      trace->Note(name, "open at " + std::to_string(baud) + " baud failed: " + port.error());
      trace->Flush();
      return port;
    }
    trace->Note(name, "open at " + std::to_string(baud) + " baud, low latency " + (*port)->LowLatencyText());
    trace->Flush();
    return std::unique_ptr<SerialPort>(std::make_unique<TracingPort>(std::move(*port), trace, name));
  };
}

}  // namespace cps
