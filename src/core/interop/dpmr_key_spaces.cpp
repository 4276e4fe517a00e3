// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the dPMR lists, each entry by its number in the list:
//   contact.count, contact.N.name|number|type
//   grouplist.K.members                 (contact names, ", " between)
//   encrypt.enabled, encrypt.count, encrypt.N.alias|key
//   outbox.N                            (the message text)
//   inbox.count, inbox.N.name|number|length|state|content  (shown only)
// Every change goes through the list page's model: loaded as the page
// opens, edited, added to or deleted from as its buttons do, and stored as
// the page is left (with the repairs and renumbering its store does).
#include <algorithm>

#include "core/base/c_text.h"
#include "core/dpmr/contacts.h"
#include "core/dpmr/dpmr_dialog.h"
#include "core/dpmr/dpmr_layout.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_lists.h"
#include "core/dpmr/messages.h"
#include "core/interop/key_spaces.h"

namespace cps {
namespace {

std::vector<std::size_t> Range(std::vector<std::pair<std::size_t, std::size_t>> ranges) {
  std::vector<std::size_t> out;
  for (auto [from, to] : ranges)
    for (std::size_t a = from; a <= to; ++a) out.push_back(a);
  return out;
}

// A count as a list's "count" key takes it.
Result<int> ParseCount(const std::string& key, const std::string& value, int max) {
  const std::string v = Trim(value);
  if (v.empty() || v.size() > 3 || v.find_first_not_of("0123456789") != std::string::npos ||
      ParseInt(v) > max)
    return Error{key + ": '" + value + "' is not a number 0.." + std::to_string(max)};
  return static_cast<int>(ParseInt(v));
}

// Common parts of the list spaces: "<name>.count" and "<name>.N.<field>".
class ListKeySpace : public KeySpace {
 public:
  ListKeySpace(std::string name, int max, std::vector<std::string> fields, bool count)
      : name_(std::move(name)), prefix_(name_ + "."), max_(max), fields_(std::move(fields)), count_(count) {}

  std::string Name() const override { return name_; }

  // Every "<name>." key, so that a wrong one is told what would be right.
  bool Owns(std::string_view key) const override { return key.starts_with(prefix_); }

  // Through the "dPMR param" dialog: the page edited, then every page
  // stored as the dialog closes.
  Status SetOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    Status st = Set(doc.image(), assignments, notes);
    if (st) dpmr::StoreListPagesOnClose(doc.image());
    return st;
  }

  Status Set(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    for (const auto& [key, value] : assignments) {
      if (!Known(key)) return Error{Unknown(key)};
      Status st = count_ && key == prefix_ + "count" ? SetCount(image, key, value) : SetOne(image, key, value);
      if (!st) return st;
    }
    NoteStoredOtherwise(image, assignments, notes);
    return Status::Ok();
  }

 protected:
  // "KEY=VALUE is stored as SHOWN" for every value the list's rules cut or
  // changed (a long name, a non-ASCII letter, a key filled up with F). A
  // choice matched ignoring case and spaces around it is not a change.
  void NoteStoredOtherwise(const RadioImage& image, const KeyValues& assignments,
                           std::vector<std::string>* notes) const {
    if (!notes) return;
    for (const auto& [key, value] : assignments) {
      auto shown = Get(image, key);
      if (!shown || *shown == value) continue;
      if (MatchesLoosely(key) && EqualsIgnoreCase(Trim(value), *shown)) continue;
      notes->push_back(key + "=" + value + " is stored as " + (shown->empty() ? "\"\"" : *shown));
    }
  }
  // Keys whose value is picked from a few items or a number read as such.
  virtual bool MatchesLoosely(std::string_view key) const { return count_ && key == prefix_ + "count"; }

