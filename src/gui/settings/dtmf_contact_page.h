// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Contact" page of the DTMF dialog: a grid of 16 rows, "No." and "Code".
// A code is edited in place: Enter or a press in the "Code" column opens an
// edit over the cell (16 characters of "0123456789ABCD#*", upper-cased);
// leaving it writes the text into the cell, Enter also moves one row down,
// Escape keeps what was typed. The image is written when the page saves.
#include "core/image/radio_image.h"
#include "core/schema/schema.h"
#include "gui/settings/tab_page.h"

namespace cps {

class EditableGrid;

class CDtmfContactPage : public TabPage {
  Q_OBJECT
 public:
  explicit CDtmfContactPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override;
  void SaveToImage() override;
  EditableGrid* grid() const { return grid_; }

 private:
  RadioImage& image_;
  PageValues values_;
  EditableGrid* grid_;
};

}  // namespace cps
