// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "dPMR param" dialog: tabs "Basic", "Encrypt", "Contact", "Msg outbox",
// "Msg inbox" and "Group rx list". Leaving a tab stores its page, entering
// it loads the page again; closing the dialog stores every page as
// dpmr::StorePagesOnClose orders it. Enter and Esc do nothing: only the
// close box ends it, and it always keeps the edits.
#include "core/image/radio_image.h"
#include "gui/settings/tab_host_dialog.h"

namespace cps {

class SchemaPage;
class CEncryptPage;
class CContactPage;
class CMsgOutboxPage;
class CMsgInboxPage;
class CGroupRxListPage;

class CDpmrParamDlg : public TabHostDialog {
  Q_OBJECT
 public:
  explicit CDpmrParamDlg(RadioImage& image, QWidget* parent = nullptr);
  ~CDpmrParamDlg() override;

  SchemaPage* basicPage() const { return basic_; }
  CEncryptPage* encryptPage() const { return encrypt_; }
  CContactPage* contactPage() const { return contact_; }
  CMsgOutboxPage* outboxPage() const { return outbox_; }
  CMsgInboxPage* inboxPage() const { return inbox_; }
  CGroupRxListPage* groupPage() const { return group_; }

 protected:
  void StorePages() override;

 private:
  RadioImage& image_;
  SchemaPage* basic_;
  CEncryptPage* encrypt_;
  CContactPage* contact_;
  CMsgOutboxPage* outbox_;
  CMsgInboxPage* inbox_;
  CGroupRxListPage* group_;
};

}  // namespace cps
