// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The makers of the key spaces KeySpaces() lists, one per editor family.
#include <functional>
#include <memory>
#include <vector>

#include "core/interop/key_space.h"
#include "core/schema/schema.h"

namespace cps {

// The main channels (with "band") or the PMR channels: the table's eight
// columns and every control of the channel dialog.
std::shared_ptr<KeySpace> MakeChannelKeySpace(bool pmr);
// One dialog of schema pages: its tabs, the document's moment before it
// opens, and what it stores on closing besides its tabs.
struct SchemaDialog {
  std::vector<const PageSchema*> pages;        // its tabs, in order
  void (Document::*beforeOpen)() = nullptr;    // e.g. &Document::BeforeScanInfo
  std::function<void(RadioImage&)> closing;    // stores after the tabs, on closing
};
// A page of a schema dialog: keys "<page>.<field>". Set on an image loads
// the page, sets the fields as the user would and saves the page; set on a
// document opens the whole dialog (moment, every tab loads) and closes it
// (every tab stored in order, then the closing steps).
std::shared_ptr<KeySpace> MakeSchemaKeySpace(const PageSchema& page, std::shared_ptr<const SchemaDialog> dialog);
// The dialog a page belongs to, or nullptr.
const SchemaDialog* DialogOfPage(const PageSchema& page);
// The dPMR lists.
std::shared_ptr<KeySpace> MakeContactKeySpace();
std::shared_ptr<KeySpace> MakeGroupListKeySpace();
std::shared_ptr<KeySpace> MakeEncryptKeySpace();
std::shared_ptr<KeySpace> MakeOutboxKeySpace();
std::shared_ptr<KeySpace> MakeInboxKeySpace();

}  // namespace cps
