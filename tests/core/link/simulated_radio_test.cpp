// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/simulated_radio.h"

#include <gtest/gtest.h>

#include "core/link/port_names.h"

namespace cps {
namespace {

TEST(RadioFaultParse, NamesAndNumbers) {
  struct Row {
    const char* text;
    bool ok;
    RadioFault fault;
    int k;
  };
  const Row rows[] = {
      {"silent", true, RadioFault::kSilent, 0},           {"short-block:12", true, RadioFault::kShortBlock, 12},
      {"delay:60", true, RadioFault::kByteDelay, 60},     {"garbage:0", true, RadioFault::kGarbage, 0},
      {"stop:3", true, RadioFault::kStopAtBlock, 3},      {"short-block", false, RadioFault::kNone, 0},
      {"silent:3", false, RadioFault::kNone, 0},          {"stop:x", false, RadioFault::kNone, 0},
      {"stop:-1", false, RadioFault::kNone, 0},           {"thunder", false, RadioFault::kNone, 0},
  };
  for (const Row& row : rows) {
    auto r = ParseRadioFault(row.text);
    EXPECT_EQ(r.ok(), row.ok) << row.text;
    if (r.ok() && row.ok) {
      EXPECT_EQ(r->fault, row.fault) << row.text;
      EXPECT_EQ(r->k, row.k) << row.text;
    }
  }
}

TEST(SimulatedRadioTest, WriteKeepsItsOwnBlockAndReportsTheEnd) {
  SimulatedRadio radio;
  int ended = 0;
  radio.onWriteEnded = [&](const RadioImage&) { ++ended; };
  std::vector<RadioByte> out;
  const std::uint8_t session[] = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 0x41};
  radio.Receive(session, sizeof session, out);
  ASSERT_EQ(out.size(), 1u + 16u + 1u);
  EXPECT_EQ(out[0].value, 0x41);
  EXPECT_EQ(out[13].value, 400 & 0xFF);  // identification bytes 12-15
  EXPECT_EQ(out[14].value, 400 >> 8);
  EXPECT_EQ(out[17].value, 0x41);
  out.clear();
  std::vector<std::uint8_t> w = {'W', 0x3E, 0x20, 0x20};
  w.resize(36, 0x00);
  radio.Receive(w.data(), w.size(), out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].value, 0x41);
  EXPECT_EQ(radio.memory().Byte(0x3E20), 0xFF);  // the radio's copy stays
  EXPECT_EQ(ended, 0);
  const std::uint8_t end[] = {'E', 'N', 'D', 'W'};
  radio.Receive(end, sizeof end, out);
  EXPECT_EQ(ended, 1);

  // A factory write has no "ENDW": its last 8-byte block (0x0080) ends it.
  radio.Receive(session, sizeof session, out);
  std::vector<std::uint8_t> f = {'W', 0x00, 0x78, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
  radio.Receive(f.data(), f.size(), out);
  EXPECT_EQ(ended, 1);
  f[2] = 0x80;
  radio.Receive(f.data(), f.size(), out);
  EXPECT_EQ(ended, 2);
  EXPECT_EQ(radio.memory().Byte(0x0087), 8);
}

TEST(PortNames, ComNumbers) {
  EXPECT_EQ(ComPortName(9), "COM9");
  EXPECT_EQ(ComPortName(10), "\\\\.\\COM10");
  EXPECT_EQ(ComPortName(12), "\\\\.\\COM12");
  EXPECT_EQ(ComPortNumber("COM3"), 3);
  EXPECT_EQ(ComPortNumber("\\\\.\\COM12"), 12);
  EXPECT_EQ(ComPortNumber(""), 0);
  EXPECT_EQ(ComPortNumber("/dev/ttyUSB0"), 0);
}

}  // namespace
}  // namespace cps
