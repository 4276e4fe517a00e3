// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table, the channel dialog and the PMR dialog driven as a user
// would: mouse presses and typed keys, then the bytes in the image or file.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/channels/channel_table.h"
#include "core/channels/channel_test_util.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "gui_test_util.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_edit_dialog.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"
#include "channel_window.h"
#include "gui/channels/pmr_channel_dialog.h"

namespace cps {
namespace {

using namespace channel_test;

Bytes FileBytes(const QString& path, std::size_t addr, std::size_t len) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray all = f.readAll();
  Bytes out;
  for (std::size_t i = 0; i < len; ++i) out.push_back(static_cast<std::uint8_t>(all.at(static_cast<qsizetype>(addr + i))));
  return out;
}

QString CellText(QAbstractItemView* view, int row, int column) {
  return view->model()->index(row, column).data().toString();
}

bool ShownAndExposed(QWidget& w) {
  w.show();
  return QTest::qWaitForWindowExposed(&w);
}

// Presses the left button on a cell, as a user starting an edit.
void PressCell(QTableView* view, int row, int column) {
  const QRect r = view->visualRect(view->model()->index(row, column));
  QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}


TEST_F(ChannelWindow, ToneEditorsShowTheStoredToneAndLeaveAnUntouchedOneAlone) {
  // Channel 1 at 438.5 with the odd stored receive tone D6323N.
  RadioImage img = NewImage("");
  const Bytes channel = {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43, 0x23, 0xBF, 0xFF, 0xFF};
  for (std::size_t i = 0; i < channel.size(); ++i) img.SetByte(0x0100 + i, channel[i]);
  const QString path = dir_.filePath("tones.dat");
  ASSERT_TRUE(SaveImageFile(path.toStdString(), img));
  ASSERT_TRUE(window_->OpenDocument(path));
  ChannelTableView* view = form_->view();
  EXPECT_EQ(CellText(view, 0, kColRxTone), "D6323N");
  // Opened and left with Tab: nothing changes.
  PressCell(view, 0, kColRxTone);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  view->CommitOpenEditor();
  EXPECT_EQ(CellText(view, 0, kColRxTone), "D6323N");
  // Typed with blanks in front: the cell shows the tone it stores.
  PressCell(view, 0, kColTxTone);
  auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget());
  if (!box && QApplication::focusWidget()) box = qobject_cast<QComboBox*>(QApplication::focusWidget()->parentWidget());
  ASSERT_NE(box, nullptr);
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), "  88.5");
  view->CommitOpenEditor();
  EXPECT_EQ(CellText(view, 0, kColTxTone), "88.5");
  ASSERT_TRUE(window_->SaveDocument(dir_.filePath("out.dat")));
  EXPECT_EQ(FileBytes(dir_.filePath("out.dat"), 0x0108, 4), (Bytes{0x23, 0xBF, 0x85, 0x08}));
}

