// SPDX-License-Identifier: GPL-3.0-or-later
// The link's items of the main window: backups of every read, "Backups...",
// the remembered "Verify after write".
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMessageBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <thread>

#include "core/image/image_file.h"
#include "core/link/backups.h"
#include "core/link/pty_radio.h"
#include "gui/app/main_window.h"
#include "gui/app/user_settings.h"
#include "gui/link/backups_dialog.h"
#include "gui/link/check_dialog.h"
#include "gui/link/port_setting_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WaitUntil;
using cps::testing::WhenModal;

QStringList ProgramMenu(CMainFrame& w) {
  QStringList items;
  for (QAction* m : w.menuBar()->actions())
    if (m->text() == "&Program")
      for (QAction* a : m->menu()->actions()) items << (a->isSeparator() ? "-" : a->text());
  return items;
}

TEST(MainWindowLink, ReadKeepsABackupThatBackupsOpensAsANewDocument) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  EXPECT_EQ(ProgramMenu(w), (QStringList{"&Read", "&Write", "-", "&Backups...", "Write to &several radios...", "-",
                                                "Chec&k image...", "Compare with ra&dio..."}));
  EXPECT_EQ(w.settings().backupDirectory, dir.path().toStdString() + "/backups/");

  SimulatedRadio radio;
  radio.memory() = w.image();
  radio.memory().SetByte(0x0020, 0x5C);  // outside every editor: kept as read
  PtyRadioServer server(radio, 115200);
  ASSERT_TRUE(server.Open().ok());
  std::atomic<bool> stop{false};
  std::thread serving([&] { server.Serve(stop); });
  w.settings().portName = server.devicePath();
  w.settings().baudRate = 115200;
  QString portShown;
  WhenModal<TransferDialog>([&](TransferDialog* d) {
    portShown = d->findChild<QLabel*>("portLabel")->text();
    d->startButton()->click();
  });
  w.OnRead();
  stop = true;
  serving.join();
  // The dialog named the port; the status bar says the read is done.
  EXPECT_EQ(portShown, QString("Port %1, 115200 baud").arg(QString::fromStdString(server.devicePath())));
  EXPECT_EQ(w.statusBar()->currentMessage(),
            QString("Read from the radio on %1").arg(QString::fromStdString(server.devicePath())));

  const auto kept = ListDatedFiles(w.settings().backupDirectory, ".dat");
  ASSERT_EQ(kept.size(), 1u);
  RadioImage backup;
  ASSERT_TRUE(LoadImageFile(kept[0].path, backup).ok());
  for (std::size_t a = 0x0100; a < kImageSize; ++a)
    if (a < 0x3F80 || a >= 0x3FA0) {
      ASSERT_EQ(backup.Byte(a), radio.memory().Byte(a)) << std::hex << a;
    }

  // A second backup, older, to pick from the list (newest first).
  RadioImage older = w.image();
  older.SetByte(0x0020, 0x77);
  ASSERT_TRUE(SaveBackup(w.settings().backupDirectory, older, "/dev/ttyUSB3", std::time(nullptr) - 3600).ok());
  w.NewDocument();
  OpenUserSettings()->clear();
  QStringList ports;
  WhenModal<BackupsDialog>([&](BackupsDialog* d) {
    for (int r = 0; r < d->table()->rowCount(); ++r) ports << d->table()->item(r, 1)->text();
    d->table()->selectRow(1);
    d->openButton()->click();
  });
  w.OnBackups();
  EXPECT_EQ(ports, (QStringList{QString::fromStdString(PortFileName(server.devicePath())), "ttyUSB3"}));
  EXPECT_EQ(w.image().Byte(0x0020), 0x77);
  EXPECT_TRUE(w.doc().path().isEmpty());  // Save asks for a name
  EXPECT_FALSE(w.doc().Modified());
  // Not a recent file (from there it would open with its name, and Save would
  // overwrite it), and the file dialogs stay where they were.
  EXPECT_TRUE(w.recentFiles().isEmpty());
  EXPECT_FALSE(OpenUserSettings()->contains(kLastFolderKey));
}

// Backups kept beside a program that is no portable install are listed,
// marked, with a line saying where to move them; they open like any other.
TEST(MainWindowLink, BackupsListsStrayBackupsWithWhereToMoveThem) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.settings().strayBackupDirectory = dir.filePath("build/backups/").toStdString();
  RadioImage stray = w.image();
  stray.SetByte(0x0020, 0x5A);
  ASSERT_TRUE(SaveBackup(w.settings().backupDirectory, w.image(), "/dev/ttyUSB0", std::time(nullptr) - 60).ok());
  ASSERT_TRUE(SaveBackup(w.settings().strayBackupDirectory, stray, "/dev/ttyUSB1", std::time(nullptr)).ok());
  QStringList dates;
  QString note;
  WhenModal<BackupsDialog>([&](BackupsDialog* d) {
    for (int r = 0; r < d->table()->rowCount(); ++r) dates << d->table()->item(r, 0)->text().right(2);
    if (d->strayNote()) note = d->strayNote()->text();
    for (const QLabel* label : d->findChildren<QLabel*>())
      if (label->isVisible() && label != d->strayNote()) note += "\n" + label->text();
    d->table()->selectRow(0);
    d->openButton()->click();
  });
  w.OnBackups();
  EXPECT_EQ(dates, (QStringList{" *", dates.value(1)}));
  EXPECT_NE(dates.value(1), " *");
  EXPECT_TRUE(note.contains(QString::fromStdString(w.settings().strayBackupDirectory))) << note.toStdString();
  EXPECT_TRUE(note.contains(QString::fromStdString(w.settings().backupDirectory))) << note.toStdString();
  EXPECT_TRUE(note.contains("Every read from a radio is kept in " +
                            QString::fromStdString(w.settings().backupDirectory)))
      << note.toStdString();
  EXPECT_EQ(w.image().Byte(0x0020), 0x5A);
}

