// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/password_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cps {

namespace {
constexpr const char* kAccessCode = "5826TR";
}

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Password"));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("Pwd")));
  edit_ = new QLineEdit;
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setMaxLength(14);
  row->addWidget(edit_);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPasswordDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPasswordDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

bool CPasswordDlg::IsAccessCode(const QString& text) {
  return text.compare(QLatin1String(kAccessCode), Qt::CaseInsensitive) == 0;
}

void CPasswordDlg::accept() {
  if (IsAccessCode(edit_->text()))
    QDialog::accept();
  else
    QDialog::reject();
}

}  // namespace cps
