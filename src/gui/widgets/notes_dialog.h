// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one window that tells the user which values a path stored otherwise
// (an import, a paste, a bulk edit): a summary line, the first notes with
// "… and N more" when there are many, "Show details" for the whole list and
// a Copy button. It never grows past the screen however many notes come.
//
//   ShowNotes(this, "Import from text", "2 values were stored otherwise:", notes);
#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cps {

class NotesDialog : public QDialog {
  Q_OBJECT
 public:
  // How many notes the dialog lists before "… and N more".
  static constexpr int kShownNotes = 20;

  NotesDialog(QWidget* parent, const QString& title, const QString& summary, const std::vector<std::string>& notes);

  // The short list as shown: the first kShownNotes notes, then "… and N more".
  QString shortText() const;
  // Every note, one per line, as Copy puts it on the clipboard.
  QString fullText() const;
  bool detailsShown() const;

 public slots:
  void showDetails(bool on);
  void copyToClipboard();

 private:
  QStringList notes_;
  QLabel* shortList_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
  QPushButton* detailsButton_ = nullptr;
};

// Shows the notes in a modal NotesDialog; does nothing when there are none.
void ShowNotes(QWidget* parent, const QString& title, const QString& summary, const std::vector<std::string>& notes);

// The first `shown` lines, then "… and N more" when there are more.
QString CappedLines(const QStringList& lines, int shown);

}  // namespace cps
