// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings page generated from a PageSchema: one row per visible field
// (combo box, edit, edit with arrows, check box), group boxes for fields
// that share a group, one column per field column. Hidden fields get no
// control but are loaded and saved like the others.
//
//   auto* page = new SchemaPage(OptionPageSchema(), image, parent);
//   page->LoadFromImage();   // also done once by the constructor
//
// Edits run the field's onLeave when they lose the focus and its onSpin
// when an arrow (or the Up/Down key) is pressed; typed characters pass the
// field's key filter and length limit.
#include <QHash>
#include <QString>
#include <vector>

#include "core/image/radio_image.h"
#include "core/schema/schema.h"
#include "gui/settings/tab_page.h"

class QComboBox;
class QCheckBox;
class QLineEdit;

namespace cps {

class SchemaPage : public TabPage {
  Q_OBJECT
 public:
  // Fills the controls and loads them from the image (the page's opening).
  SchemaPage(const PageSchema& schema, RadioImage& image, QWidget* parent = nullptr);

  void LoadFromImage() override;
  void SaveToImage() override;

  const PageSchema& schema() const { return schema_; }
  // The control of a visible field (a QComboBox, a QLineEdit, a SpinEdit or
  // a QCheckBox), nullptr for a hidden or unknown one.
  QWidget* control(const QString& fieldKey) const;
  // The line edit of an edit or spin edit field.
  QLineEdit* lineEdit(const QString& fieldKey) const;
  // What the controls hold now (hidden fields included).
  const PageValues& values();

 signals:
  // A field's control received the keyboard focus.
  void fieldFocused(const QString& fieldKey);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void Pull();  // controls -> values_
  void Push();  // values_ -> controls
  int FieldOf(QObject* widget) const;

  const PageSchema& schema_;
  RadioImage& image_;
  PageValues values_;
  std::vector<QWidget*> controls_;   // per field, nullptr when hidden
  std::vector<QLineEdit*> edits_;    // per field, the line edit of edit fields
  QHash<QObject*, int> fieldOf_;
};

}  // namespace cps
