// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in and out of the GUI: the import preview, export, and the
// channel tables' clipboard keys, driven through the system clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QInputDialog>
#include <gtest/gtest.h>

#include "core/channels/channel_record.h"
#include "core/interop/csv_clipboard.h"
#include "core/channels/channel_test_util.h"
#include "gui_test_util.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_import_dialog.h"
#include "gui/channels/channel_template_dialog.h"
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/widgets/notes_dialog.h"
#include "channel_window.h"

namespace cps {
namespace {

using namespace channel_test;

QString Cell(QAbstractItemView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

void Click(QTableView* view, int row, int column, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  const QRect r = view->visualRect(view->model()->index(row, column));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, mods, r.center());
}

QString SampleFile(const char* name) { return QString(DPMR_TEST_DATA_DIR "/interop/") + name; }

class InteropWindow : public ChannelWindow {
 protected:
  void SetUp() override {
    ChannelWindow::SetUp();
    view_ = form_->view();
    view_->setNotify([this](const QString& t) { notes_ << t; });
  }
  // Runs the import of `file`, letting `act` handle the preview dialog.
  bool Import(const QString& file, std::function<void(ChannelImportDialog*)> act) {
    testing::OnNextModal([act](QWidget* w) {
      auto* d = qobject_cast<ChannelImportDialog*>(w);
      if (d) act(d); else if (auto* q = qobject_cast<QDialog*>(w)) q->reject();
    });
    return window_->ImportChannelsFrom(file);
  }
  ChannelTableView* view_ = nullptr;
  QStringList notes_;
};

TEST_F(InteropWindow, ImportPreviewListsEveryRowAndOkAppliesIt) {
  const RadioImage before = window_->image();
  QStringList seen;
  EXPECT_FALSE(Import(SampleFile("Generic_CSV.csv"), [&](ChannelImportDialog* d) {
    // By Location first: this file starts at Location 25.
    EXPECT_EQ(d->firstChannelBox()->text(), "By Location");
    seen << d->rowsTable()->item(0, ChannelImportDialog::kChangesColumn)->text();
    d->firstChannelBox()->setValue(1);
    seen << d->rowsTable()->item(0, ChannelImportDialog::kChannelColumn)->text()
         << d->rowsTable()->item(1, ChannelImportDialog::kChangesColumn)->text();
    d->reject();
  }));
  EXPECT_EQ(seen, (QStringList{"Skipped: Location 25 is not a channel 1-16 (fill in order from a first channel to take it)",
                               "Channel 1", "Skipped: receive frequency 147.380000 MHz is outside the band 400-470MHz"}));
  EXPECT_EQ(window_->image(), before);  // Cancel changes nothing

  QString summary;
  EXPECT_TRUE(Import(SampleFile("Generic_CSV.csv"), [&](ChannelImportDialog* d) {
    d->firstChannelBox()->setValue(6);
    EXPECT_EQ(d->rowsTable()->rowCount(), 95);
    EXPECT_EQ(d->rowsTable()->item(55, ChannelImportDialog::kChangesColumn)->text(), "Not placed: no channel left after 16");
    summary = d->summary()->text();
    d->accept();
  }));
  EXPECT_EQ(summary, "11 of 95 rows go into channels 6-16; 83 skipped, 1 not placed.");
  EXPECT_EQ(Cell(view_, 4, kColRxFreq), "");
  EXPECT_EQ(Cell(view_, 5, kColRxFreq), "443.100000");
  EXPECT_EQ(Cell(view_, 5, kColRxTone), "D032N");
  // Written into the image at once: channel 6 receives on 443.1 MHz.
  EXPECT_EQ(Get(window_->image(), 0x01A0, 4), (Bytes{0x00, 0x00, 0x31, 0x44}));
  EXPECT_TRUE(window_->doc().Modified());

  QString message;
  testing::AnswerNextMessageBox(QMessageBox::Ok, &message);
  EXPECT_FALSE(window_->ImportChannelsFrom(dir_.filePath("missing.csv")));
  EXPECT_NE(message.indexOf("Cannot import channels from missing.csv"), -1) << message.toStdString();
}

TEST_F(InteropWindow, ExportThenImportIntoANewImageGivesTheSameTable) {
  ASSERT_TRUE(Import(SampleFile("US FRS and GMRS Channels.csv"), [](ChannelImportDialog* d) { d->accept(); }));
  const QString csv = dir_.filePath("channels.csv");
  ASSERT_TRUE(window_->ExportChannelsTo(csv));
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_TRUE(text.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                              "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"));
  EXPECT_NE(text.indexOf("8,,467.562500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,1W,Analog,,,,\r\n"), -1);
  QStringList shown;
  for (int r = 0; r < 16; ++r)
    for (int c = kColRxFreq; c <= kColType; ++c) shown << Cell(view_, r, c);

