// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user guide that ships with the program, and the window that shows it.
#include <QDialog>
#include <QString>
#include <QStringList>

class QTextBrowser;

namespace cps {

// Where the guide may be, in order: beside the build in the source tree,
// then the installed documentation folder; in each, docs/user-guide.md
// before README.md. `programDir` is the folder of the program file.
QStringList UserGuideCandidates(const QString& programDir);
// The first candidate that exists; empty when there is none.
QString FindUserGuide(const QString& programDir);

// "User guide": the Markdown file rendered, its links followed inside it
// (web links open in the browser).
class UserGuideDialog : public QDialog {
  Q_OBJECT
 public:
  UserGuideDialog(const QString& path, QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace cps