 protected:
  virtual bool OwnsExtra(std::string_view /*key*/) const { return false; }
  bool Known(std::string_view key) const {
    if (count_ && key == prefix_ + "count") return true;
    if (OwnsExtra(key)) return true;
    const auto [n, field] = SplitNumberedKey(key, prefix_, max_);
    return n > 0 && std::find(fields_.begin(), fields_.end(), field) != fields_.end();
  }
  virtual Status SetCount(RadioImage& /*image*/, const std::string& key, const std::string& /*value*/) const {
    return Error{"unknown key '" + key + "'"};
  }
  virtual Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const = 0;

  std::string Unknown(std::string_view key) const {
    std::string fields;
    for (const auto& f : fields_) fields += (fields.empty() ? "" : ", ") + f;
    return "unknown key '" + std::string(key) + "' (" + prefix_ + "N" + (fields.empty() ? "" : ".FIELD") +
           " with N 1.." + std::to_string(max_) + (fields.empty() ? "" : " and FIELD one of " + fields) +
           (count_ ? "; or " + prefix_ + "count" : "") + ")";
  }
  std::pair<int, std::string_view> Split(std::string_view key) const { return SplitNumberedKey(key, prefix_, max_); }
  std::string EntryKey(int n, std::string_view field) const {
    return prefix_ + std::to_string(n) + (field.empty() ? "" : "." + std::string(field));
  }
  Status Missing(const std::string& key, int n, int count) const {
    return Error{key + ": entry " + std::to_string(n) + " does not exist (" + name_ + " has " + std::to_string(count) +
                 (count_ ? "; set " + prefix_ + "count first)" : ")")};
  }

  std::string name_;
  std::string prefix_;
  int max_;
  std::vector<std::string> fields_;
  bool count_;
};

// ---- contacts ------------------------------------------------------------

class ContactKeySpace : public ListKeySpace {
 public:
  ContactKeySpace() : ListKeySpace("contact", kContactSlots, {"name", "number", "type"}, true) {}

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys{{"contact.count", "Contact (number of rows)", "1..64; Add or Delete at the end"}};
    for (int n = 1; n <= max_; ++n) {
      keys.push_back({EntryKey(n, "name"), "Name", "up to 8 printable characters, not used by another contact"});
      keys.push_back({EntryKey(n, "number"), "Number", "up to 7 of \"0123456789*\", not used by another contact"});
      keys.push_back({EntryKey(n, "type"), "Type", std::string(dpmr::kSingleCall) + ", " + dpmr::kGroupCall});
    }
    return keys;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    dpmr::ContactList list;
    list.Load(image);
    if (key == "contact.count") return std::to_string(list.Count());
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    if (n > list.Count()) return std::string();
    return Field(list.At(n - 1), field);
  }

  KeyValues Export(const RadioImage& image) const override {
    dpmr::ContactList list;
    list.Load(image);
    KeyValues out{{"contact.count", std::to_string(list.Count())}};
    for (int n = 1; n <= list.Count(); ++n)
      for (const auto& f : fields_) out.emplace_back(EntryKey(n, f), Field(list.At(n - 1), f));
    return out;
  }

  // Names and numbers are checked on the result: contacts may swap them.
  Status Set(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    RadioImage edited = image;
    Status st = FreeGivenNamesAndNumbers(edited, assignments);
    if (st) st = ListKeySpace::Set(edited, assignments, nullptr);
    if (!st) return st;
    image = edited;
    NoteStoredOtherwise(image, assignments, notes);
    return Status::Ok();
  }

  std::vector<std::size_t> Addresses() const override {
    return Range({{kContactIndexAddr, kContactIndexAddr + 2 * kContactSlots - 1},
                  {kContactRecordsAddr, kContactRecordsAddr + kContactRecordSize * kContactSlots - 1}});
  }

