// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the main window: every kind of step puts back exactly
// the bytes before it and reapplies exactly the bytes after it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

#include "core/channels/channel_table.h"
#include "core/channels/channel_test_util.h"
#include "core/image/image_file.h"
#include "core/link/pty_radio.h"
#include "core/link/simulated_radio.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_import_dialog.h"
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/factory/factory_adjust_dialog.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using namespace channel_test;
using testing::AnswerNextMessageBox;
using testing::OnNextModal;
using testing::WhenModal;

RadioImage FileImage(const QString& path) {
  RadioImage image;
  EXPECT_TRUE(LoadImageFile(path.toStdString(), image).ok()) << path.toStdString();
  return image;
}

// In the dialog that is about to open: the first combo box that can be used
// (named `name`, when given) moves to its next entry, then the dialog closes
// as by its close box.
void ChangeAComboAndClose(const QString& name = {}) {
  OnNextModal([name](QWidget* modal) {
    for (QComboBox* box : modal->findChildren<QComboBox*>())
      if (box->isVisibleTo(modal) && box->isEnabled() && box->count() > 1 && (name.isEmpty() || box->objectName() == name)) {
        // As a user picks an entry: the index changes, then the box reports it.
        box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        emit box->activated(box->currentIndex());
        break;
      }
    static_cast<QDialog*>(modal)->reject();  // every dialog keeps its edits when closed
  });
}

void CloseUnchanged() {
  OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
}

class UndoWindow : public ::testing::Test {
 public:  // the step table's actions use the fixture
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    window_ = std::make_unique<CMainFrame>(AppSettings::Load(dir_.path().toStdString() + "/"));
    window_->NewDocument();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    form_ = window_->findChild<ChannelForm*>();
    ASSERT_NE(form_, nullptr);
    form_->setConfirm([](const QString&) { return true; });
  }
  ChannelTableView* view() const { return form_->view(); }
  QString Cell(int row, int column) const { return view()->model()->index(row, column).data().toString(); }
  void CommitCell(QAbstractItemModel* model, int row, int column, const QString& text) {
    model->setData(model->index(row, column), text, Qt::EditRole);
  }
  // Edit, Undo / Redo as the user picks them: only when enabled.
  static bool Press(QAction* action) {
    if (!action->isEnabled()) return false;
    action->trigger();
    return true;
  }
  bool Undo() { return Press(window_->undoAction()); }
  bool Redo() { return Press(window_->redoAction()); }

  QTemporaryDir dir_;
  std::unique_ptr<CMainFrame> window_;
  ChannelForm* form_ = nullptr;
};

