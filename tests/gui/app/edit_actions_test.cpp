// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table's edit actions in the Edit menu and the context menu,
// Bulk edit, and what the window says about a cleared channel.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/channels/bulk_edit_dialog.h"
#include "gui/channels/channel_edit_dialog.h"
#include "gui/channels/channel_table_actions.h"
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

QStringList Texts(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? QString("-") : a->text());
  return out;
}

class EditActions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    window_ = std::make_unique<CMainFrame>(AppSettings::Load(dir_.path().toStdString()));
    window_->NewDocument();
    view_ = window_->findChild<ChannelTableView*>();
    ASSERT_NE(view_, nullptr);
    actions_ = window_->tableActions();
    ASSERT_NE(actions_, nullptr);
    // Channels 1 and 3 in use.
    Commit(0, kColRxFreq, "446.1");
    Commit(2, kColRxFreq, "446.2");
  }
  void Commit(int row, int column, const QString& text) {
    view_->model()->setData(view_->model()->index(row, column), text, Qt::EditRole);
  }
  void SelectRows(std::initializer_list<int> rows) {
    view_->clearSelection();
    for (int r : rows)
      view_->selectionModel()->select(view_->model()->index(r - 1, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  QString Cell(int row, int column) const { return QString::fromStdString(view_->table().Cell(row, column)); }

  QTemporaryDir dir_;
  std::unique_ptr<CMainFrame> window_;
  ChannelTableView* view_ = nullptr;
  ChannelTableActions* actions_ = nullptr;
};

TEST_F(EditActions, ContextMenuCarriesTheEditActionsAndTheyActOnTheTable) {
  std::unique_ptr<QMenu> menu(actions_->ContextMenu(view_));
  EXPECT_EQ(Texts(menu.get()), (QStringList{"Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All", "-", "&Edit...",
                                            "&Bulk edit..."}));
  // The same objects as the Edit menu's: one enabled state for both.
  EXPECT_TRUE(window_->editMenu()->actions().contains(actions_->copy()));

  SelectRows({1});
  ASSERT_TRUE(actions_->copy()->isEnabled());
  actions_->copy()->trigger();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("446.100000\t446.100000"));
  actions_->remove()->trigger();
  EXPECT_EQ(Cell(1, kColRxFreq), "");
  EXPECT_EQ(window_->history().UndoName(), "Clear");
  actions_->paste()->trigger();
  EXPECT_EQ(Cell(1, kColRxFreq), "446.100000");
  actions_->cut()->trigger();
  EXPECT_EQ(Cell(1, kColRxFreq), "");
  EXPECT_EQ(window_->history().UndoName(), "Cut");

  view_->clearSelection();
  actions_->selectAll()->trigger();
  EXPECT_EQ(view_->SelectedWholeRows().size(), 16u);
  EXPECT_EQ(actions_->SelectedRows().size(), 16u);

  // Edit... opens the channel dialog of the current row.
  view_->setCurrentIndex(view_->model()->index(2, kColPower));
  QString title;
  testing::OnNextModal([&](QWidget* modal) {
    title = modal->windowTitle();
    static_cast<QDialog*>(modal)->reject();
  });
  actions_->edit()->trigger();
  EXPECT_EQ(title, "Channel Edit");
}

TEST_F(EditActions, BulkEditIsOneStepThroughTheTableRulesAndNamesWhatItStoredOtherwise) {
  const RadioImage before = window_->image();
  SelectRows({1, 3});
  std::vector<std::string> shown;
  actions_->showNotes = [&](QWidget*, const QString&, const QString&, const std::vector<std::string>& notes) { shown = notes; };
  auto notes = actions_->ApplyBulkEdit({{kColPower, "Low"}, {kColScan, "Del"}});
  EXPECT_TRUE(notes.empty());
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(window_->history().UndoName(), "Bulk edit");
  // Power is bits 7-6 of byte 16, scan "Add" its bit 0 (hand-checked
  // against the record layout); nothing else changes.
  RadioImage want = before;
  for (std::size_t rec : {0x0100u, 0x0140u}) want.SetByte(rec + 16, before.Byte(rec + 16) & 0x3E);
  // The scan bitmap the table keeps: channels 1 and 3 leave it.
  want.SetByte(0x034C, before.Byte(0x034C) & ~0x05);
  EXPECT_EQ(Cell(1, kColPower), "Low");
  EXPECT_EQ(Cell(3, kColScan), "Del");
  for (std::size_t a = 0; a < kImageSize; ++a) EXPECT_EQ(window_->image().Byte(a), want.Byte(a)) << std::hex << a;
  EXPECT_NE(before.Byte(0x0110), want.Byte(0x0110));
  EXPECT_NE(before.Byte(0x034C), want.Byte(0x034C));

  // One step: a single Undo puts every byte back.
  window_->OnUndo();
  EXPECT_TRUE(window_->image() == before);
  window_->OnRedo();
  EXPECT_EQ(Cell(3, kColPower), "Low");

  // 500 MHz is above the band: stored as its top and named for each channel.
  SelectRows({1, 3});
  notes = actions_->ApplyBulkEdit({{kColTxFreq, "500"}});
  EXPECT_EQ(notes, (std::vector<std::string>{"Channel 1 Tx Freq: given \"500\", stored \"470.000000\"",
                                             "Channel 3 Tx Freq: given \"500\", stored \"470.000000\""}));
  EXPECT_EQ(shown, notes);
}

TEST_F(EditActions, BulkEditDialogUnlocksATickedFieldAndHandsBackOnlyThose) {
  BulkEditDialog dialog({1, 3}, "Channel", view_->table());
  EXPECT_EQ(dialog.findChild<QLabel*>("bulkEditCaption")->text(), "Tick the values to set on Channels 1, 3:");
  for (int c = kColRxFreq; c <= kColType; ++c) {
    ASSERT_NE(dialog.checkBox(c), nullptr);
    EXPECT_FALSE(dialog.control(c)->isEnabled()) << c;
  }
  EXPECT_TRUE(dialog.fields().empty());
  dialog.checkBox(kColBandwidth)->setChecked(true);
  EXPECT_TRUE(dialog.control(kColBandwidth)->isEnabled());
  qobject_cast<QComboBox*>(dialog.control(kColBandwidth))->setCurrentText("Narrow");
  dialog.checkBox(kColRxTone)->setChecked(true);
  qobject_cast<QComboBox*>(dialog.control(kColRxTone))->setEditText("88.5");
  const auto fields = dialog.fields();
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].column, kColRxTone);
  EXPECT_EQ(fields[0].text, "88.5");
  EXPECT_EQ(fields[1].column, kColBandwidth);
  EXPECT_EQ(fields[1].text, "Narrow");
}