TEST_F(ChannelWindow, TypingAFrequencyIntoAnEmptyRowThenSaving) {
  ChannelTableView* view = form_->view();
  // A press on the Power cell of the empty row 3 edits its receive frequency.
  PressCell(view, 2, kColPower);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(view->currentIndex().column(), kColRxFreq);
  EXPECT_EQ(editor->maxLength(), 10);
  QTest::keyClicks(editor, "438.5");
  // Pressing another cell commits the editor.
  PressCell(view, 0, kColRxFreq);
  EXPECT_EQ(CellText(view, 2, kColTxFreq), "438.500000");
  EXPECT_EQ(CellText(view, 2, kColType), "Digit");

  // A tone typed into the tone box is normalised on commit; a bare "23"
  // is the DCS code, not completed to the list entry 233.6.
  PressCell(view, 2, kColRxTone);
  auto* tone = qobject_cast<QComboBox*>(QApplication::focusWidget());
  if (!tone && QApplication::focusWidget()) tone = qobject_cast<QComboBox*>(QApplication::focusWidget()->parentWidget());
  ASSERT_NE(tone, nullptr);
  tone->lineEdit()->selectAll();
  QTest::keyClicks(tone->lineEdit(), "23");
  const QString path = dir_.filePath("out.dat");
  ASSERT_TRUE(window_->SaveDocument(path));  // write-back commits the open editor
  EXPECT_EQ(CellText(view, 2, kColRxTone), "D023N");
  EXPECT_EQ(FileBytes(path, 0x0140, 32),
            (Bytes{0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43, 0x23, 0x80, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,
                   0xC1, 0x00, 0x40, 0xFF, 0x01, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // +0x15 is FF: the repair after New cleared the call target 0 (no listed
  // contact), and nothing resets a row that was empty before it was typed.
  EXPECT_EQ(FileBytes(path, 0x034C, 2), (Bytes{0x04, 0x00}));
  EXPECT_EQ(QFile(path).size(), 16384);
}

TEST_F(ChannelWindow, BandChangeAsksFirst) {
  ChannelTableView* view = form_->view();
  PressCell(view, 0, kColRxFreq);
  QTest::keyClicks(QApplication::focusWidget(), "450");
  view->CommitOpenEditor();
  ASSERT_EQ(CellText(view, 0, kColRxFreq), "450.000000");
  QStringList asked;
  bool answer = false;
  form_->setConfirm([&](const QString& q) {
    asked << q;
    return answer;
  });
  QComboBox* band = form_->bandSelector();
  ASSERT_EQ(band->currentText(), "400-470MHz");
  emit band->activated(0);  // answered no
  EXPECT_EQ(asked, QStringList{"Changing the band clears all 16 channels. Continue?"});
  EXPECT_EQ(band->currentText(), "400-470MHz");
  EXPECT_EQ(CellText(view, 0, kColRxFreq), "450.000000");
  answer = true;
  emit band->activated(0);
  EXPECT_EQ(band->currentText(), "136-174MHz");
  EXPECT_EQ(CellText(view, 0, kColRxFreq), "");
  EXPECT_EQ(window_->CurrentBand(), kBandVhf);
  asked.clear();
  emit band->activated(0);  // the band that is active: no question
  EXPECT_TRUE(asked.isEmpty());
}

TEST_F(ChannelWindow, FactroyWithoutFileShowsTheMessageAndChangesNothing) {
  const RadioImage before = window_->image();
  QString text;
  testing::AnswerNextMessageBox(QMessageBox::Ok, &text);
  window_->OnFactoryLoad();
  EXPECT_EQ(text, "Not find factory.dat");
  EXPECT_EQ(window_->image(), before);

  // With the file present, the whole image is replaced and the table reloads.
  RadioImage factory = Blank();
  Put(factory, 0x0100, {0x00, 0x00, 0x50, 0x44});
  Put(factory, 0x3FA0, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47});
  QFile f(dir_.filePath("Factory.dat"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(factory.data()), 16384);
  f.close();
  window_->OnFactoryLoad();
  EXPECT_EQ(window_->image(), factory);
  EXPECT_EQ(CellText(form_->view(), 0, kColRxFreq), "445.000000");
}

TEST_F(ChannelWindow, ChannelEditButtonWritesBackEditsAndReloads) {
  ChannelTableView* view = form_->view();
  PressCell(view, 4, kColRxFreq);
  QTest::keyClicks(QApplication::focusWidget(), "445.5");  // still in the editor
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<ChannelEditDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    seen = true;
    // The table was written back first: the dialog shows the typed channel.
    EXPECT_EQ(dialog->numberEdit()->text(), "5");
    EXPECT_EQ(dialog->rxEdit()->text(), "445.500000");
    QComboBox* type = dialog->list(EditList::kChannelType);
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);  // Digit -> Analog
    dialog->close();
  });
  QTest::mouseClick(form_->findChild<QPushButton*>("channelEditButton"), Qt::LeftButton);
  EXPECT_TRUE(seen);
  EXPECT_EQ(window_->image().Byte(0x0192) & 0xC0, 0x00);
  EXPECT_EQ(CellText(view, 4, kColType), "Analog");
  EXPECT_EQ(CellText(view, 4, kColPower), "High");
}

TEST_F(ChannelWindow, ChannelTypeCellEditsTheTypeBits) {
  struct Case {
    Qt::Key key;
    int presses;
    const char* shown;
    std::uint8_t bits;  // record byte 0x12, bits 7-6
  };
  const Case cases[] = {{Qt::Key_Up, 1, "Analog", 0x00},
                        {Qt::Key_Down, 1, "Mixed(Digit)", 0x80},
                        {Qt::Key_Down, 2, "Mixed(Analog)", 0xC0}};
  ChannelTableView* view = form_->view();
  int row = 0;
  for (const Case& c : cases) {
    PressCell(view, row, kColRxFreq);
    QTest::keyClicks(QApplication::focusWidget(), "438.5");
    PressCell(view, row, kColType);  // commits the frequency, opens the type list
    ASSERT_EQ(CellText(view, row, kColType), "Digit");
    QWidget* focus = QApplication::focusWidget();
    auto* box = qobject_cast<QComboBox*>(focus);
    if (!box && focus) box = qobject_cast<QComboBox*>(focus->parentWidget());
    ASSERT_NE(box, nullptr) << c.shown;
    for (int i = 0; i < c.presses; ++i) QTest::keyClick(box, c.key);
    PressCell(view, row, kColRxFreq);  // commits the choice
    EXPECT_EQ(CellText(view, row, kColType), c.shown);
    const QString path = dir_.filePath("type.dat");
    ASSERT_TRUE(window_->SaveDocument(path));
    EXPECT_EQ(FileBytes(path, 0x0112 + 32 * static_cast<std::size_t>(row), 1)[0] & 0xC0, c.bits) << c.shown;
    ++row;
  }
}

