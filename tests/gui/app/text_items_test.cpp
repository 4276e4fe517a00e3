// SPDX-License-Identifier: GPL-3.0-or-later
// File, "Export as text...", "Import from text..." and "Compare with file...".
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/image/image_file.h"
#include "core/interop/key_space.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/main_window.h"
#include "gui/widgets/notes_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::AnswerNextMessageBox;
using cps::testing::WhenModal;

// Picks `path` in the next file dialog, then runs `then` on the comparison
// that follows it.
void ChooseInNextFileDialog(const QString& path, std::function<void(CompareDialog*)> then = {}) {
  WhenModal<QFileDialog>([path, then](QFileDialog* dlg) {
    if (then) WhenModal<CompareDialog>(then);
    // Typed in full into the name field, as a user may.
    auto* name = dlg->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(dlg)->accept();  // QFileDialog hides it, QDialog offers it
  });
}

QStringList Row(QTreeWidgetItem* item) {
  QStringList out;
  for (int c = 0; c < item->columnCount(); ++c) out << item->text(c);
  return out;
}

TEST(TextItems, ExportCompareAndImportThroughTheFileMenu) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  ASSERT_TRUE(SetKeys(w.image(), {{"option.tot", "60"}}));

  // Export writes the image as text.
  const QString text = dir.filePath("image.yaml");
  ChooseInNextFileDialog(text);
  w.findChild<QAction*>("actionExportText")->trigger();
  QFile f(text);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("\noption.tot: \"60\"\n"));

  // Comparing with that text finds nothing; with a file of another TOT, one key.
  QString summary;
  ChooseInNextFileDialog(text, [&](CompareDialog* d) {
    summary = d->findChild<QLabel*>("compareSummary")->text();
    EXPECT_EQ(d->findChild<QTreeWidget*>("compareTree")->topLevelItemCount(), 0);
    d->reject();
  });
  w.findChild<QAction*>("actionCompareFile")->trigger();
  EXPECT_EQ(summary, "No differences");

  RadioImage other = w.image();
  ASSERT_TRUE(SetKeys(other, {{"option.tot", "90"}}));
  ASSERT_TRUE(SaveImageFile(dir.filePath("other.dat").toStdString(), other));
  QStringList row;
  ChooseInNextFileDialog(dir.filePath("other.dat"), [&](CompareDialog* d) {
    auto* tree = d->findChild<QTreeWidget*>("compareTree");
    if (tree->topLevelItemCount() == 1 && tree->topLevelItem(0)->childCount() == 1)
      row = QStringList{tree->topLevelItem(0)->text(0)} + Row(tree->topLevelItem(0)->child(0));
    d->reject();
  });
  w.findChild<QAction*>("actionCompareFile")->trigger();
  EXPECT_EQ(row, (QStringList{"Option: 1 difference", "option.tot", "TOT (s)", "\"60\"", "\"90\""}));

  // Import asks about the unsaved change first, then replaces the image.
  ASSERT_TRUE(SetKeys(w.image(), {{"option.tot", "120"}}));
  QString question;
  WhenModal<QMessageBox>([&](QMessageBox* m) {
    question = m->text();
    ChooseInNextFileDialog(text);
    m->button(QMessageBox::Discard)->click();
  });
  w.findChild<QAction*>("actionImportText")->trigger();
  EXPECT_TRUE(question.startsWith("Save changes to"));
  EXPECT_EQ(*GetKey(w.image(), "option.tot"), "60");
  EXPECT_TRUE(w.doc().path().isEmpty());
  EXPECT_TRUE(w.doc().Modified());

  // A text that does not import leaves the image alone.
  QFile bad(dir.filePath("bad.yaml"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("option.tot: 60\nno.such.key: 1\n");
  bad.close();
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  EXPECT_FALSE(w.ImportTextFrom(dir.filePath("bad.yaml")));
  EXPECT_TRUE(message.contains("line 2: unknown key 'no.such.key'")) << message.toStdString();
  EXPECT_EQ(*GetKey(w.image(), "option.tot"), "60");
}

TEST(TextItems, ImportShowsTheValuesStoredOtherwise) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  QFile f(dir.filePath("in.yaml"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("format: \"2\"\ncontact.1.name: Longname12\ninbox.count: \"1\"\n");
  f.close();
  QString notes;
  WhenModal<NotesDialog>([&](NotesDialog* d) {
    notes = d->fullText();
    d->accept();
  });
  ASSERT_TRUE(w.ImportTextFrom(dir.filePath("in.yaml")));
  EXPECT_TRUE(notes.startsWith("line 2: contact.1.name=Longname12 is stored as Longname\nline 3: inbox.count=1 is not applied"))
      << notes.toStdString();
  EXPECT_EQ(*GetKey(w.image(), "contact.1.name"), "Longname");
}

}  // namespace
}  // namespace cps
