// SPDX-License-Identifier: GPL-3.0-or-later
// Help: the user guide found beside the build or in the installed
// documentation, shown rendered; the About box.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "app_version.h"
#include "gui/app/main_window.h"
#include "gui/app/user_guide.h"
#include "gui_test_util.h"

namespace cps {
namespace {

void Write(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

TEST(UserGuide, FoundBesideTheBuildThenInTheInstalledDocumentation) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path();
  // An installed program: bin/ and share/doc/dpmr-cps/README.md.
  EXPECT_EQ(FindUserGuide(root + "/usr/bin"), "");
  Write(root + "/usr/share/doc/dpmr-cps/README.md", "# Installed\n");
  EXPECT_EQ(FindUserGuide(root + "/usr/bin"), root + "/usr/share/doc/dpmr-cps/README.md");
  // A build folder inside the source tree: its README.md, and the guide
  // before it once there is one.
  EXPECT_EQ(FindUserGuide(root + "/src/build"), "");
  Write(root + "/src/README.md", "# Readme\n");
  EXPECT_EQ(FindUserGuide(root + "/src/build"), root + "/src/README.md");
  Write(root + "/src/docs/user-guide.md", "# Guide\n");
  EXPECT_EQ(FindUserGuide(root + "/src/build"), root + "/src/docs/user-guide.md");
}

TEST(UserGuide, ShowsTheMarkdownRendered) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Write(dir.filePath("README.md"), "# Main window\n\nPress **F1** for help.\n");
  UserGuideDialog dialog(dir.filePath("README.md"));
  EXPECT_EQ(dialog.windowTitle(), "User guide");
  const QTextDocument* doc = dialog.browser()->document();
  EXPECT_EQ(doc->toPlainText(), "Main window\nPress F1 for help.");
  EXPECT_EQ(doc->firstBlock().blockFormat().headingLevel(), 1);
}

TEST(UserGuide, HelpMenuOpensItAndAboutNamesVersionAndLicence) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CMainFrame w(AppSettings::Load(dir.path().toStdString()));
  w.NewDocument();
  QAction* guide = w.findChild<QAction*>("actionUserGuide");
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->shortcut(), QKeySequence(Qt::Key_F1));
  // The tests run from the build folder inside the source tree.
  QString shown;
  testing::OnNextModal([&](QWidget* modal) {
    if (auto* d = qobject_cast<UserGuideDialog*>(modal)) shown = d->browser()->toPlainText().left(200);
    static_cast<QDialog*>(modal)->reject();
  });
  guide->trigger();
  EXPECT_TRUE(shown.startsWith("dpmr-cps")) << shown.toStdString();

  QString version, licence, link;
  testing::OnNextModal([&](QWidget* modal) {
    version = modal->findChild<QLabel*>("versionLabel")->text();
    licence = modal->findChild<QLabel*>("licenceLabel")->text();
    link = modal->findChild<QLabel*>("guideLink")->text();
    static_cast<QDialog*>(modal)->reject();
  });
  w.OnAbout();
  EXPECT_EQ(version, QString("Version ") + kVersion);
  EXPECT_TRUE(licence.contains("GPL-3.0-or-later"));
  EXPECT_TRUE(link.contains("User guide"));
}

}  // namespace
}  // namespace cps
