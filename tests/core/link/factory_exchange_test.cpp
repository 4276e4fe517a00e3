// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/factory_exchange.h"

#include <gtest/gtest.h>

#include "link_test_util.h"

namespace cps {
namespace {

using test::Bytes;
using test::Filled;
using test::Rig;

TEST(FactoryExchange, ReadBytesOnTheWireAndTheBlockOnly) {
  Rig rig;
  RadioImage image = Filled(0x11);
  const TransferResult r = FactoryRead(rig.opener, "/dev/fake", 9600, image, rig.cancel);
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_EQ(FactoryMessage(r, FactoryDirection::kRead), "Read successfully");

  Bytes expected = test::kSessionOpening;
  for (unsigned a = 0x40; a <= 0x80; a += 8) test::Append(expected, {0x52, 0x00, static_cast<std::uint8_t>(a), 0x08, 0x41});
  EXPECT_EQ(rig.line.Sent(), expected);  // no "ENDR"

  // Discard once after opening, then 1 ms before each handshake byte with
  // no discard between them, 2 ms before the reply.
  std::vector<WireEvent::Kind> kinds;
  using K = WireEvent::Kind;
  std::vector<K> want = {K::kDiscard};
  for (int i = 0; i < 7; ++i) want.insert(want.end(), {K::kPause, K::kWrite});
  want.insert(want.end(), {K::kPause, K::kRead, K::kDiscard, K::kWrite, K::kRead, K::kDiscard});
  for (std::size_t i = 0; i < want.size(); ++i) kinds.push_back(rig.line.events[i].kind);
  EXPECT_EQ(kinds, want);
  EXPECT_EQ(test::Pauses(rig.line), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 2}));

  for (std::size_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(image.Byte(a), a >= 0x40 && a < 0x88 ? test::Pattern(a) : 0x11) << std::hex << a;
}

TEST(FactoryExchange, WriteBytesOnTheWire) {
  Rig rig;
  RadioImage image;
  for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(a & 0x7F));
  const TransferResult r = FactoryWrite(rig.opener, "/dev/fake", 9600, image, rig.cancel);
  ASSERT_TRUE(r.ok()) << r.reason;
  EXPECT_EQ(FactoryMessage(r, FactoryDirection::kWrite), "Write successfully");
  Bytes expected = test::kSessionOpening;
  for (unsigned a = 0x40; a <= 0x80; a += 8) {
    test::Append(expected, {0x57, 0x00, static_cast<std::uint8_t>(a), 0x08});
    for (unsigned i = 0; i < 8; ++i) expected.push_back(static_cast<std::uint8_t>((a + i) & 0x7F));
  }
  EXPECT_EQ(rig.line.Sent(), expected);  // no "ENDW"
  for (std::size_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(rig.radio.memory().Byte(a), a >= 0x40 && a < 0x88 ? (a & 0x7F) : test::Pattern(a)) << std::hex << a;
}

TEST(FactoryExchange, FailuresLeaveTheBlockAndSendNoEndMarker) {
  struct Row {
    const char* fault;
    FactoryDirection direction;
    const char* message;
  };
  const Row rows[] = {
      {"silent", FactoryDirection::kRead, "Communication error"},
      {"bad-handshake", FactoryDirection::kRead, "Communication error"},
      {"short-id", FactoryDirection::kRead, "Communication error"},
      {"no-id-ack", FactoryDirection::kRead, "Communication error"},
      {"short-block:3", FactoryDirection::kRead, "Communication error"},
      {"no-block-ack:9", FactoryDirection::kRead, "Communication error"},
      {"stop:5", FactoryDirection::kRead, "Communication error"},
      {"no-block-ack:2", FactoryDirection::kWrite, "Communication error"},
      {"delay:55", FactoryDirection::kRead, "Read successfully"},  // the factory interval is 100 ms
      {"delay:110", FactoryDirection::kRead, "Communication error"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    Rig rig;
    rig.radio.SetFault(*ParseRadioFault(row.fault));
    RadioImage image = Filled(0x22);
    const TransferResult r = row.direction == FactoryDirection::kRead
                                 ? FactoryRead(rig.opener, "/dev/fake", 9600, image, rig.cancel)
                                 : FactoryWrite(rig.opener, "/dev/fake", 9600, image, rig.cancel);
    EXPECT_EQ(FactoryMessage(r, row.direction), row.message) << r.reason;
    const Bytes sent = rig.line.Sent();
    EXPECT_FALSE(test::EndsWith(sent, {'E', 'N', 'D', 'W'}));
    EXPECT_FALSE(test::EndsWith(sent, {'E', 'N', 'D', 'R'}));
    if (!r.ok()) { EXPECT_TRUE(image == Filled(0x22)); }
  }
}

TEST(FactoryExchange, PortNotOpened) {
  Rig rig;
  RadioImage image;
  const TransferResult r = FactoryRead(rig.opener, "/dev/absent", 9600, image, rig.cancel);
  EXPECT_EQ(FactoryMessage(r, FactoryDirection::kRead), "Cound not open the port");
  EXPECT_TRUE(rig.line.events.empty());
}

TEST(FactoryExchange, MainTransferNeverTouchesTheCalibrationBlock) {
  Rig rig;
  RadioImage image = Filled(0x66);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, image).ok());
  for (std::size_t a = 0x40; a < 0x88; ++a) ASSERT_EQ(image.Byte(a), 0x66);
  ASSERT_TRUE(rig.Run(TransferDirection::kWrite, image).ok());
  for (std::size_t a = 0x40; a < 0x88; ++a) ASSERT_EQ(rig.radio.memory().Byte(a), test::Pattern(a));
}

}  // namespace
}  // namespace cps
