#pragma once
// "New from template": the channel templates, each with its one-line
// description and a preview of the channels it gives.
#include <QDialog>
#include <vector>

#include "core/interop/csv_template.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace cps {

class ChannelTemplateDialog : public QDialog {
  Q_OBJECT
 public:
  ChannelTemplateDialog(std::vector<ChannelTemplate> templates, QWidget* parent = nullptr);

  // The chosen template, or nullptr.
  const ChannelTemplate* selected() const;
  QListWidget* list() const { return list_; }
  QTableWidget* preview() const { return preview_; }
  QLabel* description() const { return description_; }

 private:
  void ShowPreview();

  std::vector<ChannelTemplate> templates_;
  QListWidget* list_;
  QLabel* description_;
  QTableWidget* preview_;
  QPushButton* ok_;
};

}  // namespace cps
