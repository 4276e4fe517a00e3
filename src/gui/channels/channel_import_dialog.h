#pragma once
// "Import channels": every row of a CHIRP CSV file with the channel it goes
// to or why it is skipped, and the first channel to fill. The dialog only
// shows the plan; the caller applies it when the dialog is accepted.
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
  ChannelImportDialog(CsvTable csv, BandLimits band, int firstChannel, QWidget* parent = nullptr);

  const CsvImportPlan& plan() const { return plan_; }
  QSpinBox* firstChannelBox() const { return first_; }
  QTableWidget* rowsTable() const { return rows_; }
  QLabel* summary() const { return summary_; }

 private:
  void Replan();

  CsvTable csv_;
  BandLimits band_;
  CsvImportPlan plan_;
  QSpinBox* first_;
  QTableWidget* rows_;
  QLabel* summary_;
  QPushButton* ok_;
};

// What the dialog's last column says for a row.
QString ImportOutcomeText(const CsvRowPlan& row);

}  // namespace cps