  window_->NewDocument();
  ASSERT_EQ(Cell(view_, 0, kColRxFreq), "");
  ASSERT_TRUE(Import(csv, [](ChannelImportDialog* d) { d->accept(); }));
  QStringList again;
  for (int r = 0; r < 16; ++r)
    for (int c = kColRxFreq; c <= kColType; ++c) again << Cell(view_, r, c);
  EXPECT_EQ(again, shown);
}

TEST_F(InteropWindow, ClipboardCopiesAndPastesRowsAndCells) {
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("446.1\t446.2\t88.5\n446.3\tx\t23i\n");
  Click(view_, 0, kColRxFreq);
  view_->CommitOpenEditor();
  QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(view_, 0, kColTxFreq), "446.200000");
  EXPECT_EQ(Cell(view_, 0, kColRxTone), "88.5");
  EXPECT_EQ(Cell(view_, 1, kColTxFreq), "446.300000");  // "x" is not a frequency
  EXPECT_EQ(Cell(view_, 1, kColRxTone), "D023I");
  EXPECT_EQ(notes_, QStringList{"Not everything was pasted as it was given:\n"
                                "channel 2, Tx Freq: 'x' cannot be taken; the cell keeps 446.300000"});
  notes_.clear();

  // Whole rows: channel numbers 1 and 2 selected, with a field only the
  // channel dialog shows.
  ChannelRecord(window_->image(), kMainChannelBase, 1).setColorCode(9);
  Click(view_, 0, kColNumber);
  Click(view_, 1, kColNumber, Qt::ShiftModifier);
  EXPECT_EQ(view_->SelectedWholeRows(), (std::vector<int>{1, 2}));
  QTest::keyClick(view_, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* mime = clipboard->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_EQ(mime->text(), "446.100000\t446.200000\t88.5\tNone\tHigh\tAdd\tWide\tDigit\n"
                          "446.300000\t446.300000\tD023I\tNone\tHigh\tAdd\tWide\tDigit\n");
  EXPECT_TRUE(mime->hasFormat(kChannelRecordsMime));

  Click(view_, 14, kColNumber);
  QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Get(window_->image(), 0x02C0, 32), Get(window_->image(), 0x0100, 32));
  EXPECT_EQ(window_->image().Byte(0x02C0 + 20), 9);
  EXPECT_EQ(notes_, QStringList{});  // row 16 takes the second record

  // Cut clears the selected rows; Delete on cells empties them.
  QTest::keyClick(view_, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Cell(view_, 14, kColRxFreq), "");
  EXPECT_EQ(Get(window_->image(), 0x02C0, 32), kDefaultRecord);
  Click(view_, 1, kColRxTone);
  view_->CommitOpenEditor();
  QTest::keyClick(view_, Qt::Key_Delete);
  EXPECT_EQ(Cell(view_, 1, kColRxTone), "None");

  // CHIRP rows pasted from the current row; what cannot go in is reported.
  clipboard->setText("Location,Name,Frequency,Mode\r\n1,A,446.5,NFM\r\n2,B,119.3,AM\r\n");
  Click(view_, 9, kColScan);
  view_->CommitOpenEditor();
  QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(view_, 9, kColRxFreq), "446.500000");
  EXPECT_EQ(Cell(view_, 9, kColBandwidth), "Narrow");
  EXPECT_EQ(notes_, QStringList{"Not everything was pasted as it was given:\n"
                                "row 3 (B): skipped: mode AM cannot be programmed into this radio"});

  // Enter opens the cell's editor.
  Click(view_, 9, kColNumber);
  view_->setCurrentIndex(view_->model()->index(9, kColTxFreq));
  QTest::keyClick(view_, Qt::Key_Return);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "446.500000");
}

