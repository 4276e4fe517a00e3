// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: its place kept across runs, recent
// files, a dropped file, the table that fills the window, focus after a
// dialog, icons that stay sharp.
#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "core/image/image_file.h"
#include "gui/app/main_window.h"
#include "gui/app/user_settings.h"
#include "gui/channels/channel_table_view.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::AnswerNextMessageBox;
using cps::testing::OnNextModal;
using cps::testing::WaitUntil;

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    OpenUserSettings()->clear();  // every test starts as a first run
  }
  std::unique_ptr<CMainFrame> Window(bool shown = false) {
    auto w = std::make_unique<CMainFrame>(AppSettings::Load(dir_.path().toStdString()));
    w->NewDocument();
    if (shown) {
      w->show();
      w->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    return w;
  }
  // An image file whose byte 0x0300 tells it apart.
  QString ImageFile(const QString& name, std::uint8_t mark) {
    RadioImage image;
    image.Fill(0xFF);
    image.SetByte(0x0300, mark);
    EXPECT_TRUE(SaveImageFile(dir_.filePath(name).toStdString(), image));
    return dir_.filePath(name);
  }
  QTemporaryDir dir_;
};

TEST_F(DesktopTest, WindowPlaceSizeAndMaximisedStateAreKeptAcrossRuns) {
  QRect placed;
  {
    auto w = Window(true);
    placed = QRect(QPoint(30, 40), w->size() + QSize(20, 10));
    w->setGeometry(placed);
    w->close();
  }
  {
    auto w = Window();
    EXPECT_EQ(w->geometry(), placed);
    w->show();
    w->showMaximized();
    ASSERT_TRUE(WaitUntil([&] { return w->isMaximized(); }));
    w->close();
  }
  EXPECT_TRUE(Window()->windowState() & Qt::WindowMaximized);
  EXPECT_FALSE(QFile::exists(dir_.filePath("Program.ini")));  // not kept there
}

TEST_F(DesktopTest, RecentFilesNewestFirstAndAVanishedFileLeavesTheList) {
  const QString a = ImageFile("a.dat", 0x11), b = ImageFile("b.dat", 0x22), c = dir_.filePath("c.dat");
  {
    auto w = Window();
    ASSERT_TRUE(w->OpenDocument(a) && w->OpenDocument(b) && w->SaveDocument(c) && w->OpenDocument(a));
    EXPECT_EQ(w->DialogFolder(), dir_.path());
  }
  // The next run lists them, newest first; choosing one opens it.
  auto w = Window();
  auto entries = [&] {
    QStringList out;
    for (QAction* act : w->recentMenu()->actions()) out << act->data().toString();
    return out;
  };
  ASSERT_EQ(entries(), (QStringList{a, c, b}));
  EXPECT_TRUE(w->recentMenu()->actions().first()->text().startsWith("&1 "));
  w->recentMenu()->actions().at(2)->trigger();
  EXPECT_EQ(w->image().Byte(0x0300), 0x22);
  EXPECT_EQ(entries(), (QStringList{b, a, c}));

  // A file that has gone is taken off the list with a message; nothing opens.
  ASSERT_TRUE(QFile::remove(a));
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  w->recentMenu()->actions().at(1)->trigger();
  EXPECT_TRUE(message.contains(a + " no longer exists")) << message.toStdString();
  EXPECT_EQ(entries(), (QStringList{b, c}));
  EXPECT_EQ(w->recentFiles(), entries());
  EXPECT_EQ(w->doc().path(), b);
}

