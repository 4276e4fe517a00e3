// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Group rx list" page: the 16 group receive lists in a tree, the group
// contacts not in the selected list ("Unallocated:") and its members
// ("Allocated:"), moved with "Add >>", "Del <<", "Up" and "Down".
#include "core/dpmr/group_lists.h"
#include "gui/settings/tab_page.h"

class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace cps {

class CGroupRxListPage : public TabPage {
  Q_OBJECT
 public:
  CGroupRxListPage(RadioImage& image, QWidget* parent = nullptr);
  // Loads / stores the list selected in the tree.
  void LoadFromImage() override;
  void SaveToImage() override;

  QTreeWidget* tree() const { return tree_; }
  QListWidget* unallocatedList() const { return unallocated_; }
  QListWidget* allocatedList() const { return allocated_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* delButton() const { return del_; }
  QPushButton* upButton() const { return up_; }
  QPushButton* downButton() const { return down_; }

 private:
  int SelectedList() const;
  void OnTreeChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void PullSelection();
  void ShowLists();
  void UpdateButtons();
  template <typename F>
  void Act(F action);

  RadioImage& image_;
  dpmr::GroupListEditor editor_;
  QTreeWidget* tree_;
  QListWidget* unallocated_;
  QListWidget* allocated_;
  QPushButton* add_;
  QPushButton* del_;
  QPushButton* up_;
  QPushButton* down_;
  bool showing_ = false;  // the list widgets are being refilled
};

}  // namespace cps
