// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/key_space.h"

#include <algorithm>

#include "core/base/c_text.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/factory/factory_pages.h"
#include "core/interop/key_spaces.h"
#include "core/dpmr/dpmr_dialog.h"
#include "core/settings/alarm_page.h"
#include "core/settings/dtmf_contact_page.h"
#include "core/settings/dtmf_decode_page.h"
#include "core/settings/dtmf_encode_page.h"
#include "core/settings/option_page.h"
#include "core/settings/scan_page.h"
#include "core/settings/side_key_page.h"
#include "core/settings/tone_light_page.h"

namespace cps {

namespace {

// The dialogs of the schema pages, in menu order: the Edit menu's dialogs
// and their tabs, the Basic tab of "dPMR param" (closing it stores the list
// pages too) and the factory adjustment dialog.
const std::vector<std::shared_ptr<const SchemaDialog>>& SchemaDialogs() {
  static const std::vector<std::shared_ptr<const SchemaDialog>> dialogs = [] {
    auto make = [](SchemaDialog d) { return std::make_shared<const SchemaDialog>(std::move(d)); };
    return std::vector<std::shared_ptr<const SchemaDialog>>{
        make({{&OptionPageSchema(), &SideKeyPageSchema(), &ToneLightPageSchema()}, nullptr, nullptr}),
        make({{&ScanPageSchema()}, &Document::BeforeScanInfo, nullptr}),
        make({{&AlarmPageSchema()}, nullptr, nullptr}),
        make({{&DtmfEncodePageSchema(), &DtmfDecodePageSchema(), &DtmfContactPageSchema()}, nullptr, nullptr}),
        make({{&DpmrBasicPageSchema()}, nullptr, dpmr::StoreListPagesOnClose}),
        make({FactoryPageSchemas(), nullptr, nullptr}),
    };
  }();
  return dialogs;
}

}  // namespace

const std::vector<std::shared_ptr<KeySpace>>& KeySpaces() {
  static const std::vector<std::shared_ptr<KeySpace>> spaces = [] {
    const auto& dialogs = SchemaDialogs();
    auto pages = [&](std::size_t from, std::size_t to, std::vector<std::shared_ptr<KeySpace>>& v) {
      for (std::size_t d = from; d <= to; ++d)
        for (const PageSchema* p : dialogs[d]->pages) v.push_back(MakeSchemaKeySpace(*p, dialogs[d]));
    };
    std::vector<std::shared_ptr<KeySpace>> v;
    v.push_back(MakeChannelKeySpace(false));
    v.push_back(MakeChannelKeySpace(true));
    pages(0, 4, v);  // the settings dialogs, then dPMR Basic
    v.push_back(MakeContactKeySpace());
    v.push_back(MakeGroupListKeySpace());
    v.push_back(MakeEncryptKeySpace());
    v.push_back(MakeOutboxKeySpace());
    v.push_back(MakeInboxKeySpace());
    pages(5, 5, v);  // factory
    return v;
  }();
  return spaces;
}

const SchemaDialog* DialogOfPage(const PageSchema& page) {
  for (const auto& d : SchemaDialogs())
    for (const PageSchema* p : d->pages)
      if (p == &page) return d.get();
  return nullptr;
}

RadioImage ImageAsPageOpens(const PageSchema& page, const Document& doc) {
  const SchemaDialog* dialog = DialogOfPage(page);
  if (!dialog || !dialog->beforeOpen) return doc.image();
  Document scratch = doc;
  (scratch.*(dialog->beforeOpen))();
  return scratch.image();
}

const KeySpace* SpaceOf(std::string_view key) {
  for (const auto& s : KeySpaces())
    if (s->Owns(key)) return s.get();
  return nullptr;
}

Result<std::string> GetKey(const RadioImage& image, std::string_view key) {
  const KeySpace* space = SpaceOf(key);
  if (!space) return Error{"unknown key '" + std::string(key) + "'"};
  return space->Get(image, key);
}

Status SetKeys(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) {
  // Consecutive keys of one space go to it together, in their order.
  std::size_t i = 0;
  while (i < assignments.size()) {
    const KeySpace* space = SpaceOf(assignments[i].first);
    if (!space) return Error{"unknown key '" + assignments[i].first + "'"};
    KeyValues run;
    while (i < assignments.size() && SpaceOf(assignments[i].first) == space) run.push_back(assignments[i++]);
    Status st = space->Set(image, run, notes);
    if (!st) return st;
  }
  return Status::Ok();
}

Status SetKeysOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes) {
  std::vector<std::pair<const KeySpace*, KeyValues>> groups;
  for (const auto& kv : assignments) {
    const KeySpace* space = SpaceOf(kv.first);
    if (!space) return Error{"unknown key '" + kv.first + "'"};
    auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == space; });
    if (it == groups.end()) it = groups.insert(groups.end(), {space, {}});
    it->second.push_back(kv);
  }
  for (const auto& [space, run] : groups) {
    Status st = space->SetOpen(doc, run, notes);
    if (!st) return st;
  }
  return Status::Ok();
}

std::string JoinItems(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (const auto& s : items) out += (out.empty() ? "" : std::string(separator)) + s;
  return out;
}

std::optional<bool> ParseOnOff(std::string_view text) {
  if (EqualsIgnoreCase(text, "on") || text == "1" || EqualsIgnoreCase(text, "true")) return true;
  if (EqualsIgnoreCase(text, "off") || text == "0" || EqualsIgnoreCase(text, "false")) return false;
  return std::nullopt;
}

int FindItem(const std::vector<std::string>& items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (EqualsIgnoreCase(items[i], text)) return static_cast<int>(i);
  return -1;
}

std::pair<int, std::string_view> SplitNumberedKey(std::string_view key, std::string_view prefix, int max) {
  if (!key.starts_with(prefix)) return {0, {}};
  const std::string_view rest = key.substr(prefix.size());
  const auto dot = rest.find('.');
  const std::string_view num = rest.substr(0, dot);
  if (num.empty() || num.size() > 2) return {0, {}};
  int n = 0;
  for (char c : num) {
    if (c < '0' || c > '9') return {0, {}};
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > max) return {0, {}};
  return {n, dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1)};
}

}  // namespace cps
