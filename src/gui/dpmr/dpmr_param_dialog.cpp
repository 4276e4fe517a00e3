#include "gui/dpmr/dpmr_param_dialog.h"

#include <QTabWidget>

#include "core/dpmr/dpmr_basic_page.h"
#include "gui/dpmr/contact_page.h"
#include "gui/dpmr/encrypt_page.h"
#include "gui/dpmr/group_rx_list_page.h"
#include "gui/dpmr/msg_pages.h"
#include "gui/settings/schema_page.h"

namespace cps {

CDpmrParamDlg::CDpmrParamDlg(RadioImage& image, QWidget* parent)
    : TabHostDialog("dPMR param", parent, /*swallowEnterEscape=*/true), image_(image) {
  basic_ = new SchemaPage(DpmrBasicPageSchema(), image_);
  encrypt_ = new CEncryptPage(image_);
  contact_ = new CContactPage(image_);
  outbox_ = new CMsgOutboxPage(image_);
  inbox_ = new CMsgInboxPage(image_);
  group_ = new CGroupRxListPage(image_);
  AddPage("Basic", basic_);
  AddPage("Encrypt", encrypt_);
  AddPage("Contact", contact_);
  AddPage("Msg outbox", outbox_);
  AddPage("Msg inbox", inbox_);
  AddPage("Group rx list", group_);
  // While hidden, the group list page follows the image, so that what it
  // stores at the end never brings back contacts the Contact page removed.
  connect(tabs(), &QTabWidget::currentChanged, this, [this](int index) {
    if (index >= 0 && index < pageCount() && page(index) != group_) group_->LoadFromImage();
  });
}

CDpmrParamDlg::~CDpmrParamDlg() {
  // Destroyed without being closed: the edits are kept all the same.
  StoreAll();
}

void CDpmrParamDlg::done(int result) {
  StoreAll();
  TabHostDialog::done(result);
}

void CDpmrParamDlg::StoreAll() {
  if (stored_) return;
  stored_ = true;
  LeaveFocusedField(this);
  // A hidden group list page first takes in the Contact page's last edits.
  if (tabs()->currentWidget() != group_) {
    contact_->SaveToImage();
    group_->LoadFromImage();
  }
  // Basic, Encrypt, Contact, Msg outbox, Msg inbox, Group rx list. The inbox
  // is stored only here, never at a tab change.
  inbox_->Closing();
  SaveAllPages();
}

}  // namespace cps
