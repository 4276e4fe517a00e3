// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Bulk edit": the table's columns and the channel dialog's common
// controls, each behind a check box that unlocks it; Apply hands the ticked
// ones back as one value each.
#include <QDialog>
#include <vector>

#include "core/channels/channel_bulk_edit.h"
#include "core/interop/channel_bulk_dialog.h"

class QCheckBox;
class QWidget;

namespace cps {

class BulkEditDialog : public QDialog {
  Q_OBJECT
 public:
  // `rows`: the channels it applies to, for the caption; `table`: the
  // controls start with the first of them; `choices`: the channel
  // dialog's controls offered, in order (none: the table's columns only).
  BulkEditDialog(const std::vector<int>& rows, const QString& rowName, const ChannelTable& table,
                 const std::vector<BulkDialogChoice>& choices = {}, QWidget* parent = nullptr);

  // The ticked columns and their texts, in column order.
  std::vector<BulkField> fields() const;
  // The ticked dialog controls and their values, in the order offered.
  std::vector<BulkDialogField> dialogFields() const;
  // The check box and control of `column` (kColRxFreq..kColType).
  QCheckBox* checkBox(int column) const;
  QWidget* control(int column) const;
  // The check box and list of a dialog control ("tx_contact").
  QCheckBox* checkBox(const std::string& field) const;
  QWidget* control(const std::string& field) const;

 private:
  struct Row {
    int column;
    QCheckBox* tick;
    QWidget* control;
  };
  struct DialogRow {
    std::string field;
    QCheckBox* tick;
    QWidget* control;
  };
  std::vector<Row> rows_;
  std::vector<DialogRow> dialogRows_;
};

}  // namespace cps
