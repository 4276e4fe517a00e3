#include "core/dpmr/dpmr_dialog.h"

#include "core/dpmr/contacts.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"

namespace cps::dpmr {

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
  // The hidden group list page first takes in the Contact page's store.
  contacts.Store(image);
  groups.Load(image, 1);
  // Then every page in tab order.
  keys.Store(image);
  contacts.Store(image);
  outbox.Store(image);
  inbox.Store(image);
  groups.Store(image);
}

}  // namespace cps::dpmr
