#pragma once
// "Contact" page of the DTMF dialog: a grid of 16 rows, "No." and "Code".
// A code is edited in place: Enter or a click in the "Code" column opens an
// edit over the cell (16 characters of "0123456789ABCD#*", upper-cased);
// leaving it writes the text into the cell, Enter also moves one row down,
// Escape keeps what was typed. The image is written when the page saves.
#include <QStyledItemDelegate>

#include "core/image/radio_image.h"
#include "core/schema/schema.h"
#include "gui/settings/tab_page.h"

class QTableWidget;

namespace cps {

class DtmfCodeDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 signals:
  void enterPressed();

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override;
};

class CDtmfContactPage : public TabPage {
  Q_OBJECT
 public:
  explicit CDtmfContactPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override;
  void SaveToImage() override;
  QTableWidget* grid() const { return grid_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CommitOpenEditor();

  RadioImage& image_;
  PageValues values_;
  QTableWidget* grid_;
};

}  // namespace cps
