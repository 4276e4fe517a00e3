// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog fits a small screen: 1280×1024 at 200 % (640×512 logical,
// less panels and title bar) and 1024×768 at 100 %.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "core/interop/csv_template.h"
#include "core/image/new_image.h"
#include "core/interop/csv_chirp.h"
#include "core/interop/text_image.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/language.h"
#include "gui/app/main_window.h"
#include "gui/app/password_dialog.h"
#include "gui/app/user_guide.h"
#include "gui/channels/bulk_edit_dialog.h"
#include "gui/channels/channel_edit_dialog.h"
#include "gui/channels/channel_import_dialog.h"
#include "gui/channels/channel_template_dialog.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/dpmr/dpmr_param_dialog.h"
#include "gui/factory/factory_adjust_dialog.h"
#include "core/link/backups.h"
#include "gui/link/backups_dialog.h"
#include "gui/link/fleet_dialog.h"
#include "gui/link/port_setting_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "gui/settings/settings_dialogs.h"
#include "gui/widgets/fit_to_screen.h"
#include "gui/widgets/notes_dialog.h"

namespace cps {
namespace {

Result<std::unique_ptr<SerialPort>> NoPort(const std::string&, int) { return Error{"no port"}; }

struct Made {
  const char* name;
  std::function<std::unique_ptr<QWidget>(RadioImage&)> make;
};

std::vector<Made> EveryDialog(const QString& folder) {
  return {
      {"Channel Edit", [](RadioImage& im) { return std::make_unique<ChannelEditDialog>(im, ChannelEditDialog::Variant::kMain, kBandUhf, 3); }},
      {"Channel Edit (PMR)", [](RadioImage& im) { return std::make_unique<ChannelEditDialog>(im, ChannelEditDialog::Variant::kPmr, kBandUhf, 3); }},
      {"Basic setting", [](RadioImage& im) { return std::make_unique<CBasicSettingDlg>(im, QString()); }},
      {"Scan Info", [](RadioImage& im) { return std::make_unique<CScanInfoDlg>(im); }},
      {"Alarm", [](RadioImage& im) { return std::make_unique<CAlarmDlg>(im); }},
      {"DTMF", [](RadioImage& im) { return std::make_unique<CDtmfDlg>(im); }},
      {"dPMR", [](RadioImage& im) { return std::make_unique<CDpmrParamDlg>(im); }},
      {"Pmr Channel", [](RadioImage& im) { return std::make_unique<PmrChannelDialog>(im, kBandUhf, [] { return std::string(); }); }},
      {"New from template", [folder](RadioImage&) {
         return std::make_unique<ChannelTemplateDialog>(FindChannelTemplates({folder.toStdString(), DPMR_TEST_DATA_DIR "/../../res/templates"}));
       }},
      {"Compare", [](RadioImage& im) {
         RadioImage other = im;
         for (std::size_t a = 0x0100; a < 0x0300; a += 7) other.SetByte(a, static_cast<std::uint8_t>(other.Byte(a) ^ 0x5A));
         return std::make_unique<CompareDialog>(ComparedImage{im}, "This image", ComparedImage{other},
                                                "a-rather-long-file-name-of-a-radio.dat");
       }},
      {"Write to several radios", [](RadioImage& im) {
         std::vector<std::string> ports;
         for (int i = 0; i < 24; ++i) ports.push_back("/dev/ttyUSB" + std::to_string(i));
         return std::make_unique<FleetDialog>(im, NoPort, 9600, ports, "/dev/ttyUSB0");
       }},
      {"Read data", [](RadioImage& im) { return std::make_unique<TransferDialog>(TransferDirection::kRead, im, NoPort, "/dev/ttyUSB0", 9600); }},
      {"Write data", [](RadioImage& im) { return std::make_unique<TransferDialog>(TransferDirection::kWrite, im, NoPort, "/dev/ttyUSB0", 9600); }},
      {"Factory adjustment", [](RadioImage& im) { return std::make_unique<FactoryAdjustDialog>(im, NoPort, "/dev/ttyUSB0", 9600); }},
      {"Port", [](RadioImage&) { return std::make_unique<PortSettingDialog>("/dev/ttyUSB0"); }},
      {"Backups", [folder](RadioImage& im) {
         // with a backup left beside the program: its line below the list
         const std::string stray = folder.toStdString() + "/build/backups/";
         (void)SaveBackup(stray, im, "/dev/ttyUSB0", 1796640973);
         return std::make_unique<BackupsDialog>(folder.toStdString(), stray);
       }},
      {"Import channels", [](RadioImage&) {
         QFile f(DPMR_TEST_DATA_DIR "/interop/Generic_CSV.csv");
         f.open(QIODevice::ReadOnly);
         auto csv = ReadChirpCsv(f.readAll().toStdString());
         return std::make_unique<ChannelImportDialog>(csv ? *csv : CsvTable{}, kBandUhf, 1);
       }},
      {"Bulk edit", [](RadioImage& im) {
         ChannelTable table;
         table.Load(im);
         return std::make_unique<BulkEditDialog>(std::vector<int>{1, 2, 3}, "Channel", table,
                                                 BulkDialogChoices(im, false, kBandUhf, 1));
       }},
      {"Notes", [](RadioImage&) {
         std::vector<std::string> notes(60, std::string(150, 'x'));
         return std::make_unique<NotesDialog>(nullptr, "Paste", "60 values were stored otherwise:", notes);
       }},
      {"Password", [](RadioImage&) { return std::make_unique<CPasswordDlg>(); }},
      {"User guide", [](RadioImage&) { return std::make_unique<UserGuideDialog>(DPMR_TEST_DATA_DIR "/../../README.md"); }},
  };
}

bool Within(const QSize& s, const QRect& area) { return s.width() <= area.width() && s.height() <= area.height(); }

TEST(DialogsFit, EveryDialogFitsASmallScreenAndKeepsItsButtonsInView) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RadioImage image = NewImage("");
  // 640×512 at 200 %, less a panel and the title bar; 1024×768 at 100 %.
  for (const QRect area : {QRect(0, 0, 620, 460), QRect(0, 0, 1004, 716)}) {
    for (const Made& m : EveryDialog(dir.path())) {
      std::unique_ptr<QWidget> w = m.make(image);
      FitToScreen(w.get(), area);
      w->show();
      const std::string what = std::string(m.name) + " in " + std::to_string(area.width()) + "x" + std::to_string(area.height());
      EXPECT_TRUE(Within(w->size(), area)) << what << ": " << w->width() << "x" << w->height();
      EXPECT_TRUE(Within(w->minimumSize(), area)) << what << ": minimum " << w->minimumWidth() << "x" << w->minimumHeight();
      // A button box never scrolls away.
      for (auto* box : w->findChildren<QDialogButtonBox*>()) {
        const QRect r(box->mapTo(w.get(), QPoint(0, 0)), box->size());
        if (box->isVisible()) {
          EXPECT_TRUE(QRect(QPoint(0, 0), w->size()).contains(r)) << what;
        }
      }
      // DPMR_SCREENSHOT_DIR=... keeps a picture of each, for a look by eye.
      if (const QByteArray shots = qgetenv("DPMR_SCREENSHOT_DIR"); !shots.isEmpty())
        w->grab().save(QDir(QString::fromLocal8Bit(shots))
                           .filePath(QString("%1-%2.png").arg(QString(m.name).replace(' ', '_')).arg(area.width())));
      w->hide();
    }
  }
}

// The German texts are the longest: at 1280×1024 no label, button, check box
// or group title of any dialog shows less than its text needs.
TEST(DialogsFit, InGermanNoTextIsCutAt1280x1024) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(InstallLanguage("de").ok());
  RadioImage image = NewImage("");
  const QRect area(0, 0, 1260, 964);  // less a panel and the title bar
  for (const Made& m : EveryDialog(dir.path())) {
    std::unique_ptr<QWidget> w = m.make(image);
    FitToScreen(w.get(), area);
    w->show();
    QApplication::processEvents();
    const auto cut = [&](QWidget* c, const QString& text, int needed) {
      EXPECT_GE(c->width(), needed) << m.name << ": \"" << text.toStdString() << "\" has " << c->width() << " of "
                                    << needed << " pixels";
    };
    for (QLabel* l : w->findChildren<QLabel*>()) {
      if (l->isVisible() && !l->text().isEmpty() && !l->wordWrap()) cut(l, l->text(), l->minimumSizeHint().width());
    }
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
      const bool texted = qobject_cast<QPushButton*>(b) || qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
      if (texted && b->isVisible() && !b->text().isEmpty()) cut(b, b->text(), b->sizeHint().width());
    }
    for (QGroupBox* g : w->findChildren<QGroupBox*>()) {
      if (g->isVisible() && !g->title().isEmpty())
        cut(g, g->title(), g->fontMetrics().horizontalAdvance(QString(g->title()).remove('&')));
    }
    if (const QByteArray shots = qgetenv("DPMR_SCREENSHOT_DIR"); !shots.isEmpty())
      w->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(QString("de-%1.png").arg(QString(m.name).replace(' ', '_'))));
    w->hide();
  }
  ASSERT_TRUE(InstallLanguage("").ok());
}

