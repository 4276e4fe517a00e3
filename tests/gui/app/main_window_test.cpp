// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "gui/app/main_window.h"
#include "gui/app/password_dialog.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/dpmr/dpmr_param_dialog.h"
#include "gui/settings/schema_page.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::AnswerNextMessageBox;
using cps::testing::OnNextModal;

QStringList MenuTexts(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    QString t = a->isSeparator() ? QString("-") : a->text();
    if (!a->shortcut().isEmpty()) t += "\t" + a->shortcut().toString();
    out << t;
  }
  return out;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  AppSettings Settings(const QString& ini = {}) {
    if (!ini.isEmpty()) {
      QFile f(dir_.filePath("Program.ini"));
      f.open(QIODevice::WriteOnly);
      f.write(ini.toUtf8());
    }
    return AppSettings::Load(dir_.path().toStdString());
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(MainWindowTest, TitleMenusToolbarAndStatus) {
  CMainFrame w(Settings());
  w.NewDocument();
  EXPECT_EQ(w.windowTitle(), "Untitled[*] \u2014 KD-4173 Software");
  QStringList menus;
  for (QAction* a : w.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Program", "&View", "&Setting", "&Help"}));
  const auto menuAt = [&](int i) { return w.menuBar()->actions().at(i)->menu(); };
  EXPECT_EQ(MenuTexts(menuAt(0)),
            (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...\tCtrl+Shift+S", "-",
                         "Export as &text...", "&Import from text...", "&Compare with file...", "-",
                         "Import c&hannels…", "Export channe&ls…", "New from te&mplate…", "Save channels as templat&e…",
                         "-", "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "Recent &files", "-",
                         "E&xit\tCtrl+Q"}));
  EXPECT_EQ(MenuTexts(menuAt(1)),
            (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                         "&Delete\tDel", "-", "Select &All\tCtrl+A", "-", "&Edit...", "&Bulk edit...", "-",
                         "Scan Info", "Basic setting", "Alarm", "DTMF", "dPMR"}));
  EXPECT_EQ(MenuTexts(menuAt(2)),
            (QStringList{"&Read\tCtrl+R", "&Write\tCtrl+W", "-", "&Backups...", "Write to &several radios...", "-",
                                                "Chec&k image...", "Compare with ra&dio..."}));
  EXPECT_EQ(MenuTexts(menuAt(3)), (QStringList{"&Toolbar", "&Status Bar", "&Language"}));
  EXPECT_EQ(MenuTexts(menuAt(4)), (QStringList{"Port"}));
  EXPECT_EQ(MenuTexts(menuAt(5)), (QStringList{"&User guide\tF1", "&About ..."}));
  // Print shows Ctrl+P but has no key.
  EXPECT_TRUE(w.findChild<QAction*>("actionPrint")->shortcut().isEmpty());

  auto* tb = w.findChild<QToolBar*>("mainToolBar");
  ASSERT_NE(tb, nullptr);
  QStringList tools;
  for (QAction* a : tb->actions()) tools << (a->isSeparator() ? QString("-") : a->objectName());
  EXPECT_EQ(tools, (QStringList{"actionNew", "actionOpen", "actionSave", "-", "actionUndo", "actionRedo", "-",
                                "actionRead", "actionWrite", "-", "actionAbout"}));
  for (QAction* a : tb->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
  }
  EXPECT_EQ(w.statusBar()->currentMessage(), "Ready");
}

TEST_F(MainWindowTest, TitleNamesTheFileAndMarksUnsavedChanges) {
  CMainFrame w(Settings("[Setup]\nModel=KD-9\n"));
  w.NewDocument();
  EXPECT_EQ(w.windowTitle(), "Untitled[*] \u2014 KD-9 Software");
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.doc().displayName(), "KD-9");
  // A committed cell is a change: the title is marked.
  w.findChild<ChannelTableView*>()->model()->setData(w.findChild<ChannelTableView*>()->model()->index(0, kColRxFreq),
                                                     "446.1", Qt::EditRole);
  EXPECT_TRUE(w.isWindowModified());
  ASSERT_TRUE(w.SaveDocument(Path("a.dat")));
  EXPECT_EQ(w.windowTitle(), "a.dat[*] \u2014 KD-9 Software");
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_EQ(w.statusBar()->currentMessage(), "Saved " + QDir::toNativeSeparators(Path("a.dat")));
  // Undo back to the saved state... and forward again.
  w.OnUndo();
  EXPECT_TRUE(w.isWindowModified());
  w.OnRedo();
  EXPECT_FALSE(w.isWindowModified());
  w.NewDocument();
  EXPECT_EQ(w.windowTitle(), "Untitled[*] \u2014 KD-9 Software");
  ASSERT_TRUE(w.OpenDocument(Path("a.dat")));
  EXPECT_EQ(w.windowTitle(), "a.dat[*] \u2014 KD-9 Software");
  EXPECT_EQ(w.statusBar()->currentMessage(), "Opened " + QDir::toNativeSeparators(Path("a.dat")));
}

