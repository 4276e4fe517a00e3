// The main window as a desktop program: its place kept across runs, recent
// files, a dropped file, the table that fills the window, focus after a
// dialog, sharp icons.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include "core/image/image_file.h"
#include "gui/app/main_window.h"
#include "gui/app/user_settings.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"
#include "gui/channels/pmr_channel_dialog.h"
#include "gui/widgets/editable_grid.h"
#include "gui/widgets/spin_edit.h"
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
  std::unique_ptr<CMainFrame> Window() {
    auto w = std::make_unique<CMainFrame>(AppSettings::Load(dir_.path().toStdString()));
    w->NewDocument();
    return w;
  }
  // An image file whose byte 0x0300 tells it apart.
  QString ImageFile(const QString& name, std::uint8_t mark) {
    RadioImage image;
    image.Fill(0xFF);
    image.SetByte(0x0300, mark);
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(SaveImageFile(path.toStdString(), image));
    return path;
  }
  QTemporaryDir dir_;
};

QStringList MenuEntries(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << a->data().toString();
  return out;
}

TEST_F(DesktopTest, WindowPlaceSizeAndMaximisedStateAreKeptAcrossRuns) {
  QSize firstSize;
  {
    auto w = Window();
    firstSize = w->size();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->setGeometry(QRect(QPoint(30, 40), firstSize + QSize(20, 10)));
    w->close();
  }
  {
    auto w = Window();
    EXPECT_EQ(w->geometry(), QRect(QPoint(30, 40), firstSize + QSize(20, 10)));
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->showMaximized();
    ASSERT_TRUE(WaitUntil([&] { return w->isMaximized(); }));
    w->close();
  }
  auto w = Window();
  EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
  // The place lives in the user's settings, not in Program.ini.
  EXPECT_FALSE(QFile::exists(dir_.filePath("Program.ini")));
}

TEST_F(DesktopTest, RecentFilesNewestFirstAndAVanishedFileLeavesTheList) {
  const QString a = ImageFile("a.dat", 0x11), b = ImageFile("b.dat", 0x22);
  {
    auto w = Window();
    ASSERT_TRUE(w->OpenDocument(a));
    ASSERT_TRUE(w->OpenDocument(b));
    ASSERT_TRUE(w->SaveDocument(dir_.filePath("c.dat")));
    ASSERT_TRUE(w->OpenDocument(a));
    EXPECT_EQ(w->recentFiles(), (QStringList{a, dir_.filePath("c.dat"), b}));
    EXPECT_EQ(MenuEntries(w->recentMenu()), w->recentFiles());
    EXPECT_TRUE(w->recentMenu()->actions().first()->text().startsWith("&1 "));
    EXPECT_EQ(w->DialogFolder(), dir_.path());
  }
  // The next run lists them too; choosing one opens it.
  auto w = Window();
  ASSERT_EQ(MenuEntries(w->recentMenu()), (QStringList{a, dir_.filePath("c.dat"), b}));
  w->recentMenu()->actions().at(2)->trigger();
  EXPECT_EQ(w->doc().path(), b);
  EXPECT_EQ(w->image().Byte(0x0300), 0x22);
  EXPECT_EQ(w->recentFiles().first(), b);

  // A file that has gone is taken off the list with a message; nothing opens.
  ASSERT_TRUE(QFile::remove(a));
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  w->recentMenu()->actions().at(1)->trigger();
  EXPECT_TRUE(message.contains(QDir::toNativeSeparators(a))) << message.toStdString();
  EXPECT_TRUE(message.contains("no longer exists"));
  EXPECT_EQ(w->recentFiles(), (QStringList{b, dir_.filePath("c.dat")}));
  EXPECT_EQ(MenuEntries(w->recentMenu()), w->recentFiles());
  EXPECT_EQ(w->doc().path(), b);

  // Unsaved changes are asked about first; Cancel keeps them.
  w->image().SetByte(0x0301, 0x5A);
  AnswerNextMessageBox(QMessageBox::Cancel);
  w->recentMenu()->actions().at(1)->trigger();
  EXPECT_EQ(w->doc().path(), b);
  EXPECT_EQ(w->image().Byte(0x0301), 0x5A);
}

TEST_F(DesktopTest, OnlyOneLocalDatFileCanBeDropped) {
  auto urls = [](const QStringList& paths) {
    auto* mime = new QMimeData;
    QList<QUrl> list;
    for (const QString& p : paths) list << (p.contains("://") ? QUrl(p) : QUrl::fromLocalFile(p));
    mime->setUrls(list);
    return mime;
  };
  struct Case {
    QStringList paths;
    QString expected;
  };
  const Case cases[] = {
      {{"/radios/a.dat"}, "/radios/a.dat"},
      {{"/radios/A.DAT"}, "/radios/A.DAT"},
      {{"/radios/a.txt"}, ""},
      {{"/radios/a.dat", "/radios/b.dat"}, ""},
      {{"https://example.org/a.dat"}, ""},
  };
  for (const Case& c : cases) {
    std::unique_ptr<QMimeData> mime(urls(c.paths));
    EXPECT_EQ(DroppedImagePath(mime.get()), c.expected) << c.paths.join(",").toStdString();
  }
  QMimeData text;
  text.setText("/radios/a.dat");
  EXPECT_EQ(DroppedImagePath(&text), "");
}

