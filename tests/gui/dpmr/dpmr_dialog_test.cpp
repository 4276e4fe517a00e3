#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "grid_helpers.h"
#include "gui/dpmr/contact_page.h"
#include "gui/dpmr/dpmr_param_dialog.h"
#include "gui/dpmr/encrypt_page.h"
#include "gui/dpmr/group_rx_list_page.h"
#include "gui/dpmr/msg_pages.h"
#include "gui/settings/schema_page.h"

namespace cps {
namespace {

using test::Column;
using test::PickInCell;
using test::TypeIntoCell;

void PutContact(RadioImage& image, int slot, const std::string& name, int number, bool group) {
  const std::size_t at = 0x0540 + 16 * static_cast<std::size_t>(slot - 1);
  image.Fill(at, 16, 0xFF);
  for (int i = 6; i >= 0; --i, number /= 10) image.SetByte(at + static_cast<std::size_t>(i), static_cast<std::uint8_t>(number % 10));
  image.SetByte(at + 7, group ? 1 : 0);
  for (std::size_t i = 0; i < name.size(); ++i) image.SetByte(at + 8 + i, static_cast<std::uint8_t>(name[i]));
}

// Three group contacts "G1".."G3" in slots 1..3 and a single call contact
// "S4" in slot 4; group list 1 = {1, 2}; channel 1 uses list 1, key 2 and
// message 2; one unread inbox message.
RadioImage SampleImage() {
  RadioImage image;
  image.Fill(0xFF);
  for (int s = 1; s <= 4; ++s) {
    PutContact(image, s, (s == 4 ? "S" : "G") + std::to_string(s), s, s != 4);
    image.SetWord(0x04C0 + 2 * (s - 1), static_cast<std::uint16_t>(0x0540 + 16 * (s - 1)));
  }
  image.SetByte(0x1BA0, 1);
  image.SetByte(0x1BA1, 2);
  image.SetByte(0x0100 + 0x17, 1);
  image.SetByte(0x0100 + 22, 2);
  image.SetByte(0x0100 + 27, 0x80 | 2);
  image.SetByte(0x03A0, 1);
  image.SetByte(0x03A7, 2);
  for (int n = 1; n <= 2; ++n) {
    const std::size_t at = 0x03B0 + 16 * static_cast<std::size_t>(n - 1);
    for (std::size_t i = 0; i < 4; ++i) image.SetByte(at + i, static_cast<std::uint8_t>(0x11 * n));
    image.SetByte(at + 8, static_cast<std::uint8_t>('K'));
    image.SetByte(at + 9, static_cast<std::uint8_t>('0' + n));
  }
  for (int n = 1; n <= 16; ++n) image.SetByte(0x0980 + 128 * static_cast<std::size_t>(n - 1), 0x00);
  const std::string hello = "Hello";
  for (std::size_t i = 0; i < hello.size(); ++i) image.SetByte(0x0A00 + i, static_cast<std::uint8_t>(hello[i]));
  image.SetByte(0x0A05, 0x00);
  image.SetWord(0x1180, 0x11A0);
  const std::string msg = "Ping";
  for (std::size_t i = 0; i < msg.size(); ++i) image.SetByte(0x11A0 + i, static_cast<std::uint8_t>(msg[i]));
  image.SetByte(0x11A4, 0x00);
  image.SetByte(0x11A0 + 128, 'B');
  image.SetByte(0x11A0 + 136, 7);
  image.SetByte(0x11A0 + 156, 4);
  image.SetByte(0x11A0 + 157, 1);
  return image;
}

void Click(QPushButton* b) {
  ASSERT_TRUE(b->isEnabled()) << b->text().toStdString();
  b->click();
}

TEST(DpmrParamDlg, TabsInOrderAndEnterEscapeSwallowed) {
  RadioImage image = SampleImage();
  CDpmrParamDlg dlg(image);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "dPMR param");
  QStringList titles;
  for (int i = 0; i < dlg.tabs()->count(); ++i) titles << dlg.tabs()->tabText(i);
  EXPECT_EQ(titles, QStringList({"Basic", "Encrypt", "Contact", "Msg outbox", "Msg inbox", "Group rx list"}));
  EXPECT_EQ(dlg.tabs()->currentIndex(), 0);
  for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &press);
    EXPECT_TRUE(dlg.isVisible()) << key;
  }
  dlg.close();
}

TEST(DpmrParamDlg, BasicPageLeaveRuleAndStoreAtClose) {
  RadioImage image = SampleImage();
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* id = dlg.basicPage()->lineEdit("radio_id");
    ASSERT_NE(id, nullptr);
    id->setFocus();
    id->selectAll();
    QTest::keyClicks(id, "12x3");  // x cannot be typed
    dlg.basicPage()->lineEdit("radio_name")->setFocus();  // leaving the field
    QCoreApplication::processEvents();
    EXPECT_EQ(id->text(), "0000123");
    QLineEdit* name = dlg.basicPage()->lineEdit("radio_name");
    name->selectAll();
    QTest::keyClicks(name, "Car");
    EXPECT_EQ(dlg.basicPage()->control("dial_access"), nullptr);  // below the page's edge
    // Closing while a field is being edited leaves it first: 0 becomes 0.1.
    QLineEdit* delay = dlg.basicPage()->lineEdit("ack_reply_delay");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "0");
    dlg.close();
  }
  EXPECT_EQ(image.Byte(0x3EC0), 1);
  const std::uint8_t id[7] = {0, 0, 0, 0, 1, 2, 3};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(image.Byte(0x0388 + i), id[i]) << i;
  const std::uint8_t name[8] = {'C', 'a', 'r', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x3F88 + i), name[i]) << i;
}