TEST_F(MainWindowTest, AccessCodeAddsPmrChannelOnce) {
  EXPECT_TRUE(CPasswordDlg::IsAccessCode("5826TR"));
  EXPECT_TRUE(CPasswordDlg::IsAccessCode("5826tr"));
  EXPECT_FALSE(CPasswordDlg::IsAccessCode("5826T"));

  CMainFrame w(Settings());
  w.NewDocument();
  const int before = w.editMenu()->actions().size();
  // A wrong code closes the dialog as cancelled and changes nothing.
  OnNextModal([](QWidget* d) {
    auto* dlg = qobject_cast<CPasswordDlg*>(d);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->windowTitle(), "Password");
    EXPECT_EQ(dlg->edit()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dlg->edit()->maxLength(), 14);
    dlg->edit()->setText("nope");
    dlg->accept();
  });
  w.OnAccessCode();
  EXPECT_EQ(w.editMenu()->actions().size(), before);
  EXPECT_EQ(w.pmrChannelAction(), nullptr);

  for (int i = 0; i < 2; ++i) {
    OnNextModal([](QWidget* d) {
      auto* dlg = qobject_cast<CPasswordDlg*>(d);
      dlg->edit()->setText("5826tr");
      dlg->accept();
    });
    w.OnAccessCode();
  }
  ASSERT_EQ(w.editMenu()->actions().size(), before + 1);
  EXPECT_EQ(w.editMenu()->actions().last()->text(), "PMR Channel");
}

TEST_F(MainWindowTest, FailedOpenKeepsTheDocument) {
  CMainFrame w(Settings());
  w.NewDocument();
  w.image().SetByte(0x0300, 0x07);
  const RadioImage before = w.image();
  QFile f(Path("short.dat"));
  f.open(QIODevice::WriteOnly);
  f.write(QByteArray(16383, '\x11'));
  f.close();
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  EXPECT_FALSE(w.OpenDocument(Path("short.dat")));
  EXPECT_TRUE(message.contains("short.dat")) << message.toStdString();
  EXPECT_EQ(w.image(), before);
  EXPECT_TRUE(w.doc().path().isEmpty());
}

TEST_F(MainWindowTest, SaveWritesTheImageAndReopenReadsTheDiskAgain) {
  CMainFrame w(Settings());
  w.NewDocument();
  w.image().SetByte(0x0301, 0x03);
  ASSERT_TRUE(w.SaveDocument(Path("radio.dat")));
  RadioImage onDisk;
  ASSERT_TRUE(LoadImageFile(Path("radio.dat").toStdString(), onDisk));
  EXPECT_EQ(onDisk.Byte(0x0301), 0x03);
  EXPECT_EQ(QFileInfo(Path("radio.dat")).size(), 16384);
  EXPECT_FALSE(w.doc().Modified());

  // Editing then re-opening the same file shows the file's content again.
  w.image().SetByte(0x0301, 0x09);
  EXPECT_TRUE(w.doc().Modified());
  ASSERT_TRUE(w.OpenDocument(Path("radio.dat")));
  EXPECT_EQ(w.image().Byte(0x0301), 0x03);
  EXPECT_FALSE(w.doc().Modified());
}

