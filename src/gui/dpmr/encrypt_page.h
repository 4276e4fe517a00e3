// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Encrypt" page: the encryption switch and the key list.
#include "core/dpmr/encryption_keys.h"
#include "gui/settings/tab_page.h"

class QCheckBox;
class QPushButton;

namespace cps {

class EditableGrid;

class CEncryptPage : public TabPage {
  Q_OBJECT
 public:
  CEncryptPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override;
  void SaveToImage() override;

  EditableGrid* grid() const { return grid_; }
  QCheckBox* encryptBox() const { return encrypt_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* insertButton() const { return insert_; }
  QPushButton* deleteButton() const { return delete_; }

 private:
  void Rebuild();
  void UpdateButtons();

  RadioImage& image_;
  dpmr::KeyList keys_;
  QCheckBox* encrypt_;
  EditableGrid* grid_;
  QPushButton* add_;
  QPushButton* insert_;
  QPushButton* delete_;
};

}  // namespace cps