// A spreadsheet's cells come back as it meant them, and what the table
// stores otherwise is said, in at most 20 lines however long the paste.
TEST_F(InteropWindow, PasteSaysWhatItStoredOtherwise) {
  QApplication::clipboard()->setText("500\t446,11875\t67\t100\n");
  Click(view_, 2, kColRxFreq);
  view_->CommitOpenEditor();
  QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(view_, 2, kColRxFreq), "470.000000");
  EXPECT_EQ(Cell(view_, 2, kColTxFreq), "446.118750");
  EXPECT_EQ(Cell(view_, 2, kColRxTone), "67.0");
  EXPECT_EQ(Cell(view_, 2, kColTxTone), "100.0");
  EXPECT_EQ(notes_, QStringList{"Not everything was pasted as it was given:\n"
                                "channel 3, Rx Freq: 500 is stored as 470.000000 (the top of the band)"});

  notes_.clear();
  QString many;
  for (int i = 0; i < 16; ++i) many += "446.1\tnot a tone\tz\tz\n";
  QApplication::clipboard()->setText(many + many);  // 32 rows: 16 past channel 16
  Click(view_, 0, kColRxFreq);
  view_->CommitOpenEditor();
  QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(notes_.size(), 1);
  const QStringList lines = notes_.front().split('\n');
  EXPECT_EQ(lines.size(), 1 + NotesDialog::kShownNotes + 1) << notes_.front().toStdString();
  EXPECT_EQ(lines.back(), "… and 29 more");  // 3 per channel and the rows past 16
}

// The preview shows what each row writes, a check box per row (all on),
// and what is overwritten; only the checked rows are imported.
TEST_F(InteropWindow, ImportPreviewChecksEveryRowAndTakesOnlyTheChecked) {
  const QString csv = dir_.filePath("grid.csv");
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Power\r\n"
          "2,A,446.004,,,Tone,67,NFM,1W\r\n"
          "5,B,446.2,,,,,FM,5W\r\n"
          "9,C,446.3,,,,,FM,5W\r\n");
  f.close();
  QStringList checks, rowTwo;
  QString overwrite, summary;
  ASSERT_TRUE(Import(csv, [&](ChannelImportDialog* d) {
    QTableWidget* rows = d->rowsTable();
    for (int r = 0; r < rows->rowCount(); ++r)
      checks << QString::number(rows->item(r, ChannelImportDialog::kCheckColumn)->checkState());
    for (int c = 1; c < rows->columnCount(); ++c) rowTwo << rows->item(0, c)->text();
    overwrite = d->overwriteNote()->text();
    rows->item(1, ChannelImportDialog::kCheckColumn)->setCheckState(Qt::Unchecked);
    summary = d->summary()->text();
    d->accept();
  }));
  EXPECT_EQ(checks, (QStringList{"2", "2", "2"}));
  EXPECT_EQ(rowTwo, (QStringList{"2", "Channel 2", "A", "446.003125", "446.003125", "None", "67.0", "Low", "Add", "Narrow",
                                 "Analog", "Frequency 446.004 is stored as 446.003125 (the 2.5/3.125 kHz channel grid)"}));
  EXPECT_NE(overwrite.indexOf("overwrites the whole channel"), -1);
  EXPECT_NE(overwrite.indexOf("Names are not stored"), -1);
  EXPECT_EQ(summary.toStdString(), "2 of 3 rows go into 2 channels from 2 to 9; 1 skipped, 0 not placed. "
                                   "1 value is stored otherwise (see Changes).");
  EXPECT_EQ(Cell(view_, 1, kColRxFreq), "446.003125");
  EXPECT_EQ(Cell(view_, 4, kColRxFreq), "");  // unchecked
  EXPECT_EQ(Cell(view_, 8, kColRxFreq), "446.300000");
}

TEST_F(InteropWindow, PmrTableTakesTheSameKeys) {
  PmrChannelDialog dialog(window_->image(), window_->CurrentBand(), [] { return std::string(); }, window_.get());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ChannelTableView* pmr = dialog.view();
  QApplication::clipboard()->setText("446.00625\n446.01875\n");
  Click(pmr, 0, kColRxFreq);
  pmr->CommitOpenEditor();
  QTest::keyClick(pmr, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(pmr, 1, kColRxFreq), "446.018750");
  EXPECT_EQ(Get(window_->image(), 0x2180, 4), (Bytes{0x75, 0x18, 0x60, 0x44}));
  EXPECT_EQ(Get(window_->image(), 0x0120, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));  // main channels untouched
  Click(pmr, 0, kColNumber);
  QTest::keyClick(pmr, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(kChannelRecordsMime));
}