TEST(DialogsFit, OnlyTooLargeContentScrollsAndFittingTwiceChangesNothing) {
  QDialog small;
  auto* l = new QVBoxLayout(&small);
  auto* big = new QWidget;
  big->setMinimumSize(900, 700);
  l->addWidget(big);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  l->addWidget(buttons);
  // Room enough: left as it is.
  FitToScreen(&small, QRect(0, 0, 1600, 1200));
  EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
  // Too small a screen: the content scrolls, the buttons stay outside.
  FitToScreen(&small, QRect(0, 0, 620, 460));
  auto* scroll = small.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->widget()->isAncestorOf(big));
  EXPECT_FALSE(scroll->isAncestorOf(buttons));
  EXPECT_LE(small.width(), 620);
  EXPECT_LE(small.height(), 460);
  FitToScreen(&small, QRect(0, 0, 620, 460));
  EXPECT_EQ(small.findChildren<QScrollArea*>().size(), 1);

  // Every dialog is fitted to its screen as it opens.
  InstallDialogFitter(qApp);
  QDialog huge;
  auto* hl = new QVBoxLayout(&huge);
  auto* content = new QWidget;
  content->setMinimumSize(5000, 5000);
  hl->addWidget(content);
  huge.show();
  EXPECT_TRUE(Within(huge.size(), FitArea(&huge))) << huge.width() << "x" << huge.height() << " in " << FitArea(&huge).width()
                                                  << "x" << FitArea(&huge).height();
}

}  // namespace
}  // namespace cps