TEST_F(DesktopTest, ADroppedFileOpensAfterTheUnsavedChangesQuestion) {
  const QString a = ImageFile("a.dat", 0x33);
  auto w = Window();
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(a)});
  const QPoint at = w->rect().center();
  auto drop = [&] {
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &dropped);
    EXPECT_TRUE(dropped.isAccepted());
  };

  w->image().SetByte(0x0301, 0x5A);
  QString question;
  AnswerNextMessageBox(QMessageBox::Cancel, &question);
  drop();
  ASSERT_TRUE(WaitUntil([&] { return !question.isEmpty(); }));
  EXPECT_EQ(question, "Save changes to KD-4173?");
  QTest::qWait(20);
  EXPECT_TRUE(w->doc().path().isEmpty());

  AnswerNextMessageBox(QMessageBox::Discard);
  drop();
  ASSERT_TRUE(WaitUntil([&] { return w->doc().path() == a; }));
  EXPECT_EQ(w->image().Byte(0x0300), 0x33);
  EXPECT_EQ(w->recentFiles(), QStringList{a});

  QMimeData other;
  other.setUrls({QUrl::fromLocalFile(dir_.filePath("notes.txt"))});
  QDragEnterEvent refused(at, Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());
}

// Column widths and row heights of a channel table.
std::vector<int> Widths(const QTableView* v) {
  std::vector<int> out;
  for (int c = 0; c < v->model()->columnCount(); ++c) out.push_back(v->columnWidth(c));
  return out;
}
std::vector<int> Heights(const QTableView* v) {
  std::vector<int> out;
  for (int r = 0; r < v->model()->rowCount(); ++r) out.push_back(v->rowHeight(r));
  return out;
}
int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

TEST_F(DesktopTest, ChannelTableFillsTheWindowInTheFirstProportions) {
  auto w = Window();
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  auto* view = w->findChild<ChannelTableView*>("channelTable");
  ASSERT_NE(view, nullptr);
  const std::vector<int> firstWidths = Widths(view), firstHeights = Heights(view);
  // The first layout: the 500/1400/.../1200 twips of the columns.
  EXPECT_EQ(firstWidths[1], firstWidths[2]);
  EXPECT_NEAR(firstWidths[1] * 500.0 / 1400.0, firstWidths[0], 1.0);

  w->resize(w->size() + QSize(300, 160));
  ASSERT_TRUE(WaitUntil([&] { return Widths(view) != firstWidths; }));
  const std::vector<int> widths = Widths(view), heights = Heights(view);
  EXPECT_EQ(Sum(widths), view->viewport()->width());
  EXPECT_EQ(Sum(heights), view->viewport()->height());
  for (std::size_t c = 0; c < widths.size(); ++c) {
    EXPECT_GT(widths[c], firstWidths[c]) << c;
    EXPECT_NEAR(double(widths[c]) / Sum(widths), double(firstWidths[c]) / Sum(firstWidths), 0.005) << c;
  }
  EXPECT_LE(*std::max_element(heights.begin(), heights.end()) - *std::min_element(heights.begin(), heights.end()), 1);
  EXPECT_GT(heights[0], firstHeights[0]);

  // Smaller than the first size: the first sizes stay and the table scrolls.
  w->resize(w->minimumSizeHint());
  ASSERT_TRUE(WaitUntil([&] { return Widths(view) == firstWidths; }));
  EXPECT_EQ(Heights(view), firstHeights);
}

TEST_F(DesktopTest, FocusReturnsToTheTablesCurrentCellAfterTheChannelDialogs) {
  auto w = Window();
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  auto* view = w->findChild<ChannelTableView*>("channelTable");
  view->setCurrentIndex(view->model()->index(4, 3));
  w->findChild<QWidget*>("channelEditButton")->setFocus();
  OnNextModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
  w->OnChannelEdit();
  // The window manager activates the window again; then the table has the keys.
  w->activateWindow();
  EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == view; }, 2000));
  EXPECT_EQ(view->currentIndex(), view->model()->index(4, 3));

  PmrChannelDialog pmr(w->image(), w->CurrentBand(), {}, w.get());
  pmr.show();
  pmr.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&pmr));
  pmr.view()->setCurrentIndex(pmr.view()->model()->index(7, 2));
  OnNextModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
  pmr.OnChannelEdit();
  pmr.activateWindow();
  EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == pmr.view(); }, 2000));
  EXPECT_EQ(pmr.view()->currentIndex(), pmr.view()->model()->index(7, 2));
}

TEST_F(DesktopTest, IconsAreSharpAtTwiceTheScale) {
  auto w = Window();
  QStringList names;
  for (const char* name : {"actionNew", "actionOpen", "actionSave", "actionRead", "actionWrite", "actionAbout"}) {
    const QIcon icon = w->findChild<QAction*>(name)->icon();
    // A bitmap icon would give its 16 pixels; a drawing gives 32.
    EXPECT_EQ(icon.pixmap(QSize(16, 16), 2.0).width(), 32) << name;
  }
  EXPECT_EQ(w->windowIcon().pixmap(QSize(48, 48), 2.0).width(), 96);
}

TEST_F(DesktopTest, SpinArrowsFollowTheEditsHeightAndGridsFillTheirWidth) {
  SpinEdit spin;
  QFont big = spin.font();
  big.setPointSize(big.pointSize() * 3);
  const int before = spin.upButton()->height() + spin.downButton()->height();
  EXPECT_EQ(before, spin.edit()->sizeHint().height());
  spin.setFont(big);
  const int after = spin.upButton()->height() + spin.downButton()->height();
  EXPECT_EQ(after, spin.edit()->sizeHint().height());
  EXPECT_GT(after, before);

  EditableGrid grid;
  grid.setColumns("No.", 50, {GridColumn::Text("Name", 80), GridColumn::Text("Number", 80)});
  grid.resize(500, 200);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  EXPECT_EQ(grid.columnWidth(0), 50);
  EXPECT_EQ(grid.columnWidth(1), 80);
  EXPECT_EQ(grid.columnWidth(0) + grid.columnWidth(1) + grid.columnWidth(2), grid.viewport()->width());
}

}  // namespace
}  // namespace cps