 protected:
  Status SetCount(RadioImage& image, const std::string& key, const std::string& value) const override {
    auto count = ParseCount(key, value, kContactSlots);
    if (!count) return Error{count.error()};
    if (*count < 1) return Error{key + ": the list keeps at least one contact"};
    dpmr::ContactList list;
    list.Load(image);
    while (list.Count() < *count)
      if (!list.Add(image)) return Error{key + ": no free contact slot"};
    while (list.Count() > *count) list.Delete(image, list.Count() - 1);
    list.Store(image);
    return Status::Ok();
  }

  Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const override {
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    dpmr::ContactList list;
    list.Load(image);
    if (n > list.Count()) return Missing(key, n, list.Count());
    if (Field(list.At(n - 1), field) == value) return Status::Ok();
    std::optional<std::string> shown;
    if (field == "name") shown = list.EditName(n - 1, value);
    else if (field == "number") shown = list.EditNumber(n - 1, Trim(value));
    else shown = list.EditType(n - 1, FindType(Trim(value)));
    if (!shown) {
      if (field == "type") return Error{key + ": '" + value + "' is not one of " + dpmr::kSingleCall + ", " + dpmr::kGroupCall};
      return Error{key + ": '" + value + "' is refused (empty, not allowed here, or another contact has it)"};
    }
    list.Store(image);
    return Status::Ok();
  }

  bool MatchesLoosely(std::string_view key) const override {
    return ListKeySpace::MatchesLoosely(key) || key.ends_with(".type") || key.ends_with(".number");
  }

 private:
  // Several names or numbers given at once may trade places (1 takes 2's
  // name and 2 takes 1's): the contacts that get a new name or number first
  // get a stand-in no contact uses, so that only a clash with the result
  // is refused. The stand-ins are all replaced by the given values.
  Status FreeGivenNamesAndNumbers(RadioImage& image, const KeyValues& assignments) const {
    for (const auto& [key, value] : assignments)
      if (key == "contact.count") {
        Status st = SetCount(image, key, value);
        if (!st) return st;
      }
    dpmr::ContactList list;
    list.Load(image);
    std::vector<std::pair<int, std::string>> renamed;  // row, field
    for (const auto& [key, value] : assignments) {
      const auto [n, field] = Split(key);
      if (n == 0 || n > list.Count() || (field != "name" && field != "number")) continue;
      if (Field(list.At(n - 1), field) == value) continue;
      renamed.emplace_back(n - 1, std::string(field));
    }
    if (renamed.size() < 2) return Status::Ok();
    auto used = [&](std::string_view field, const std::string& text) {
      for (const auto& c : list.rows())
        if (Field(c, field) == text) return true;
      for (const auto& [key, value] : assignments)
        if (key.ends_with(field) && Trim(value) == text) return true;
      return false;
    };
    int next = 0;
    for (const auto& [row, field] : renamed) {
      std::string standIn;
      do {
        standIn = (field == "name" ? "~" : "*") + std::to_string(next++);
      } while (used(field, standIn) && next < 100000);
      if (!(field == "name" ? list.EditName(row, standIn) : list.EditNumber(row, standIn))) break;
    }
    list.Store(image);
    return Status::Ok();
  }

  static std::string Field(const dpmr::Contact& c, std::string_view field) {
    if (field == "name") return c.name;
    if (field == "number") return c.number;
    return dpmr::ContactList::TypeText(c.group);
  }
  static std::string FindType(const std::string& v) {
    const std::vector<std::string> items{dpmr::kSingleCall, dpmr::kGroupCall};
    const int i = FindItem(items, v);
    return i < 0 ? v : items[static_cast<std::size_t>(i)];
  }
};

// ---- group receive lists ------------------------------------------------

