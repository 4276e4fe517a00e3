// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/dpmr_dialog.h"

#include "core/dpmr/contacts.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"

namespace cps::dpmr {

void StorePagesOnClose(const ClosingPages& pages) {
  if (!pages.groupsShown) {
    pages.storeContacts();
    pages.reloadGroups();
  }
  if (pages.storeBasic) pages.storeBasic();
  pages.storeKeys();
  pages.storeContacts();
  pages.storeOutbox();
  pages.storeInbox();
  pages.storeGroups();
}

void StoreListPagesOnClose(RadioImage& image) {
  // The pages as they loaded when the dialog opened (the Basic page shares
  // no byte with them).
  KeyList keys;
  keys.Load(image);
  ContactList contacts;
  contacts.Load(image);
  Outbox outbox;
  outbox.Load(image);
  Inbox inbox;
  inbox.Load(image);
  GroupListEditor groups;
  StorePagesOnClose({.storeBasic = nullptr,
                     .storeKeys = [&] { keys.Store(image); },
                     .storeContacts = [&] { contacts.Store(image); },
                     .storeOutbox = [&] { outbox.Store(image); },
                     .storeInbox = [&] { inbox.Store(image); },
                     .storeGroups = [&] { groups.Store(image); },
                     .reloadGroups = [&] { groups.Load(image, 1); },
                     .groupsShown = false});
}

}  // namespace cps::dpmr
