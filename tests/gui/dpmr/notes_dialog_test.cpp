// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "gui/widgets/notes_dialog.h"

namespace cps {
namespace {

std::vector<std::string> Notes(int n) {
  std::vector<std::string> notes;
  for (int i = 1; i <= n; ++i) notes.push_back("row " + std::to_string(i) + ": Frequency \"446.004\" stored as 446.003125");
  return notes;
}

QPushButton* Button(QDialog& d, const QString& text) {
  for (auto* b : d.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

TEST(NotesDialogTest, ManyNotesShowTheFirstTwentyAndTheRestOnDemand) {
  NotesDialog dialog(nullptr, "Import", "25 values were stored otherwise:", Notes(25));
  const QStringList shortLines = dialog.shortText().split('\n');
  ASSERT_EQ(shortLines.size(), 21);
  EXPECT_TRUE(shortLines[19].startsWith("row 20:"));
  EXPECT_EQ(shortLines[20], "… and 5 more");
  EXPECT_EQ(dialog.fullText().split('\n').size(), 25);

  QPushButton* details = Button(dialog, "Show details");
  ASSERT_NE(details, nullptr);
  dialog.show();
  EXPECT_FALSE(dialog.detailsShown());
  details->click();
  EXPECT_TRUE(dialog.detailsShown());
  EXPECT_EQ(details->text(), "Hide details");

  Button(dialog, "Copy")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), dialog.fullText());
}

TEST(NotesDialogTest, FewNotesNeedNoDetailsButton) {
  NotesDialog dialog(nullptr, "Paste", "1 value was stored otherwise:", Notes(1));
  EXPECT_EQ(dialog.shortText(), QString::fromStdString(Notes(1)[0]));
  EXPECT_EQ(Button(dialog, "Show details"), nullptr);
  EXPECT_EQ(CappedLines({"a", "b", "c"}, 2), "a\nb\n… and 1 more");
  EXPECT_EQ(CappedLines({"a", "b"}, 2), "a\nb");
}

}  // namespace
}  // namespace cps
