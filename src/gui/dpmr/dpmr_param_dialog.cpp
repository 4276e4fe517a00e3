// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dpmr/dpmr_param_dialog.h"

#include <QTabWidget>

#include "core/dpmr/dpmr_basic_page.h"
#include "core/dpmr/dpmr_dialog.h"
#include "gui/dpmr/contact_page.h"
#include "gui/dpmr/encrypt_page.h"
#include "gui/dpmr/group_rx_list_page.h"
#include "gui/dpmr/msg_pages.h"
#include "gui/settings/schema_page.h"

namespace cps {

CDpmrParamDlg::CDpmrParamDlg(RadioImage& image, QWidget* parent)
    : TabHostDialog(tr("dPMR param"), parent, /*swallowEnterEscape=*/true), image_(image) {
  basic_ = new SchemaPage(DpmrBasicPageSchema(), image_);
  encrypt_ = new CEncryptPage(image_);
  contact_ = new CContactPage(image_);
  outbox_ = new CMsgOutboxPage(image_);
  inbox_ = new CMsgInboxPage(image_);
  group_ = new CGroupRxListPage(image_);
  AddPage(tr("Basic"), basic_);
  AddPage(tr("Encrypt"), encrypt_);
  AddPage(tr("Contact"), contact_);
  AddPage(tr("Msg outbox"), outbox_);
  AddPage(tr("Msg inbox"), inbox_);
  AddPage(tr("Group rx list"), group_);
  // While hidden, the group list page follows the image, so that what it
  // stores at the end never brings back contacts the Contact page removed.
  connect(tabs(), &QTabWidget::currentChanged, this, [this](int index) {
    if (index >= 0 && index < pageCount() && page(index) != group_) group_->LoadFromImage();
  });
}

CDpmrParamDlg::~CDpmrParamDlg() {
  // Destroyed without being closed: the edits are kept all the same.
  if (pagesSaved()) return;
  LeaveFocusedField(this);
  SaveAllPages();
}

void CDpmrParamDlg::StorePages() {
  dpmr::StorePagesOnClose({.storeBasic = [this] { basic_->SaveToImage(); },
                           .storeKeys = [this] { encrypt_->SaveToImage(); },
                           .storeContacts = [this] { contact_->SaveToImage(); },
                           .storeOutbox = [this] { outbox_->SaveToImage(); },
                           .storeInbox = [this] { inbox_->StoreOnClose(); },
                           .storeGroups = [this] { group_->SaveToImage(); },
                           .reloadGroups = [this] { group_->LoadFromImage(); },
                           .groupsShown = tabs()->currentWidget() == group_});
}

}  // namespace cps
