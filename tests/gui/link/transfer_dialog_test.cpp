// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/transfer_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <thread>

#include "core/link/fake_clock_port.h"
#include "core/link/pty_radio.h"
#include "core/link/simulated_radio.h"
#include "gui/link/port_setting_dialog.h"
#include "port/radio_port.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WaitUntil;

std::uint8_t Pattern(std::size_t a) { return static_cast<std::uint8_t>((a * 11 + 5) ^ (a >> 6)); }

struct FakeRig {
  SimulatedRadio radio;
  FakeLine line;
  RadioImage image;
  std::vector<QString> messages;
  FakeRig() {
    for (std::size_t a = 0; a < kImageSize; ++a) radio.memory().SetByte(a, Pattern(a));
    image.Fill(0x3C);
  }
  std::unique_ptr<TransferDialog> Dialog(TransferDirection d) {
    auto dialog = std::make_unique<TransferDialog>(d, image, FakeClockOpener(radio, line), "/dev/fake", 9600);
    dialog->showMessage = [this](QWidget*, const QString& text) { messages.push_back(text); };
    dialog->show();
    return dialog;
  }
};

TEST(TransferDialogTest, LayoutAsTheUserSeesIt) {
  FakeRig rig;
  auto read = rig.Dialog(TransferDirection::kRead);
  EXPECT_EQ(read->windowTitle(), "Read data");
  EXPECT_EQ(read->startButton()->text(), "Start");
  EXPECT_TRUE(read->startButton()->isDefault());
  EXPECT_EQ(read->exitButton()->text(), "Exit");
  EXPECT_EQ(read->progressBar()->minimum(), 0);
  EXPECT_EQ(read->progressBar()->maximum(), 504);
  EXPECT_EQ(read->percentLabel()->text(), "0%");
  EXPECT_TRUE(read->percentLabel()->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(rig.Dialog(TransferDirection::kWrite)->windowTitle(), "Write data");
}

TEST(TransferDialogTest, ReadCompletesAndReplacesTheImage) {
  FakeRig rig;
  auto dialog = rig.Dialog(TransferDirection::kRead);
  QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
  dialog->OnStart();  // a second "Start" while running starts nothing
  ASSERT_TRUE(WaitUntil([&] { return !dialog->isVisible(); }));
  EXPECT_TRUE(dialog->succeeded());
  EXPECT_EQ(dialog->QDialog::result(), QDialog::Accepted);
  EXPECT_EQ(rig.line.opens, 1);
  EXPECT_TRUE(rig.messages.empty());
  // The last block's position is 99%; a completed transfer shows 100%.
  EXPECT_EQ(dialog->progressBar()->value(), 504);
  EXPECT_EQ(dialog->percentLabel()->text(), "100%");
  EXPECT_FALSE(dialog->startButton()->isEnabled());
  EXPECT_EQ(rig.image.Byte(0x0100), Pattern(0x0100));
  EXPECT_EQ(rig.image.Byte(0x3FFF), Pattern(0x3FFF));
  EXPECT_EQ(rig.image.Byte(0x00FF), 0x3C);
}

TEST(TransferDialogTest, FailuresShowTheMessageAndKeepTheImage) {
  struct Row {
    TransferDirection direction;
    const char* fault;
    const char* portName;
    QString startsWith;
    bool saysUnchanged;
    bool partly = false;  // the write had begun sending blocks
  };
  const QString commError = QString::fromUtf8("\xE9\x80\x9A\xE4\xBF\xA1\xE5\x87\xBA\xE9\x8C\xAF\n\n");
  const Row rows[] = {
      {TransferDirection::kRead, "none", "", "Cound not open the port.\n\n", false},
      {TransferDirection::kRead, "no-block-ack:9", "/dev/fake", commError, true},
      {TransferDirection::kWrite, "silent", "/dev/fake", commError, false},
      {TransferDirection::kWrite, "no-block-ack:9", "/dev/fake", commError, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    FakeRig rig;
    rig.radio.SetFault(*ParseRadioFault(row.fault));
    const RadioImage before = rig.image;
    TransferDialog dialog(row.direction, rig.image, FakeClockOpener(rig.radio, rig.line), row.portName, 9600);
    dialog.showMessage = [&](QWidget*, const QString& text) {
      EXPECT_TRUE(dialog.isVisible());  // shown before the dialog closes
      rig.messages.push_back(text);
    };
    dialog.show();
    dialog.startButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_FALSE(dialog.succeeded());
    ASSERT_EQ(rig.messages.size(), 1u);
    EXPECT_TRUE(rig.messages[0].startsWith(row.startsWith)) << rig.messages[0].toStdString();
    EXPECT_EQ(rig.messages[0].contains("The image in the program was not changed."), row.saysUnchanged);
    EXPECT_EQ(rig.messages[0].endsWith("\n\n/dev/fake holds a partly written image: write it again before use."),
              row.partly)
        << rig.messages[0].toStdString();
    EXPECT_TRUE(rig.image == before);
  }
}

TEST(TransferDialogTest, ExitStopsAfterTheCurrentBlockWithoutMessage) {
  FakeRig rig;
  rig.radio.SetFault({RadioFault::kByteDelay, 0});
  // A gate in the opener holds the worker until "Exit" has been pressed.
  std::atomic<bool> open{false};
  PortOpener fake = FakeClockOpener(rig.radio, rig.line);
  PortOpener slow = [&](const std::string& n, int b) {
    while (!open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return fake(n, b);
  };
  const RadioImage before = rig.image;
  TransferDialog dialog(TransferDirection::kRead, rig.image, slow, "/dev/fake", 9600);
  dialog.showMessage = [&](QWidget*, const QString& text) { rig.messages.push_back(text); };
  dialog.show();
  dialog.startButton()->click();
  dialog.exitButton()->click();
  EXPECT_TRUE(dialog.isVisible());  // running: the worker's report closes it
  open = true;
  ASSERT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
  EXPECT_EQ(dialog.transferResult().outcome, TransferOutcome::kCancelled);
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_TRUE(rig.image == before);
  const auto sent = rig.line.Sent();
  EXPECT_EQ(std::vector<std::uint8_t>(sent.end() - 4, sent.end()), (std::vector<std::uint8_t>{'E', 'N', 'D', 'W'}));
}

TEST(TransferDialogTest, VerifyAfterWriteNamesTheAddressOrSaysVerified) {
  struct Row {
    const char* fault;
    bool verify;
    QString message;      // warning shown, empty: none
    QString information;  // success text, empty: none
    int readBacks;
  };
  const QString commError = QString::fromUtf8("\xE9\x80\x9A\xE4\xBF\xA1\xE5\x87\xBA\xE9\x8C\xAF\n\n");
  const Row rows[] = {
      {"none", false, "", "", 0},
      {"none", true, "", "Write verified: the radio holds every written block.", 1},
      // Block 2 of the write is 0x0120; its byte 7 is stored inverted (0x3C → 0xC3).
      {"corrupt:2", true, commError + "Verify failed at 0x0127: the radio holds 0xC3, the image 0x3C.", "", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.fault) + (row.verify ? " verify" : ""));
    FakeRig rig;
    rig.radio.SetFault(*ParseRadioFault(row.fault));
    auto dialog = rig.Dialog(TransferDirection::kWrite);
    ASSERT_NE(dialog->verifyBox(), nullptr);
    EXPECT_EQ(dialog->verifyBox()->text(), "Verify after write");
    EXPECT_FALSE(dialog->verifyBox()->isChecked());
    QString information;
    int readBacks = 0;
    dialog->showInformation = [&](QWidget*, const QString& text) { information = text; };
    dialog->keepRead = [&](const RadioImage&) { ++readBacks; };
    dialog->setVerify(row.verify);
    dialog->startButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !dialog->isVisible(); }));
    EXPECT_EQ(rig.messages.empty() ? QString() : rig.messages[0], row.message);
    EXPECT_EQ(information, row.information);
    EXPECT_EQ(readBacks, row.readBacks);
    EXPECT_EQ(rig.line.opens, row.verify ? 2 : 1);
  }
  FakeRig rig;
  EXPECT_EQ(rig.Dialog(TransferDirection::kRead)->verifyBox(), nullptr);
}

