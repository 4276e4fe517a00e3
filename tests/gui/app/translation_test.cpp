// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts through the translation layer: with a catalogue
// installed, menus, status tips, the title, message boxes, status messages
// and the core's column titles come out translated, with each argument in
// its place.
#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "core/channels/channel_table.h"
#include "gui/app/main_window.h"
#include "gui/app/undo_history.h"
#include "gui/channels/channel_table_view.h"
#include "gui_test_util.h"

namespace cps {
namespace {

// A catalogue of a few texts, keyed by context and source text.
class SmallCatalogue : public QTranslator {
 public:
  explicit SmallCatalogue(std::map<std::pair<QString, QString>, QString> texts) : texts_(std::move(texts)) {}
  bool isEmpty() const override { return texts_.empty(); }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const auto it = texts_.find({QString::fromUtf8(context), QString::fromUtf8(source)});
    return it == texts_.end() ? QString() : it->second;
  }

 private:
  std::map<std::pair<QString, QString>, QString> texts_;
};

class Translation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue_));
  }
  void TearDown() override { QCoreApplication::removeTranslator(&catalogue_); }

  QTemporaryDir dir_;
  SmallCatalogue catalogue_{{
      {{"cps::CMainFrame", "&File"}, "&Datei"},
      {{"cps::CMainFrame", "Create a new document"}, "Ein neues Dokument anlegen"},
      {{"cps::CMainFrame", "Untitled"}, "Unbenannt"},
      // The arguments in another order than the source's.
      {{"cps::CMainFrame", "%1[*] — %2 Software"}, "%2-Software: %1[*]"},
      {{"cps::CMainFrame", "Program"}, "Programm"},
      {{"cps::CMainFrame", "Failed to open document.\n%1"}, "Das Dokument ließ sich nicht öffnen.\n%1"},
      {{"cps::CMainFrame", "&Undo %1"}, "&Rückgängig: %1"},
      {{"cps::ChannelTableItemModel", "Channel"}, "Kanal"},
      {{"cps::ChannelTableItemModel", "%1 cleared; Undo (Ctrl+Z) brings it back"},
       "%1 geleert; Rückgängig (Strg+Z) holt ihn zurück"},
      {{"CoreText", "Rx Freq"}, "Empfangsfrequenz"},
  }};
};

TEST_F(Translation, WindowShowsTheCatalogueTextsWithTheirArgumentsInPlace) {
  CMainFrame w(AppSettings::Load(dir_.path().toStdString()));
  w.NewDocument();
  EXPECT_EQ(w.menuBar()->actions().first()->text(), "&Datei");
  EXPECT_EQ(w.findChild<QAction*>("actionNew")->statusTip(), "Ein neues Dokument anlegen");
  // A text the catalogue does not hold stays as written.
  EXPECT_EQ(w.findChild<QAction*>("actionOpen")->statusTip(), "Open an existing document");
  EXPECT_EQ(w.windowTitle(), "KD-4173-Software: Unbenannt[*]");

  auto* view = w.findChild<ChannelTableView*>();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->model()->headerData(kColRxFreq, Qt::Horizontal, Qt::DisplayRole).toString(), "Empfangsfrequenz");
  const QModelIndex rx = view->model()->index(2, kColRxFreq);
  view->model()->setData(rx, "446.2", Qt::EditRole);
  view->model()->setData(rx, "", Qt::EditRole);
  EXPECT_EQ(w.statusBar()->currentMessage(), "Kanal 3 geleert; Rückgängig (Strg+Z) holt ihn zurück");
  EXPECT_EQ(w.undoAction()->text(), "&Rückgängig: Kanal 3 Empfangsfrequenz");

  QString shown;
  testing::AnswerNextMessageBox(QMessageBox::Ok, &shown);
  EXPECT_FALSE(w.OpenDocument(dir_.filePath("missing.dat")));
  EXPECT_TRUE(shown.startsWith("Das Dokument ließ sich nicht öffnen.\n")) << shown.toStdString();
  EXPECT_GT(shown.size(), QString("Das Dokument ließ sich nicht öffnen.\n").size()) << "the reason follows";
}

}  // namespace
}  // namespace cps
