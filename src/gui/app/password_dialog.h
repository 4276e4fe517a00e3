// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLineEdit;

namespace cps {

// "Password": asks for the access code that unlocks the hidden commands.
// Ends accepted only when the typed text equals the code, ignoring case;
// any other text ends it as cancelled, without a message.
class CPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CPasswordDlg(QWidget* parent = nullptr);
  QLineEdit* edit() const { return edit_; }
  static bool IsAccessCode(const QString& text);

 public slots:
  void accept() override;

 private:
  QLineEdit* edit_;
};

}  // namespace cps