TEST_F(DesktopTest, ADroppedDatFileOpensAfterTheUnsavedChangesQuestion) {
  const QString a = ImageFile("a.dat", 0x33);
  auto w = Window(true);
  const QPoint at = w->rect().center();
  auto drop = [&](const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &dropped);
    return dropped.isAccepted();
  };
  // Anything else is refused with the reason; a CSV file offers its import.
  const RadioImage before = w->image();
  const std::pair<QList<QUrl>, QString> refused[] = {
      {{QUrl::fromLocalFile(dir_.filePath("notes.txt"))}, "notes.txt is not an image file (.dat) and was not opened."},
      {{QUrl::fromLocalFile(a), QUrl::fromLocalFile(a)}, "2 files were dropped. Drop one image file (.dat) at a time."},
      {{QUrl::fromLocalFile(dir_.filePath("list.CSV"))},
       "list.CSV is a channel list, not an image file (.dat).\nImport its channels into the channel table?"},
      {{QUrl("https://example.org/a.dat")}, "https://example.org/a.dat is not a file on this computer and was not opened."},
  };
  for (const auto& [urls, reason] : refused) {
    QString said;
    AnswerNextMessageBox(QMessageBox::Cancel, &said);
    EXPECT_TRUE(drop(urls));
    ASSERT_TRUE(WaitUntil([&] { return !said.isEmpty(); })) << reason.toStdString();
    EXPECT_EQ(said, reason);
  }
  EXPECT_TRUE(w->image() == before);
  EXPECT_TRUE(w->doc().path().isEmpty());
  EXPECT_EQ(DroppedImagePath(nullptr), "");

  w->image().SetByte(0x0301, 0x5A);
  QString question;
  AnswerNextMessageBox(QMessageBox::Cancel, &question);
  EXPECT_TRUE(drop({QUrl::fromLocalFile(a)}));
  ASSERT_TRUE(WaitUntil([&] { return !question.isEmpty(); }));
  EXPECT_EQ(question, "Save changes to KD-4173?");
  QTest::qWait(20);
  EXPECT_EQ(w->image().Byte(0x0301), 0x5A);

  AnswerNextMessageBox(QMessageBox::Discard);
  EXPECT_TRUE(drop({QUrl::fromLocalFile(a)}));
  ASSERT_TRUE(WaitUntil([&] { return w->doc().path() == a; }));
  EXPECT_EQ(w->image().Byte(0x0300), 0x33);
  EXPECT_EQ(w->recentFiles(), QStringList{a});
}

TEST_F(DesktopTest, ChannelTableFillsTheWindowInTheFirstProportions) {
  auto w = Window(true);
  auto* view = w->findChild<ChannelTableView*>("channelTable");
  auto sizes = [&](bool columns) {
    std::vector<int> out;
    for (int i = 0; i < (columns ? 10 : 16); ++i) out.push_back(columns ? view->columnWidth(i) : view->rowHeight(i));
    return out;
  };
  auto sum = [](const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); };
  const std::vector<int> firstWidths = sizes(true), firstHeights = sizes(false);
  EXPECT_NEAR(firstWidths[1] * 500.0 / 1400.0, firstWidths[0], 1.0);  // 500 and 1400 twips

  w->resize(w->size() + QSize(300, 160));
  ASSERT_TRUE(WaitUntil([&] { return sizes(true) != firstWidths; }));
  const std::vector<int> widths = sizes(true), heights = sizes(false);
  EXPECT_EQ(sum(widths), view->viewport()->width());
  EXPECT_EQ(sum(heights), view->viewport()->height());
  for (std::size_t c = 0; c < widths.size(); ++c)
    EXPECT_NEAR(double(widths[c]) / sum(widths), double(firstWidths[c]) / sum(firstWidths), 0.005) << c;
  EXPECT_LE(*std::max_element(heights.begin(), heights.end()) - *std::min_element(heights.begin(), heights.end()), 1);
  EXPECT_GT(heights[0], firstHeights[0]);

  // Smaller than the first layout: the first sizes stay and the table scrolls.
  w->resize(w->minimumSizeHint());
  ASSERT_TRUE(WaitUntil([&] { return sizes(true) == firstWidths; }));
  EXPECT_EQ(sizes(false), firstHeights);
}

TEST_F(DesktopTest, FocusReturnsToTheTablesCurrentCellAfterTheChannelDialog) {
  auto w = Window(true);
  auto* view = w->findChild<ChannelTableView*>("channelTable");
  view->setCurrentIndex(view->model()->index(4, 3));  // an empty channel's Rx Tone
  w->findChild<QWidget*>("channelEditButton")->setFocus();
  OnNextModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
  w->OnChannelEdit();
  w->activateWindow();  // as the window manager does when the dialog has gone
  EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == view; }, 2000));
  EXPECT_EQ(view->currentIndex(), view->model()->index(4, 3));
}

TEST_F(DesktopTest, IconsAreDrawnForAnyScale) {
  auto w = Window();
  for (const char* name : {"actionNew", "actionOpen", "actionSave", "actionRead", "actionWrite", "actionAbout",
                           "actionUndo", "actionRedo"})
    EXPECT_EQ(w->findChild<QAction*>(name)->icon().pixmap(QSize(16, 16), 2.0).width(), 32) << name;  // not 16
  EXPECT_EQ(w->windowIcon().pixmap(QSize(48, 48), 2.0).width(), 96);
}

}  // namespace
}  // namespace cps
