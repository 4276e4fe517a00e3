// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/key_filter.h"

namespace cps {

QValidator::State KeyFilterValidator::validate(QString& input, int& pos) const {
  if (upper_) input = input.toUpper();
  if (maxLength_ > 0 && input.size() > maxLength_ && (!edit_ || input.size() >= edit_->text().size()))
    return Invalid;
  if (!allowed_.isEmpty())
    for (const QChar c : input)
      if (!allowed_.contains(c)) return Invalid;
  (void)pos;
  return Acceptable;
}

}  // namespace cps
