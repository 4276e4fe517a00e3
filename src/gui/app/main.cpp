// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>
#include <string>

#include "app_version.h"
#include "gui/app/main_window.h"

namespace {

// --help and --version only print: they need no display, so they are
// answered before any window system is opened.
bool OnlyPrints(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a == "-h" || a == "--help" || a == "--help-all" || a == "-v" || a == "--version") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QCoreApplication> app(OnlyPrints(argc, argv) ? new QCoreApplication(argc, argv)
                                                              : new QApplication(argc, argv));
  QCoreApplication::setApplicationName("dpmr-cps");
  QCoreApplication::setApplicationVersion(cps::kVersion);

  QCommandLineParser parser;
  parser.setApplicationDescription("Programming software for the dPMR / FM handheld radio.");
  parser.addHelpOption();
  // the version with the licence, as the other two programs print it
  const QCommandLineOption version(QStringList{"v", "version"}, "Displays version information.");
  parser.addOption(version);
  QCommandLineOption appDir("app-dir", "Use DIR as the program's folder (Program.ini, Default.dat, Factory.dat, Img/).",
                            "DIR");
  parser.addOption(appDir);
  parser.addPositionalArgument("file", "Image file (.dat) to open.", "[file]");
  parser.process(*app);
  if (parser.isSet(version)) {
    std::fputs(("dpmr-cps " + std::string(cps::kVersion) + "\n" + cps::kLicenceNotice).c_str(), stdout);
    return 0;
  }
  QGuiApplication::setDesktopFileName("dpmr-cps");  // the desktop entry: the window gets its icon and name

  cps::CMainFrame window(cps::AppSettings::Load(parser.value(appDir).toStdString()));
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    if (!window.OpenDocument(files.first())) return 1;
  } else {
    window.NewDocument();
  }
  window.show();
  return app->exec();
}
