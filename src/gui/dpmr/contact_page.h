// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Contact" page: the dPMR contact list in an editable grid with the
// buttons "Add", "Insert" and "Delete".
#include "core/dpmr/contacts.h"
#include "gui/settings/tab_page.h"

class QPushButton;

namespace cps {

class EditableGrid;

class CContactPage : public TabPage {
  Q_OBJECT
 public:
  CContactPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override;
  void SaveToImage() override;

  EditableGrid* grid() const { return grid_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* insertButton() const { return insert_; }
  QPushButton* deleteButton() const { return delete_; }
  const dpmr::ContactList& contacts() const { return contacts_; }

 private:
  void AddRow(std::optional<int> row);
  void OnDelete();
  void UpdateButtons();

  RadioImage& image_;
  dpmr::ContactList contacts_;
  EditableGrid* grid_;
  QPushButton* add_;
  QPushButton* insert_;
  QPushButton* delete_;
};

}  // namespace cps
