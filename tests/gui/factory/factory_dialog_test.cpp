// SPDX-License-Identifier: GPL-3.0-or-later
// The factory adjustment dialog: editing through its widgets, tab changes
// and closing, and the Read/Write buttons against the simulated radio.
#include "gui/factory/factory_adjust_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <future>

#include "core/link/fake_clock_port.h"
#include "core/link/simulated_radio.h"
#include "gui/settings/schema_page.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::WaitUntil;

struct Rig {
  SimulatedRadio radio;
  FakeLine line;
  RadioImage image;
  std::vector<std::pair<QString, bool>> messages;
  std::unique_ptr<FactoryAdjustDialog> dialog;

  explicit Rig(PortOpener opener = {}) {
    image.Fill(0xFF);
    for (std::size_t a = 0; a < kImageSize; ++a) radio.memory().SetByte(a, static_cast<std::uint8_t>(a * 3 + 7));
    if (!opener) opener = FakeClockOpener(radio, line, "/dev/missing");
    dialog = std::make_unique<FactoryAdjustDialog>(image, std::move(opener), "/dev/fake", 9600);
    dialog->showMessage = [this](QWidget*, const QString& text, bool ok) { messages.push_back({text, ok}); };
    dialog->show();
  }
  QLineEdit* Edit(int page, const char* key) { return dialog->schemaPage(page)->lineEdit(key); }
  QComboBox* Combo(int page, const char* key) {
    return qobject_cast<QComboBox*>(dialog->schemaPage(page)->control(key));
  }
  void Type(int page, const char* key, const QString& text) {
    QLineEdit* e = Edit(page, key);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
  }
  bool Click(QPushButton* b) {
    QTest::mouseClick(b, Qt::LeftButton);
    return WaitUntil([this] { return !dialog->busy(); });
  }
};

TEST(FactoryDialog, TabsAndButtonsAsTheUserSeesThem) {
  Rig rig;
  FactoryAdjustDialog& d = *rig.dialog;
  EXPECT_EQ(d.windowTitle(), QString::fromUtf8("可调节参数"));
  ASSERT_EQ(d.tabs()->count(), 3);
  EXPECT_EQ(d.tabs()->tabText(0), "Tx");
  EXPECT_EQ(d.tabs()->tabText(1), "Rx");
  EXPECT_EQ(d.tabs()->tabText(2), "DTMF");
  EXPECT_EQ(d.tabs()->currentIndex(), 0);
  EXPECT_EQ(d.readButton()->text(), "Read");
  EXPECT_EQ(d.writeButton()->text(), "Write");
  // Erased bytes: hex words show FFFF, gain indexes 0xFF the 0 item.
  EXPECT_EQ(rig.Edit(0, "lout_dc_offset")->text(), "FFFF");
  EXPECT_EQ(rig.Combo(0, "digital_mic_gain")->currentText(), "0");
  EXPECT_EQ(rig.Combo(0, "digital_mic_gain")->count(), 64);
  EXPECT_EQ(rig.Combo(2, "vco_output_gain")->currentText(), "0");
  EXPECT_EQ(rig.Edit(2, "dtmf_amplitude")->text(), "FF");
}

TEST(FactoryDialog, EditsReachTheImageOnTabChangeAndClose) {
  Rig rig;
  rig.Type(0, "digital_modulation_gain", "1a2g2b");  // g is not typed
  EXPECT_EQ(rig.Edit(0, "digital_modulation_gain")->text().toUpper(), "1A22");
  rig.Type(0, "digital_modulation_gain", "1a2b9");  // at most 4 digits
  rig.Type(0, "lout_dc_offset", "");
  rig.Combo(0, "analog_left_output_gain")->setCurrentIndex(3);
  EXPECT_EQ(rig.image.Byte(0x0048), 0xFF);  // nothing stored yet

  rig.dialog->tabs()->setCurrentIndex(1);
  EXPECT_EQ(rig.image.Byte(0x0048), 0x2B);
  EXPECT_EQ(rig.image.Byte(0x0049), 0x1A);
  EXPECT_EQ(rig.image.Byte(0x0040), 0x00);
  EXPECT_EQ(rig.image.Byte(0x0041), 0x08);
  EXPECT_EQ(rig.image.Byte(0x0062), 3);
  EXPECT_EQ(rig.image.Byte(0x0050), 16);  // 0xFF shown as the 0 item, stored as it

  rig.Type(1, "decoder_input_gain", "");
  rig.dialog->tabs()->setCurrentIndex(2);
  rig.Type(2, "dtmf_amplitude", "");
  rig.image.SetByte(0x0044, 0x5A);  // not a field: left alone
  rig.dialog->close();
  EXPECT_EQ(rig.image.Byte(0x0074), 0x00);
  EXPECT_EQ(rig.image.Byte(0x0075), 0x00);
  EXPECT_EQ(rig.image.Byte(0x0080), 0x7F);
  EXPECT_EQ(rig.image.Byte(0x0044), 0x5A);
  for (std::size_t a = 0; a < kImageSize; ++a) {
    if (a >= 0x40 && a < 0x88) continue;
    ASSERT_EQ(rig.image.Byte(a), 0xFF) << a;
  }
}

