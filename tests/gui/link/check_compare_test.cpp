// SPDX-License-Identifier: GPL-3.0-or-later
// The check before every Write and "Compare with radio...", against a
// simulated radio on a pseudo-terminal.
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <thread>

#include "core/channels/channel_record.h"
#include "core/codec/tone.h"
#include "core/link/backups.h"
#include "core/link/pty_radio.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/main_window.h"
#include "gui/link/check_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WhenModal;

// A window on a fresh program folder and a radio served on a terminal.
// What the radio holds is looked at through copies taken at the end of
// each write session (the radio runs on the serving thread).
struct Bench {
  QTemporaryDir dir;
  CMainFrame w{AppSettings::Load(dir.path().toStdString())};
  SimulatedRadio radio;
  PtyRadioServer server{radio, 115200};
  std::atomic<bool> stop{false};
  std::thread serving;
  std::mutex m;
  int writes = 0;
  RadioImage written;
  Bench() {
    w.NewDocument();
    radio.memory().Fill(0x00);
    radio.onWriteEnded = [this](const RadioImage& memory) {
      std::lock_guard lock(m);
      ++writes;
      written = memory;
    };
  }
  // Serves the radio from now on.
  void Start() {
    EXPECT_TRUE(server.Open().ok());
    serving = std::thread([this] { server.Serve(stop); });
    w.settings().portName = server.devicePath();
    w.settings().baudRate = 115200;
  }
  ~Bench() {
    stop = true;
    if (serving.joinable()) serving.join();
  }
  int Writes() {
    std::lock_guard lock(m);
    return writes;
  }
  // After write session `n` ended, the radio held the written blocks of `image`.
  bool Holds(int n, const RadioImage& image) {
    if (!cps::testing::WaitUntil([&] { return Writes() >= n; }, 5000)) return false;
    std::lock_guard lock(m);
    for (std::size_t a = 0x0100; a < kImageSize; ++a)
      if (!(a >= 0x3E00 && a < 0x3E40) && !(a >= 0x3F80 && a < 0x3FA0) && written.Byte(a) != image.Byte(a))
        return false;
    return true;
  }
};

// Acts on the modal dialog named `name` once it shows.
void WhenModalNamed(const QString& name, std::function<void(QDialog*)> act, int attempts = 1000) {
  QTimer::singleShot(10, [name, act, attempts] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (d && d->objectName() == name) act(d);
    else if (attempts > 0) WhenModalNamed(name, act, attempts - 1);
  });
}

QStringList Column(QTableWidget* t, int c) {
  QStringList out;
  for (int r = 0; r < t->rowCount(); ++r) out << t->item(r, c)->text();
  return out;
}

TEST(CheckBeforeWrite, ListsTheFindingsAndWritesOnlyWhenAsked) {
  Bench b;
  b.Start();
  // One analog channel with a tone on transmit only.
  for (std::size_t base : {kMainChannelBase, kPmrChannelBase})
    for (int n = 1; n <= kChannelCount; ++n) ChannelRecord(b.w.image(), base, n).ResetRecord();
  ChannelRecord ch(b.w.image(), kMainChannelBase, 1);
  ch.setRxFreq(43300000);
  ch.setTxFreq(43300000);
  ch.setChannelType(0);
  ch.setRxTone(kNoTone);
  ch.setTxTone(ToneFromText("67.0"));
  b.w.doc().AfterChannelDialog();

  QStringList keys;
  QString summary, write;
  WhenModal<CheckDialog>([&](CheckDialog* d) {
    keys = Column(d->table(), 1);
    summary = d->summary()->text();
    d->closeButton()->click();  // Cancel
  });
  b.w.OnWrite();
  EXPECT_EQ(keys, QStringList{"channel.1.tx_tone"});
  EXPECT_TRUE(summary.contains("warning")) << summary.toStdString();
  EXPECT_EQ(b.Writes(), 0);  // cancelled: nothing went to the radio

  WhenModal<CheckDialog>([&](CheckDialog* d) {
    write = d->writeButton()->text();
    WhenModal<TransferDialog>([](TransferDialog* t) { t->startButton()->click(); });
    d->writeButton()->click();
  });
  b.w.OnWrite();
  EXPECT_EQ(write, "Write");
  EXPECT_TRUE(b.Holds(1, b.w.image()));

  // Clean: the box stops the check from showing; the next Write goes
  // straight to "Write data".
  ch.setTxTone(kNoTone);
  b.w.doc().AfterChannelDialog();
  WhenModal<CheckDialog>([&](CheckDialog* d) {
    summary = d->summary()->text();
    d->quietWhenCleanBox()->setChecked(true);
    d->closeButton()->click();
  });
  b.w.OnWrite();
  ASSERT_EQ(summary, "No findings.");  // else the next Write would stop at the check
  QFile ini(b.dir.filePath("Program.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("CheckWhenClean=0"));
  bool straight = false;
  WhenModal<TransferDialog>([&](TransferDialog* t) {
    straight = true;
    t->startButton()->click();
  });
  b.w.OnWrite();
  EXPECT_TRUE(straight);
  EXPECT_TRUE(b.Holds(2, b.w.image()));
}

TEST(CompareWithRadio, ShowsWhatAWriteChangesThenWrites) {
  Bench b;
  b.radio.memory() = b.w.image();
  b.Start();
  ChannelRecord(b.w.image(), kMainChannelBase, 2).setRxFreq(43312500);
  ChannelRecord(b.w.image(), kMainChannelBase, 2).setTxFreq(43312500);
  b.w.doc().AfterChannelDialog();
  const RadioImage sent = b.w.doc().core().SavedForm();

  QStringList keys;
  QString radioColumn;
  WhenModal<TransferDialog>([&](TransferDialog* read) {
    WhenModalNamed("compareWithRadio", [&](QDialog* d) {
      auto* view = d->findChild<CompareDialog*>();
      ASSERT_NE(view, nullptr);
      for (int s = 0; s < view->tree()->topLevelItemCount(); ++s)
        for (int r = 0; r < view->tree()->topLevelItem(s)->childCount(); ++r)
          keys << view->tree()->topLevelItem(s)->child(r)->text(0);
      radioColumn = view->tree()->headerItem()->text(3);
      WhenModal<CheckDialog>([](CheckDialog* c) {
        WhenModal<TransferDialog>([](TransferDialog* t) { t->startButton()->click(); });
        c->writeButton()->click();
      });
      d->findChild<QPushButton*>("compareWrite")->click();
    });
    read->startButton()->click();
  });
  b.w.OnCompareWithRadio();
  EXPECT_TRUE(keys.contains("channel.2.rx_freq")) << keys.join(",").toStdString();
  EXPECT_EQ(radioColumn, "the radio");
  EXPECT_TRUE(b.Holds(1, sent));
  EXPECT_EQ(ListDatedFiles(b.w.settings().backupDirectory, ".dat").size(), 1u);  // the read was kept
}

}  // namespace
}  // namespace cps
