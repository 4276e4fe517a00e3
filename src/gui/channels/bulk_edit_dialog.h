// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Bulk edit": the table's columns, each behind a check box that unlocks
// it; Apply hands the ticked ones back as one value per column.
#include <QDialog>
#include <vector>

#include "core/channels/channel_bulk_edit.h"

class QCheckBox;
class QWidget;

namespace cps {

class BulkEditDialog : public QDialog {
  Q_OBJECT
 public:
  // `rows`: the channels it applies to, for the caption; `table`: the
  // controls start with the first of them.
  BulkEditDialog(const std::vector<int>& rows, const QString& rowName, const ChannelTable& table,
                 QWidget* parent = nullptr);

  // The ticked columns and their texts, in column order.
  std::vector<BulkField> fields() const;
  // The check box and control of `column` (kColRxFreq..kColType).
  QCheckBox* checkBox(int column) const;
  QWidget* control(int column) const;

 private:
  struct Row {
    int column;
    QCheckBox* tick;
    QWidget* control;
  };
  std::vector<Row> rows_;
};

}  // namespace cps