class GroupListKeySpace : public ListKeySpace {
 public:
  GroupListKeySpace() : ListKeySpace("grouplist", kGroupLists, {"members"}, false) {}

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys;
    for (int k = 1; k <= max_; ++k)
      keys.push_back({EntryKey(k, "members"), dpmr::GroupListTitle(k),
                      "up to 8 group contact names, separated by \", \"; empty for none"});
    return keys;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    const auto [k, field] = Split(key);
    if (k == 0 || !Known(key)) return Error{Unknown(key)};
    return Members(image, k);
  }

  KeyValues Export(const RadioImage& image) const override {
    KeyValues out;
    for (int k = 1; k <= max_; ++k)
      if (std::string m = Members(image, k); !m.empty()) out.emplace_back(EntryKey(k, "members"), m);
    return out;
  }

  // Members are picked from the contacts: after them, before the channels.
  int ImportStage(std::string_view /*key*/) const override { return 2; }

  std::vector<std::size_t> Addresses() const override {
    return Range({{kGroupListsAddr, kGroupListsAddr + kGroupListSize * kGroupLists - 1}});
  }

 protected:
  Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const override {
    const auto [k, field] = Split(key);
    if (k == 0 || !Known(key)) return Error{Unknown(key)};
    if (Members(image, k) == value) return Status::Ok();
    dpmr::GroupListEditor editor;
    editor.Load(image, k);
    // "Del <<" on every member, then "Add >>" on each name in turn.
    for (auto& e : editor.allocated()) e.selected = true;
    editor.Del();
    std::string_view rest = Trim(value) == "" ? std::string_view() : std::string_view(value);
    auto& pool = editor.unallocated();
    // The longest group contact name the text goes on with.
    auto longest = [&pool](std::string_view text) {
      int best = -1;
      for (std::size_t i = 0; i < pool.size(); ++i) {
        const std::string& name = pool[i].name;
        if (name.empty() || !text.starts_with(name)) continue;
        const std::string_view after = text.substr(name.size());
        if (!after.empty() && !after.starts_with(",")) continue;
        if (best < 0 || name.size() > pool[static_cast<std::size_t>(best)].name.size()) best = static_cast<int>(i);
      }
      return best;
    };
    bool first = true;
    while (!rest.empty()) {
      // Names are written with ", " between them, and a name may begin with
      // a space or a comma: the text right after one separator is tried
      // first, then the text after every space and comma.
      if (!first) rest.remove_prefix(rest.starts_with(", ") ? 2 : 1);
      first = false;
      int best = longest(rest);
      if (best < 0) {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == ',')) rest.remove_prefix(1);
        if (rest.empty()) break;
        best = longest(rest);
      }
      if (best < 0) {
        std::string names;
        for (const auto& e : pool) names += (names.empty() ? "" : ", ") + e.name;
        const std::string_view word = rest.substr(0, rest.find(','));
        return Error{key + ": '" + std::string(word) + "' is not a group contact left to add (" +
                     (names.empty() ? "none left" : names) + ")"};
      }
      if (editor.allocated().size() >= kGroupListSize)
        return Error{key + ": a list holds at most " + std::to_string(kGroupListSize) + " members"};
      for (auto& e : pool) e.selected = false;
      for (auto& e : editor.allocated()) e.selected = false;
      const std::size_t length = pool[static_cast<std::size_t>(best)].name.size();
      pool[static_cast<std::size_t>(best)].selected = true;
      editor.Add();
      rest.remove_prefix(length);
    }
    editor.Store(image);
    return Status::Ok();
  }

 private:
  static std::string Members(const RadioImage& image, int k) {
    dpmr::GroupListEditor editor;
    editor.Load(image, k);
    std::vector<std::string> names;
    for (const auto& e : editor.allocated()) names.push_back(e.name);
    return JoinItems(names);
  }
};

// ---- encryption keys ----------------------------------------------------

constexpr const char* kEncryptEnabled = "encrypt.enabled";

