// SPDX-License-Identifier: GPL-3.0-or-later
// Each settings dialog, offscreen: open it, change a field through its
// widget, close it, check the image bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "core/image/new_image.h"
#include "core/settings/settings_test_image.h"
#include "gui/settings/dtmf_contact_page.h"
#include "gui/settings/schema_page.h"
#include "gui/settings/settings_dialogs.h"
#include "gui/settings/side_key_page.h"
#include "gui/widgets/spin_edit.h"
#include "gui/widgets/editable_grid.h"

namespace cps {
namespace {

RadioImage Defaults() { return testing::DefaultSettingsImage(); }

void Leave(QWidget* w) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(w, &out);
}

void Focus(QWidget* w) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w, &in);
}

QComboBox* Combo(SchemaPage* page, const char* key) { return qobject_cast<QComboBox*>(page->control(key)); }

TEST(BasicSettingDialog, OptionEditsAreCorrectedAndSavedOnClose) {
  RadioImage im = Defaults();
  im.SetByte(0x300, 12);  // squelch out of range
  {
    CBasicSettingDlg dlg(im, QString());
    EXPECT_EQ(dlg.windowTitle(), "Basic setting");
    ASSERT_EQ(dlg.tabs()->count(), 3);
    EXPECT_EQ(dlg.tabs()->tabText(0), "Option");
    EXPECT_EQ(dlg.tabs()->tabText(1), "Side Key");
    EXPECT_EQ(dlg.tabs()->tabText(2), "Tone and Light");
    SchemaPage* option = dlg.optionPage();
    EXPECT_EQ(option->control("wireless_copy"), nullptr);  // hidden row
    EXPECT_EQ(Combo(option, "sql")->currentText(), "5");
    QLineEdit* tot = option->lineEdit("tot");
    EXPECT_EQ(tot->text(), "0");
    tot->clear();
    QTest::keyClicks(tot, "100");
    Leave(tot);
    EXPECT_EQ(tot->text(), "90");
    auto* spin = qobject_cast<SpinEdit*>(option->control("tot"));
    spin->upButton()->click();
    EXPECT_EQ(tot->text(), "120");
    QLineEdit* saving = option->lineEdit("saving_delay_time");
    QTest::keyClicks(saving, "x");  // 2 characters at most: "10" stays
    EXPECT_EQ(saving->text(), "10");
    // Escape is swallowed: the dialog stays open.
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    dlg.close();
  }
  EXPECT_EQ(im.Word(0x308), 120);
  EXPECT_EQ(im.Byte(0x300), 5);
}

TEST(BasicSettingDialog, LeavingATabSavesItAndEnteringReloads) {
  RadioImage im = Defaults();
  CBasicSettingDlg dlg(im, QString());
  Combo(dlg.optionPage(), "apo")->setCurrentIndex(3);
  dlg.tabs()->setCurrentIndex(1);
  EXPECT_EQ(im.Byte(0x303), 3);
  im.SetByte(0x303, 1);  // changed behind the page's back
  dlg.tabs()->setCurrentIndex(0);
  EXPECT_EQ(Combo(dlg.optionPage(), "apo")->currentText(), "10M");
}

TEST(BasicSettingDialog, BuiltInSideKeyDrawingsAreDrawnForTheDensityOnATransparentBackground) {
  for (const char* key : {"TK", "SK1", "SK2"}) {
    for (qreal ratio : {1.0, 2.0}) {
      const QImage img = CSideKeyPage::BuiltInPicture(key, ratio).toImage();
      SCOPED_TRACE(std::string(key) + " at " + std::to_string(ratio));
      EXPECT_EQ(img.size(), QSize(150, 300) * ratio);
      EXPECT_EQ(img.devicePixelRatio(), ratio);
      EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
      // The radio's body, opaque.
      EXPECT_EQ(qAlpha(img.pixel(QPoint(90, 250) * ratio)), 255);
    }
  }
  // The key the picture is about is the orange one.
  const QImage sk1 = CSideKeyPage::BuiltInPicture("SK1", 2).toImage();
  EXPECT_EQ(sk1.pixelColor(QPoint(40, 170) * 2), QColor(0xff, 0x5a, 0x1f));
  EXPECT_NE(sk1.pixelColor(QPoint(42, 200) * 2), QColor(0xff, 0x5a, 0x1f));
  const QImage sk2 = CSideKeyPage::BuiltInPicture("SK2", 2).toImage();
  EXPECT_EQ(sk2.pixelColor(QPoint(40, 200) * 2), QColor(0xff, 0x5a, 0x1f));
}

