// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Msg outbox" page (preset messages, editable) and the "Msg inbox"
// page (received messages, read-only, cleared but never edited).
#include "core/dpmr/messages.h"
#include "gui/settings/tab_page.h"

class QPushButton;

namespace cps {

class EditableGrid;

class CMsgOutboxPage : public TabPage {
  Q_OBJECT
 public:
  CMsgOutboxPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override;
  void SaveToImage() override;

  EditableGrid* grid() const { return grid_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* insertButton() const { return insert_; }
  QPushButton* deleteButton() const { return delete_; }

 private:
  void Rebuild();

  RadioImage& image_;
  dpmr::Outbox outbox_;
  EditableGrid* grid_;
  QPushButton* add_;
  QPushButton* insert_;
  QPushButton* delete_;
};

// The inbox is loaded once when the page is created and stored once, when
// the dialog closes: changing tabs neither reloads nor stores it.
class CMsgInboxPage : public TabPage {
  Q_OBJECT
 public:
  CMsgInboxPage(RadioImage& image, QWidget* parent = nullptr);
  void LoadFromImage() override {}
  void SaveToImage() override {}
  // The dialog is closing: rewrites the index and marks every message still
  // listed "Read".
  void StoreOnClose() { inbox_.Store(image_); }

  EditableGrid* grid() const { return grid_; }
  QPushButton* clearCurrentButton() const { return clearCurrent_; }
  QPushButton* clearAllButton() const { return clearAll_; }

 private:
  void Rebuild();

  RadioImage& image_;
  dpmr::Inbox inbox_;
  EditableGrid* grid_;
  QPushButton* clearCurrent_;
  QPushButton* clearAll_;
};

}  // namespace cps
