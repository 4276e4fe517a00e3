// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/group_rx_list_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/image/contact_repair.h"
#include "gui/dpmr/list_page_util.h"

namespace cps {

using dpmr_gui::Q;

CGroupRxListPage::CGroupRxListPage(RadioImage& image, QWidget* parent) : TabPage(parent), image_(image) {
  tree_ = new QTreeWidget(this);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(false);
  for (int k = 1; k <= kGroupLists; ++k) {
    auto* item = new QTreeWidgetItem(tree_, {Q(dpmr::GroupListTitle(k))});
    item->setData(0, Qt::UserRole, k);
  }
  tree_->setMaximumWidth(150);

  unallocated_ = new QListWidget(this);
  allocated_ = new QListWidget(this);
  for (QListWidget* list : {unallocated_, allocated_}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(false);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
      if (showing_) return;
      PullSelection();
      UpdateButtons();
    });
  }
  add_ = dpmr_gui::PageButton(tr("Add >>"), this);
  del_ = dpmr_gui::PageButton(tr("Del <<"), this);
  up_ = dpmr_gui::PageButton(tr("Up"), this);
  down_ = dpmr_gui::PageButton(tr("Down"), this);
  connect(add_, &QPushButton::clicked, this, [this] { Act([this] { editor_.Add(); }); });
  connect(del_, &QPushButton::clicked, this, [this] { Act([this] { editor_.Del(); }); });
  connect(up_, &QPushButton::clicked, this, [this] { Act([this] { editor_.Up(); }); });
  connect(down_, &QPushButton::clicked, this, [this] { Act([this] { editor_.Down(); }); });

  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {add_, del_, up_, down_}) buttons->addWidget(b);
  buttons->addStretch();
  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(tr("Unallocated:"), this), 0, 0);
  lists->addWidget(new QLabel(tr("Allocated:"), this), 0, 2);
  lists->addWidget(unallocated_, 1, 0);
  lists->addLayout(buttons, 1, 1);
  lists->addWidget(allocated_, 1, 2);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tree_);
  layout->addLayout(lists, 1);

  tree_->setCurrentItem(tree_->topLevelItem(0));
  connect(tree_, &QTreeWidget::currentItemChanged, this, &CGroupRxListPage::OnTreeChanged);
  LoadFromImage();
}

int CGroupRxListPage::SelectedList() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  return item ? item->data(0, Qt::UserRole).toInt() : 1;
}

void CGroupRxListPage::LoadFromImage() {
  editor_.Load(image_, SelectedList());
  ShowLists();
}

void CGroupRxListPage::SaveToImage() {
  PullSelection();
  editor_.Store(image_);
}

void CGroupRxListPage::OnTreeChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  // The list left is stored before the one selected is loaded.
  if (previous) SaveToImage();
  if (current) LoadFromImage();
}

void CGroupRxListPage::PullSelection() {
  auto pull = [](QListWidget* w, std::vector<dpmr::GroupEntry>& entries) {
    for (int i = 0; i < w->count() && i < static_cast<int>(entries.size()); ++i)
      entries[static_cast<std::size_t>(i)].selected = w->item(i)->isSelected();
  };
  pull(unallocated_, editor_.unallocated());
  pull(allocated_, editor_.allocated());
}

void CGroupRxListPage::ShowLists() {
  showing_ = true;
  auto show = [](QListWidget* w, const std::vector<dpmr::GroupEntry>& entries) {
    w->clear();
    int focus = -1;
    for (const dpmr::GroupEntry& e : entries) {
      auto* item = new QListWidgetItem(Q(e.name), w);
      item->setData(Qt::UserRole, e.slot);
      item->setSelected(e.selected);
      if (e.selected && focus < 0) focus = w->count() - 1;
    }
    // The first selected entry has the focus.
    if (focus >= 0) w->setCurrentRow(focus, QItemSelectionModel::NoUpdate);
  };
  show(unallocated_, editor_.unallocated());
  show(allocated_, editor_.allocated());
  showing_ = false;
  UpdateButtons();
}

void CGroupRxListPage::UpdateButtons() {
  add_->setEnabled(editor_.CanAdd());
  del_->setEnabled(editor_.CanDel());
  up_->setEnabled(editor_.CanUp());
  down_->setEnabled(editor_.CanDown());
}

template <typename F>
void CGroupRxListPage::Act(F action) {
  PullSelection();
  action();
  ShowLists();
}

}  // namespace cps