TEST_F(InteropWindow, NewFromTemplateShowsAppliesAndSavesTemplates) {
  // The shipped templates beside the program, the user's folder of its own.
  QDir().mkpath(dir_.filePath("templates"));
  for (const char* f : {"pmr446-analog.csv", "dpmr446-digital.csv", "dpmr446-digital-pmr446-analog.csv"})
    ASSERT_TRUE(QFile::copy(QString(DPMR_TEST_DATA_DIR "/../../res/templates/") + f, dir_.filePath("templates/") + f));
  window_->settings().userTemplateFolder = dir_.filePath("user/").toStdString();

  QStringList names;
  int previewRows = 0;
  QString description, band, lookedIn;
  testing::OnNextModal([&](QWidget* w) {
    auto* d = qobject_cast<ChannelTemplateDialog*>(w);
    ASSERT_NE(d, nullptr);
    for (int i = 0; i < d->list()->count(); ++i) names << d->list()->item(i)->data(Qt::UserRole).toString();
    description = d->list()->item(2)->text();
    d->list()->setCurrentRow(1);
    previewRows = d->preview()->rowCount();
    band = d->description()->text();
    lookedIn = d->lookedIn()->text();
    d->reject();
  });
  window_->OnNewFromTemplate();
  EXPECT_EQ(names, (QStringList{"dPMR446 digital", "dPMR446 digital + PMR446 analog", "PMR446 analog"}));
  EXPECT_EQ(previewRows, 32);
  EXPECT_EQ(description, "PMR446 analog\nThe 16 licence-free PMR446 channels, 446.00625-446.19375 MHz, narrow analog FM");
  EXPECT_EQ(band, "Band: 400-470MHz");
  EXPECT_NE(lookedIn.indexOf("built into the program"), -1) << lookedIn.toStdString();
  EXPECT_NE(lookedIn.indexOf(dir_.filePath("user/")), -1) << lookedIn.toStdString();

  // From a 136-174MHz image the band question comes first; No changes nothing.
  auto* form = form_;
  bool answer = true;
  QStringList asked;
  form->setConfirm([&](const QString& q) { asked << q; return answer; });
  emit form->bandSelector()->activated(0);
  const RadioImage vhf = window_->image();
  const auto templates = FindChannelTemplates(window_->settings().TemplateFolders());
  const ChannelTemplate* pmr = FindTemplateByName(templates, "PMR446 analog");
  ASSERT_NE(pmr, nullptr);
  answer = false;
  asked.clear();
  EXPECT_FALSE(window_->NewFromTemplate(*pmr));
  EXPECT_EQ(asked, QStringList{kBandChangeQuestion});
  EXPECT_EQ(window_->image(), vhf);
  answer = true;
  testing::AnswerNextMessageBox(QMessageBox::Discard);  // the cleared channels are not kept
  EXPECT_TRUE(window_->NewFromTemplate(*pmr));
  EXPECT_EQ(form->bandSelector()->currentText(), "400-470MHz");
  EXPECT_EQ(Cell(view_, 15, kColRxFreq), "446.193750");
  EXPECT_EQ(Cell(view_, 15, kColBandwidth), "Narrow");
  EXPECT_EQ(Cell(view_, 15, kColType), "Analog");

  // Saved under the same name, the user's template replaces the shipped one.
  ClearChannels(window_->image(), view_->table(), {2, 3});
  const QString path = QString::fromStdString(window_->settings().userTemplateFolder + "pmr446-analog.csv");
  ASSERT_TRUE(window_->SaveChannelsAsTemplate("PMR446 analog", path));
  const auto after = FindChannelTemplates(window_->settings().TemplateFolders());
  const ChannelTemplate* mine = FindTemplateByName(after, "PMR446 analog");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(mine->path, path.toStdString());
  EXPECT_EQ(mine->main.rows.size(), 14u);
}

// Saving under the name of a shipped template asks first; No writes nothing.
TEST_F(InteropWindow, SavingOverAShippedTemplateAsksFirst) {
  window_->settings().userTemplateFolder = dir_.filePath("user/").toStdString();
  const QString path = dir_.filePath("user/pmr446-analog.csv");
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    QString question;
    testing::WhenModal<QInputDialog>([&question, answer](QInputDialog* d) {
      d->setTextValue("pmr446 analog");
      testing::AnswerNextMessageBox(answer, &question);
      d->accept();
    });
    window_->OnSaveChannelsAsTemplate();
    EXPECT_NE(question.indexOf("comes with the program"), -1) << question.toStdString();
    EXPECT_EQ(QFile::exists(path), answer == QMessageBox::Yes);
  }
}

}  // namespace
}  // namespace cps
