// SPDX-License-Identifier: GPL-3.0-or-later
// A file longer than an image opens by its first 16384 bytes, says so, and
// is never cut by a Save: the document belongs to no file.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gui/app/main_window.h"
#include "gui/widgets/notes_dialog.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::OnNextModal;
using cps::testing::WhenModal;

TEST(ForeignFileTest, LongerFileOpensAsANewDocumentAndSaveAsksForAName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString big = dir.filePath("AVSEQ01.DAT");
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'R'));
  }
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();

  QString title, shown;
  WhenModal<NotesDialog>([&](NotesDialog* d) {
    title = d->windowTitle();
    shown = d->shortText();
    d->accept();
  });
  ASSERT_TRUE(w.OpenDocument(big));
  EXPECT_EQ(title, "Open");
  EXPECT_TRUE(shown.contains(big + ": not a radio image of this model: 100000 bytes; opened its first 16384 bytes"))
      << shown.toStdString();
  EXPECT_EQ(w.image().Byte(0x0000), 'R');
  EXPECT_TRUE(w.doc().path().isEmpty());

  // Save proposes a new name (the model's) instead of writing over the file.
  QString proposed;
  OnNextModal([&](QWidget* d) {
    if (auto* dlg = qobject_cast<QFileDialog*>(d)) proposed = dlg->selectedFiles().value(0);
    static_cast<QDialog*>(d)->reject();
  });
  EXPECT_FALSE(w.Save());
  EXPECT_EQ(QFileInfo(proposed).fileName(), "KD-4173.dat");
  EXPECT_EQ(QFileInfo(big).size(), 100000);
}

}  // namespace
}  // namespace cps