TEST_F(EditActions, BulkEditOfDialogControlsIsOneStepWithExactBytesAfterTheColumns) {
  // Stored as the dialog shows them first, so that only what is set changes.
  for (int n : {1, 3}) window_->image() = StoredAsShown(window_->image(), kMainChannelBase, kBandUhf, n);
  view_->Load();
  const RadioImage before = window_->image();
  SelectRows({1, 3});
  const auto notes =
      actions_->ApplyBulkEdit({{kColType, "Digit"}}, {{"reverse", "on"}, {"busy", "Carrier"}, {"rx_color_code", "5"}});
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(window_->history().UndoName(), "Bulk edit");
  // Hand-checked against the record layout: reverse is bit 5 of byte 16,
  // busy bits 1-0 and the type bits 7-6 (Digit 01) of byte 18, the receive
  // color code byte 0 of the channel's 4-byte extension record at 0x3E80.
  RadioImage want = before;
  for (std::size_t rec : {0x0100u, 0x0140u}) {
    want.SetByte(rec + 16, before.Byte(rec + 16) | 0x20);
    want.SetByte(rec + 18, static_cast<std::uint8_t>((before.Byte(rec + 18) & 0x3C) | 0x41));
  }
  want.SetByte(0x3E80, 5);
  want.SetByte(0x3E88, 5);
  for (std::size_t a = 0; a < kImageSize; ++a) EXPECT_EQ(window_->image().Byte(a), want.Byte(a)) << std::hex << a;
  window_->OnUndo();
  EXPECT_TRUE(window_->image() == before);
  window_->OnRedo();
  EXPECT_TRUE(window_->image() == want);

  // An empty channel in the selection is named, and the rest still set.
  std::vector<std::string> shown;
  actions_->showNotes = [&](QWidget*, const QString&, const QString&, const std::vector<std::string>& notes) { shown = notes; };
  SelectRows({2, 3});
  EXPECT_EQ(actions_->ApplyBulkEdit({}, {{"reverse", "off"}}),
            std::vector<std::string>{"Channel 2 Reverse: given \"off\", not set: the channel is not in use"});
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(window_->image().Byte(0x0150) & 0x20, 0);
}

