// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/serial_trace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "link_test_util.h"

namespace cps {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SerialTraceTest, AFailedReadShowsWhereItStopped) {
  test::Rig rig;
  rig.radio.SetFault({RadioFault::kMissingBlock, 2});
  std::ostringstream out;
  {
    auto trace = std::make_shared<SerialTrace>(out, [&rig] { return rig.line.nowUs; });
    RadioImage image = test::Filled(0);
    const TransferResult r = RunTransfer(TracingOpener(rig.opener, trace), "/dev/fake", 9600,
                                         TransferDirection::kRead, image, rig.cancel);
    EXPECT_EQ(r.outcome, TransferOutcome::kCommunicationError);
  }
  const auto lines = Lines(out.str());
  ASSERT_GT(lines.size(), 10u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 5);
  EXPECT_EQ(head, (std::vector<std::string>{
                      "       0.000  /dev/fake  open at 9600 baud, low latency not available on this port",
                      "       0.000  /dev/fake  time-outs: interval 50 ms, 50 ms per byte + 100 ms",
                      "       0.000  /dev/fake  pause 2 ms",
                      "       2.000  /dev/fake  purge",
                      "       2.000  /dev/fake  > 02",
                  }));
  // Block 1 (0x0100): its 32 data bytes in two lines of 16.
  const std::string block1 = "      24.000  /dev/fake  < " + std::string("57 01 00 20");
  EXPECT_NE(std::find(lines.begin(), lines.end(), block1), lines.end());
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "      24.000  /dev/fake  purge",
                      "      24.000  /dev/fake  > 52 01 20 20",
                      "     324.000  /dev/fake  < (0 of 4, time-out)",
                      "     324.000  /dev/fake  > 45 4E 44 57",
                      "     324.000  /dev/fake  close",
                  }));
}

TEST(SerialTraceTest, TracingChangesNeitherBytesNorTiming) {
  for (auto direction : {TransferDirection::kRead, TransferDirection::kWrite}) {
    test::Rig plain, traced;
    RadioImage a = test::Filled(0x12), b = test::Filled(0x12);
    ASSERT_TRUE(plain.Run(direction, a).ok());
    std::ostringstream out;
    auto trace = std::make_shared<SerialTrace>(out);
    ASSERT_TRUE(RunTransfer(TracingOpener(traced.opener, trace), "/dev/fake", 9600, direction, b, traced.cancel).ok());
    EXPECT_TRUE(a == b);
    ASSERT_EQ(plain.line.events.size(), traced.line.events.size());
    for (std::size_t i = 0; i < plain.line.events.size(); ++i) {
      EXPECT_EQ(plain.line.events[i].timeUs, traced.line.events[i].timeUs);
      ASSERT_EQ(plain.line.events[i].bytes, traced.line.events[i].bytes) << i;
    }
  }
}

// The trace is out after every exchange: a program killed at any moment
// leaves each block read so far, and the file starts with its header.
TEST(SerialTraceTest, EachExchangeIsOutBeforeTheNextBegins) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(SerialTrace::Header("dpmr-cli 3.0.0", 1796640973),
            "Serial trace by dpmr-cli 3.0.0, begun 2026-12-07 10:56:13 +0000\n");
  test::Rig rig;
  std::ostringstream out;
  auto trace = std::make_shared<SerialTrace>(out);
  int checked = 0;
  TransferCallbacks cb;
  cb.progress = [&](int position) {
    const int address = TransferBlocks(TransferDirection::kRead)[static_cast<std::size_t>(position - 1)];
    char reply[32];
    std::snprintf(reply, sizeof reply, "< 57 %02X %02X 20", address >> 8, address & 0xFF);
    if (out.str().find(reply) == std::string::npos) ADD_FAILURE() << reply << " not yet in the trace";
    ++checked;
  };
  RadioImage image;
  ASSERT_TRUE(RunTransfer(TracingOpener(rig.opener, trace), "/dev/fake", 9600, TransferDirection::kRead, image,
                          rig.cancel, cb)
                  .ok());
  EXPECT_EQ(checked, 503);
}

TEST(SerialTraceTest, APortThatDoesNotOpenIsTraced) {
  test::Rig rig;
  std::ostringstream out;
  auto trace = std::make_shared<SerialTrace>(out, [] { return 0; });
  RadioImage image;
  RunTransfer(TracingOpener(rig.opener, trace), "/dev/absent", 9600, TransferDirection::kRead, image, rig.cancel);
  EXPECT_EQ(out.str(), "       0.000  /dev/absent  open at 9600 baud failed: The port /dev/absent does not exist.\n");
}

}  // namespace
}  // namespace cps
