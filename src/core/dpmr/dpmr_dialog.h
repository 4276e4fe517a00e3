// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What closing the "dPMR param" dialog stores, and in which order. The
// window's dialog closes through StorePagesOnClose with its own pages; the
// dPMR keys of dpmr-cli close it through StoreListPagesOnClose, so that a set
// there stores what the dialog would.
#include <functional>

#include "core/image/radio_image.h"

namespace cps::dpmr {

// The dialog's pages as closing sees them: each step stores one page into
// the image (or loads the group list page from it again).
struct ClosingPages {
  std::function<void()> storeBasic;     // empty where the Basic page is stored already
  std::function<void()> storeKeys;
  std::function<void()> storeContacts;
  std::function<void()> storeOutbox;
  std::function<void()> storeInbox;     // rewrites the index, every message "Read"
  std::function<void()> storeGroups;
  std::function<void()> reloadGroups;
  bool groupsShown = false;             // the "Group rx list" tab is the current one
};

// A hidden group list page first takes in the Contact page's store, so that
// what it stores never brings back contacts the Contact page removed; then
// every page stores in tab order (Basic, Encrypt, Contact, Msg outbox, Msg
// inbox, Group rx list).
void StorePagesOnClose(const ClosingPages& pages);

// Closing the dialog opened on the Basic tab with only that tab edited (and
// stored already): each list page stores the list it loaded when the dialog
// opened (encryption keys, contacts, the outbox, the inbox with every
// message marked read, the first group receive list).
void StoreListPagesOnClose(RadioImage& image);

}  // namespace cps::dpmr
