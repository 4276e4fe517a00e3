// SPDX-License-Identifier: GPL-3.0-or-later
// The read time-outs each exchange sets on the port: the gap allowed
// between two bytes and the total time of a read.
#include <gtest/gtest.h>

#include <vector>

#include "core/link/factory_exchange.h"
#include "link_test_util.h"

namespace cps {
namespace {

// A port that notes every time-out set on it and passes everything on.
class TimeoutRecorder : public SerialPort {
 public:
  TimeoutRecorder(std::unique_ptr<SerialPort> inner, std::vector<ReadTimeouts>& seen)
      : inner_(std::move(inner)), seen_(seen) {}
  void SetReadTimeouts(const ReadTimeouts& t) override {
    seen_.push_back(t);
    inner_->SetReadTimeouts(t);
  }
  void DiscardInput() override { inner_->DiscardInput(); }
  bool Write(std::span<const std::uint8_t> bytes) override { return inner_->Write(bytes); }
  std::size_t Read(std::uint8_t* out, std::size_t n) override { return inner_->Read(out, n); }
  void Pause(int ms) override { inner_->Pause(ms); }

 private:
  std::unique_ptr<SerialPort> inner_;
  std::vector<ReadTimeouts>& seen_;
};

TEST(ReadTimeouts, EachExchangeSetsItsIntervalAndTotal) {
  struct Case {
    const char* name;
    std::function<TransferResult(test::Rig&, const PortOpener&, RadioImage&)> run;
    ReadTimeouts want;  // interval, total per byte, total constant (ms)
  };
  const Case cases[] = {
      {"read", [](test::Rig& rig, const PortOpener& o, RadioImage& im) {
         return RunTransfer(o, "/dev/fake", 9600, TransferDirection::kRead, im, rig.cancel);
       }, {50, 50, 100}},
      {"write", [](test::Rig& rig, const PortOpener& o, RadioImage& im) {
         return RunTransfer(o, "/dev/fake", 9600, TransferDirection::kWrite, im, rig.cancel);
       }, {50, 50, 100}},
      {"factory read", [](test::Rig& rig, const PortOpener& o, RadioImage& im) {
         return FactoryRead(o, "/dev/fake", 9600, im, rig.cancel);
       }, {100, 50, 100}},
      {"factory write", [](test::Rig& rig, const PortOpener& o, RadioImage& im) {
         return FactoryWrite(o, "/dev/fake", 9600, im, rig.cancel);
       }, {100, 50, 100}},
  };
  for (const Case& c : cases) {
    test::Rig rig;
    std::vector<ReadTimeouts> seen;
    const PortOpener recording = [&](const std::string& name, int baud) -> Result<std::unique_ptr<SerialPort>> {
      auto port = rig.opener(name, baud);
      if (!port) return port;
      return std::unique_ptr<SerialPort>(std::make_unique<TimeoutRecorder>(std::move(*port), seen));
    };
    RadioImage image = test::Filled(0x00);
    const TransferResult r = c.run(rig, recording, image);
    ASSERT_TRUE(r.ok()) << c.name << ": " << r.reason;
    ASSERT_FALSE(seen.empty()) << c.name;
    for (const ReadTimeouts& t : seen) {
      EXPECT_EQ(t.intervalMs, c.want.intervalMs) << c.name;
      EXPECT_EQ(t.totalMultiplierMs, c.want.totalMultiplierMs) << c.name;
      EXPECT_EQ(t.totalConstantMs, c.want.totalConstantMs) << c.name;
    }
  }
}

TEST(ReadTimeouts, ARadioSlowerThanTheIntervalIsACommunicationError) {
  // 45 ms between bytes stays within the 50 ms interval; 60 ms does not.
  for (const auto& [delay, ok] : {std::pair{"delay:45", true}, std::pair{"delay:60", false}}) {
    test::Rig rig;
    auto fault = ParseRadioFault(delay);
    ASSERT_TRUE(fault) << delay;
    rig.radio.SetFault(*fault);
    RadioImage image = test::Filled(0x00);
    const TransferResult r = rig.Run(TransferDirection::kRead, image);
    EXPECT_EQ(r.ok(), ok) << delay << ": " << r.reason;
    if (!ok) EXPECT_EQ(r.outcome, TransferOutcome::kCommunicationError);
  }
}

}  // namespace
}  // namespace cps
