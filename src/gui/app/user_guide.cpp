// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/user_guide.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app_version.h"

namespace cps {

QStringList UserGuideCandidates(const QString& programDir) {
  const QDir program(programDir);
  // The installed data folder is share/dpmr-cps; its documents are in
  // share/doc/dpmr-cps.
  const QString installed = QDir::cleanPath(program.filePath(QString(kDataDirFromProgram) + "/../doc/dpmr-cps"));
  const QString source = QDir::cleanPath(program.filePath(".."));
  QStringList out;
  for (const QString& dir : {source, installed})
    out << QDir(dir).filePath("docs/user-guide.md") << QDir(dir).filePath("user-guide.md")
        << QDir(dir).filePath("README.md");
  out.removeDuplicates();
  return out;
}

QString FindUserGuide(const QString& programDir) {
  for (const QString& path : UserGuideCandidates(programDir))
    if (QFileInfo(path).isFile()) return path;
  return {};
}

UserGuideDialog::UserGuideDialog(const QString& path, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("User guide"));
  setObjectName("UserGuideDialog");
  browser_ = new QTextBrowser;
  browser_->setObjectName("userGuideText");
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QFileInfo(path).absolutePath()});
  browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addWidget(buttons);
  // Room for a page of text, never more than the screen (the dialog fitter).
  const int line = fontMetrics().height();
  resize(50 * line, 40 * line);
}

}  // namespace cps
