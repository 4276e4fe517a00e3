// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/fleet_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

#include "core/link/fake_clock_port.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WaitUntil;

// Simulated radios on fake lines, by port name.
struct Radios {
  std::map<std::string, SimulatedRadio> radios;
  std::map<std::string, FakeLine> lines;
  std::mutex m;
  PortOpener opener = [this](const std::string& name, int) -> Result<std::unique_ptr<SerialPort>> {
    std::lock_guard lock(m);
    if (!radios.count(name)) return Error{"no " + name};
    return std::unique_ptr<SerialPort>(std::make_unique<FakeClockPort>(radios[name], lines[name]));
  };
  explicit Radios(std::initializer_list<const char*> names) {
    for (const char* n : names) {
      radios[n];
      lines[n];
    }
  }
};

TEST(FleetDialogTest, WritesEveryChosenPortWithItsOwnIdAndOneFailureStopsNoOther) {
  Radios rig({"/dev/a", "/dev/b", "/dev/c"});
  rig.radios["/dev/b"].SetFault({RadioFault::kStopAtBlock, 10});
  RadioImage image;
  image.Fill(0x00);
  FleetDialog dialog(image, rig.opener, 9600, {"/dev/a", "/dev/x"}, "/dev/a");
  std::vector<QString> messages;
  dialog.showMessage = [&](QWidget*, const QString& text) { messages.push_back(text); };
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Write to several radios");
  ASSERT_NE(dialog.findChild<QGroupBox*>("portBox"), nullptr);
  EXPECT_EQ(dialog.findChild<QGroupBox*>("portBox")->title(), "Ports, 9600 baud");
  EXPECT_EQ(dialog.chosenPorts(), (std::vector<std::string>{"/dev/a"}));
  for (const char* typed : {"/dev/b", "/dev/c"}) {
    QTest::keyClicks(dialog.pathField(), typed);
    QTest::keyClick(dialog.pathField(), Qt::Key_Return);
  }
  // Enter in the path field adds it (the default button does not start).
  EXPECT_EQ(dialog.chosenPorts(), (std::vector<std::string>{"/dev/a", "/dev/b", "/dev/c"}));
  EXPECT_FALSE(dialog.running());

  // 8999999, 9000000, 9000001: refused before anything is written.
  dialog.idBox()->setChecked(true);
  dialog.idField()->setText("8999999");
  dialog.startButton()->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].startsWith("Nothing was written:")) << messages[0].toStdString();
  EXPECT_EQ(rig.lines["/dev/a"].opens, 0);

  dialog.idField()->setText("42");
  dialog.startButton()->click();
  EXPECT_TRUE(dialog.running());
  EXPECT_FALSE(dialog.startButton()->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !dialog.running(); }));
  ASSERT_EQ(dialog.table()->rowCount(), 3);
  QStringList results, ids;
  for (int r = 0; r < 3; ++r) {
    results << dialog.table()->item(r, 3)->text().section(" (", 0, 0);
    ids << dialog.table()->item(r, 2)->text();
  }
  EXPECT_EQ(results, (QStringList{"Written", "Communication error", "Written"}));
  EXPECT_EQ(ids, (QStringList{"0000042", "0000043", "0000044"}));
  EXPECT_TRUE(dialog.table()->item(1, 3)->toolTip().contains("0x0220")) << dialog.table()->item(1, 3)->toolTip().toStdString();
  // A written radio's bar ends full; the failure's reason is on screen, and
  // the radio that got part of the image is named.
  EXPECT_EQ(qobject_cast<QProgressBar*>(dialog.table()->cellWidget(2, 1))->value(), 504);
  EXPECT_EQ(qobject_cast<QProgressBar*>(dialog.table()->cellWidget(1, 1))->format(), "stopped at %p%");
  EXPECT_EQ(dialog.summary()->text().toStdString(),
            "2 of 3 radios written\n"
            "/dev/b: The radio did not acknowledge the block at 0x0220 (no answer).\n"
            "/dev/b holds a partly written image: write it again before use.");
  EXPECT_EQ(dialog.startedPorts(), (std::vector<std::string>{"/dev/a", "/dev/b", "/dev/c"}));
  EXPECT_EQ(dialog.startedFirstId(), "0000042");

  // The next dialog shows them again.
  FleetDialog again(image, rig.opener, 9600, {"/dev/a", "/dev/x"}, "/dev/x");
  again.Restore(dialog.startedPorts(), dialog.startedFirstId());
  EXPECT_EQ(again.chosenPorts(), dialog.startedPorts());
  EXPECT_TRUE(again.idBox()->isChecked());
  EXPECT_EQ(again.idField()->text(), "0000042");
  EXPECT_EQ(rig.radios["/dev/a"].memory().Byte(0x038E), 2);  // 0000042: digit codes, last one 2
  EXPECT_EQ(rig.radios["/dev/c"].memory().Byte(0x038E), 4);
  EXPECT_EQ(messages.size(), 1u);
}

TEST(FleetDialogTest, StopStopsAllAndCloseWaitsForIt) {
  Radios rig({"/dev/a", "/dev/b"});
  std::atomic<bool> stopped{false};
  PortOpener gated = [&](const std::string& n, int b) {
    while (!stopped) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return rig.opener(n, b);
  };
  RadioImage image;
  FleetDialog dialog(image, gated, 9600, {"/dev/a", "/dev/b"}, "/dev/b");
  dialog.show();
  dialog.AddPort("/dev/a");
  dialog.startButton()->click();
  dialog.reject();  // the close box while running stops every radio
  EXPECT_TRUE(dialog.isVisible());
  stopped = true;
  ASSERT_TRUE(WaitUntil([&] { return !dialog.running(); }));
  for (int r = 0; r < 2; ++r) EXPECT_TRUE(dialog.table()->item(r, 3)->text().startsWith("Stopped"));
}

}  // namespace
}  // namespace cps
