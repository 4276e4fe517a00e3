#include <QApplication>
#include <QCommandLineParser>

#include "gui/app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("dpmr-cps");
  QApplication::setApplicationVersion("3.0.0");

  QCommandLineParser parser;
  parser.setApplicationDescription("Programming software for the dPMR / FM handheld radio.");
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption appDir("app-dir", "Use DIR as the program's folder (Program.ini, Default.dat, Factory.dat, Img/).",
                            "DIR");
  parser.addOption(appDir);
  parser.addPositionalArgument("file", "Image file (.dat) to open.", "[file]");
  parser.process(app);

  cps::CMainFrame window(cps::AppSettings::Load(parser.value(appDir).toStdString()));
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    if (!window.OpenDocument(files.first())) return 1;
  } else {
    window.NewDocument();
  }
  window.show();
  return app.exec();
}
