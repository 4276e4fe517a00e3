// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/transfer.h"

#include <gtest/gtest.h>

#include <future>

#include "link_test_util.h"

namespace cps {
namespace {

using test::At;
using test::Bytes;
using test::Filled;
using test::Rig;

const Bytes kEndR = {0x45, 0x4E, 0x44, 0x52};
const Bytes kEndW = {0x45, 0x4E, 0x44, 0x57};

TEST(TransferRead, ExactByteStreamAndPauses) {
  Rig rig;
  RadioImage image = Filled(0xA5);
  image.SetByte(0x3F83, 0xFF);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, image).ok());

  Bytes expected = test::kSessionOpening;
  int commands = 0;
  for (unsigned a = 0x0100; a <= 0x3FE0; a += 0x20) {
    if (a == 0x3F80) continue;
    test::Append(expected, {0x52, static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 0x20, 0x41});
    ++commands;
  }
  expected.insert(expected.end(), kEndR.begin(), kEndR.end());
  EXPECT_EQ(commands, 503);
  EXPECT_EQ(rig.line.Sent(), expected);

  // Pauses: 2 ms before each handshake byte, then 10 ms after the
  // identification; nothing else takes time on an ideal line.
  EXPECT_EQ(test::Pauses(rig.line), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 10}));
  EXPECT_EQ(rig.line.nowUs, 24000);
  // Each handshake byte goes out after discarding the input.
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(rig.line.events[3 * i].kind, WireEvent::Kind::kPause);
    EXPECT_EQ(rig.line.events[3 * i + 1].kind, WireEvent::Kind::kDiscard);
    EXPECT_EQ(rig.line.events[3 * i + 2].kind, WireEvent::Kind::kWrite);
  }
  EXPECT_EQ(rig.line.opens, 1);
  EXPECT_EQ(rig.line.closes, 1);

  // The image: read ranges from the radio, the rest as before, the band
  // edges of a 400-470 MHz radio in the erased field.
  for (std::size_t a = 0; a < kImageSize; ++a) {
    std::uint8_t want = test::Pattern(a);
    if (a < 0x0100 || (a >= 0x3F80 && a < 0x3FA0)) want = a == 0x3F83 ? 0xFF : 0xA5;
    if (a >= 0x3F80 && a < 0x3F88) continue;
    ASSERT_EQ(image.Byte(a), want) << std::hex << a;
  }
  EXPECT_EQ(At(image, 0x3F80, 8), (Bytes{0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}));
}

TEST(TransferWrite, ExactByteStream) {
  Rig rig;
  RadioImage image;
  for (std::size_t a = 0; a < kImageSize; ++a) image.SetByte(a, static_cast<std::uint8_t>(~test::Pattern(a)));
  ASSERT_TRUE(rig.Run(TransferDirection::kWrite, image).ok());

  Bytes expected = test::kSessionOpening;
  int commands = 0;
  for (unsigned a = 0x0100; a <= 0x3FE0; a += 0x20) {
    if (a == 0x3E00 || a == 0x3E20 || a == 0x3F80) continue;
    test::Append(expected, {0x57, static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 0x20});
    for (unsigned i = 0; i < 32; ++i) expected.push_back(static_cast<std::uint8_t>(~test::Pattern(a + i)));
    ++commands;
  }
  expected.insert(expected.end(), kEndW.begin(), kEndW.end());
  EXPECT_EQ(commands, 501);
  EXPECT_EQ(rig.line.Sent(), expected);
  const auto writes = test::WritesStartingWith(rig.line, 0x57);
  ASSERT_EQ(writes.size(), 501u);
  EXPECT_EQ(writes.back()[1], 0x3F);
  EXPECT_EQ(writes.back()[2], 0xE0);

  // The radio keeps its own 0x0000-0x00FF, 0x3E00-0x3E3F and 0x3F80-0x3F9F.
  for (std::size_t a = 0; a < kImageSize; ++a) {
    const bool kept = a < 0x0100 || (a >= 0x3E00 && a < 0x3E40) || (a >= 0x3F80 && a < 0x3FA0);
    ASSERT_EQ(rig.radio.memory().Byte(a), kept ? test::Pattern(a) : image.Byte(a)) << std::hex << a;
  }
}