TEST_F(UndoWindow, EveryKindOfStepUndoesAndRedoesExactly) {
  struct Case {
    const char* step;
    std::function<void(UndoWindow&)> act;
    std::vector<std::pair<std::size_t, Bytes>> after;  // hand-checked bytes after the step
  };
  const Case cases[] = {
      {"Channel 3 Rx Freq",
       [](UndoWindow& t) { t.CommitCell(t.view()->model(), 2, kColRxFreq, "438.5"); },
       {{0x0140, {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43}}}},
      {"Channel 1 Power",
       [](UndoWindow& t) { t.CommitCell(t.view()->model(), 0, kColPower, "Low"); },
       {}},
      {"Freq range",
       [](UndoWindow& t) { emit t.form_->bandSelector()->activated(0); },
       {{0x3FA0, {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}}, {0x0100, {0xFF, 0xFF, 0xFF, 0xFF}}}},
      {"Factroy",
       [](UndoWindow& t) {
         RadioImage factory = t.window_->image();
         Put(factory, 0x0100, {0x00, 0x00, 0x50, 0x44});
         Put(factory, 0x0388, {0x01, 0x02, 0x03});
         ASSERT_TRUE(SaveImageFile(t.dir_.filePath("Factory.dat").toStdString(), factory).ok());
         t.window_->OnFactoryLoad();
       },
       {{0x0100, {0x00, 0x00, 0x50, 0x44}}, {0x0388, {0x01, 0x02, 0x03}}}},
      {"Channel Edit", [](UndoWindow& t) { ChangeAComboAndClose("txPower"); t.window_->OnChannelEdit(); }, {}},
      {"Scan Info", [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnScanInfo(); }, {}},
      {"Basic setting", [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnBasicSetting(); }, {}},
      {"Alarm", [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnAlarm(); }, {}},
      {"DTMF", [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnDtmf(); }, {}},
      {"dPMR param", [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnDpmr(); }, {}},
      {"PMR channel 3 Rx Freq",  // a cell of the PMR table; its dialog adds no step of its own
       [](UndoWindow& t) {
         OnNextModal([&t](QWidget* modal) {
           auto* pmr = qobject_cast<PmrChannelDialog*>(modal);
           ASSERT_NE(pmr, nullptr);
           t.CommitCell(pmr->view()->model(), 2, kColRxFreq, "446.1");
           pmr->accept();
         });
         t.window_->OnPmrChannel();
       },
       {{0x21A0, {0x00, 0x00, 0x61, 0x44, 0x00, 0x00, 0x61, 0x44}}}},
      {"Paste",
       [](UndoWindow& t) {
         QApplication::clipboard()->setText("438.5\t438.5");
         t.view()->setCurrentIndex(t.view()->model()->index(2, kColRxFreq));
         t.view()->PasteClipboard();
       },
       {{0x0140, {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43}}}},
      {"Cut",
       [](UndoWindow& t) {
         t.view()->selectionModel()->select(t.view()->model()->index(0, kColRxFreq), QItemSelectionModel::ClearAndSelect);
         t.view()->CutSelection();
       },
       {{0x0100, {0xFF, 0xFF, 0xFF, 0xFF}}}},
      {"Clear",
       [](UndoWindow& t) {
         t.view()->selectionModel()->select(t.view()->model()->index(0, kColRxFreq), QItemSelectionModel::ClearAndSelect);
         t.view()->ClearSelection();
       },
       {{0x0100, {0xFF, 0xFF, 0xFF, 0xFF}}}},
      {"Import channels",
       [](UndoWindow& t) {
         const QString csv = t.dir_.filePath("c.csv");
         QFile f(csv);
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write("Location,Name,Frequency,Mode\r\n2,A,446.5,NFM\r\n");
         f.close();
         WhenModal<ChannelImportDialog>([](ChannelImportDialog* d) { d->accept(); });
         ASSERT_TRUE(t.window_->ImportChannelsFrom(csv));
       },
       {{0x0120, {0x00, 0x00, 0x65, 0x44}}}},  // at its Location
      {"可调节参数",
       [](UndoWindow& t) { ChangeAComboAndClose(); t.window_->OnFactoryAdjust(); }, {}},
  };
  const QString saved = dir_.filePath("undone.dat");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    SetUp();
    // Channel 1 exists, so that its dialog and cells have something to edit.
    CommitCell(view()->model(), 0, kColRxFreq, "439.0");
    const RadioImage before = window_->image();
    c.act(*this);
    const RadioImage after = window_->image();
    const QString bandAfter = form_->bandSelector()->currentText(), rxAfter = Cell(0, kColRxFreq);
    ASSERT_NE(after, before);
    for (const auto& [addr, bytes] : c.after) EXPECT_EQ(Get(after, addr, bytes.size()), bytes) << std::hex << addr;
    EXPECT_EQ(window_->undoAction()->text(), QString("&Undo %1").arg(QString::fromUtf8(c.step)));

    ASSERT_TRUE(Undo());
    EXPECT_EQ(window_->image(), before);
    EXPECT_EQ(window_->undoAction()->text(), "&Undo Channel 1 Rx Freq");
    EXPECT_EQ(window_->redoAction()->text(), QString("&Redo %1").arg(QString::fromUtf8(c.step)));
    EXPECT_EQ(Cell(0, kColRxFreq), "439.000000");
    EXPECT_EQ(form_->bandSelector()->currentText(), "400-470MHz");
    // What the table shows is what a save writes.
    ASSERT_TRUE(window_->SaveDocument(saved));
    EXPECT_EQ(FileImage(saved), before);

    ASSERT_TRUE(Redo());
    EXPECT_EQ(window_->image(), after);
    EXPECT_FALSE(window_->redoAction()->isEnabled());
    EXPECT_EQ(form_->bandSelector()->currentText(), bandAfter);
    EXPECT_EQ(Cell(0, kColRxFreq), rxAfter);
    EXPECT_EQ(window_->statusBar()->currentMessage(), QString("Redone: %1").arg(QString::fromUtf8(c.step)));
  }
}

