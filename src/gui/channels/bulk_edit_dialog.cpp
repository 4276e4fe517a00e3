// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/channels/bulk_edit_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/codec/tone.h"
#include "gui/widgets/core_text.h"
#include "gui/widgets/fit_to_screen.h"

namespace cps {

namespace {

QStringList ToQStrings(const std::vector<std::string>& items) {
  QStringList out;
  for (const auto& s : items) out << QString::fromStdString(s);
  return out;
}

QString RowList(const std::vector<int>& rows) {
  QStringList out;
  for (int r : rows) out << QString::number(r);
  return out.join(", ");
}

QString ControlText(const QWidget* control) {
  if (auto* check = qobject_cast<const QCheckBox*>(control)) return check->isChecked() ? "on" : "off";
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (auto* box = qobject_cast<const QComboBox*>(control)) return box->currentText();
  return {};
}

}  // namespace

BulkEditDialog::BulkEditDialog(const std::vector<int>& rows, const QString& rowName, const ChannelTable& table,
                               const std::vector<BulkDialogChoice>& choices, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Bulk edit"));
  setObjectName("BulkEditDialog");
  auto* layout = new QVBoxLayout(this);
  //: %1 is the row name ("Channel", "PMR channel"), %2 the row numbers.
  auto* caption = new QLabel(rows.size() == 1 ? tr("Tick the values to set on %1 %2:").arg(rowName, RowList(rows))
                                              //: %1 is the row name ("Channel", "PMR channel") made plural by
                                              //: the "s" after it, %2 the row numbers.
                                              : tr("Tick the values to set on %1s %2:").arg(rowName, RowList(rows)));
  caption->setObjectName("bulkEditCaption");
  caption->setWordWrap(true);
  layout->addWidget(caption);
  auto* columns = new QHBoxLayout;
  auto* tableBox = new QGroupBox(tr("Channel table"));
  auto* form = new QFormLayout(tableBox);
  const int first = rows.empty() ? 1 : rows.front();
  for (int c = kColRxFreq; c <= kColType; ++c) {
    const QString title = CoreText(ChannelColumnInfos()[static_cast<std::size_t>(c)].title);
    auto* tick = new QCheckBox(title);
    tick->setObjectName(QString("bulkTick%1").arg(c));
    const QString shown = QString::fromStdString(table.Cell(first, c));
    QWidget* control = nullptr;
    if (c == kColRxFreq || c == kColTxFreq) {
      auto* edit = new QLineEdit(shown);
      edit->setMaxLength(10);
      control = edit;
    } else {
      auto* box = new QComboBox;
      const bool tone = c == kColRxTone || c == kColTxTone;
      box->addItems(ToQStrings(tone ? ToneList() : ChannelChoiceItems(c)));
      if (tone) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        if (!shown.isEmpty()) box->setEditText(shown);
      } else if (const int i = box->findText(shown); i >= 0) {
        box->setCurrentIndex(i);
      }
      control = box;
    }
    control->setObjectName(QString("bulkValue%1").arg(c));
    control->setEnabled(false);
    connect(tick, &QCheckBox::toggled, control, &QWidget::setEnabled);
    form->addRow(tick, control);
    rows_.push_back({c, tick, control});
  }
  columns->addWidget(tableBox, 0, Qt::AlignTop);
  if (!choices.empty()) {
    auto* dialogBox = new QGroupBox(tr("Channel Edit"));
    dialogBox->setObjectName("bulkDialogControls");
    auto* dialogForm = new QFormLayout(dialogBox);
    for (const BulkDialogChoice& choice : choices) {
      const QString field = QString::fromStdString(choice.field);
      auto* tick = new QCheckBox(CoreText(choice.caption));
      tick->setObjectName("bulkTick_" + field);
      QWidget* control = nullptr;
      if (choice.check) {
        // A check box of its own: ticked is "on".
        auto* box = new QCheckBox(tr("On"));
        box->setChecked(choice.shown == "on");
        control = box;
      } else {
        auto* box = new QComboBox;
        box->addItems(ToQStrings(choice.items));
        if (const int i = box->findText(QString::fromStdString(choice.shown)); i >= 0) box->setCurrentIndex(i);
        control = box;
      }
      control->setObjectName("bulkValue_" + field);
      control->setEnabled(false);
      connect(tick, &QCheckBox::toggled, control, &QWidget::setEnabled);
      dialogForm->addRow(tick, control);
      dialogRows_.push_back({choice.field, tick, control});
    }
    columns->addWidget(dialogBox, 0, Qt::AlignTop);
  }
  layout->addLayout(columns);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
  QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
  apply->setDefault(true);
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  FitToScreen(this);
}

std::vector<BulkField> BulkEditDialog::fields() const {
  std::vector<BulkField> out;
  for (const Row& r : rows_)
    if (r.tick->isChecked()) out.push_back({r.column, ControlText(r.control).toStdString()});
  return out;
}

std::vector<BulkDialogField> BulkEditDialog::dialogFields() const {
  std::vector<BulkDialogField> out;
  for (const DialogRow& r : dialogRows_)
    if (r.tick->isChecked()) out.push_back({r.field, ControlText(r.control).toStdString()});
  return out;
}

QCheckBox* BulkEditDialog::checkBox(const std::string& field) const {
  for (const DialogRow& r : dialogRows_)
    if (r.field == field) return r.tick;
  return nullptr;
}

QWidget* BulkEditDialog::control(const std::string& field) const {
  for (const DialogRow& r : dialogRows_)
    if (r.field == field) return r.control;
  return nullptr;
}

QCheckBox* BulkEditDialog::checkBox(int column) const {
  for (const Row& r : rows_)
    if (r.column == column) return r.tick;
  return nullptr;
}

QWidget* BulkEditDialog::control(int column) const {
  for (const Row& r : rows_)
    if (r.column == column) return r.control;
  return nullptr;
}

}  // namespace cps
