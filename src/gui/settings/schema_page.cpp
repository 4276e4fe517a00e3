// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/schema_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/core_text.h"
#include "gui/widgets/key_filter.h"
#include "gui/widgets/spin_edit.h"

namespace cps {

namespace {
constexpr int kGroupInset = 10;  // left and right margin inside a group box
}

SchemaPage::SchemaPage(const PageSchema& schema, RadioImage& image, QWidget* parent)
    : TabPage(parent), schema_(schema), image_(image) {
  values_ = FillPage(schema_, image_);
  Build();
  LoadFromImage();
}

void SchemaPage::Build() {
  const auto& fields = schema_.fields;
  controls_.assign(fields.size(), nullptr);
  edits_.assign(fields.size(), nullptr);
  int columns = 1;
  for (const auto& f : fields) columns = std::max(columns, f.column + 1);
  auto* outer = new QHBoxLayout(this);
  outer->setSpacing(24);
  std::vector<QVBoxLayout*> cols;
  for (int c = 0; c < columns; ++c) {
    auto* v = new QVBoxLayout;
    v->setSpacing(8);  // the wide gap is only between columns
    outer->addLayout(v);
    cols.push_back(v);
  }
  // Rows: consecutive visible fields of one column and group share a form.
  QFormLayout* form = nullptr;
  QGroupBox* formBox = nullptr;
  int formColumn = -1;
  std::string formGroup;
  struct RowLabel {
    QLabel* label;
    QGroupBox* box;  // the group box the row sits in, if any
    int column;
  };
  std::vector<RowLabel> labels;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& f = fields[i];
    if (!f.visible) continue;
    if (!form || formColumn != f.column || formGroup != f.group) {
      form = new QFormLayout;
      form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
      form->setVerticalSpacing(6);
      form->setHorizontalSpacing(12);
      formColumn = f.column;
      formGroup = f.group;
      formBox = nullptr;
      if (f.group.empty()) {
        cols[static_cast<std::size_t>(f.column)]->addLayout(form);
      } else {
        formBox = new QGroupBox(CoreText(f.group), this);
        form->setContentsMargins(kGroupInset, 8, kGroupInset, 8);
        formBox->setLayout(form);
        cols[static_cast<std::size_t>(f.column)]->addWidget(formBox);
      }
    }
    const QString label = CoreText(f.label);
    const int fi = static_cast<int>(i);
    QWidget* focusTarget = nullptr;
    switch (f.kind) {
      case ControlKind::Combo: {
        auto* combo = new QComboBox(this);
        // the items as shown; the value is the selected index (Pull, Push),
        // never the shown text
        for (const auto& it : values_.items[i]) combo->addItem(CoreText(it));
        combo->setCurrentIndex(-1);
        form->addRow(label, combo);
        controls_[i] = focusTarget = combo;
        break;
      }
      case ControlKind::Edit:
      case ControlKind::SpinEdit: {
        QLineEdit* edit = nullptr;
        if (f.kind == ControlKind::SpinEdit) {
          auto* spin = new SpinEdit(this);
          edit = spin->edit();
          connect(spin, &SpinEdit::stepped, this, [this, fi, edit](int delta) {
            const Field& fld = schema_.fields[static_cast<std::size_t>(fi)];
            if (fld.onSpin) edit->setText(QString::fromStdString(fld.onSpin(edit->text().toStdString(), delta)));
          });
          controls_[i] = spin;
          form->addRow(label, spin);
        } else {
          edit = new QLineEdit(this);
          controls_[i] = edit;
          form->addRow(label, edit);
        }
        edit->setValidator(
            new KeyFilterValidator(QString::fromStdString(f.allowedChars), f.upperCase, f.maxLength, edit));
        edits_[i] = edit;
        focusTarget = edit;
        break;
      }
      case ControlKind::Check: {
        auto* check = new QCheckBox(label, this);
        form->addRow(check);
        controls_[i] = focusTarget = check;
        break;
      }
    }
    auto* rowLabel = qobject_cast<QLabel*>(form->labelForField(controls_[i]));
    if (rowLabel) labels.push_back({rowLabel, formBox, f.column});
    if (!f.readOnly.empty()) {
      controls_[i]->setEnabled(false);
      controls_[i]->setToolTip(CoreText(f.readOnly));
      if (rowLabel) rowLabel->setToolTip(CoreText(f.readOnly));
    }
    controls_[i]->setObjectName(QString::fromStdString(f.key));
    fieldOf_.insert(focusTarget, fi);
    focusTarget->installEventFilter(this);
  }
  for (auto* c : cols) c->addStretch(1);
  // The controls of one column line up, inside a group box or not: every
  // label is as wide as the widest of its column, less the group's inset.
  const auto inset = [](QGroupBox* box) {
    if (!box) return 0;
    box->ensurePolished();
    return box->contentsMargins().left() + kGroupInset;
  };
  std::vector<int> widest(cols.size(), 0);
  for (const auto& r : labels)
    widest[static_cast<std::size_t>(r.column)] =
        std::max(widest[static_cast<std::size_t>(r.column)], r.label->sizeHint().width() + inset(r.box));
  for (const auto& r : labels) r.label->setMinimumWidth(widest[static_cast<std::size_t>(r.column)] - inset(r.box));
}