TEST(DpmrParamDlg, EncryptPageSwitchAddAndKeyEdit) {
  RadioImage image = SampleImage();
  image.SetByte(0x03A0, 0);
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(1);
    CEncryptPage* page = dlg.encryptPage();
    EditableGrid* grid = page->grid();
    EXPECT_EQ(Column(grid, 1), QStringList({"K1", "K2"}));
    EXPECT_EQ(Column(grid, 2), QStringList({"11111111", "22222222"}));
    EXPECT_FALSE(page->addButton()->isEnabled());
    EXPECT_FALSE(page->deleteButton()->isEnabled());
    EXPECT_FALSE(TypeIntoCell(grid, 0, 2, "1"));  // no editing while unchecked
    page->encryptBox()->click();
    ASSERT_TRUE(page->encryptBox()->isChecked());
    grid->setFocusedRow(0);
    Click(page->deleteButton());  // key 1: channel 1's key 2 becomes key 1
    Click(page->addButton());
    EXPECT_EQ(Column(grid, 1), QStringList({"K2", "Key 1"}));
    EXPECT_EQ(Column(grid, 0), QStringList({"1", "2"}));
    ASSERT_TRUE(TypeIntoCell(grid, 1, 2, "abc"));
    EXPECT_EQ(grid->text(1, 2), "ABCFFFFF");
    ASSERT_TRUE(TypeIntoCell(grid, 1, 2, ""));  // refused: the old key stays
    EXPECT_EQ(grid->text(1, 2), "ABCFFFFF");
    dlg.tabs()->setCurrentIndex(0);  // leaving the tab stores the page
    EXPECT_EQ(image.Byte(0x03A7), 2);
  }
  EXPECT_EQ(image.Byte(0x03A0), 1);
  const std::uint8_t key2[4] = {0xAB, 0xCF, 0xFF, 0xFF};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.Byte(0x03C0 + i), key2[i]) << i;
  EXPECT_EQ(image.Byte(0x0100 + 22), 1);
}

TEST(DpmrParamDlg, ContactPageEditsDeleteAndRepairOnStore) {
  RadioImage image = SampleImage();
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(2);
    CContactPage* page = dlg.contactPage();
    EditableGrid* grid = page->grid();
    EXPECT_EQ(Column(grid, 1), QStringList({"G1", "G2", "G3", "S4"}));
    EXPECT_EQ(Column(grid, 3), QStringList({"Group call", "Group call", "Group call", "Single call"}));
    ASSERT_TRUE(TypeIntoCell(grid, 0, 1, "G2"));  // a duplicate name is refused
    EXPECT_EQ(grid->text(0, 1), "G1");
    ASSERT_TRUE(TypeIntoCell(grid, 0, 2, "3"));  // 0000003 is taken
    EXPECT_EQ(grid->text(0, 2), "0000001");
    ASSERT_TRUE(TypeIntoCell(grid, 0, 2, "42"));
    EXPECT_EQ(grid->text(0, 2), "0000042");
    ASSERT_TRUE(PickInCell(grid, 2, 3, "Single call"));
    // Delete G1 (slot 1) and G2 (slot 2): group list 1 is then empty.
    grid->setFocusedRow(0);
    Click(page->deleteButton());
    grid->setFocusedRow(0);
    Click(page->deleteButton());
    EXPECT_EQ(image.Byte(0x0540), 0xFF);  // freed at once
    EXPECT_EQ(Column(grid, 0), QStringList({"1", "2"}));
    Click(page->insertButton());  // before the focused row, in slot 1
    EXPECT_EQ(grid->focusedRow(), 0);  // the new contact has the focus
    EXPECT_EQ(grid->rowData(0), 0x0540u);
    EXPECT_EQ(grid->text(0, 1), "Name 1");
  }
  const std::uint16_t index[4] = {0x0540, 0x0560, 0x0570, 0xFFFF};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.Word(0x04C0 + 2 * i), index[i]) << i;
  EXPECT_EQ(image.Byte(0x0567), 0x00);  // G3 is now a single call contact
  // Slot 1 holds the new contact; the list kept none of its old members.
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x1BA0 + i), 0xFF) << i;
  EXPECT_EQ(image.Byte(0x0100 + 0x17), 0);
}

