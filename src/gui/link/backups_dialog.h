#pragma once
// "Backups": the images kept from every read, newest first (time, port,
// size). "Open" (or a double click) picks one; the caller opens it.
#include <QDialog>
#include <string>
#include <vector>

#include "core/link/backups.h"

class QPushButton;
class QTableWidget;

namespace cps {

class BackupsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit BackupsDialog(std::string folder, QWidget* parent = nullptr);

  // The backup picked with "Open"; empty otherwise.
  const std::string& chosenPath() const { return chosen_; }

  QTableWidget* table() const { return table_; }
  QPushButton* openButton() const { return open_; }

 private:
  void OnOpen();

  std::vector<DatedFile> files_;
  std::string chosen_;
  QTableWidget* table_ = nullptr;
  QPushButton* open_ = nullptr;
};

}  // namespace cps