TEST(BasicSettingDialog, SideKeyStoresTableCodeAndPictureFollowsFocus) {
  RadioImage im = Defaults();
  im.SetByte(0x327, 40);  // SK2 long press beyond the table
  QTemporaryDir dir;
  QImage own(20, 40, QImage::Format_RGB888);
  own.fill(Qt::blue);
  ASSERT_TRUE(own.save(dir.filePath("TK.bmp"), "BMP"));
  {
    CBasicSettingDlg dlg(im, dir.path());
    CSideKeyPage* keys = dlg.sideKeyPage();
    QComboBox* sk1Short = Combo(keys->form(), "sk1_short");
    EXPECT_EQ(Combo(keys->form(), "sk2_long")->currentText(), "None");
    sk1Short->setCurrentIndex(sk1Short->findText("Scan"));
    EXPECT_EQ(keys->keyPicture("TK").size(), QSize(20, 40));    // from the folder
    EXPECT_EQ(keys->keyPicture("SK2").size(), QSize(150, 300));  // built in
    Focus(keys->form()->control("sk2_long"));
    EXPECT_EQ(keys->shownKey(), "SK2");
    EXPECT_EQ(keys->picture()->pixmap().size(), QSize(150, 300));
    Focus(sk1Short);
    EXPECT_EQ(keys->shownKey(), "SK1");
    dlg.close();
  }
  EXPECT_EQ(im.Byte(0x324), 4);  // the table code of "Scan", not its list position
  EXPECT_EQ(im.Byte(0x327), 0);
  EXPECT_EQ(im.Byte(0x322), 9);  // hidden TK short press passes through
}

TEST(BasicSettingDialog, ToneLightCheckBoxWritesItsBitOnly) {
  RadioImage im = Defaults();
  {
    CBasicSettingDlg dlg(im, QString());
    auto* power = qobject_cast<QCheckBox*>(dlg.toneLightPage()->control("power_on_tone"));
    ASSERT_NE(power, nullptr);
    EXPECT_TRUE(power->isChecked());
    power->click();
    dlg.close();
  }
  EXPECT_EQ(im.Byte(0x318), 0xDF & ~0x40);
  EXPECT_EQ(im.Byte(0x319), 0xC5);
}

TEST(ScanInfoDialog, ChannelByExactNumberAndEscapeSaves) {
  RadioImage im = Defaults();
  for (int n : {3, 12}) im.SetByte(0x100 + 32 * (n - 1) + 3, 0x44);
  im.SetByte(0x348, 1);  // channel 1 is not in use
  {
    CScanInfoDlg dlg(im);
    EXPECT_EQ(dlg.windowTitle(), "Scan Info");
    QComboBox* priority = Combo(dlg.form(), "priority_channel");
    ASSERT_EQ(priority->count(), 3);
    EXPECT_EQ(priority->currentText(), "None");
    EXPECT_EQ(dlg.form()->control("scan_tx_channel"), nullptr);
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
  }
  EXPECT_EQ(im.Byte(0x348), 255);
  {
    CScanInfoDlg dlg(im);
    QComboBox* priority = Combo(dlg.form(), "priority_channel");
    priority->setCurrentIndex(priority->findText("12"));
    QLineEdit* stop = dlg.form()->lineEdit("stop_time");
    qobject_cast<SpinEdit*>(dlg.form()->control("stop_time"))->downButton()->click();
    EXPECT_EQ(stop->text(), "1.5");
    dlg.close();
  }
  EXPECT_EQ(im.Byte(0x348), 12);
  EXPECT_EQ(im.Byte(0x342), 15);
}