RadioImage DialogImage() {
  RadioImage img = Blank();
  for (int n = 1; n <= 16; ++n) {
    Put(img, 0x0100 + 32 * (n - 1), kDefaultRecord);
    Put(img, 0x3E80 + 4 * (n - 1), {0xFF, 0xFF, 0xFE, 0x1E});
  }
  Put(img, 0x0100, {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43});
  return img;
}

// Every control a user edits is in the dialog and shown; the PMR variant
// hides the digital ones.
TEST(ChannelEditDialogGui, EveryControlIsShownWhereItsVariantHasIt) {
  RadioImage img = DialogImage();
  const char* const everywhere[] = {"channelType", "txPower", "bandwidth", "reverse", "scan", "talkAround", "signalType",
                                    "pttId", "rxTone", "txTone", "busy"};
  const char* const digitalOnly[] = {"encryptKey", "txContact", "groupRxList", "oacsu", "statusInfo", "dataType",
                                     "rxColorCode", "txColorCode"};
  for (const auto variant : {ChannelEditDialog::Variant::kMain, ChannelEditDialog::Variant::kPmr}) {
    ChannelEditDialog dialog(img, variant, kBandUhf, 1);
    ASSERT_TRUE(ShownAndExposed(dialog));
    const auto shown = [&](const char* name) {
      auto* w = dialog.findChild<QWidget*>(name);
      return w != nullptr && w->isVisible();
    };
    for (const char* name : everywhere) EXPECT_TRUE(shown(name)) << name;
    for (const char* name : digitalOnly)
      EXPECT_EQ(shown(name), variant == ChannelEditDialog::Variant::kMain) << name;
    // and no two of them lie on each other
    std::vector<std::pair<std::string, QRect>> placed;
    for (const char* const* names : {std::begin(everywhere), std::begin(digitalOnly)}) {
      const std::size_t n = names == std::begin(everywhere) ? std::size(everywhere) : std::size(digitalOnly);
      for (std::size_t i = 0; i < n; ++i)
        if (shown(names[i])) {
          auto* w = dialog.findChild<QWidget*>(names[i]);
          placed.push_back({names[i], QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size())});
        }
    }
    for (std::size_t i = 0; i < placed.size(); ++i)
      for (std::size_t j = i + 1; j < placed.size(); ++j)
        EXPECT_FALSE(placed[i].second.intersects(placed[j].second)) << placed[i].first << " and " << placed[j].first;
  }
}