TEST(DpmrParamDlg, OutboxPageButtonsAndChannelMessages) {
  RadioImage image = SampleImage();
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(3);
    CMsgOutboxPage* page = dlg.outboxPage();
    EditableGrid* grid = page->grid();
    ASSERT_EQ(grid->rowCount(), 16);
    EXPECT_EQ(grid->text(1, 1), "Hello");
    EXPECT_FALSE(page->addButton()->isEnabled());
    grid->setFocusedRow(0);
    Click(page->deleteButton());  // message 1: "Hello" becomes message 1
    EXPECT_EQ(page->addButton()->text(), QString::fromUtf8("增加"));
    Click(page->addButton());
    EXPECT_EQ(grid->text(15, 1), "Message 16");
    ASSERT_TRUE(TypeIntoCell(grid, 0, 1, "Hello you"));
  }
  EXPECT_EQ(image.Word(0x0960), 0x0980);
  EXPECT_EQ(image.Byte(0x0988), 'u');
  EXPECT_EQ(image.Byte(0x0989), 0x00);
  EXPECT_EQ(image.Byte(0x0100 + 27), 0x80 | 1);
}

TEST(DpmrParamDlg, InboxPageClearAndMarkReadAtClose) {
  RadioImage image = SampleImage();
  image.SetWord(0x1182, 0x1240);
  image.Fill(0x1240, 160, 0xFF);
  image.SetByte(0x1240, 'Y');
  image.SetByte(0x1241, 0x00);
  image.SetByte(0x1240 + 157, 1);
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(4);
    CMsgInboxPage* page = dlg.inboxPage();
    EditableGrid* grid = page->grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->text(0, 1), "B");
    EXPECT_EQ(grid->text(0, 2), "7");
    EXPECT_EQ(grid->text(0, 3), "4");
    EXPECT_EQ(grid->text(0, 4), "Unread");
    EXPECT_EQ(grid->text(0, 5), "Ping");
    EXPECT_FALSE(TypeIntoCell(grid, 0, 5, "x"));  // read-only
    grid->setFocusedRow(1);
    page->clearCurrentButton()->click();
    EXPECT_EQ(image.Byte(0x1240), 0xFF);
    dlg.tabs()->setCurrentIndex(0);
    EXPECT_EQ(image.Word(0x1182), 0x1240);  // leaving the tab stores nothing
    EXPECT_EQ(image.Byte(0x11A0 + 157), 1);
  }
  EXPECT_EQ(image.Word(0x1180), 0x11A0);
  EXPECT_EQ(image.Word(0x1182), 0xFFFF);
  EXPECT_EQ(image.Byte(0x11A0 + 157), 0);
}

TEST(DpmrParamDlg, GroupRxListPageMovesAndTreeSwitchStores) {
  RadioImage image = SampleImage();
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(5);
    CGroupRxListPage* page = dlg.groupPage();
    auto texts = [](QListWidget* w) {
      QStringList out;
      for (int i = 0; i < w->count(); ++i) out << w->item(i)->text();
      return out;
    };
    EXPECT_EQ(page->tree()->topLevelItemCount(), 16);
    EXPECT_EQ(page->tree()->topLevelItem(15)->text(0), "Group rx list 16");
    EXPECT_EQ(texts(page->allocatedList()), QStringList({"G1", "G2"}));
    EXPECT_EQ(texts(page->unallocatedList()), QStringList({"G3"}));  // S4 is a single call contact
    page->unallocatedList()->item(0)->setSelected(true);
    Click(page->addButton());
    EXPECT_EQ(texts(page->allocatedList()), QStringList({"G1", "G2", "G3"}));
    page->allocatedList()->clearSelection();
    page->allocatedList()->item(2)->setSelected(true);
    EXPECT_FALSE(page->downButton()->isEnabled());
    Click(page->upButton());
    EXPECT_EQ(texts(page->allocatedList()), QStringList({"G1", "G3", "G2"}));
    page->tree()->setCurrentItem(page->tree()->topLevelItem(1));  // stores list 1, loads list 2
    EXPECT_EQ(image.Byte(0x1BA1), 3);
    EXPECT_EQ(texts(page->allocatedList()), QStringList());
    page->unallocatedList()->clearSelection();  // the first entry comes selected
    page->unallocatedList()->item(1)->setSelected(true);
    Click(page->addButton());
  }
  const std::uint8_t list1[4] = {1, 3, 2, 0xFF};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.Byte(0x1BA0 + i), list1[i]) << i;
  EXPECT_EQ(image.Byte(0x1BA8), 2);
}

TEST(DpmrParamDlg, GroupListShownBeforeContactDeleteCannotBringItBack) {
  RadioImage image = SampleImage();
  {
    CDpmrParamDlg dlg(image);
    dlg.show();
    dlg.tabs()->setCurrentIndex(5);  // list 1 = G1, G2 on screen
    dlg.tabs()->setCurrentIndex(2);
    dlg.contactPage()->grid()->setFocusedRow(1);
    Click(dlg.contactPage()->deleteButton());  // G2, slot 2
    dlg.close();                               // group page stores last
  }
  EXPECT_EQ(image.Byte(0x1BA0), 1);
  EXPECT_EQ(image.Byte(0x1BA1), 0xFF);
}

}  // namespace
}  // namespace cps
