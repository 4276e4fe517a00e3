// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/fleet.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <thread>

#include "link_test_util.h"

namespace cps {
namespace {

using test::At;
using test::Bytes;

TEST(FleetRadioIdsTest, ConsecutiveIdsOrARefusal) {
  struct Row {
    long long first;
    std::size_t count;
    std::vector<std::string> ids;  // empty: refused
  };
  const Row rows[] = {
      {1000, 3, {"0001000", "0001001", "0001002"}},
      {8999998, 2, {"8999998", "8999999"}},
      {8999999, 2, {}},  // 9000000, like 1000000, is no valid ID
      {8999999, 3, {}},  // passes 9000000
      {9000001, 1, {}},
      {0, 2, {}},
      {1999999, 2, {}},  // 2000000 is no valid ID
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.first);
    auto ids = FleetRadioIds(row.first, row.count);
    EXPECT_EQ(ids.ok(), !row.ids.empty());
    if (ids.ok()) {
      EXPECT_EQ(*ids, row.ids);
    }
  }
}

// Three simulated radios on fake lines, by port name.
struct Fleet3 {
  std::map<std::string, SimulatedRadio> radios;
  std::map<std::string, FakeLine> lines;
  PortOpener opener = [this](const std::string& name, int) -> Result<std::unique_ptr<SerialPort>> {
    if (!radios.count(name)) return Error{"no " + name};
    return std::unique_ptr<SerialPort>(std::make_unique<FakeClockPort>(radios[name], lines[name]));
  };
  Fleet3() {
    for (const char* p : {"/dev/a", "/dev/b", "/dev/c"}) {
      radios[p];
      lines[p];
    }
  }
};

TEST(TransferFleetTest, EachRadioGetsItsIdAndOneFailureStopsNoOther) {
  Fleet3 rig;
  rig.radios["/dev/b"].SetFault({RadioFault::kStopAtBlock, 10});
  auto ids = FleetRadioIds(1234, 4);
  ASSERT_TRUE(ids.ok());
  std::vector<FleetRadio> radios;
  for (const char* p : {"/dev/a", "/dev/b", "/dev/c", "/dev/none"}) {
    FleetRadio r{p, test::Filled(0x00), (*ids)[radios.size()]};
    ASSERT_TRUE(GiveRadioId(r.image, r.radioId).ok());
    radios.push_back(r);
  }
  TransferFleet fleet(rig.opener, 9600);
  std::vector<int> lastPosition(4, 0);
  std::mutex m;
  TransferFleet::Callbacks cb;
  cb.progress = [&](std::size_t i, int p) {
    std::lock_guard lock(m);
    lastPosition[i] = p;
  };
  ASSERT_TRUE(fleet.Start(TransferDirection::kWrite, radios, {}, cb));
  fleet.Join();
  const auto outcomes = fleet.outcomes();
  ASSERT_EQ(outcomes.size(), 4u);
  EXPECT_EQ(outcomes[0].result.outcome, TransferOutcome::kSuccess);
  EXPECT_EQ(outcomes[1].result.outcome, TransferOutcome::kCommunicationError);
  EXPECT_EQ(outcomes[2].result.outcome, TransferOutcome::kSuccess);
  EXPECT_EQ(outcomes[3].result.outcome, TransferOutcome::kPortNotOpened);
  for (const auto& o : outcomes) EXPECT_TRUE(o.finished);
  EXPECT_EQ(lastPosition, (std::vector<int>{503, 8, 503, 0}));
  // The radio id as digit codes at 0x0388: 1234 and 1236.
  EXPECT_EQ(At(rig.radios["/dev/a"].memory(), 0x0388, 7), (Bytes{0, 0, 0, 1, 2, 3, 4}));
  EXPECT_EQ(At(rig.radios["/dev/c"].memory(), 0x0388, 7), (Bytes{0, 0, 0, 1, 2, 3, 6}));
}

// On random images (out-of-range values all over the dPMR page), a radio
// written with an id holds what a plain write gives it except the seven id
// bytes, which hold the id's digit codes.
TEST(TransferFleetTest, AnIdChangesTheIdBytesAndNothingElse) {
  std::mt19937 random(23);
  for (int round = 0; round < 12; ++round) {
    SCOPED_TRACE(round);
    RadioImage image;
    for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(random()));
    Fleet3 rig;
    std::atomic<bool> cancel{false};
    RadioImage plain = image;
    ASSERT_TRUE(RunTransfer(rig.opener, "/dev/a", 9600, TransferDirection::kWrite, plain, cancel).ok());
    const long long first = 1 + static_cast<long long>(random() % 899999);
    auto ids = FleetRadioIds(first, 1);
    ASSERT_TRUE(ids.ok()) << first;
    FleetRadio radio{"/dev/b", image, (*ids)[0]};
    ASSERT_TRUE(GiveRadioId(radio.image, radio.radioId).ok());
    TransferFleet fleet(rig.opener, 9600);
    ASSERT_TRUE(fleet.Start(TransferDirection::kWrite, {radio}, {}, {}));
    fleet.Join();
    ASSERT_TRUE(fleet.outcomes()[0].result.ok());
    const RadioImage& a = rig.radios["/dev/a"].memory();
    const RadioImage& b = rig.radios["/dev/b"].memory();
    for (std::size_t addr = 0; addr < kImageSize; ++addr) {
      if (addr >= 0x0388 && addr < 0x038F) {
        ASSERT_EQ(b.Byte(addr), radio.radioId[addr - 0x0388] - '0') << std::hex << addr;
      } else {
        ASSERT_EQ(a.Byte(addr), b.Byte(addr)) << std::hex << addr;
      }
    }
  }
}

TEST(TransferFleetTest, CancelStopsEveryRadio) {
  Fleet3 rig;
  // /dev/b and /dev/c open only after "Stop" while /dev/a reads block 20.
  std::atomic<bool> stopped{false};
  PortOpener gated = [&](const std::string& name, int baud) {
    while (name != "/dev/a" && !stopped) std::this_thread::yield();
    return rig.opener(name, baud);
  };
  TransferFleet fleet(gated, 9600);
  std::vector<FleetRadio> radios;
  for (const char* p : {"/dev/a", "/dev/b", "/dev/c"}) radios.push_back({p, test::Filled(0), ""});
  TransferFleet::Callbacks cb;
  cb.progress = [&](std::size_t i, int p) {
    if (i == 0 && p == 20) {
      fleet.Cancel();
      stopped = true;
    }
  };
  ASSERT_TRUE(fleet.Start(TransferDirection::kRead, radios, {}, cb));
  fleet.Join();
  for (const auto& o : fleet.outcomes()) EXPECT_EQ(o.result.outcome, TransferOutcome::kCancelled);
}

}  // namespace
}  // namespace cps
