// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/notes_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace cps {

QString CappedLines(const QStringList& lines, int shown) {
  if (lines.size() <= shown) return lines.join('\n');
  QStringList head = lines.mid(0, shown);
  head << NotesDialog::tr("… and %1 more").arg(lines.size() - shown);
  return head.join('\n');
}

NotesDialog::NotesDialog(QWidget* parent, const QString& title, const QString& summary,
                         const std::vector<std::string>& notes)
    : QDialog(parent) {
  setWindowTitle(title);
  for (const std::string& n : notes) notes_ << QString::fromStdString(n);

  auto* layout = new QVBoxLayout(this);
  auto* head = new QLabel(summary, this);
  head->setWordWrap(true);
  layout->addWidget(head);

  shortList_ = new QLabel(shortText(), this);
  shortList_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  shortList_->setWordWrap(true);
  layout->addWidget(shortList_);

  details_ = new QPlainTextEdit(fullText(), this);
  details_->setReadOnly(true);
  details_->setLineWrapMode(QPlainTextEdit::NoWrap);
  details_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  details_->setVisible(false);
  layout->addWidget(details_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  // the button box shows every button it holds: a short list gets no details button at all
  if (notes_.size() > kShownNotes) {
    detailsButton_ = buttons->addButton(tr("Show details"), QDialogButtonBox::ActionRole);
    detailsButton_->setCheckable(true);
    connect(detailsButton_, &QPushButton::toggled, this, &NotesDialog::showDetails);
  }
  auto* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
  connect(copy, &QPushButton::clicked, this, &NotesDialog::copyToClipboard);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);

  // never taller or wider than the screen it opens on
  if (QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    setMaximumSize(avail.size());
  }
}

QString NotesDialog::shortText() const { return CappedLines(notes_, kShownNotes); }

QString NotesDialog::fullText() const { return notes_.join('\n'); }

bool NotesDialog::detailsShown() const { return details_->isVisibleTo(this); }

void NotesDialog::showDetails(bool on) {
  shortList_->setVisible(!on);
  details_->setVisible(on);
  if (detailsButton_) detailsButton_->setText(on ? tr("Hide details") : tr("Show details"));
  adjustSize();
}

void NotesDialog::copyToClipboard() { QApplication::clipboard()->setText(fullText()); }

void ShowNotes(QWidget* parent, const QString& title, const QString& summary, const std::vector<std::string>& notes) {
  if (notes.empty()) return;
  NotesDialog dialog(parent, title, summary, notes);
  dialog.exec();
}

}  // namespace cps