TEST(FactoryDialog, ReadShowsTheRadiosValuesOnEveryPage) {
  Rig rig;
  rig.radio.memory().SetWord(0x0048, 0x1A2B);
  rig.radio.memory().SetByte(0x0050, 1);     // -11.25
  rig.radio.memory().SetByte(0x0081, 0xFF);  // shows 0
  rig.radio.memory().SetWord(0x0074, 0x000F);
  ASSERT_TRUE(rig.Click(rig.dialog->readButton()));
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].first, "Read successfully");
  EXPECT_TRUE(rig.messages[0].second);
  for (std::size_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(rig.image.Byte(a), a >= 0x40 && a < 0x88 ? rig.radio.memory().Byte(a) : 0xFF) << a;
  EXPECT_EQ(rig.Edit(0, "digital_modulation_gain")->text(), "1A2B");
  EXPECT_EQ(rig.Combo(0, "digital_mic_gain")->currentText(), "-11.25");
  EXPECT_EQ(rig.Edit(1, "decoder_input_gain")->text(), "F");
  EXPECT_EQ(rig.Combo(2, "vco_output_gain")->currentText(), "0");
  EXPECT_TRUE(rig.dialog->readButton()->isEnabled());
  EXPECT_TRUE(rig.dialog->tabs()->isEnabled());
}

TEST(FactoryDialog, FailedReadChangesNothing) {
  Rig rig;
  rig.radio.SetFault({RadioFault::kNoBlockAck, 5});
  rig.Type(0, "ctcss_gain", "ABC");
  ASSERT_TRUE(rig.Click(rig.dialog->readButton()));
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_TRUE(rig.messages[0].first.startsWith("Communication error\n\n")) << rig.messages[0].first.toStdString();
  EXPECT_FALSE(rig.messages[0].second);
  for (std::size_t a = 0; a < kImageSize; ++a) ASSERT_EQ(rig.image.Byte(a), 0xFF) << a;
  EXPECT_EQ(rig.Edit(0, "ctcss_gain")->text(), "ABC");  // what was typed stays
}

TEST(FactoryDialog, WriteSendsWhatThePagesHoldNow) {
  Rig rig;
  rig.image.SetByte(0x0045, 0x99);  // not a field, yet part of the block
  rig.Type(0, "post_limiter_gain", "beef");  // still in the edit, tab not left
  ASSERT_TRUE(rig.Click(rig.dialog->writeButton()));
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].first, "Write successfully");
  EXPECT_EQ(rig.image.Byte(0x006A), 0xEF);
  EXPECT_EQ(rig.radio.memory().Byte(0x006A), 0xEF);
  EXPECT_EQ(rig.radio.memory().Byte(0x006B), 0xBE);
  EXPECT_EQ(rig.radio.memory().Byte(0x0045), 0x99);
  EXPECT_EQ(rig.radio.memory().Byte(0x0050), 16);  // stored by the Tx page first
  EXPECT_EQ(rig.radio.memory().Byte(0x0088), static_cast<std::uint8_t>(0x88 * 3 + 7));

  // Closing after a write still stores the pages.
  rig.Type(0, "dcs_gain", "12");
  rig.dialog->close();
  EXPECT_EQ(rig.image.Word(0x006E), 0x0012);
}

TEST(FactoryDialog, StaysOpenWhileTheExchangeRuns) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  Rig rig([released](const std::string&, int) -> Result<std::unique_ptr<SerialPort>> {
    released.wait();
    return Error{"no such device"};
  });
  QTest::mouseClick(rig.dialog->readButton(), Qt::LeftButton);
  EXPECT_TRUE(rig.dialog->busy());
  EXPECT_FALSE(rig.dialog->writeButton()->isEnabled());
  EXPECT_FALSE(rig.dialog->tabs()->isEnabled());
  rig.dialog->close();
  EXPECT_TRUE(rig.dialog->isVisible());
  release.set_value();
  ASSERT_TRUE(WaitUntil([&] { return !rig.dialog->busy(); }));
  ASSERT_EQ(rig.messages.size(), 1u);
  EXPECT_EQ(rig.messages[0].first, "Cound not open the port\n\nno such device\nThe values in the program were not changed.");
  rig.dialog->close();
  EXPECT_FALSE(rig.dialog->isVisible());
}

}  // namespace
}  // namespace cps
