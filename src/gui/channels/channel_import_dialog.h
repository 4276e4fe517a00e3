// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Import channels": every row of a CHIRP CSV file with everything the
// import writes into its channel (or why it is skipped) and the values
// stored otherwise than the file wrote them, a check box per row, and the
// first channel to fill ("By Location" puts each row at its Location). The
// dialog only shows the plan; the caller applies plan() when the dialog is
// accepted.
#include <QDialog>

#include "core/interop/csv_chirp.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace cps {

class ChannelImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `firstChannel` kByLocation: by Location when the file has one.
  ChannelImportDialog(CsvTable csv, BandLimits band, int firstChannel, QWidget* parent = nullptr);

  // The plan of the checked rows; an unchecked row is skipped.
  CsvImportPlan plan() const;
  QSpinBox* firstChannelBox() const { return first_; }
  QTableWidget* rowsTable() const { return rows_; }
  QLabel* summary() const { return summary_; }
  QLabel* overwriteNote() const { return overwrite_; }

  // Columns of rowsTable(); the check box is in kCheckColumn.
  enum Column { kCheckColumn = 0, kChannelColumn = 2, kChangesColumn = 12 };

 private:
  void Replan();
  void UpdateSummary();

  CsvTable csv_;
  BandLimits band_;
  CsvImportPlan plan_;
  QSpinBox* first_;
  QTableWidget* rows_;
  QLabel* summary_;
  QLabel* overwrite_;
  QPushButton* ok_;
};

// What the dialog's Channel column says for a row.
QString ImportOutcomeText(const CsvRowPlan& row);

}  // namespace cps
