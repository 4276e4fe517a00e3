// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key filter of an edit: typed letters upper-cased first where asked,
// then every character outside the allowed set discarded (pasted text too).
// The length limit only stops typing: a longer text the program puts into
// the edit ("continue") shows whole and can be shortened.
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace cps {

class KeyFilterValidator : public QValidator {
  Q_OBJECT
 public:
  KeyFilterValidator(QString allowed, bool upperCase, int maxLength, QLineEdit* edit)
      : QValidator(edit), allowed_(std::move(allowed)), upper_(upperCase), maxLength_(maxLength), edit_(edit) {}
  State validate(QString& input, int& pos) const override;

 private:
  QString allowed_;
  bool upper_;
  int maxLength_;
  QPointer<QLineEdit> edit_;
};

}  // namespace cps
