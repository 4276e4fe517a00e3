// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the pages described by a PageSchema: "<page>.<field>". Values are
// what the control shows: item text, edit text, "on"/"off". Setting loads
// the page as its dialog opens, sets each field as the user would (leave
// rule included) and saves the page as the dialog does on close.
#include <set>

#include "core/interop/key_spaces.h"

namespace cps {
namespace {

class SchemaKeySpace : public KeySpace {
 public:
  SchemaKeySpace(const PageSchema& page, std::shared_ptr<const SchemaDialog> dialog)
      : page_(page), dialog_(std::move(dialog)) {}
  std::string Name() const override { return page_.key; }

  std::vector<KeyInfo> Keys() const override {
    // Item lists may depend on the image (channel lists): list them for an
    // empty image of erased bytes, and say so.
    RadioImage blank;
    blank.Fill(0xFF);
    const PageValues values = FillPage(page_, blank);
    std::vector<KeyInfo> out;
    for (std::size_t i = 0; i < page_.fields.size(); ++i) {
      const Field& f = page_.fields[i];
      KeyInfo k;
      k.key = page_.key + "." + f.key;
      k.label = f.label + (f.visible ? "" : " (hidden)") + (f.readOnly.empty() ? "" : " (read-only)");
      k.allowed = !f.fillItems ? AllowedText(f, values.items[i])
                  : !f.hint.empty() ? f.hint
                                    : "items depend on the image, e.g. " + AllowedText(f, values.items[i]);
      out.push_back(std::move(k));
    }
    return out;
  }

  bool Owns(std::string_view key) const override {
    const auto fk = FieldKeyOf(key);
    return !fk.empty() && page_.Find(fk) != nullptr;
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    const PageValues values = LoadPage(page_, image);
    const int i = values.IndexOf(FieldKeyOf(key));
    if (i < 0) return Error{"unknown key '" + std::string(key) + "'"};
    return DisplayText(values, i);
  }

  Status Set(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    const KeyValues fields = FieldAssignments(assignments);
    RadioImage edited = image;
    Status st = SetPageFields(page_, edited, fields);
    if (!st) return st;
    NoteChanges(edited, fields, notes);
    image = edited;
    return Status::Ok();
  }

  Result<std::string> GetOpen(const Document& doc, std::string_view key) const override {
    return Get(ImageAsPageOpens(page_, doc), key);
  }

  Status SetOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    if (!dialog_) return Set(doc.image(), assignments, notes);
    const KeyValues fields = FieldAssignments(assignments);
    if (dialog_->beforeOpen) (doc.*(dialog_->beforeOpen))();
    RadioImage edited = doc.image();
    // The dialog opens: every tab loads.
    std::vector<PageValues> tabs;
    for (const PageSchema* p : dialog_->pages) tabs.push_back(LoadPage(*p, edited));
    for (std::size_t t = 0; t < tabs.size(); ++t) {
      if (dialog_->pages[t] != &page_) continue;
      for (const auto& [key, text] : fields) {
        Status st = SetFieldText(tabs[t], key, text);
        if (!st) return st;
      }
    }
    // It closes: every tab is stored in order, then the rest.
    for (PageValues& values : tabs) SavePage(values, edited);
    if (dialog_->closing) dialog_->closing(edited);
    NoteChanges(edited, fields, notes);
    doc.image() = edited;
    return Status::Ok();
  }

  bool ReadOnly(std::string_view key) const override {
    const Field* f = page_.Find(FieldKeyOf(key));
    return f && !f->readOnly.empty();
  }

  KeyValues Export(const RadioImage& image) const override {
    const PageValues values = LoadPage(page_, image);
    KeyValues out;
    for (std::size_t i = 0; i < page_.fields.size(); ++i) {
      std::string shown = DisplayText(values, static_cast<int>(i));
      // An empty edit (an unused DTMF contact, no radio name) is left out.
      if (shown.empty() && page_.fields[i].kind != ControlKind::Combo) continue;
      out.emplace_back(page_.key + "." + page_.fields[i].key, std::move(shown));
    }
    return out;
  }

  std::vector<std::size_t> Addresses() const override {
    std::set<std::size_t> out;
    for (const Field& f : page_.fields)
      for (const auto& [addr, mask] : f.bytes) out.insert(addr);
    return {out.begin(), out.end()};
  }

 private:
  KeyValues FieldAssignments(const KeyValues& assignments) const {
    KeyValues fields;
    for (const auto& [key, value] : assignments) fields.emplace_back(std::string(FieldKeyOf(key)), value);
    return fields;
  }

  // Notes where the editor's rules changed what was given.
  void NoteChanges(const RadioImage& image, const KeyValues& fields, std::vector<std::string>* notes) const {
    if (!notes) return;
    const PageValues after = LoadPage(page_, image);
    for (const auto& [key, value] : fields) {
      const int i = after.IndexOf(key);
      const std::string shown = DisplayText(after, i);
      const Field& f = page_.fields[static_cast<std::size_t>(i)];
      if (f.kind != ControlKind::Check && f.kind != ControlKind::Combo && shown != value)
        notes->push_back(page_.key + "." + key + "=" + value + " is stored as " + shown);
    }
  }

  // The key "<page>.<field>" split; empty field key when it is not this page's.
  std::string_view FieldKeyOf(std::string_view key) const {
    if (key.size() <= page_.key.size() + 1 || key.substr(0, page_.key.size()) != page_.key ||
        key[page_.key.size()] != '.')
      return {};
    return key.substr(page_.key.size() + 1);
  }

  const PageSchema& page_;
  std::shared_ptr<const SchemaDialog> dialog_;
};

}  // namespace

std::shared_ptr<KeySpace> MakeSchemaKeySpace(const PageSchema& page, std::shared_ptr<const SchemaDialog> dialog) {
  return std::make_shared<SchemaKeySpace>(page, std::move(dialog));
}

}  // namespace cps