TEST_F(MainWindowTest, OpenShowsTheFileAsStoredUntilTheTableIsWrittenBack) {
  // Band limits 144-148 MHz (no entry of the selector), channel 1 at 146,
  // the dPMR all code 1234567 and a pre-carrier time of 40 (stored 2).
  RadioImage img = NewImage("");
  const std::uint8_t band[8] = {0x00, 0x00, 0x40, 0x14, 0x00, 0x00, 0x80, 0x14};
  for (int i = 0; i < 8; ++i) img.SetByte(0x3FA0 + i, band[i]);
  const std::uint8_t channel[8] = {0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14};
  for (int i = 0; i < 8; ++i) img.SetByte(0x0100 + i, channel[i]);
  for (int i = 0; i < 7; ++i) img.SetByte(0x0390 + i, static_cast<std::uint8_t>(i + 1));
  img.SetByte(0x0399, 2);
  ASSERT_TRUE(SaveImageFile(Path("a.dat").toStdString(), img));

  CMainFrame w(Settings());
  ASSERT_TRUE(w.OpenDocument(Path("a.dat")));
  EXPECT_FALSE(w.doc().Modified());
  QString allCode, preCarrier;
  OnNextModal([&](QWidget* d) {
    auto* dlg = qobject_cast<CDpmrParamDlg*>(d);
    ASSERT_NE(dlg, nullptr);
    allCode = dlg->basicPage()->lineEdit("all_code")->text();
    preCarrier = dlg->basicPage()->lineEdit("tx_pre_carrier_time")->text();
    // Shown, but not editable: the write-back overwrites both.
    for (const char* key : {"all_code", "tx_pre_carrier_time"}) {
      QWidget* control = dlg->basicPage()->control(key);
      EXPECT_FALSE(control->isEnabled()) << key;
      EXPECT_TRUE(control->toolTip().startsWith("Saving the file or writing to the radio always stores")) << key;
    }
    dlg->done(0);
  });
  w.OnDpmr();
  EXPECT_EQ(allCode, "1234567");
  EXPECT_EQ(preCarrier, "40");

  // Typing 150 clamps to the stored limit, as after "Factroy".
  QAbstractItemModel* model = w.findChild<ChannelForm*>("channelForm")->view()->model();
  model->setData(model->index(0, 1), "150");
  EXPECT_EQ(model->index(0, 1).data().toString(), "148.000000");
}

TEST_F(MainWindowTest, PmrFactoryLooksForFactoryDatAtEachPress) {
  CMainFrame w(Settings());
  w.NewDocument();
  w.AddPmrChannelItem();
  RadioImage factory = NewImage("");
  const std::uint8_t pmr[4] = {0x00, 0x50, 0x60, 0x44};  // 446.00625 MHz
  for (int i = 0; i < 4; ++i) factory.SetByte(0x2160 + i, pmr[i]);
  QString first;
  OnNextModal([&](QWidget* d) {
    auto* dlg = qobject_cast<PmrChannelDialog*>(d);
    ASSERT_NE(dlg, nullptr);
    // No Factory.dat when the dialog opens ...
    AnswerNextMessageBox(QMessageBox::Ok, &first);
    dlg->OnFactory();
    // ... and one put there while it is open is found at the next press.
    ASSERT_TRUE(SaveImageFile(Path("Factory.dat").toStdString(), factory));
    dlg->OnFactory();
    dlg->done(0);
  });
  w.OnPmrChannel();
  EXPECT_EQ(first, "Not find factory.dat");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.image().Byte(0x2160 + i), pmr[i]) << i;
}

TEST_F(MainWindowTest, ToolbarItemFollowsTheToolbarAndFileDialogsOfferAllFiles) {
  CMainFrame w(Settings());
  w.NewDocument();
  w.show();
  auto* toolbar = w.findChild<QToolBar*>("mainToolBar");
  QAction* item = w.findChild<QAction*>("actionToolbar");
  // Hidden from the toolbar's own context menu, then shown again.
  toolbar->toggleViewAction()->trigger();
  EXPECT_FALSE(toolbar->isVisible());
  EXPECT_FALSE(item->isChecked());
  toolbar->toggleViewAction()->trigger();
  EXPECT_TRUE(toolbar->isVisible());
  EXPECT_TRUE(item->isChecked());
  item->trigger();
  EXPECT_FALSE(toolbar->isVisible());

  QStringList filters;
  OnNextModal([&](QWidget* d) {
    if (auto* dlg = qobject_cast<QFileDialog*>(d)) filters = dlg->nameFilters();
    static_cast<QDialog*>(d)->reject();
  });
  w.OnFileOpen();
  EXPECT_EQ(filters, (QStringList{"*.dat (*.dat)", "All files (*)"}));
}

