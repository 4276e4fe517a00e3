// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/msg_pages.h"

#include <QVBoxLayout>

#include "gui/dpmr/list_page_util.h"
#include "gui/widgets/editable_grid.h"

namespace cps {

using dpmr_gui::Q;
using dpmr_gui::S;

// ---- outbox -------------------------------------------------------------------

CMsgOutboxPage::CMsgOutboxPage(RadioImage& image, QWidget* parent) : TabPage(parent), image_(image) {
  grid_ = new EditableGrid(this);
  grid_->setColumns(tr("No."), 50,
                    {GridColumn::Text(tr("Content"), 420, static_cast<int>(dpmr::kMessageTextLength), dpmr_gui::PrintableChars())});
  grid_->setEditCheck([this](int row, int, const QString& text) -> std::optional<QString> {
    if (!outbox_.Edit(row, S(text))) return std::nullopt;
    return Q(outbox_.Text(row));
  });
  add_ = dpmr_gui::PageButton(tr("增加"), this);
  insert_ = dpmr_gui::PageButton(tr("插入"), this);
  delete_ = dpmr_gui::PageButton(tr("删除"), this);
  dpmr_gui::WireRowButtons(grid_, add_, insert_, delete_,
                           {[this] { return outbox_.Add(); }, [this](int row) { return outbox_.Insert(row); },
                            [this](int row) { return outbox_.Delete(row); }, [this] { return outbox_.Count(); },
                            [this] { Rebuild(); }});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(dpmr_gui::ButtonRow({add_, insert_, delete_}));
  LoadFromImage();
}

void CMsgOutboxPage::LoadFromImage() {
  outbox_.Load(image_);
  Rebuild();
}

void CMsgOutboxPage::SaveToImage() {
  grid_->commitEdit();
  outbox_.Store(image_);
}

void CMsgOutboxPage::Rebuild() {
  grid_->clearRows();
  for (const dpmr::OutboxMessage& m : outbox_.messages()) grid_->appendRow({Q(m.text)});
  add_->setEnabled(outbox_.CanAdd());
  insert_->setEnabled(outbox_.CanAdd());
  delete_->setEnabled(outbox_.CanDelete());
}

// ---- inbox --------------------------------------------------------------------

CMsgInboxPage::CMsgInboxPage(RadioImage& image, QWidget* parent) : TabPage(parent), image_(image) {
  grid_ = new EditableGrid(this);
  grid_->setColumns(tr("No."), 40,
                    {GridColumn::Text(tr("Name"), 80), GridColumn::Text(tr("Num"), 80), GridColumn::Text(tr("Length"), 60),
                     GridColumn::Text(tr("State"), 70), GridColumn::Text(tr("Content"), 300)});
  grid_->setEditingEnabled(false);
  clearCurrent_ = dpmr_gui::PageButton(tr("Clear current"), this);
  clearAll_ = dpmr_gui::PageButton(tr("Clear all"), this);
  connect(clearCurrent_, &QPushButton::clicked, this, [this] {
    const int row = grid_->focusedRow();
    if (inbox_.ClearCurrent(image_, row)) {
      Rebuild();
      grid_->setFocusedRow(std::min(row, inbox_.Count() - 1));
    }
  });
  connect(clearAll_, &QPushButton::clicked, this, [this] {
    inbox_.ClearAll(image_);
    Rebuild();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(dpmr_gui::ButtonRow({clearCurrent_, clearAll_}));
  inbox_.Load(image_);
  Rebuild();
}

void CMsgInboxPage::Rebuild() {
  grid_->clearRows();
  for (const dpmr::InboxMessage& m : inbox_.messages())
    grid_->appendRow({Q(m.name), Q(m.number), Q(m.length), m.unread ? tr("Unread") : tr("Read"), Q(m.content)}, m.offset);
}

}  // namespace cps