TEST_F(EditActions, BulkEditDialogOffersTheChannelDialogControlsLocked) {
  BulkEditDialog dialog({1, 3}, "Channel", view_->table(), BulkDialogChoices(window_->image(), false, kBandUhf, 1));
  ASSERT_NE(dialog.checkBox("tx_contact"), nullptr);
  EXPECT_EQ(dialog.checkBox("busy")->text(), "Busy");
  EXPECT_FALSE(dialog.control("busy")->isEnabled());
  dialog.checkBox("busy")->setChecked(true);
  qobject_cast<QComboBox*>(dialog.control("busy"))->setCurrentText("Carrier");
  dialog.checkBox("reverse")->setChecked(true);
  const auto fields = dialog.dialogFields();
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].field, "busy");
  EXPECT_EQ(fields[0].text, "Carrier");
  EXPECT_EQ(fields[1].field, "reverse");
  EXPECT_EQ(fields[1].text, "off");
  EXPECT_TRUE(dialog.fields().empty());
}

TEST_F(EditActions, ReceiveTextThatReadsAsZeroClearsTheChannelAndSaysSo) {
  for (const char* text : {"abc", "0", ""}) {
    Commit(2, kColRxFreq, "446.2");
    window_->statusBar()->clearMessage();
    Commit(2, kColRxFreq, text);
    EXPECT_EQ(Cell(3, kColRxFreq), "") << text;
    EXPECT_EQ(window_->statusBar()->currentMessage(), "Channel 3 cleared; Undo (Ctrl+Z) brings it back") << text;
    window_->OnUndo();
    EXPECT_EQ(Cell(3, kColRxFreq), "446.200000") << text;
  }
  // An empty row typed empty clears nothing and says nothing.
  window_->statusBar()->clearMessage();
  Commit(5, kColRxFreq, "abc");
  EXPECT_EQ(window_->statusBar()->currentMessage(), "");
}

TEST_F(EditActions, AToneTypedIntoADigitChannelGetsAHint) {
  // A new channel is a Digit channel.
  Commit(0, kColRxTone, "88.5");
  EXPECT_EQ(Cell(1, kColRxTone), "88.5");  // taken, as the table always did
  EXPECT_EQ(window_->statusBar()->currentMessage(),
            "Channel 1 is a Digit channel: digital channels do not use the Rx Tone");
  window_->statusBar()->clearMessage();
  Commit(0, kColType, "Analog");
  Commit(0, kColTxTone, "D023N");
  Commit(0, kColRxTone, "None");
  EXPECT_EQ(window_->statusBar()->currentMessage(), "");
}

TEST_F(EditActions, RedoWithAnOpenEditorDropsTheTypedTextAndKeepsTheRedo) {
  Commit(0, kColRxFreq, "446.5");
  window_->OnUndo();
  ASSERT_EQ(window_->history().RedoName(), "Channel 1 Rx Freq");
  window_->show();
  view_->setCurrentIndex(view_->model()->index(1, kColRxFreq));
  static_cast<QAbstractItemView*>(view_)->edit(view_->currentIndex());
  auto* editor = view_->findChild<QLineEdit*>("cellEditor1");
  ASSERT_NE(editor, nullptr);
  editor->setText("447.0");
  window_->redoAction()->trigger();
  EXPECT_EQ(Cell(1, kColRxFreq), "446.500000");
  EXPECT_EQ(Cell(2, kColRxFreq), "");
  EXPECT_EQ(window_->history().UndoName(), "Channel 1 Rx Freq");
  EXPECT_EQ(window_->history().RedoName(), "");
}