TEST(TransferDialogTest, ExitWhileIdleCloses) {
  FakeRig rig;
  auto dialog = rig.Dialog(TransferDirection::kWrite);
  dialog->close();  // the close box acts as "Exit"
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(rig.line.opens, 0);
}

// Through a real pseudo-terminal and QSerialPort: read, then write back.
TEST(TransferDialogTest, ReadAndWriteThroughAPseudoTerminal) {
  SimulatedRadio radio;
  for (std::size_t a = 0; a < kImageSize; ++a) radio.memory().SetByte(a, Pattern(a));
  PtyRadioServer server(radio, 115200);
  ASSERT_TRUE(server.Open().ok());
  std::atomic<bool> stop{false};
  std::thread serving([&] { server.Serve(stop); });

  RadioImage image;
  image.Fill(0x00);
  std::vector<QString> messages;
  {
    TransferDialog read(TransferDirection::kRead, image, OpenRadioPort, server.devicePath(), 115200);
    read.showMessage = [&](QWidget*, const QString& text) { messages.push_back(text); };
    read.show();
    read.startButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !read.isVisible(); }, 30000));
    EXPECT_TRUE(read.succeeded()) << read.transferResult().reason;
  }
  EXPECT_EQ(image.Byte(0x0100), Pattern(0x0100));
  EXPECT_EQ(image.Byte(0x3E00), Pattern(0x3E00));
  EXPECT_EQ(image.Byte(0x3FFF), Pattern(0x3FFF));

  image.SetByte(0x0100, static_cast<std::uint8_t>(~Pattern(0x0100)));
  image.SetByte(0x3E00, static_cast<std::uint8_t>(~Pattern(0x3E00)));
  {
    TransferDialog write(TransferDirection::kWrite, image, OpenRadioPort, server.devicePath(), 115200);
    write.showMessage = [&](QWidget*, const QString& text) { messages.push_back(text); };
    write.show();
    write.startButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !write.isVisible(); }, 30000));
    EXPECT_TRUE(write.succeeded()) << write.transferResult().reason;
  }
  // The write's "ENDW" may still be on its way.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  stop = true;
  serving.join();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(radio.memory().Byte(0x0100), static_cast<std::uint8_t>(~Pattern(0x0100)));
  EXPECT_EQ(radio.memory().Byte(0x3E00), Pattern(0x3E00));  // the radio's own block stays
  for (std::size_t a = 0x0100; a < kImageSize; ++a) {
    if ((a >= 0x3E00 && a < 0x3E40) || (a >= 0x3F80 && a < 0x3FA0)) continue;
    ASSERT_EQ(radio.memory().Byte(a), image.Byte(a)) << std::hex << a;
  }
}

