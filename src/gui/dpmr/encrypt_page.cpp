// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/encrypt_page.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "gui/dpmr/list_page_util.h"
#include "gui/widgets/editable_grid.h"

namespace cps {

using dpmr_gui::Q;
using dpmr_gui::S;

namespace {
enum Column { kAlias = 1, kKey = 2 };
}

CEncryptPage::CEncryptPage(RadioImage& image, QWidget* parent) : TabPage(parent), image_(image) {
  encrypt_ = new QCheckBox(tr("Encrypt"), this);
  grid_ = new EditableGrid(this);
  grid_->setColumns(tr("No."), 50,
                    {GridColumn::Text(tr("Alias"), 100, 8, dpmr_gui::PrintableChars()),
                     // Lower-case letters typed are taken as upper-case.
                     GridColumn::Text(tr("Encrypt"), 120, 8, dpmr::kKeyDigits, true)});
  grid_->setEditCheck([this](int row, int column, const QString& text) -> std::optional<QString> {
    if (column == kAlias) {
      if (!keys_.EditAlias(row, S(text))) return std::nullopt;
      return Q(keys_.At(row).alias);
    }
    const auto shown = keys_.EditKey(row, S(text));
    if (!shown) return std::nullopt;
    return Q(*shown);
  });
  add_ = dpmr_gui::PageButton(tr("Add"), this);
  insert_ = dpmr_gui::PageButton(tr("Insert"), this);
  delete_ = dpmr_gui::PageButton(tr("Delete"), this);

  connect(encrypt_, &QCheckBox::clicked, this, [this](bool on) {
    keys_.SetEncrypt(on);
    grid_->setEditingEnabled(on);
    UpdateButtons();
  });
  dpmr_gui::WireRowButtons(grid_, add_, insert_, delete_,
                           {[this] { return keys_.Add(); }, [this](int row) { return keys_.Insert(row); },
                            [this](int row) { return keys_.Delete(row); }, [this] { return keys_.Count(); },
                            [this] { Rebuild(); }});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(encrypt_);
  layout->addWidget(grid_);
  layout->addLayout(dpmr_gui::ButtonRow({add_, insert_, delete_}));
  LoadFromImage();
}

void CEncryptPage::LoadFromImage() {
  keys_.Load(image_);
  encrypt_->setChecked(keys_.encrypt());
  // The grid takes edits only while "Encrypt" is checked, from the start.
  grid_->setEditingEnabled(keys_.encrypt());
  Rebuild();
}

void CEncryptPage::SaveToImage() {
  grid_->commitEdit();
  keys_.Store(image_);
}

void CEncryptPage::Rebuild() {
  grid_->clearRows();
  for (const dpmr::EncryptionKey& k : keys_.keys()) grid_->appendRow({Q(k.alias), Q(k.key)});
  UpdateButtons();
}

void CEncryptPage::UpdateButtons() {
  add_->setEnabled(keys_.CanAdd());
  insert_->setEnabled(keys_.CanAdd());
  delete_->setEnabled(keys_.CanDelete());
}

}  // namespace cps