TEST_F(UndoWindow, MenuTextsKeysAndEnabledStates) {
  QAction* undo = window_->undoAction();
  QAction* redo = window_->redoAction();
  EXPECT_EQ(undo->text(), "&Undo");
  EXPECT_EQ(redo->text(), "&Redo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
  EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

  CommitCell(view()->model(), 3, kColRxFreq, "440");
  EXPECT_EQ(undo->text(), "&Undo Channel 4 Rx Freq");
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  // The same text again changes no byte: no step.
  CommitCell(view()->model(), 3, kColRxFreq, "440");
  ASSERT_TRUE(Undo());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), "&Redo Channel 4 Rx Freq");

  // While a modal dialog is open, neither can be used.
  bool undoDuring = true, redoDuring = true;
  CommitCell(view()->model(), 3, kColRxFreq, "441");
  OnNextModal([&](QWidget* modal) {
    undoDuring = undo->isEnabled();
    redoDuring = redo->isEnabled();
    static_cast<QDialog*>(modal)->reject();
  });
  window_->OnAlarm();
  EXPECT_FALSE(undoDuring);
  EXPECT_FALSE(redoDuring);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), "&Undo Channel 4 Rx Freq");  // a new step drops what could be redone
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(UndoWindow, DialogsClosedWithoutChangesAddNoStep) {
  const std::pair<const char*, std::function<void(CMainFrame&)>> dialogs[] = {
      {"Channel Edit", [](CMainFrame& w) { w.OnChannelEdit(); }},
      {"Scan Info", [](CMainFrame& w) { w.OnScanInfo(); }},
      {"Basic setting", [](CMainFrame& w) { w.OnBasicSetting(); }},
      {"Alarm", [](CMainFrame& w) { w.OnAlarm(); }},
      {"DTMF", [](CMainFrame& w) { w.OnDtmf(); }},
      {"dPMR param", [](CMainFrame& w) { w.OnDpmr(); }},
      {"Pmr Channel", [](CMainFrame& w) { w.OnPmrChannel(); }},
      {"factory adjustment", [](CMainFrame& w) { w.OnFactoryAdjust(); }},
  };
  CommitCell(view()->model(), 0, kColRxFreq, "439.0");
  // On a new image some dialogs store bytes the first time they close (the
  // DTMF, dPMR and PMR pages fill in what the template leaves erased): a
  // step. Closed again at once, nothing changes and nothing is added.
  for (const auto& [name, open] : dialogs) {
    CloseUnchanged();
    open(*window_);
    const RadioImage settled = window_->image();
    const std::size_t steps = window_->history().steps().undoCount();
    const QString undoText = window_->undoAction()->text();
    CloseUnchanged();
    open(*window_);
    EXPECT_EQ(window_->image(), settled) << name;
    EXPECT_EQ(window_->history().steps().undoCount(), steps) << name;
    EXPECT_EQ(window_->undoAction()->text(), undoText) << name;
  }
}

TEST_F(UndoWindow, SaveQuestionAfterUndoAndTheHistoryOfNewAndOpen) {
  const QString path = dir_.filePath("a.dat");
  CommitCell(view()->model(), 0, kColRxFreq, "439.0");
  ASSERT_TRUE(window_->SaveDocument(path));
  CommitCell(view()->model(), 1, kColRxFreq, "439.5");
  ASSERT_TRUE(Undo());
  // Back at the saved bytes: nothing is asked, and saving kept the history.
  QString asked;
  AnswerNextMessageBox(QMessageBox::Cancel, &asked);
  EXPECT_TRUE(window_->MaybeSave());
  ASSERT_TRUE(Undo());
  EXPECT_FALSE(window_->MaybeSave());  // cancelled
  EXPECT_EQ(asked, "Save changes to a.dat?");

  // A file as stored, with bytes the table's write-back will change: Undo
  // brings back those very bytes, and a save then writes what it would
  // have written before the step.
  RadioImage stored = window_->image();
  Put(stored, 0x3FD4, {0x12, 0x34, 0x56, 0x78});
  Put(stored, 0x034C, {0xAA, 0x55});
  ASSERT_TRUE(SaveImageFile(path.toStdString(), stored).ok());
  ASSERT_TRUE(window_->OpenDocument(path));
  EXPECT_FALSE(window_->undoAction()->isEnabled());
  EXPECT_FALSE(window_->redoAction()->isEnabled());
  const RadioImage opened = window_->image();
  const RadioImage wouldSave = window_->doc().core().SavedForm();
  ASSERT_NE(wouldSave, opened);
  CommitCell(view()->model(), 1, kColRxFreq, "439.5");
  ASSERT_TRUE(Undo());
  EXPECT_EQ(window_->image(), opened);
  ASSERT_TRUE(window_->SaveDocument(dir_.filePath("c.dat")));
  EXPECT_EQ(FileImage(dir_.filePath("c.dat")), wouldSave);

  window_->NewDocument();
  EXPECT_FALSE(window_->undoAction()->isEnabled());
  EXPECT_FALSE(window_->redoAction()->isEnabled());
}