TEST(PortSettingDialogTest, ChoosesAmongDevicesOrATypedPath) {
  const std::vector<SerialDevice> devices = {{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", "USB-Serial Controller"},
                                             {"/dev/ttyUSB1", "busy adapter"}};
  auto lister = [&] { return devices; };
  auto probe = [](const std::string& p) { return p == "/dev/ttyS0" || p == "/dev/ttyUSB0" || p == "/dev/pts/7"; };

  struct Row {
    const char* current;
    int checked;  // index of the checked device button, -1 none, 3 the typed path
    const char* fieldText;
  };
  const Row rows[] = {
      {"/dev/ttyUSB0", 1, ""},        // free: checked
      {"/dev/ttyUSB1", -1, ""},       // busy: nothing checked
      {"/dev/pts/7", 3, "/dev/pts/7"},  // not listed, opens: the typed path
      {"/dev/pts/9", -1, "/dev/pts/9"}, // not listed, gone
      {"", -1, ""},
  };
  auto why = [](const std::string& p) { return "The port " + p + " is busy: another program is using it."; };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.current);
    PortSettingDialog dialog(row.current, nullptr, lister, probe, why);
    EXPECT_EQ(dialog.windowTitle(), "Port setting");
    ASSERT_EQ(dialog.deviceButtons().size(), 3u);
    EXPECT_EQ(dialog.deviceButtons()[1]->text(), "/dev/ttyUSB0  (USB-Serial Controller)");
    EXPECT_TRUE(dialog.deviceButtons()[0]->isEnabled());
    EXPECT_FALSE(dialog.deviceButtons()[2]->isEnabled());
    // only the greyed-out port says why
    ASSERT_EQ(dialog.whyLabels().size(), 3u);
    EXPECT_EQ(dialog.whyLabels()[0], nullptr);
    EXPECT_EQ(dialog.whyLabels()[1], nullptr);
    ASSERT_NE(dialog.whyLabels()[2], nullptr);
    EXPECT_EQ(dialog.whyLabels()[2]->text(), "The port /dev/ttyUSB1 is busy: another program is using it.");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.deviceButtons()[i]->isChecked(), i == row.checked);
    EXPECT_EQ(dialog.otherButton()->isChecked(), row.checked == 3);
    EXPECT_EQ(dialog.otherField()->text().toStdString(), row.fieldText);
    dialog.accept();  // "OK" with what is checked
    EXPECT_EQ(dialog.portName(), row.current);
  }

  PortSettingDialog pick("/dev/ttyUSB1", nullptr, lister, probe);
  pick.deviceButtons()[0]->setChecked(true);
  pick.accept();
  EXPECT_EQ(pick.portName(), "/dev/ttyS0");

  PortSettingDialog typed("/dev/ttyUSB0", nullptr, lister, probe);
  QTest::keyClicks(typed.otherField(), "/dev/pts/3");
  EXPECT_TRUE(typed.otherButton()->isChecked());
  typed.accept();
  EXPECT_EQ(typed.portName(), "/dev/pts/3");

  PortSettingDialog cancelled("/dev/ttyUSB0", nullptr, lister, probe);
  cancelled.deviceButtons()[0]->setChecked(true);
  cancelled.reject();
  EXPECT_EQ(cancelled.portName(), "/dev/ttyUSB0");
}

}  // namespace
}  // namespace cps