TEST(TransferProgress, PositionsAndPercentText) {
  Rig rig;
  RadioImage image = Filled(0);
  std::vector<int> readPositions, writePositions;
  rig.Run(TransferDirection::kRead, image, {.progress = [&](int p) { readPositions.push_back(p); }});
  ASSERT_EQ(readPositions.size(), 503u);
  EXPECT_EQ(readPositions.front(), 1);
  EXPECT_EQ(readPositions.back(), 503);
  rig.Run(TransferDirection::kWrite, image, {.progress = [&](int p) { writePositions.push_back(p); }});
  ASSERT_EQ(writePositions.size(), 501u);
  EXPECT_EQ(writePositions.front(), 0);    // block 0x0100
  EXPECT_EQ(writePositions[495], 497);     // 0x3E40 after the skipped 0x3E00, 0x3E20
  EXPECT_EQ(writePositions.back(), 503);   // 0x3FE0

  const std::pair<int, const char*> texts[] = {{0, "0%"}, {1, "0%"}, {6, "1%"}, {252, "50%"}, {503, "99%"}, {504, "100%"}};
  for (auto [k, text] : texts) EXPECT_EQ(ProgressText(k), text) << k;
}

// Each way a transfer can fail: the outcome, the bytes sent and the image.
TEST(TransferFailures, Table) {
  struct Row {
    const char* name;
    TransferDirection direction;
    const char* fault;
    TransferOutcome outcome;
    int blockCommands;  // 'R' or 'W' commands sent
    bool endsWithEndW;
    std::size_t sentWithoutBlocks;  // bytes sent when no block was reached
  };
  const auto R = TransferDirection::kRead, W = TransferDirection::kWrite;
  const auto kErr = TransferOutcome::kCommunicationError;
  const Row rows[] = {
      {"silent radio", R, "silent", kErr, 0, false, 28},
      {"wrong handshake reply", R, "bad-handshake", kErr, 0, false, 28},
      {"short identification", R, "short-id", kErr, 0, false, 9},
      {"no ack after identification", R, "no-id-ack", kErr, 0, false, 10},
      {"write: silent radio", W, "silent", kErr, 0, false, 28},
      {"write: short identification", W, "short-id", kErr, 0, false, 9},
      {"read: block 5 short", R, "short-block:5", kErr, 5, true, 0},
      {"read: block 1 missing", R, "missing-block:1", kErr, 1, true, 0},
      {"read: no ack after block 7", R, "no-block-ack:7", kErr, 7, true, 0},
      {"read: stops at block 300", R, "stop:300", kErr, 300, true, 0},
      {"read: garbage before ack of block 2", R, "garbage:2", kErr, 2, true, 0},
      {"read: last block missing", R, "missing-block:503", kErr, 503, true, 0},
      {"read: reply to block 5 one second late", R, "late:5", kErr, 5, true, 0},
      {"write: no ack after block 4", W, "no-block-ack:4", kErr, 4, true, 0},
      {"write: stops at block 501", W, "stop:501", kErr, 501, true, 0},
      {"garbage before the handshake reply", R, "garbage:0", TransferOutcome::kSuccess, 503, false, 0},
      {"bytes 40 ms apart", R, "delay:40", TransferOutcome::kSuccess, 503, false, 0},
      {"bytes 60 ms apart", R, "delay:60", kErr, 0, false, 9},
      {"write: bytes 40 ms apart", W, "delay:40", TransferOutcome::kSuccess, 501, true, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    auto fault = ParseRadioFault(row.fault);
    ASSERT_TRUE(fault.ok());
    rig.radio.SetFault(*fault);
    const RadioImage radioBefore = rig.radio.memory();
    RadioImage image = Filled(0x5A);
    const RadioImage before = image;
    const TransferResult r = rig.Run(row.direction, image);
    EXPECT_EQ(r.outcome, row.outcome) << r.reason;
    EXPECT_EQ(r.reason.empty(), row.outcome == TransferOutcome::kSuccess) << r.reason;
    const auto commands = test::WritesStartingWith(rig.line, row.direction == R ? 0x52 : 0x57);
    EXPECT_EQ(static_cast<int>(commands.size()), row.blockCommands);
    const Bytes sent = rig.line.Sent();
    EXPECT_EQ(test::EndsWith(sent, kEndW), row.endsWithEndW);
    if (row.sentWithoutBlocks) {
      EXPECT_EQ(sent.size(), row.sentWithoutBlocks);
    }
    if (row.outcome != TransferOutcome::kSuccess) {
      EXPECT_TRUE(image == before) << "a failed transfer changed the image";
      EXPECT_FALSE(test::EndsWith(sent, kEndR));
    }
    if (row.direction == W) {
      EXPECT_TRUE(image == before);
    }
    if (row.direction == R) {
      EXPECT_TRUE(rig.radio.memory() == radioBefore);
    }
    EXPECT_EQ(rig.line.closes, rig.line.opens);
  }
}

TEST(TransferFailures, LateReplyHeaderIsNotTakenAsData) {
  // The header read gives up after 300 ms; the reply's 36 bytes arrive a
  // second late and must not become the block's data.
  Rig rig;
  rig.radio.SetFault({RadioFault::kLateBlock, 5});
  RadioImage image = Filled(0x5A);
  const TransferResult r = rig.Run(TransferDirection::kRead, image);
  EXPECT_EQ(r.outcome, TransferOutcome::kCommunicationError);
  EXPECT_EQ(r.reason, "The reply to the block at 0x0180 began with 0 of 4 header bytes.");
}

TEST(TransferVerify, ReadsBackAndNamesTheFirstDifference) {
  struct Row {
    const char* fault;
    TransferOutcome outcome;
    const char* reason;
    int readBacks;  // images reported as read completely
  };
  const Row rows[] = {
      {"none", TransferOutcome::kSuccess, "", 1},
      // Block 3 of the write is 0x0140; its byte 7 is stored inverted.
      {"corrupt:3", TransferOutcome::kVerifyFailed, "Verify failed at 0x0147: the radio holds 0xA5, the image 0x5A.", 1},
      // The write has 501 blocks: only the read-back reaches block 502.
      {"stop:502", TransferOutcome::kCommunicationError,
       "Reading back for verify: The reply to the block at 0x3FC0 began with 0 of 4 header bytes.", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    Rig rig;
    rig.radio.SetFault(*ParseRadioFault(row.fault));
    RadioImage image = Filled(0x5A);
    int verifying = 0, readBacks = 0, lastPosition = 0;
    TransferCallbacks cb;
    cb.progress = [&](int p) { lastPosition = p; };
    cb.verifying = [&] { ++verifying; };
    cb.readCompleted = [&](const RadioImage& back) {
      ++readBacks;
      EXPECT_EQ(back.Byte(0x0100), 0x5A);
    };
    const TransferResult r = RunTransfer(rig.opener, "/dev/fake", 9600, TransferDirection::kWrite, image, rig.cancel,
                                         cb, TransferOptions{true});
    EXPECT_EQ(r.outcome, row.outcome) << r.reason;
    EXPECT_EQ(r.reason, row.reason);
    EXPECT_EQ(verifying, 1);
    EXPECT_EQ(readBacks, row.readBacks);
    EXPECT_EQ(rig.line.opens, 2);  // the read-back is an exchange of its own
    EXPECT_EQ(rig.line.closes, 2);
    EXPECT_EQ(test::WritesStartingWith(rig.line, 0x57).size(), 501u);
    if (row.outcome != TransferOutcome::kCommunicationError) {
      EXPECT_EQ(test::WritesStartingWith(rig.line, 0x52).size(), 503u);
      EXPECT_EQ(lastPosition, 503);
    }
  }
}

TEST(TransferVerify, OnlyWrittenBlocksAreCompared) {
  RadioImage written = Filled(0x11), back = Filled(0x11);
  for (std::size_t a : {0x0000, 0x00FF, 0x3E00, 0x3E3F, 0x3F80, 0x3F9F}) back.SetByte(a, 0x22);
  EXPECT_FALSE(FirstWrittenDifference(written, back).has_value());
  back.SetByte(0x3FFF, 0x22);
  back.SetByte(0x3E40, 0x22);
  EXPECT_EQ(FirstWrittenDifference(written, back), std::optional<std::uint16_t>(0x3E40));
}

TEST(TransferFailures, PortNotOpenedSendsNothing) {
  Rig rig;
  RadioImage image = Filled(1);
  const TransferResult r = RunTransfer(rig.opener, "/dev/absent", 9600, TransferDirection::kRead, image, rig.cancel);
  EXPECT_EQ(r.outcome, TransferOutcome::kPortNotOpened);
  EXPECT_FALSE(r.reason.empty());
  EXPECT_TRUE(rig.line.events.empty());
  EXPECT_TRUE(image == Filled(1));
  // An empty port name names no port.
  EXPECT_EQ(RunTransfer(FakeClockOpener(rig.radio, rig.line), "", 9600, TransferDirection::kWrite, image, rig.cancel)
                .outcome,
            TransferOutcome::kPortNotOpened);
}

TEST(TransferCancel, ExitAfterKBlocks) {
  for (auto direction : {TransferDirection::kRead, TransferDirection::kWrite}) {
    for (int k : {1, 17, 500}) {
      SCOPED_TRACE(k);
      Rig rig;
      RadioImage image = Filled(0x33);
      int blocks = 0;
      // "Exit" pressed while block k is under way: the flag is seen after it.
      const TransferResult r = rig.Run(direction, image, {.progress = [&](int) {
                                                            if (++blocks == k) rig.cancel = true;
                                                          }});
      EXPECT_EQ(r.outcome, TransferOutcome::kCancelled);
      const auto commands = test::WritesStartingWith(rig.line, direction == TransferDirection::kRead ? 0x52 : 0x57);
      EXPECT_EQ(static_cast<int>(commands.size()), k);
      EXPECT_TRUE(test::EndsWith(rig.line.Sent(), kEndW));
      EXPECT_TRUE(image == Filled(0x33));
    }
  }
}

TEST(TransferCancel, FlagSetBeforeTheBlocksStopsAfterTheFirst) {
  Rig rig;
  rig.cancel = true;  // pressed during the handshake: the handshake still runs
  RadioImage image = Filled(0);
  EXPECT_EQ(rig.Run(TransferDirection::kRead, image).outcome, TransferOutcome::kCancelled);
  EXPECT_EQ(test::WritesStartingWith(rig.line, 0x52).size(), 1u);
}

TEST(TransferRead, BandEdgesOnlyIntoAnErasedField) {
  Rig rig;
  RadioImage image = Filled(0xFF);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, image).ok());
  // A second read, from a 136-174 MHz radio: the field is no longer erased.
  rig.radio.SetBand(136, 174);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, image).ok());
  EXPECT_EQ(At(image, 0x3F80, 8), (Bytes{0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47}));

  RadioImage fresh = Filled(0xFF);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, fresh).ok());
  EXPECT_EQ(At(fresh, 0x3F80, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));

  // Byte 0x3F83 decides, whatever the other bytes hold.
  RadioImage partly = Filled(0xFF);
  partly.SetByte(0x3F83, 0x44);
  ASSERT_TRUE(rig.Run(TransferDirection::kRead, partly).ok());
  EXPECT_EQ(At(partly, 0x3F80, 8), (Bytes{0xFF, 0xFF, 0xFF, 0x44, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(TransferRead, InterByteDelayAgainstTheTimeouts) {
  // Bytes 40 ms apart stay within the 50 ms interval; 60 ms apart do not,
  // and the identification is the first read of more than one byte.
  for (auto [delay, ok] : {std::pair{40, true}, std::pair{50, true}, std::pair{51, false}, std::pair{60, false}}) {
    SCOPED_TRACE(delay);
    Rig rig;
    rig.radio.SetFault({RadioFault::kByteDelay, delay});
    RadioImage image = Filled(0);
    const TransferResult r = rig.Run(TransferDirection::kRead, image);
    EXPECT_EQ(r.ok(), ok) << r.reason;
    if (!ok) {
      EXPECT_NE(r.reason.find("identification"), std::string::npos) << r.reason;
    }
  }
}

TEST(TransferWorkerTest, StartsOneWorkerAndHandsOverTheImage) {
  SimulatedRadio radio;
  test::FillPattern(radio.memory());
  FakeLine line;
  std::promise<void> release;
  std::shared_future<void> gate = release.get_future().share();
  PortOpener fake = FakeClockOpener(radio, line);
  PortOpener gated = [&](const std::string& name, int baud) {
    gate.wait();
    return fake(name, baud);
  };
  TransferWorker worker;
  std::promise<TransferResult> done;
  TransferWorker::Callbacks cb;
  cb.finished = [&](const TransferResult& r) { done.set_value(r); };
  RadioImage image = Filled(0);
  ASSERT_TRUE(worker.Start(gated, "/dev/fake", 9600, TransferDirection::kRead, image, cb));
  EXPECT_TRUE(worker.Busy());
  EXPECT_FALSE(worker.Start(gated, "/dev/fake", 9600, TransferDirection::kRead, image, cb));
  release.set_value();
  const TransferResult r = done.get_future().get();
  EXPECT_TRUE(r.ok()) << r.reason;
  EXPECT_FALSE(worker.Busy());
  worker.Join();
  EXPECT_EQ(line.opens, 1);
  EXPECT_TRUE(image == Filled(0));  // the caller's image is the caller's to change
  EXPECT_EQ(worker.image().Byte(0x0100), test::Pattern(0x0100));

  // An "Exit" left over from before does not stop the next transfer.
  worker.Cancel();
  std::promise<TransferResult> again;
  cb.finished = [&](const TransferResult& r) { again.set_value(r); };
  ASSERT_TRUE(worker.Start(fake, "/dev/fake", 9600, TransferDirection::kWrite, image, cb));
  EXPECT_TRUE(again.get_future().get().ok());
}

}  // namespace
}  // namespace cps

namespace cps {
namespace {

// A port on the simulated radio that goes wrong at its read number `at`:
// the adapter is pulled (nothing more arrives, the port reports an error),
// or one stray byte comes instead of the answer.
class FailingPort : public SerialPort {
 public:
  FailingPort(std::unique_ptr<SerialPort> inner, int at, std::string report, int stray)
      : inner_(std::move(inner)), at_(at), report_(std::move(report)), stray_(stray) {}
  void SetReadTimeouts(const ReadTimeouts& t) override { inner_->SetReadTimeouts(t); }
  void DiscardInput() override { inner_->DiscardInput(); }
  bool Write(std::span<const std::uint8_t> bytes) override { return pulled_ ? false : inner_->Write(bytes); }
  std::size_t Read(std::uint8_t* out, std::size_t n) override {
    if (++reads_ < at_) return inner_->Read(out, n);
    if (stray_ >= 0) {
      inner_->Read(out, n);
      out[0] = static_cast<std::uint8_t>(stray_);
      stray_ = -1;
      return 1;
    }
    pulled_ = !report_.empty();
    return pulled_ ? 0 : inner_->Read(out, n);
  }
  void Pause(int ms) override { inner_->Pause(ms); }
  std::string FailureText() const override { return pulled_ ? report_ : std::string(); }

 private:
  std::unique_ptr<SerialPort> inner_;
  int at_, reads_ = 0;
  std::string report_;
  int stray_;
  bool pulled_ = false;
};

TEST(TransferFailures, TheCauseAndWhatTheRadioHolds) {
  const std::string lost = "The connection to the radio was lost (the port reported: Input/output error)";
  struct Row {
    TransferDirection direction;
    int at;  // the read that goes wrong: 1 handshake, 2 identification, 3 its ack, then per block
    const char* report;
    int stray;
    std::string reason;
    bool partly;
  };
  const auto R = TransferDirection::kRead, W = TransferDirection::kWrite;
  const Row rows[] = {
      {R, 1, "Input/output error", -1, lost, false},
      {W, 2, "Input/output error", -1, lost, false},
      {R, 40, "Input/output error", -1, lost, false},
      {W, 3, "Input/output error", -1, lost, false},  // before any block went out
      {W, 4, "Input/output error", -1, lost, true},   // the first block's answer
      {W, 200, "Input/output error", -1, lost, true},
      // Without a report from the port the protocol's own words stay.
      {R, 4, "", 0x58, "The reply to the block at 0x0100 began with 1 of 4 header bytes (answer 0x58).", false},
      {W, 10, "", 0x58, "The radio did not acknowledge the block at 0x01C0 (answer 0x58).", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << (row.direction == R ? "read " : "write ") << row.at);
    test::Rig rig;
    PortOpener opener = [&](const std::string& name, int baud) -> Result<std::unique_ptr<SerialPort>> {
      auto port = rig.opener(name, baud);
      if (!port) return port;
      return std::unique_ptr<SerialPort>(std::make_unique<FailingPort>(std::move(*port), row.at, row.report, row.stray));
    };
    RadioImage image = test::Filled(0x21);
    const TransferResult r = RunTransfer(opener, "/dev/fake", 9600, row.direction, image, rig.cancel);
    EXPECT_EQ(r.outcome, TransferOutcome::kCommunicationError);
    EXPECT_EQ(r.reason, row.reason);
    EXPECT_EQ(r.partlyWritten, row.partly);
  }
  // A write stopped by the user after its first block holds part of the image too.
  test::Rig rig;
  RadioImage image = test::Filled(0x21);
  rig.cancel = true;
  EXPECT_TRUE(rig.Run(TransferDirection::kWrite, image).partlyWritten);
  EXPECT_FALSE(rig.Run(TransferDirection::kRead, image).partlyWritten);
}

}  // namespace
}  // namespace cps

namespace cps {
namespace {

// A write of an image for the other band than the radio reports sends no
// block; an image whose band bytes are no band entry (a backup of an odd
// radio) is written as it is.
TEST(TransferWrite, AnImageOfTheOtherBandIsNotWritten) {
  struct Row {
    int radioLow, radioHigh;
    std::uint32_t imageLow, imageHigh;  // 10 Hz units
    bool written;
  };
  const Row rows[] = {
      {400, 470, 40000000, 47000000, true},
      {136, 174, 40000000, 47000000, false},
      {400, 470, 13600000, 17400000, false},
      {136, 174, 13600000, 17400000, true},
      {136, 174, 41000000, 42000000, true},  // no band entry: not judged
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.radioLow << " " << row.imageLow);
    test::Rig rig;
    rig.radio.SetBand(row.radioLow, row.radioHigh);
    RadioImage image = test::Filled(0x12);
    image.SetFrequency(0x3FA0, row.imageLow);
    image.SetFrequency(0x3FA4, row.imageHigh);
    const TransferResult r = rig.Run(TransferDirection::kWrite, image);
    EXPECT_EQ(r.ok(), row.written) << r.reason;
    EXPECT_EQ(test::WritesStartingWith(rig.line, 0x57).size(), row.written ? 501u : 0u);
    EXPECT_FALSE(r.partlyWritten);
    if (!row.written) {
      EXPECT_EQ(r.reason, "The image is for " + std::to_string(row.imageLow / 100000) + "-" +
                              std::to_string(row.imageHigh / 100000) + " MHz, the radio reports " +
                              std::to_string(row.radioLow) + "-" + std::to_string(row.radioHigh) +
                              " MHz: nothing was written.");
    }
  }
}

}  // namespace
}  // namespace cps
