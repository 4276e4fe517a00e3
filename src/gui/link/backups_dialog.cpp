#include "gui/link/backups_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cps {

BackupsDialog::BackupsDialog(std::string folder, QWidget* parent)
    : QDialog(parent), files_(ListDatedFiles(folder, ".dat")) {
  setWindowTitle("Backups");
  auto* where = new QLabel(files_.empty() ? QString("No backups yet in %1").arg(QString::fromStdString(folder))
                                          : QString("Every read from a radio is kept in %1")
                                                .arg(QString::fromStdString(folder)),
                           this);
  where->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table_ = new QTableWidget(static_cast<int>(files_.size()), 3, this);
  table_->setHorizontalHeaderLabels({"Time", "Port", "Size"});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(files_.size()); ++row) {
    const DatedFile& f = files_[static_cast<std::size_t>(row)];
    table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(f.time)));
    table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(f.port)));
    auto* size = new QTableWidgetItem(QString::number(f.size));
    size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, 2, size);
    table_->item(row, 0)->setToolTip(QString::fromStdString(f.path));
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  if (!files_.empty()) table_->selectRow(0);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton("Open", QDialogButtonBox::AcceptRole);
  open_->setDefault(true);
  open_->setEnabled(!files_.empty());
  buttons->addButton("Close", QDialogButtonBox::RejectRole);
  connect(open_, &QPushButton::clicked, this, &BackupsDialog::OnOpen);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OnOpen(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(520, 360);
}

void BackupsDialog::OnOpen() {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(files_.size())) return;
  chosen_ = files_[static_cast<std::size_t>(row)].path;
  accept();
}

}  // namespace cps
