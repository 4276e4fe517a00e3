// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/link/backups_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace cps {

namespace {
enum Column { kDate, kPort, kName, kId, kSize, kColumns };
}

BackupsDialog::BackupsDialog(std::string folder, std::string strayFolder, QWidget* parent)
    : QDialog(parent), backups_(ListBackups(folder, strayFolder)) {
  setWindowTitle(tr("Backups"));
  auto* where = new QLabel(backups_.empty() ? tr("No backups yet in %1").arg(QString::fromStdString(folder))
                                            : tr("Every read from a radio is kept in %1")
                                                  .arg(QString::fromStdString(folder)),
                           this);
  where->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table_ = new QTableWidget(static_cast<int>(backups_.size()), kColumns, this);
  table_->setHorizontalHeaderLabels({tr("Date"), tr("Port"), tr("Radio name"), tr("Radio id"), tr("Size")});
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < static_cast<int>(backups_.size()); ++row) {
    const Backup& b = backups_[static_cast<std::size_t>(row)];
    table_->setItem(row, kDate, new QTableWidgetItem(QString::fromStdString(b.file.time) + (b.stray ? " *" : "")));
    table_->setItem(row, kPort, new QTableWidgetItem(QString::fromStdString(b.file.port)));
    table_->setItem(row, kName, new QTableWidgetItem(b.readable ? QString::fromStdString(b.radio.name) : tr("(cannot be read)")));
    table_->setItem(row, kId, new QTableWidgetItem(QString::fromStdString(b.radio.id)));
    auto* size = new QTableWidgetItem(QString::number(b.file.size));
    size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, kSize, size);
    QString tip = QString::fromStdString(b.readable ? b.file.path : b.file.path + "\n" + b.problem);
    if (b.stray) tip += "\n" + tr("* kept beside the program: move it to %1").arg(QString::fromStdString(folder));
    for (int c = 0; c < kColumns; ++c) table_->item(row, c)->setToolTip(tip);
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  if (!backups_.empty()) table_->selectRow(0);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
  open_->setDefault(true);
  open_->setEnabled(!backups_.empty());
  write_ = buttons->addButton(tr("Write to radio..."), QDialogButtonBox::ActionRole);
  write_->setToolTip(tr("Put this backup back into the radio exactly as it was kept"));
  write_->setAutoDefault(false);
  write_->setEnabled(!backups_.empty());
  buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
  connect(open_, &QPushButton::clicked, this, &BackupsDialog::OnOpen);
  connect(write_, &QPushButton::clicked, this, [this] {
    const std::string path = Selected();
    if (!path.empty() && writeToRadio) writeToRadio(path);
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OnOpen(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(table_);
  const auto stray = std::count_if(backups_.begin(), backups_.end(), [](const Backup& b) { return b.stray; });
  if (stray > 0) {
    strayNote_ = new QLabel(tr("* %1 of these lie in %2, beside the program, which is no portable install (it has "
                               "no Program.ini): move them to %3 before that folder is deleted.")
                                .arg(stray)
                                .arg(QString::fromStdString(strayFolder), QString::fromStdString(folder)),
                            this);
    strayNote_->setWordWrap(true);
    strayNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(strayNote_);
  }
  layout->addWidget(buttons);
  resize(640, 360);
}

std::string BackupsDialog::Selected() const {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(backups_.size())) return {};
  return backups_[static_cast<std::size_t>(row)].file.path;
}

void BackupsDialog::OnOpen() {
  const std::string path = Selected();
  if (path.empty()) return;
  if (open && !open(path)) return;  // it said why; the list stays for another choice
  chosen_ = path;
  accept();
}

}  // namespace cps
