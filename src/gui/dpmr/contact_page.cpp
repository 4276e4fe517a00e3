// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/contact_page.h"

#include <QVBoxLayout>
#include <algorithm>

#include "gui/dpmr/list_page_util.h"
#include "gui/widgets/editable_grid.h"

namespace cps {

using dpmr_gui::Q;
using dpmr_gui::S;

namespace {
enum Column { kName = 1, kNumber = 2, kType = 3 };
}

CContactPage::CContactPage(RadioImage& image, QWidget* parent) : TabPage(parent), image_(image) {
  grid_ = new EditableGrid(this);
  grid_->setColumns(tr("No."), 50,
                    {GridColumn::Text(dpmr::kContactNameTitle, 80, 8, dpmr_gui::PrintableChars()),
                     GridColumn::Text(dpmr::kContactNumberTitle, 80, 7, dpmr::kContactNumberChars),
                     GridColumn::DropDown(dpmr::kContactTypeTitle, 100, {dpmr::kSingleCall, dpmr::kGroupCall})});
  grid_->setEditCheck([this](int row, int column, const QString& text) -> std::optional<QString> {
    std::optional<std::string> shown;
    if (column == kName) shown = contacts_.EditName(row, S(text));
    else if (column == kNumber) shown = contacts_.EditNumber(row, S(text));
    else if (column == kType) shown = contacts_.EditType(row, S(text));
    if (!shown) return std::nullopt;
    return Q(*shown);
  });
  add_ = dpmr_gui::PageButton(tr("Add"), this);
  insert_ = dpmr_gui::PageButton(tr("Insert"), this);
  delete_ = dpmr_gui::PageButton(tr("Delete"), this);
  connect(add_, &QPushButton::clicked, this, [this] {
    grid_->commitEdit();
    AddRow(contacts_.Add(image_));
  });
  connect(insert_, &QPushButton::clicked, this, [this] {
    grid_->commitEdit();
    AddRow(contacts_.Insert(image_, grid_->focusedRow()));
  });
  connect(delete_, &QPushButton::clicked, this, &CContactPage::OnDelete);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(dpmr_gui::ButtonRow({add_, insert_, delete_}));
  LoadFromImage();
}

void CContactPage::LoadFromImage() {
  contacts_.Load(image_);
  grid_->clearRows();
  for (const dpmr::Contact& c : contacts_.rows())
    grid_->appendRow({Q(c.name), Q(c.number), Q(dpmr::ContactList::TypeText(c.group))}, c.offset);
  UpdateButtons();
}

void CContactPage::SaveToImage() {
  grid_->commitEdit();
  contacts_.Store(image_);
}

void CContactPage::AddRow(std::optional<int> row) {
  if (row) {
    const dpmr::Contact& c = contacts_.At(*row);
    grid_->insertRow(*row, {Q(c.name), Q(c.number), Q(dpmr::ContactList::TypeText(c.group))}, c.offset);
    grid_->setFocusedRow(*row);  // the new contact shows and has the focus
  }
  UpdateButtons();
}

void CContactPage::OnDelete() {
  grid_->commitEdit();
  const int row = grid_->focusedRow();
  if (contacts_.Delete(image_, row)) {
    grid_->removeRow(row);
    grid_->setFocusedRow(std::min(row, contacts_.Count() - 1));
  }
  UpdateButtons();
}

void CContactPage::UpdateButtons() {
  add_->setEnabled(contacts_.CanAdd());
  insert_->setEnabled(contacts_.CanAdd());
  delete_->setEnabled(contacts_.CanDelete());
}

}  // namespace cps