// "Write to radio..." in Backups puts a backup of random content back into
// the radio byte for byte (no repair, the document untouched); a backup that
// does not open leaves the list open with the message.
TEST(MainWindowLink, BackupsWritesABackupBackAndAFailedOpenKeepsTheList) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  const RadioImage document = w.image();
  std::mt19937 random(11);
  RadioImage kept;
  for (std::size_t a = 0; a < kImageSize; ++a) kept.SetByte(a, static_cast<std::uint8_t>(random()));
  ASSERT_TRUE(SaveBackup(w.settings().backupDirectory, kept, "/dev/ttyUSB3", std::time(nullptr)).ok());
  {
    QFile bad(QString::fromStdString(w.settings().backupDirectory + "20200101-000000-ttyUSB9.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("x");
  }
  SimulatedRadio radio;
  radio.memory().Fill(0x00);
  PtyRadioServer server(radio, 115200);
  ASSERT_TRUE(server.Open().ok());
  std::atomic<bool> stop{false};
  std::thread serving([&] { server.Serve(stop); });
  w.settings().portName = server.devicePath();
  w.settings().baudRate = 115200;

  QString failure, question;
  bool listStayed = false;
  QStringList names;
  WhenModal<BackupsDialog>([&](BackupsDialog* d) {
    for (int r = 0; r < d->table()->rowCount(); ++r) names << d->table()->item(r, 1)->text();
    d->table()->selectRow(1);
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      failure = box->text();
      box->accept();
    });
    d->openButton()->click();
    listStayed = d->isVisible();
    d->table()->selectRow(0);
    WhenModal<QMessageBox>([&](QMessageBox* ask) {
      question = ask->text();
      WhenModal<TransferDialog>([](TransferDialog* t) { t->startButton()->click(); });
      ask->button(QMessageBox::Yes)->click();
    });
    d->writeButton()->click();
    d->reject();
  });
  w.OnBackups();
  stop = true;
  serving.join();
  EXPECT_EQ(names, (QStringList{"ttyUSB3", "ttyUSB9"}));
  EXPECT_TRUE(failure.startsWith("Failed to open document.")) << failure.toStdString();
  EXPECT_TRUE(listStayed);
  EXPECT_TRUE(question.startsWith("Write this backup into the radio on " + QString::fromStdString(server.devicePath())))
      << question.toStdString();
  for (std::size_t a = 0; a < kImageSize; ++a) {
    const bool written = a >= 0x0100 && !(a >= 0x3E00 && a < 0x3E40) && !(a >= 0x3F80 && a < 0x3FA0);
    ASSERT_EQ(radio.memory().Byte(a), written ? kept.Byte(a) : 0x00) << std::hex << a;
  }
  EXPECT_TRUE(w.image() == document);
}

TEST(MainWindowLink, VerifyAfterWriteIsRemembered) {
  QTemporaryDir dir;
  for (bool expected : {false, true}) {
    CMainFrame w(AppSettings::Load(dir.path().toStdString()));
    bool shown = !expected;
    WhenModal<CheckDialog>([&](CheckDialog* check) {
      WhenModal<TransferDialog>([&](TransferDialog* d) {
        shown = d->verifyBox()->isChecked();
        d->verifyBox()->setChecked(true);
        d->exitButton()->click();
      });
      check->writeButton()->click();
    });
    w.OnWrite();
    EXPECT_EQ(shown, expected);
  }
  QFile ini(dir.filePath("Program.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("Verify=1"));
}

TEST(MainWindowLink, LogSerialTrafficTracesEveryTransfer) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  bool shownBefore = true;
  WhenModal<PortSettingDialog>([&](PortSettingDialog* d) {
    shownBefore = d->logSerialBox()->isChecked();
    EXPECT_EQ(d->logSerialBox()->text(), "Log serial traffic");
    d->logSerialBox()->setChecked(true);
    d->accept();
  });
  w.OnPortSetting();
  EXPECT_FALSE(shownBefore);  // off by default
  EXPECT_TRUE(AppSettings::Load(dir.path().toStdString()).logSerial);

  w.settings().portName = dir.filePath("no-such-port").toStdString();
  WhenModal<TransferDialog>([](TransferDialog* d) {
    d->showMessage = [](QWidget*, const QString&) {};
    d->startButton()->click();
  });
  w.OnRead();
  const auto traces = ListDatedFiles(w.settings().traceDirectory, ".txt");
  ASSERT_EQ(traces.size(), 1u);
  QFile f(QString::fromStdString(traces[0].path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains(" open at 9600 baud failed: The port ")) << traces[0].path;
}

}  // namespace
}  // namespace cps
