// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>
#include <string>

#include "app_version.h"
#include "gui/app/language.h"
#include "gui/app/main_window.h"
#include "gui/widgets/notes_dialog.h"

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
  QCommandLineOption language(
      "language",
      "Show the window in language LANG for this run: a catalogue's code (de, en, zh_CN, ...) or builtin for the "
      "program's built-in texts. View > Language keeps a choice.",
      "LANG");
  parser.addOption(language);
  parser.addPositionalArgument("file", "Image file (.dat) to open.", "[file]");
  parser.process(*app);
  if (parser.isSet(version)) {
    std::fputs(("dpmr-cps " + std::string(cps::kVersion) + "\n" + cps::kLicenceNotice).c_str(), stdout);
    return 0;
  }
  QGuiApplication::setDesktopFileName("dpmr-cps");  // the desktop entry: the window gets its icon and name

  // before any widget: they take their texts when they are made
  const QString wanted = parser.value(language);
  QStringList languageNotes;
  if (const cps::Status st = cps::ApplyStartupLanguage(parser.isSet(language) ? &wanted : nullptr, &languageNotes);
      !st) {
    std::fprintf(stderr, "dpmr-cps: %s\n", st.error().c_str());
    return 2;
  }

  cps::CMainFrame window(cps::AppSettings::Load(parser.value(appDir).toStdString()));
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    if (!window.OpenDocument(files.first())) return 1;
  } else {
    window.NewDocument();
  }
  window.show();
  std::vector<std::string> notes;
  for (const QString& n : languageNotes) notes.push_back(n.toStdString());
  cps::ShowNotes(&window, QCoreApplication::translate("Language", "Language"),
                 QCoreApplication::translate("Language", "The window shows its built-in texts."), notes);
  return app->exec();
}
