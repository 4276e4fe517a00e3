// SPDX-License-Identifier: GPL-3.0-or-later
// The main window opens the factory adjustment dialog on its own image and
// port, and shows the exchange's message in the program's message box.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "gui/app/main_window.h"
#include "gui/factory/factory_adjust_dialog.h"
#include "gui/settings/schema_page.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WhenModal;

TEST(FactoryMainWindow, OpensOnTheImageAndUsesTheChosenPort) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  w.settings().portName = dir.filePath("no-such-port").toStdString();
  w.image().SetByte(0x0045, 0x66);

  QString title, boxTitle, boxText;
  WhenModal<FactoryAdjustDialog>([&](FactoryAdjustDialog* d) {
    title = d->windowTitle();
    d->schemaPage(0)->lineEdit("dcs_gain")->setText("abc");
    d->readButton()->click();
    WhenModal<QMessageBox>([&, d](QMessageBox* box) {
      boxTitle = box->windowTitle();
      boxText = box->text();
      box->button(QMessageBox::Ok)->click();
      QTimer::singleShot(50, d, [d] { d->close(); });
    });
  });
  w.OnFactoryAdjust();
  EXPECT_EQ(title, QString::fromUtf8("可调节参数"));
  EXPECT_EQ(boxTitle, "Program");
  EXPECT_TRUE(boxText.startsWith("Cound not open the port\n\n")) << boxText.toStdString();
  EXPECT_EQ(w.image().Byte(0x006E), 0xBC);  // stored when the dialog closed
  EXPECT_EQ(w.image().Byte(0x006F), 0x0A);
  EXPECT_EQ(w.image().Byte(0x0045), 0x66);
}

}  // namespace
}  // namespace cps
