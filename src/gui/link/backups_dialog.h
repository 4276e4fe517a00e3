// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Backups": the images kept from every read, newest first (date, port,
// the radio's name and id as the image holds them, size). "Open" (or a
// double click) opens one as a new document; "Write to radio..." puts one
// back into the radio byte for byte. When either fails, the list stays open.
// Backups an earlier version kept beside a program that is no portable
// install (`strayFolder`, a build folder) are listed too, marked, with a
// line saying where to move them.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/link/backups.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace cps {

class BackupsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit BackupsDialog(std::string folder, std::string strayFolder = {}, QWidget* parent = nullptr);

  // Opens the backup at `path`; false when it failed (it has said why):
  // the list stays open. Without it, "Open" only picks the backup.
  std::function<bool(const std::string& path)> open;
  // Writes the backup at `path` into the radio; the list stays open.
  std::function<void(const std::string& path)> writeToRadio;

  // The backup picked with "Open"; empty otherwise.
  const std::string& chosenPath() const { return chosen_; }

  QTableWidget* table() const { return table_; }
  // The line about stray backups; null when there are none.
  QLabel* strayNote() const { return strayNote_; }
  QPushButton* openButton() const { return open_; }
  QPushButton* writeButton() const { return write_; }

 private:
  std::string Selected() const;
  void OnOpen();

  std::vector<Backup> backups_;
  std::string chosen_;
  QTableWidget* table_ = nullptr;
  QLabel* strayNote_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* write_ = nullptr;
};

}  // namespace cps
