// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Check image": the findings of the check (level, field key, what is
// wrong). Before a Write it offers "Write" (or "Write anyway" past errors)
// and "Cancel", and a box to stop showing it when nothing is found; from
// Program, "Check image..." it only informs. A double click on a finding
// asks the window to show that field.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/check/image_check.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace cps {

class CheckDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Mode { kBeforeWrite, kAnyTime };
  CheckDialog(std::vector<CheckFinding> findings, Mode mode, QWidget* parent = nullptr);

  // Shows the field of a key (the window selects it); set by the window.
  std::function<void(const std::string& key)> jumpTo;

  QTableWidget* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  QPushButton* writeButton() const { return write_; }    // before a Write only
  QPushButton* closeButton() const { return close_; }    // "Cancel" before a Write
  QCheckBox* quietWhenCleanBox() const { return quiet_; }  // before a Write only

  // The summary line: "No findings.", "1 error, 2 warnings." ...
  static QString SummaryText(const std::vector<CheckFinding>& findings);

 private:
  std::vector<CheckFinding> findings_;
  QTableWidget* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* close_ = nullptr;
  QCheckBox* quiet_ = nullptr;
};

}  // namespace cps
