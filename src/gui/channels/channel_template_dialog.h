// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "New from template": the channel templates, each with its one-line
// description, a preview of the channels it gives, and where the templates
// were looked for.
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
  // `folders`: where the templates were looked for, named in the dialog.
  ChannelTemplateDialog(std::vector<ChannelTemplate> templates, QWidget* parent = nullptr,
                        const std::vector<std::string>& folders = {});

  // The chosen template, or nullptr.
  const ChannelTemplate* selected() const;
  QListWidget* list() const { return list_; }
  QTableWidget* preview() const { return preview_; }
  QLabel* description() const { return description_; }
  QLabel* lookedIn() const { return lookedIn_; }

 private:
  void ShowPreview();

  std::vector<ChannelTemplate> templates_;
  QListWidget* list_;
  QLabel* description_;
  QLabel* lookedIn_;
  QTableWidget* preview_;
  QPushButton* ok_;
};

}  // namespace cps