class EncryptKeySpace : public ListKeySpace {
 public:
  EncryptKeySpace() : ListKeySpace("encrypt", dpmr::kMaxKeys, {"alias", "key"}, true) {}

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys{{kEncryptEnabled, "Encrypt", "on, off"},
                              {"encrypt.count", "Encrypt (number of keys)", "0..16; Add or Delete at the end"}};
    for (int n = 1; n <= max_; ++n) {
      keys.push_back({EntryKey(n, "alias"), "Alias", "up to 8 characters"});
      keys.push_back({EntryKey(n, "key"), "Encrypt", "1 to 8 hexadecimal digits, filled up with F"});
    }
    return keys;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    dpmr::KeyList list;
    list.Load(image);
    if (key == kEncryptEnabled) return std::string(OnOff(list.encrypt()));
    if (key == "encrypt.count") return std::to_string(list.Count());
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    if (n > list.Count()) return std::string();
    return field == "alias" ? list.At(n - 1).alias : list.At(n - 1).key;
  }

  KeyValues Export(const RadioImage& image) const override {
    dpmr::KeyList list;
    list.Load(image);
    KeyValues out{{kEncryptEnabled, OnOff(list.encrypt())}, {"encrypt.count", std::to_string(list.Count())}};
    for (int n = 1; n <= list.Count(); ++n) {
      out.emplace_back(EntryKey(n, "alias"), list.At(n - 1).alias);
      out.emplace_back(EntryKey(n, "key"), list.At(n - 1).key);
    }
    return out;
  }

  std::vector<std::size_t> Addresses() const override {
    return Range({{dpmr::kEncryptOn, dpmr::kKeyCount},
                  {dpmr::kKeyRecords, dpmr::kKeyRecords + dpmr::kKeyRecordSize * dpmr::kMaxKeys - 1}});
  }

 protected:
  bool OwnsExtra(std::string_view key) const override { return key == kEncryptEnabled; }
  bool MatchesLoosely(std::string_view key) const override {
    return ListKeySpace::MatchesLoosely(key) || key == kEncryptEnabled;
  }

  Status SetCount(RadioImage& image, const std::string& key, const std::string& value) const override {
    auto count = ParseCount(key, value, dpmr::kMaxKeys);
    if (!count) return Error{count.error()};
    dpmr::KeyList list;
    list.Load(image);
    while (list.Count() < *count) list.Add();
    while (list.Count() > *count) list.Delete(list.Count() - 1);
    list.Store(image);
    return Status::Ok();
  }

  Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const override {
    dpmr::KeyList list;
    list.Load(image);
    if (key == kEncryptEnabled) {
      const auto on = ParseOnOff(Trim(value));
      if (!on) return Error{key + ": '" + value + "' is not on or off"};
      list.SetEncrypt(*on);
      list.Store(image);
      return Status::Ok();
    }
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    if (n > list.Count()) return Missing(key, n, list.Count());
    if (field == "alias") {
      list.EditAlias(n - 1, value);
    } else if (!list.EditKey(n - 1, Trim(value))) {
      return Error{key + ": '" + value + "' is not 1 to 8 hexadecimal digits"};
    }
    list.Store(image);
    return Status::Ok();
  }
};

// ---- messages -------------------------------------------------------------

class OutboxKeySpace : public ListKeySpace {
 public:
  OutboxKeySpace() : ListKeySpace("outbox", dpmr::kOutboxCount, {""}, false) {}

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys;
    for (int n = 1; n <= max_; ++n)
      keys.push_back({EntryKey(n, ""), "Content", "up to 127 printable characters"});
    return keys;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    dpmr::Outbox box;
    box.Load(image);
    return n <= box.Count() ? box.Text(n - 1) : std::string();
  }

  KeyValues Export(const RadioImage& image) const override {
    dpmr::Outbox box;
    box.Load(image);
    KeyValues out;
    for (int n = 1; n <= box.Count(); ++n)
      if (!box.Text(n - 1).empty()) out.emplace_back(EntryKey(n, ""), box.Text(n - 1));
    return out;
  }

  std::vector<std::size_t> Addresses() const override {
    return Range({{dpmr::kOutboxIndex, dpmr::kOutboxRecords + dpmr::kOutboxRecordSize * dpmr::kOutboxCount - 1}});
  }

 protected:
  Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const override {
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    dpmr::Outbox box;
    box.Load(image);
    if (n > box.Count()) return Missing(key, n, box.Count());
    if (value.size() > dpmr::kMessageTextLength)
      return Error{key + ": at most " + std::to_string(dpmr::kMessageTextLength) + " characters"};
    box.Edit(n - 1, value);
    box.Store(image);
    return Status::Ok();
  }
};