int SchemaPage::FieldOf(QObject* widget) const { return fieldOf_.value(widget, -1); }

bool SchemaPage::eventFilter(QObject* watched, QEvent* event) {
  const int fi = FieldOf(watched);
  if (fi >= 0) {
    const Field& f = schema_.fields[static_cast<std::size_t>(fi)];
    if (event->type() == QEvent::FocusIn) {
      emit fieldFocused(QString::fromStdString(f.key));
    } else if (event->type() == QEvent::FocusOut) {
      QLineEdit* edit = edits_[static_cast<std::size_t>(fi)];
      if (edit && f.onLeave) {
        const QString left = QString::fromStdString(f.onLeave(edit->text().toStdString()));
        if (left != edit->text()) edit->setText(left);
      }
    }
  }
  return TabPage::eventFilter(watched, event);
}

QWidget* SchemaPage::control(const QString& fieldKey) const {
  const int i = values_.IndexOf(fieldKey.toStdString());
  return i < 0 ? nullptr : controls_[static_cast<std::size_t>(i)];
}

QLineEdit* SchemaPage::lineEdit(const QString& fieldKey) const {
  const int i = values_.IndexOf(fieldKey.toStdString());
  return i < 0 ? nullptr : edits_[static_cast<std::size_t>(i)];
}

const PageValues& SchemaPage::values() {
  Pull();
  return values_;
}

void SchemaPage::Pull() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    QWidget* w = controls_[i];
    if (!w) continue;
    switch (schema_.fields[i].kind) {
      case ControlKind::Combo:
        SelectIndex(values_, static_cast<int>(i), static_cast<QComboBox*>(w)->currentIndex());
        break;
      case ControlKind::Edit:
      case ControlKind::SpinEdit:
        values_.values[i].text = edits_[i]->text().toStdString();
        break;
      case ControlKind::Check:
        values_.values[i].checked = static_cast<QCheckBox*>(w)->isChecked();
        break;
    }
  }
}

void SchemaPage::Push() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    QWidget* w = controls_[i];
    if (!w) continue;
    const ControlValue& v = values_.values[i];
    switch (schema_.fields[i].kind) {
      case ControlKind::Combo:
        static_cast<QComboBox*>(w)->setCurrentIndex(v.index);
        break;
      case ControlKind::Edit:
      case ControlKind::SpinEdit:
        edits_[i]->setText(QString::fromStdString(v.text));
        break;
      case ControlKind::Check:
        static_cast<QCheckBox*>(w)->setChecked(v.checked);
        break;
    }
  }
}

void SchemaPage::LoadFromImage() {
  Pull();  // a selection by text that finds nothing keeps what is shown
  LoadPage(image_, values_);
  Push();
}

void SchemaPage::SaveToImage() {
  Pull();
  SavePage(values_, image_);
  Push();  // the page's own corrections (clamps) show
}

}  // namespace cps