TEST(ChannelEditDialogGui, ChangingFieldsAndClosingStoresTheChannel) {
  RadioImage img = DialogImage();
  ChannelEditDialog dialog(img, ChannelEditDialog::Variant::kMain, kBandUhf, 1);
  ASSERT_TRUE(ShownAndExposed(dialog));
  EXPECT_EQ(dialog.windowTitle(), "Channel Edit");
  EXPECT_EQ(dialog.rxEdit()->text(), "438.500000");
  // Tab goes from the channel number to the two frequencies, then on.
  dialog.activateWindow();
  dialog.numberEdit()->setFocus();
  for (QWidget* next : std::initializer_list<QWidget*>{dialog.rxEdit(), dialog.txEdit(),
                                                       dialog.list(EditList::kChannelType)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
  QComboBox* power = dialog.list(EditList::kPower);
  EXPECT_EQ(power->currentText(), "Low");
  power->setFocus();
  QTest::keyClick(power, Qt::Key_Down);
  EXPECT_EQ(power->currentText(), "High");
  QCheckBox* pttId = dialog.check(EditCheck::kPttId);
  QTest::mouseClick(pttId, Qt::LeftButton, Qt::NoModifier, QPoint(6, pttId->height() / 2));
  EXPECT_TRUE(pttId->isChecked());
  // Letters are dropped by the frequency edit's key filter.
  dialog.rxEdit()->setFocus();
  dialog.rxEdit()->selectAll();
  QTest::keyClicks(dialog.rxEdit(), "43x9");
  EXPECT_EQ(dialog.rxEdit()->text(), "439");
  // Escape in the receive edit closes the dialog, which stores the channel.
  QTest::keyClick(dialog.rxEdit(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Get(img, 0x0100, 32),
            (Bytes{0x00, 0x00, 0x90, 0x43, 0x00, 0x00, 0x85, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00,
                   0xC1, 0x04, 0x40, 0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0x3F, 0xFF, 0xFF}));
  EXPECT_EQ(Get(img, 0x3E80, 4), (Bytes{0xFF, 0xFF, 0x0E, 0x1E}));
}

TEST(ChannelEditDialogGui, SpinWrapsAndEnterCommitsTheReceiveFrequency) {
  RadioImage img = DialogImage();
  ChannelEditDialog dialog(img, ChannelEditDialog::Variant::kMain, kBandUhf, 1);
  ASSERT_TRUE(ShownAndExposed(dialog));
  QTest::mouseClick(dialog.spinDown(), Qt::LeftButton);
  EXPECT_EQ(dialog.numberEdit()->text(), "16");
  EXPECT_EQ(dialog.rxEdit()->text(), "");
  EXPECT_FALSE(dialog.txEdit()->isEnabled());
  EXPECT_FALSE(dialog.list(EditList::kPower)->isEnabled());
  dialog.rxEdit()->setFocus();
  QTest::keyClicks(dialog.rxEdit(), "470");
  QTest::keyClick(dialog.rxEdit(), Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.rxEdit()->text(), "400.000000");
  EXPECT_EQ(dialog.txEdit()->text(), "400.000000");
  EXPECT_TRUE(dialog.txEdit()->isEnabled());
  EXPECT_EQ(dialog.list(EditList::kChannelType)->currentText(), "Digit");
  // Signal type and call types are "Off": their lists show it, disabled.
  EXPECT_FALSE(dialog.list(EditList::kAnalogCall1)->isEnabled());
  EXPECT_FALSE(dialog.list(EditList::kCall2Contact)->isEnabled());
  EXPECT_EQ(dialog.list(EditList::kGroupRxList)->currentText(), "None");
  QTest::mouseClick(dialog.spinUp(), Qt::LeftButton);
  EXPECT_EQ(dialog.numberEdit()->text(), "1");
  EXPECT_EQ(Get(img, 0x02E0, 4), (Bytes{0x00, 0x00, 0x00, 0x40}));
  // The arrow keys in the number box work the spin.
  dialog.numberEdit()->setFocus();
  QTest::keyClick(dialog.numberEdit(), Qt::Key_Down);
  EXPECT_EQ(dialog.numberEdit()->text(), "16");
  EXPECT_EQ(dialog.rxEdit()->text(), "400.000000");
  dialog.close();
}

TEST(PmrChannelGui, TableAndEditDialogWorkOnThePmrRecords) {
  RadioImage img = DialogImage();
  const Bytes mainRecords = Get(img, 0x0100, 512);
  PmrChannelDialog dialog(img, kBandVhf, {});
  ASSERT_TRUE(ShownAndExposed(dialog));
  EXPECT_EQ(dialog.windowTitle(), "Pmr Channel");
  PressCell(dialog.view(), 1, kColScan);
  QTest::keyClicks(QApplication::focusWidget(), "446.00625");
  dialog.view()->CommitOpenEditor();
  EXPECT_EQ(CellText(dialog.view(), 1, kColRxFreq), "174.000000");
  dialog.reject();
  EXPECT_EQ(Get(img, 0x2180, 8), (Bytes{0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x40, 0x17}));
  EXPECT_EQ(Get(img, 0x0100, 512), mainRecords);

  ChannelEditDialog edit(img, ChannelEditDialog::Variant::kPmr, kBandVhf, 2);
  edit.show();
  EXPECT_EQ(edit.windowTitle(), "PMR Channel Edit");
  EXPECT_EQ(edit.rxEdit()->text(), "174.000000");
  EXPECT_FALSE(edit.list(EditList::kEncryptKey)->isVisibleTo(&edit));
  EXPECT_FALSE(edit.list(EditList::kRxColorCode)->isVisibleTo(&edit));
  EXPECT_TRUE(edit.list(EditList::kRxTone)->isVisibleTo(&edit));
  edit.close();
  EXPECT_EQ(Get(img, 0x0100, 512), mainRecords);
}

TEST(PmrChannelGui, FactoryWithoutFileShowsTheMessage) {
  RadioImage img = DialogImage();
  const RadioImage before = img;
  PmrChannelDialog dialog(img, kBandUhf, {});
  QString text;
  testing::AnswerNextMessageBox(QMessageBox::Ok, &text);
  dialog.OnFactory();
  EXPECT_EQ(text, "Not find factory.dat");
  EXPECT_EQ(img, before);
}

}  // namespace
}  // namespace cps
