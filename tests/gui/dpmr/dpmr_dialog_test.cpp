// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "core/dpmr/dpmr_test_image.h"
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
using test::ExpectBytes;
using test::SetBytes;
using test::PickInCell;
using test::TypeIntoCell;

// Three group contacts "G1".."G3" in slots 1..3 and a single call contact
// "S4" in slot 4; group list 1 = {1, 2}; channel 1 uses list 1, key 2 and
// message 2; two keys "K1", "K2"; outbox message 2 is "Hello"; one unread
// inbox message "Ping" from "B".
RadioImage SampleImage() {
  RadioImage image = test::ErasedImage();
  for (int s = 1; s <= 4; ++s)
    test::PutContact(image, s, (s == 4 ? "S" : "G") + std::to_string(s), "000000" + std::to_string(s), s != 4);
  test::PutContactIndex(image, {1, 2, 3, 4});
  SetBytes(image, 0x1BA0, {1, 2});
  image.SetByte(0x0100 + 0x17, 1);
  image.SetByte(0x0100 + 22, 2);
  image.SetByte(0x0100 + 27, 0x80 | 2);
  image.SetByte(0x03A0, 1);
  image.SetByte(0x03A7, 2);
  SetBytes(image, 0x03B0, {0x11, 0x11, 0x11, 0x11, 0xFF, 0xFF, 0xFF, 0xFF, 'K', '1'});
  SetBytes(image, 0x03C0, {0x22, 0x22, 0x22, 0x22, 0xFF, 0xFF, 0xFF, 0xFF, 'K', '2'});
  for (int n = 1; n <= 16; ++n) image.SetByte(0x0980 + 128 * static_cast<std::size_t>(n - 1), 0x00);
  SetBytes(image, 0x0A00, {'H', 'e', 'l', 'l', 'o', 0x00});
  image.SetWord(0x1180, 0x11A0);
  SetBytes(image, 0x11A0, {'P', 'i', 'n', 'g', 0x00});
  SetBytes(image, 0x11A0 + 128, {'B'});
  SetBytes(image, 0x11A0 + 136, {7});
  SetBytes(image, 0x11A0 + 156, {4, 1});  // length 4, unread
  return image;
}

// The dialog on SampleImage(), shown at a tab; dialog.reset() destroys it,
// which stores its pages.
class DpmrParamDlg : public ::testing::Test {
 protected:
  CDpmrParamDlg& Open(int tab = -1) {
    dialog = std::make_unique<CDpmrParamDlg>(image);
    dialog->show();
    if (tab >= 0) dialog->tabs()->setCurrentIndex(tab);
    return *dialog;
  }
  RadioImage image = SampleImage();
  std::unique_ptr<CDpmrParamDlg> dialog;
};

void Click(QPushButton* b) {
  ASSERT_TRUE(b->isEnabled()) << b->text().toStdString();
  b->click();
}

TEST_F(DpmrParamDlg, TabsInOrderAndEnterEscapeSwallowed) {
  CDpmrParamDlg& dlg = Open();
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

TEST_F(DpmrParamDlg, BasicPageLeaveRuleAndStoreAtClose) {
  CDpmrParamDlg& dlg = Open();
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
  dialog.reset();
  EXPECT_EQ(image.Byte(0x3EC0), 1);
  ExpectBytes(image, 0x0388, {0, 0, 0, 0, 1, 2, 3});
  ExpectBytes(image, 0x3F88, {'C', 'a', 'r', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
}

TEST_F(DpmrParamDlg, EncryptPageSwitchAddAndKeyEdit) {
  image.SetByte(0x03A0, 0);
  CDpmrParamDlg& dlg = Open(1);
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
  dialog.reset();
  EXPECT_EQ(image.Byte(0x03A0), 1);
  ExpectBytes(image, 0x03C0, {0xAB, 0xCF, 0xFF, 0xFF});
  EXPECT_EQ(image.Byte(0x0100 + 22), 1);
}

TEST_F(DpmrParamDlg, ContactPageEditsDeleteAndRepairOnStore) {
  CContactPage* page = Open(2).contactPage();
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
  dialog.reset();
  test::ExpectWords(image, 0x04C0, {0x0540, 0x0560, 0x0570, 0xFFFF});
  EXPECT_EQ(image.Byte(0x0567), 0x00);  // G3 is now a single call contact
  // Slot 1 holds the new contact; the list kept none of its old members.
  ExpectBytes(image, 0x1BA0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(image.Byte(0x0100 + 0x17), 0);
}

TEST_F(DpmrParamDlg, OutboxPageButtonsAndChannelMessages) {
  CMsgOutboxPage* page = Open(3).outboxPage();
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
  dialog.reset();
  EXPECT_EQ(image.Word(0x0960), 0x0980);
  ExpectBytes(image, 0x0988, {'u', 0x00});
  EXPECT_EQ(image.Byte(0x0100 + 27), 0x80 | 1);
}

TEST_F(DpmrParamDlg, InboxPageClearAndMarkReadAtClose) {
  image.SetWord(0x1182, 0x1240);
  image.Fill(0x1240, 160, 0xFF);
  SetBytes(image, 0x1240, {'Y', 0x00});
  image.SetByte(0x1240 + 157, 1);
  CDpmrParamDlg& dlg = Open(4);
  CMsgInboxPage* page = dlg.inboxPage();
  EditableGrid* grid = page->grid();
  ASSERT_EQ(grid->rowCount(), 2);
  QStringList first;
  for (int column = 1; column <= 5; ++column) first << grid->text(0, column);
  EXPECT_EQ(first, QStringList({"B", "7", "4", "Unread", "Ping"}));
  EXPECT_FALSE(TypeIntoCell(grid, 0, 5, "x"));  // read-only
  grid->setFocusedRow(1);
  page->clearCurrentButton()->click();
  EXPECT_EQ(image.Byte(0x1240), 0xFF);
  dlg.tabs()->setCurrentIndex(0);
  EXPECT_EQ(image.Word(0x1182), 0x1240);  // leaving the tab stores nothing
  EXPECT_EQ(image.Byte(0x11A0 + 157), 1);
  dialog.reset();
  test::ExpectWords(image, 0x1180, {0x11A0, 0xFFFF});
  EXPECT_EQ(image.Byte(0x11A0 + 157), 0);
}

TEST_F(DpmrParamDlg, GroupRxListPageMovesAndTreeSwitchStores) {
  CGroupRxListPage* page = Open(5).groupPage();
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
  dialog.reset();
  ExpectBytes(image, 0x1BA0, {1, 3, 2, 0xFF});
  ExpectBytes(image, 0x1BA8, {2});
}

TEST_F(DpmrParamDlg, GroupListShownBeforeContactDeleteCannotBringItBack) {
  CDpmrParamDlg& dlg = Open(5);  // list 1 = G1, G2 on screen
  dlg.tabs()->setCurrentIndex(2);
  dlg.contactPage()->grid()->setFocusedRow(1);
  Click(dlg.contactPage()->deleteButton());  // G2, slot 2
  dlg.close();                               // group page stores last
  dialog.reset();
  ExpectBytes(image, 0x1BA0, {1, 0xFF});
}

}  // namespace
}  // namespace cps