class InboxKeySpace : public ListKeySpace {
 public:
  InboxKeySpace() : ListKeySpace("inbox", dpmr::kInboxCount, {"name", "number", "length", "state", "content"}, true) {}

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys{{"inbox.count", "Msg inbox (number of messages)",
                               "a smaller number clears the messages after it (Clear current); 0 is Clear all"}};
    const char* captions[] = {"Name", "Num", "Length", "State", "Content"};
    for (int n = 1; n <= max_; ++n)
      for (std::size_t f = 0; f < fields_.size(); ++f)
        keys.push_back({EntryKey(n, fields_[f]), captions[f], "shown only: what the radio received"});
    return keys;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    dpmr::Inbox box;
    box.Load(image);
    if (key == "inbox.count") return std::to_string(box.Count());
    const auto [n, field] = Split(key);
    if (n == 0 || !Known(key)) return Error{Unknown(key)};
    return n <= box.Count() ? Field(box.At(n - 1), field) : std::string();
  }

  KeyValues Export(const RadioImage& image) const override {
    dpmr::Inbox box;
    box.Load(image);
    KeyValues out{{"inbox.count", std::to_string(box.Count())}};
    for (int n = 1; n <= box.Count(); ++n)
      for (const auto& f : fields_) out.emplace_back(EntryKey(n, f), Field(box.At(n - 1), f));
    return out;
  }

  bool ReadOnly(std::string_view /*key*/) const override { return true; }

  std::vector<std::size_t> Addresses() const override {
    return Range({{dpmr::kInboxIndex, dpmr::kInboxRecords + dpmr::kInboxRecordSize * dpmr::kInboxCount - 1}});
  }

 protected:
  Status SetCount(RadioImage& image, const std::string& key, const std::string& value) const override {
    auto count = ParseCount(key, value, dpmr::kInboxCount);
    if (!count) return Error{count.error()};
    dpmr::Inbox box;
    box.Load(image);
    if (*count > box.Count())
      return Error{key + ": the inbox holds " + std::to_string(box.Count()) +
                   " messages; only the radio adds to it"};
    if (*count == 0) box.ClearAll(image);
    while (box.Count() > *count) box.ClearCurrent(image, box.Count() - 1);
    box.Store(image);
    return Status::Ok();
  }

  Status SetOne(RadioImage& image, const std::string& key, const std::string& value) const override {
    auto shown = Get(image, key);
    if (!shown) return Error{shown.error()};
    if (*shown == value) return Status::Ok();
    return Error{key + ": the inbox shows what the radio received and cannot be edited"};
  }

 private:
  static std::string Field(const dpmr::InboxMessage& m, std::string_view field) {
    if (field == "name") return m.name;
    if (field == "number") return m.number;
    if (field == "length") return m.length;
    if (field == "state") return m.unread ? "Unread" : "Read";
    return m.content;
  }
};

}  // namespace

std::shared_ptr<KeySpace> MakeContactKeySpace() { return std::make_shared<ContactKeySpace>(); }
std::shared_ptr<KeySpace> MakeGroupListKeySpace() { return std::make_shared<GroupListKeySpace>(); }
std::shared_ptr<KeySpace> MakeEncryptKeySpace() { return std::make_shared<EncryptKeySpace>(); }
std::shared_ptr<KeySpace> MakeOutboxKeySpace() { return std::make_shared<OutboxKeySpace>(); }
std::shared_ptr<KeySpace> MakeInboxKeySpace() { return std::make_shared<InboxKeySpace>(); }

}  // namespace cps
