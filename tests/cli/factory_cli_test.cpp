// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli and the factory adjustment values: get/set under "factory.", and
// read, change, write and read again through a simulated radio on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "cli_test_util.h"
#include "core/image/image_file.h"
#include "core/link/pty_radio.h"
#include "core/link/simulated_radio.h"

namespace cps {
namespace {

using cps::testing::CliTempDir;
using cps::testing::RunCli;

RadioImage LoadOrFail(const std::string& path) {
  RadioImage im;
  EXPECT_TRUE(LoadImageFile(path, im)) << path;
  return im;
}

TEST(FactoryCli, SetStoresTheBytesAndGetShowsThem) {
  CliTempDir dir;
  RadioImage base;
  base.Fill(0x00);
  base.SetByte(0x0081, 0x05);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), base));

  auto r = RunCli({"set", dir.File("a.dat"), "factory.digital_modulation_gain=1a2b", "factory.lout_dc_offset=",
                   "factory.decoder_input_gain=", "factory.dtmf_amplitude=", "factory.digital_mic_gain=-11.25",
                   "factory.tcxo_output_gain=6"});
  ASSERT_EQ(r.code, 0) << r.err;
  const RadioImage im = LoadOrFail(dir.File("a.dat"));
  struct Expect {
    std::size_t addr;
    std::uint8_t value;
  };
  for (const Expect& e : {Expect{0x0048, 0x2B}, {0x0049, 0x1A}, {0x0040, 0x00}, {0x0041, 0x08}, {0x0074, 0x00},
                          {0x0075, 0x00}, {0x0080, 0x7F}, {0x0081, 0x05}, {0x0050, 0x01}, {0x0082, 63}})
    EXPECT_EQ(im.Byte(e.addr), e.value) << std::hex << e.addr;

  r = RunCli({"get", dir.File("a.dat"), "factory.digital_modulation_gain", "factory.lout_dc_offset",
              "factory.dtmf_amplitude", "factory.digital_mic_gain", "factory.vco_output_gain"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "factory.digital_modulation_gain=1A2B\nfactory.lout_dc_offset=800\nfactory.dtmf_amplitude=7F\n"
            "factory.digital_mic_gain=-11.25\nfactory.vco_output_gain=-52\n");
}

TEST(FactoryCli, BadValuesChangeNothing) {
  CliTempDir dir;
  RadioImage base;
  base.Fill(0x33);
  ASSERT_TRUE(SaveImageFile(dir.File("a.dat"), base));
  for (const char* bad : {"factory.lout_dc_offset=12345", "factory.lout_dc_offset=xyz", "factory.dtmf_amplitude=100",
                          "factory.digital_mic_gain=-11", "factory.no_such_field=1"}) {
    auto r = RunCli({"set", dir.File("a.dat"), "factory.rout_dc_offset=1", bad});
    EXPECT_NE(r.code, 0) << bad;
    EXPECT_FALSE(r.err.empty()) << bad;
    EXPECT_EQ(LoadOrFail(dir.File("a.dat")), base) << bad;
  }
}

// The radio on a pseudo-terminal, answered by a thread of this test.
class PtyRadio {
 public:
  explicit PtyRadio(SimulatedRadio& radio) : server_(radio, 115200) {
    ok_ = static_cast<bool>(server_.Open());
    if (ok_) thread_ = std::thread([this] { server_.Serve(stop_); });
  }
  ~PtyRadio() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool ok() const { return ok_; }
  std::string path() const { return server_.devicePath(); }

 private:
  PtyRadioServer server_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  bool ok_ = false;
};

TEST(FactoryCli, ReadChangeWriteReadAgain) {
  CliTempDir dir;
  SimulatedRadio radio;
  for (std::size_t a = 0; a < kImageSize; ++a) radio.memory().SetByte(a, static_cast<std::uint8_t>(a * 5 + 1));
  for (std::size_t a : {0x50, 0x52, 0x53, 0x60, 0x62, 0x63, 0x70, 0x78, 0x81, 0x82})
    radio.memory().SetByte(a, static_cast<std::uint8_t>(a % 64));  // gain indexes in range
  const RadioImage radioBefore = radio.memory();
  PtyRadio pty(radio);
  ASSERT_TRUE(pty.ok());

  RadioImage mine;
  mine.Fill(0x10);
  ASSERT_TRUE(SaveImageFile(dir.File("mine.dat"), mine));
  auto r = RunCli({"factory-read", "--port", pty.path(), "--baud", "115200", "--no-backup", dir.File("mine.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Read successfully\n");
  RadioImage got = LoadOrFail(dir.File("mine.dat"));
  for (std::size_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(got.Byte(a), a >= 0x40 && a < 0x88 ? radioBefore.Byte(a) : 0x10) << std::hex << a;

  r = RunCli({"get", dir.File("mine.dat"), "factory.vco_output_gain"});
  EXPECT_EQ(r.out, "-56\n");  // index 0x81 % 64 = 1
  r = RunCli({"set", dir.File("mine.dat"), "factory.post_limiter_gain=BEEF", "factory.vco_output_gain=0"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"factory-write", "--port", pty.path(), "--baud", "115200", dir.File("mine.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "Write successfully\n");

  RadioImage fresh;
  fresh.Fill(0x20);
  ASSERT_TRUE(SaveImageFile(dir.File("again.dat"), fresh));
  r = RunCli({"factory-read", "--port", pty.path(), "--baud", "115200", "--no-backup", dir.File("again.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  r = RunCli({"get", dir.File("again.dat"), "factory.post_limiter_gain", "factory.vco_output_gain",
              "factory.lout_dc_offset"});
  char lout[16];
  std::snprintf(lout, sizeof lout, "%X", radioBefore.Word(0x40));
  EXPECT_EQ(r.out, "factory.post_limiter_gain=BEEF\nfactory.vco_output_gain=0\nfactory.lout_dc_offset=" +
                       std::string(lout) + "\n");

  // A gain index outside its list goes out as the dialog's Write sends it:
  // the "0" item (57 of list B at 0x52); the file keeps its byte.
  RadioImage odd = LoadOrFail(dir.File("mine.dat"));
  odd.SetByte(0x52, 200);
  ASSERT_TRUE(SaveImageFile(dir.File("odd.dat"), odd));
  r = RunCli({"factory-write", "--port", pty.path(), "--baud", "115200", dir.File("odd.dat")});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(LoadOrFail(dir.File("odd.dat")).Byte(0x52), 200);

  pty.Stop();
  // The radio holds the new values and nothing else changed in it.
  for (std::size_t a = 0; a < kImageSize; ++a) {
    std::uint8_t expected = radioBefore.Byte(a);
    if (a == 0x6A) expected = 0xEF;
    if (a == 0x6B) expected = 0xBE;
    if (a == 0x81) expected = 57;
    if (a == 0x52) expected = 57;
    ASSERT_EQ(radio.memory().Byte(a), expected) << std::hex << a;
  }
}

}  // namespace
}  // namespace cps
