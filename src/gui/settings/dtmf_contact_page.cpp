// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/dtmf_contact_page.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "core/schema/rules.h"
#include "core/settings/dtmf_contact_page.h"
#include "gui/widgets/editable_grid.h"

namespace cps {

CDtmfContactPage::CDtmfContactPage(RadioImage& image, QWidget* parent)
    : TabPage(parent), image_(image), values_(FillPage(DtmfContactPageSchema(), image)) {
  grid_ = new EditableGrid(this);
  GridColumn code = GridColumn::Text(tr("Code"), 170, 16, QString::fromLatin1(kDtmfKeyChars.data(), kDtmfKeyChars.size()), true);
  code.alignment = Qt::AlignCenter;
  grid_->setColumns(tr("No."), 40, {code});
  grid_->verticalHeader()->setDefaultSectionSize(22);
  grid_->setMinimumWidth(240);
  // Enter or a press in the "Code" column opens the editor; Enter in it
  // moves one row down; there is no cancel, Escape keeps the text.
  grid_->setEnterMovesDown(true);
  grid_->setEscapeKeepsText(true);
  grid_->setEditOnPress(true);
  for (int r = 0; r < kDtmfContactCount; ++r) grid_->appendRow({QString()});
  // Exactly the 16 rows: no empty strip below the last one.
  grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() + 22 * kDtmfContactCount +
                        2 * grid_->frameWidth());
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addStretch(1);
  grid_->setFocusedRow(0, 1);
  LoadFromImage();
}

void CDtmfContactPage::LoadFromImage() {
  LoadPage(image_, values_);
  for (int r = 0; r < kDtmfContactCount; ++r)
    grid_->setText(r, 1, QString::fromStdString(values_.values[static_cast<std::size_t>(r)].text));
}

void CDtmfContactPage::SaveToImage() {
  grid_->commitEdit();
  for (int r = 0; r < kDtmfContactCount; ++r)
    values_.values[static_cast<std::size_t>(r)].text = grid_->text(r, 1).toStdString();
  SavePage(values_, image_);
}

}  // namespace cps