namespace cps {
namespace {

TEST(OpenRadioPortTest, ReasonsForFailure) {
  SimulatedRadio radio;
  PtyRadioServer server(radio, 9600);
  ASSERT_TRUE(server.Open().ok());
  auto first = OpenRadioPort(server.devicePath(), 9600);
  ASSERT_TRUE(first.ok()) << first.error();
  auto second = OpenRadioPort(server.devicePath(), 9600);
  ASSERT_FALSE(second.ok());
  EXPECT_NE(second.error().find("busy"), std::string::npos) << second.error();
  EXPECT_FALSE(CanOpenPort(server.devicePath()));

  auto absent = OpenRadioPort("/dev/ttyDPMR-none", 9600);
  ASSERT_FALSE(absent.ok());
  EXPECT_NE(absent.error().find("no such device"), std::string::npos) << absent.error();
  auto unnamed = OpenRadioPort("", 9600);
  ASSERT_FALSE(unnamed.ok());
  EXPECT_NE(unnamed.error().find("No port is chosen"), std::string::npos) << unnamed.error();
}

}  // namespace
}  // namespace cps

namespace cps {
namespace {

// The low-latency request through the port layer's seam: asked on open,
// the old flags back at close, a port without flags or a refusal ignored.
TEST(OpenRadioPortTest, AsksForLowLatencyAndRestoresTheFlags) {
  struct Row {
    const char* name;
    std::optional<int> found;  // the driver's flags (none: no serial flags)
    bool accepts;
    std::vector<int> expectSets;  // flags written, in order
  };
  const int low = LowLatencyFlag();
  const Row rows[] = {
      {"adapter", 0x0040, true, {0x0040 | low, 0x0040}},
      {"already low", 0x0040 | low, true, {}},
      {"no serial flags (a pseudo-terminal)", std::nullopt, true, {}},
      {"refused", 0x0040, false, {0x0040 | low}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SimulatedRadio radio;
    PtyRadioServer server(radio, 9600);
    ASSERT_TRUE(server.Open().ok());
    std::vector<int> sets;
    std::vector<int> fds;
    SerialFlagAccess access{[&](int fd) {
                              fds.push_back(fd);
                              return row.found;
                            },
                            [&](int fd, int flags) {
                              fds.push_back(fd);
                              sets.push_back(flags);
                              return row.accepts;
                            }};
    {
      auto port = OpenRadioPortWith(server.devicePath(), 9600, access);
      ASSERT_TRUE(port.ok()) << port.error();
      EXPECT_EQ(sets.size(), row.expectSets.empty() ? 0u : 1u);  // asked on open, nothing more yet
    }
    EXPECT_EQ(sets, row.expectSets);
    for (int fd : fds) EXPECT_EQ(fd, fds.front());
  }
  // A pseudo-terminal has no serial flags: the system's access says so.
  SimulatedRadio radio;
  PtyRadioServer server(radio, 9600);
  ASSERT_TRUE(server.Open().ok());
  auto port = OpenRadioPort(server.devicePath(), 9600);
  EXPECT_TRUE(port.ok());
}

}  // namespace
}  // namespace cps