TEST_F(MainWindowTest, UnsavedChangesAreNotLostSilently) {
  CMainFrame w(Settings());
  w.NewDocument();
  EXPECT_TRUE(w.MaybeSave());  // nothing changed: no question

  w.image().SetByte(0x0302, 0x01);
  QString question;
  AnswerNextMessageBox(QMessageBox::Cancel, &question);
  EXPECT_FALSE(w.MaybeSave());
  EXPECT_EQ(question, "Save changes to KD-4173?");
  EXPECT_EQ(w.image().Byte(0x0302), 0x01);

  AnswerNextMessageBox(QMessageBox::Discard);
  EXPECT_TRUE(w.MaybeSave());

  // Changing a byte back to what it was is no change at all.
  w.image().SetByte(0x0302, 0x0A);
  EXPECT_FALSE(w.doc().Modified());
}

TEST_F(MainWindowTest, NewUsesDefaultDatOfTheProgramFolder) {
  RadioImage tmpl;
  tmpl.Fill(0x5A);
  ASSERT_TRUE(SaveImageFile(Path("Default.dat").toStdString(), tmpl));
  CMainFrame w(Settings());
  w.NewDocument();
  EXPECT_EQ(w.image().Byte(0x2345), 0x5A);
}

TEST_F(MainWindowTest, ClosingWritesOnlyThePortIntoProgramIni) {
  const QString ini = "; my settings\r\n[Setup]\r\nModel=KD-4173\r\n[Extra]\r\nx=1\r\n";
  {
    CMainFrame w(Settings(ini));
    w.NewDocument();
    w.show();
    w.close();  // empty port: nothing written
  }
  QFile f(Path("Program.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), ini);
  f.close();
  {
    CMainFrame w(Settings());
    w.NewDocument();
    w.settings().portName = "/dev/ttyUSB0";
    w.show();
    w.close();
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()),
            "; my settings\r\n[Setup]\r\nModel=KD-4173\r\nCOM=/dev/ttyUSB0\r\n[Extra]\r\nx=1\r\n");
}

// A profile saved as UTF-16 by a Windows editor is read, and the port goes
// back into it in UTF-16.
TEST_F(MainWindowTest, Utf16ProgramIniIsReadAndWrittenInItsEncoding) {
  auto wide = [](const char* ascii) {
    QByteArray out("\xFF\xFE", 2);
    for (const char* c = ascii; *c; ++c) out.append(*c).append('\0');
    return out;
  };
  {
    QFile f(Path("Program.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wide("[Setup]\r\nModel=KD-7\r\nCOM=COM3\r\n"));
  }
  {
    CMainFrame w(AppSettings::Load(dir_.path().toStdString()));
    EXPECT_EQ(w.windowTitle(), "Untitled[*] \u2014 KD-7 Software");
    EXPECT_EQ(w.settings().portName, "COM3");
    w.NewDocument();
    w.settings().portName = "/dev/ttyUSB1";
    w.show();
    w.close();
  }
  QFile f(Path("Program.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), wide("[Setup]\r\nModel=KD-7\r\nCOM=/dev/ttyUSB1\r\n"));
}

// A read-only file is refused with a message that says so and keeps its
// bytes.
TEST_F(MainWindowTest, SaveRefusesAReadOnlyFile) {
  CMainFrame w(Settings());
  w.NewDocument();
  w.image().SetByte(0x0301, 0x07);
  ASSERT_TRUE(w.SaveDocument(Path("real.dat")));
  RadioImage onDisk;
  ASSERT_TRUE(QFile::setPermissions(Path("real.dat"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  w.image().SetByte(0x0301, 0x08);
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  EXPECT_FALSE(w.SaveDocument(Path("real.dat")));
  EXPECT_TRUE(message.contains("real.dat")) << message.toStdString();
  EXPECT_TRUE(message.contains("read-only")) << message.toStdString();
  ASSERT_TRUE(LoadImageFile(Path("real.dat").toStdString(), onDisk));
  EXPECT_EQ(onDisk.Byte(0x0301), 0x07);
}

}  // namespace
}  // namespace cps