TEST_F(EditActions, AnUntouchedChannelDialogThatStoresOnlyShownFormsSaysSo) {
  // Channel 3: group list 0xFF shows as "None" and is stored as 0.
  window_->image().SetByte(0x0140 + 23, 0xFF);
  const RadioImage before = window_->image();
  view_->setCurrentIndex(view_->model()->index(2, kColRxFreq));
  testing::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  window_->OnChannelEdit();
  EXPECT_EQ(window_->history().UndoName(), "Channel Edit: values stored as shown");
  EXPECT_EQ(window_->image().Byte(0x0140 + 23), 0x00);
  window_->OnUndo();
  EXPECT_TRUE(window_->image() == before);
  // Closed again after a real change: an ordinary step.
  testing::OnNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<ChannelEditDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->check(EditCheck::kReverse)->click();
    dialog->reject();
  });
  window_->OnChannelEdit();
  EXPECT_EQ(window_->history().UndoName(), "Channel Edit");
}

TEST_F(EditActions, AnUntouchedPmrChannelDialogThatStoresOnlyShownFormsSaysSo) {
  PmrChannelDialog dialog(window_->image(), kBandUhf, [] { return std::string(); });
  dialog.setStepRunner(window_->EditorSteps());
  dialog.setStepRenamer([this](const QString& name) { window_->history().RenameOpenStep(name); });
  dialog.view()->model()->setData(dialog.view()->model()->index(1, kColRxFreq), "446.3", Qt::EditRole);
  // PMR channel 2: group list 0xFF shows as "None" and is stored as 0.
  const std::size_t groupList = kPmrChannelBase + 32 + 23;
  window_->image().SetByte(groupList, 0xFF);
  const RadioImage before = window_->image();
  dialog.view()->setCurrentIndex(dialog.view()->model()->index(1, kColRxFreq));
  testing::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  dialog.OnChannelEdit();
  EXPECT_EQ(window_->history().UndoName(), "PMR Channel Edit: values stored as shown");
  EXPECT_EQ(window_->image().Byte(groupList), 0x00);
  window_->OnUndo();
  EXPECT_TRUE(window_->image() == before);
  // Closed again after a real change: an ordinary step.
  testing::OnNextModal([](QWidget* modal) {
    auto* edit = qobject_cast<ChannelEditDialog*>(modal);
    ASSERT_NE(edit, nullptr);
    edit->check(EditCheck::kReverse)->click();
    edit->reject();
  });
  dialog.OnChannelEdit();
  EXPECT_EQ(window_->history().UndoName(), "PMR Channel Edit");
}

TEST_F(EditActions, PmrTableHasItsOwnMenuAndNamesItsSteps) {
  PmrChannelDialog dialog(window_->image(), kBandUhf, [] { return std::string(); });
  dialog.setStepRunner(window_->EditorSteps());
  ASSERT_NE(dialog.actions(), nullptr);
  std::unique_ptr<QMenu> menu(dialog.actions()->ContextMenu(dialog.view()));
  EXPECT_EQ(Texts(menu.get()).size(), 9);
  dialog.view()->model()->setData(dialog.view()->model()->index(1, kColRxFreq), "446.3", Qt::EditRole);
  EXPECT_EQ(window_->history().UndoName(), "PMR channel 2 Rx Freq");
  dialog.view()->selectionModel()->select(dialog.view()->model()->index(1, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  std::vector<std::string> shown;
  dialog.actions()->showNotes = [&](QWidget*, const QString&, const QString&, const std::vector<std::string>& n) { shown = n; };
  dialog.actions()->ApplyBulkEdit({{kColTxFreq, "300"}});
  EXPECT_EQ(shown, (std::vector<std::string>{"PMR channel 2 Tx Freq: given \"300\", stored \"400.000000\""}));
}

}  // namespace
}  // namespace cps