TEST(AlarmDialog, KeyFilterAndSpecialTexts) {
  RadioImage im = Defaults();
  {
    CAlarmDlg dlg(im);
    EXPECT_EQ(dlg.windowTitle(), "Alarm");
    QLineEdit* analog = dlg.form()->lineEdit("analog_alarm_id_code");
    QTest::keyClicks(analog, "12ae*#");
    EXPECT_EQ(analog->text(), "12A*#");
    QLineEdit* cycle = dlg.form()->lineEdit("cycle");
    EXPECT_EQ(cycle->text(), "continue");
    QTest::keyClick(cycle, Qt::Key_Backspace);  // longer than the limit: shortening still works
    EXPECT_EQ(cycle->text(), "continu");
    cycle->setText("continue");
    qobject_cast<SpinEdit*>(dlg.form()->control("cycle"))->downButton()->click();
    EXPECT_EQ(cycle->text(), "255");
    QLineEdit* id = dlg.form()->lineEdit("digit_alarm_id_code");
    id->setText("42");
    Leave(id);
    EXPECT_EQ(id->text(), "0000042");
    dlg.close();
  }
  const std::uint8_t analog[8] = {1, 2, 0xA, 0xE, 0xF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(im.Byte(0x358 + i), analog[i]) << i;
  EXPECT_EQ(im.Byte(0x357), 255);
  const std::uint8_t id[7] = {0, 0, 0, 0, 0, 4, 2};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(im.Byte(0x360 + i), id[i]) << i;
}

TEST(AlarmDialog, ClosingLeavesTheFieldBeingEdited) {
  // An invalid identifier typed and never left is checked all the same.
  RadioImage im = Defaults();
  {
    CAlarmDlg dlg(im);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QLineEdit* id = dlg.form()->lineEdit("digit_alarm_id_code");
    id->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == id; }));
    id->setText("0000000");
    dlg.close();
  }
  for (int i = 0; i < 6; ++i) EXPECT_EQ(im.Byte(0x360 + i), 9) << i;
  EXPECT_EQ(im.Byte(0x366), 8);
}

TEST(DtmfDialog, EncodeSpeedAndContactGridEditing) {
  RadioImage im = Defaults();
  {
    CDtmfDlg dlg(im);
    EXPECT_EQ(dlg.windowTitle(), "DTMF");
    ASSERT_EQ(dlg.tabs()->count(), 3);
    EXPECT_EQ(dlg.tabs()->tabText(2), "Contact");
    QComboBox* speed = Combo(dlg.encodePage(), "speed");
    EXPECT_EQ(speed->currentText(), "5");
    speed->setCurrentIndex(speed->findText("10"));
    dlg.show();
    dlg.tabs()->setCurrentIndex(2);
    EditableGrid* grid = dlg.contactPage()->grid();
    const auto cell = [grid](int row, int col) { return grid->model()->index(row, col); };
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "No.");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Code");
    EXPECT_EQ(grid->rowCount(), 16);
    // A press in the "No." column opens no editor.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(1, 0)).center());
    EXPECT_EQ(grid->indexWidget(cell(1, 0)), nullptr);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(1, 1)).center());
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell(1, 1)));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "12ab*#x");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid->text(1, 1), "12AB*#");
    QTest::qWait(1);
    EXPECT_EQ(grid->focusedRow(), 2);
    // Enter on the grid opens the editor of the current cell; Escape keeps the typed text.
    grid->setFocusedRow(4, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell(4, 1)));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "99");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(grid->text(4, 1), "99");
    EXPECT_TRUE(dlg.isVisible());
    dlg.close();
  }
  EXPECT_EQ(im.Byte(0x2000), 50);
  const std::uint8_t code[16] = {1, 2, 0xA, 0xB, 0xE, 0xF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(im.Byte(0x2070 + i), code[i]) << i;
  EXPECT_EQ(im.Byte(0x20A0), 9);
  EXPECT_EQ(im.Byte(0x20A2), 0xFF);
}

}  // namespace
}  // namespace cps