TEST_F(UndoWindow, ImportFromTextIsTheFirstStepOfItsNewDocument) {
  const RadioImage fresh = window_->image();
  const QString path = dir_.filePath("c.yaml");
  CommitCell(view()->model(), 2, kColRxFreq, "438.5");
  ASSERT_TRUE(window_->ExportTextTo(path));
  ASSERT_TRUE(window_->ImportTextFrom(path));
  const RadioImage imported = window_->image();
  EXPECT_EQ(Get(imported, 0x0140, 4), (Bytes{0x00, 0x00, 0x85, 0x43}));
  EXPECT_EQ(window_->undoAction()->text(), "&Undo Import from text");
  ASSERT_TRUE(Undo());
  EXPECT_EQ(window_->image(), fresh);
  EXPECT_EQ(Cell(2, kColRxFreq), "");
  EXPECT_FALSE(window_->undoAction()->isEnabled());
  ASSERT_TRUE(Redo());
  EXPECT_EQ(window_->image(), imported);
  EXPECT_EQ(Cell(2, kColRxFreq), "438.500000");
}

// Reads through a pseudo-terminal: the main Read and the factory dialog's
// Read are steps named "Read from radio"; a failed read adds none.
TEST_F(UndoWindow, ReadsFromTheRadio) {
  SimulatedRadio radio;
  for (std::size_t a = 0; a < kImageSize; ++a) radio.memory().SetByte(a, static_cast<std::uint8_t>(a * 7 + 3));
  PtyRadioServer server(radio, 115200);
  ASSERT_TRUE(server.Open().ok());
  std::atomic<bool> stop{false};
  std::thread serving([&] { server.Serve(stop); });
  struct StopServer {
    std::atomic<bool>& stop;
    std::thread& t;
    ~StopServer() { stop = true; t.join(); }
  } stopper{stop, serving};

  window_->settings().baudRate = 115200;
  window_->settings().portName = dir_.filePath("no-such-port").toStdString();
  const RadioImage start = window_->image();
  QString failure;
  WhenModal<TransferDialog>([&](TransferDialog* d) {
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      failure = box->text();
      box->accept();
    });
    d->startButton()->click();
  });
  window_->OnRead();
  EXPECT_TRUE(failure.startsWith("Cound not open the port")) << failure.toStdString();
  EXPECT_EQ(window_->image(), start);
  EXPECT_FALSE(window_->undoAction()->isEnabled());

  window_->settings().portName = server.devicePath();
  WhenModal<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); });
  window_->OnRead();
  const RadioImage read = window_->image();
  ASSERT_NE(read, start);
  EXPECT_EQ(read.Byte(0x0345), static_cast<std::uint8_t>(0x0345 * 7 + 3));
  EXPECT_EQ(window_->undoAction()->text(), "&Undo Read from radio");

  // The factory dialog's Read, then its own close with no further change.
  for (std::size_t a = 0x0040; a < 0x0088; ++a) radio.memory().SetByte(a, 0x11);
  bool ended = false;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<FactoryAdjustDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->showMessage = [](QWidget*, const QString&, bool) {};
    QObject::connect(dialog, &FactoryAdjustDialog::exchangeEnded, dialog, [&, dialog](bool ok) {
      ended = ok;
      dialog->accept();
    });
    dialog->readButton()->click();
  });
  window_->OnFactoryAdjust();
  ASSERT_TRUE(ended);
  const RadioImage factoryRead = window_->image();
  EXPECT_EQ(Get(factoryRead, 0x0040, 4), (Bytes{0x11, 0x11, 0x11, 0x11}));
  EXPECT_EQ(window_->undoAction()->text(), "&Undo Read from radio");

  ASSERT_TRUE(Undo());
  EXPECT_EQ(window_->image(), read);
  ASSERT_TRUE(Undo());
  EXPECT_EQ(window_->image(), start);
  EXPECT_FALSE(window_->undoAction()->isEnabled());
  ASSERT_TRUE(Redo());
  ASSERT_TRUE(Redo());
  EXPECT_EQ(window_->image(), factoryRead);
}

}  // namespace
}  // namespace cps
