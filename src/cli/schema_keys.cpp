#include "cli/schema_keys.h"

#include "core/base/c_text.h"

#include <iostream>
#include <memory>

namespace cps::cli {

namespace {
// The key "<page>.<field>" split; empty field key when it is not this page's.
std::string_view FieldKeyOf(const PageSchema& page, std::string_view key) {
  if (key.size() <= page.key.size() + 1 || key.substr(0, page.key.size()) != page.key ||
      key[page.key.size()] != '.')
    return {};
  return key.substr(page.key.size() + 1);
}
}  // namespace

std::vector<KeyInfo> SchemaKeySpace::Keys() const {
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

bool SchemaKeySpace::Owns(std::string_view key) const {
  const auto fk = FieldKeyOf(page_, key);
  return !fk.empty() && page_.Find(fk) != nullptr;
}

Result<std::string> SchemaKeySpace::Get(const RadioImage& image, std::string_view key) const {
  const PageValues values = LoadPage(page_, image);
  const int i = values.IndexOf(FieldKeyOf(page_, key));
  if (i < 0) return Error{"unknown key '" + std::string(key) + "'"};
  return DisplayText(values, i);
}

namespace {

// Notes on stderr where the editor's rules changed what was given.
void NoteChanges(const PageSchema& page, const RadioImage& image,
                 const std::vector<std::pair<std::string, std::string>>& fields) {
  const PageValues after = LoadPage(page, image);
  for (const auto& [key, value] : fields) {
    const int i = after.IndexOf(key);
    const std::string shown = DisplayText(after, i);
    const Field& f = page.fields[static_cast<std::size_t>(i)];
    const bool same = f.kind == ControlKind::Check || f.kind == ControlKind::Combo ? true : shown == value;
    if (!same)
      std::cerr << "dpmr-cli: note: " << page.key << "." << key << "=" << value << " is stored as " << shown << "\n";
  }
}

std::vector<std::pair<std::string, std::string>> FieldAssignments(
    const PageSchema& page, const std::vector<std::pair<std::string, std::string>>& assignments) {
  std::vector<std::pair<std::string, std::string>> fields;
  for (const auto& [key, value] : assignments) fields.emplace_back(std::string(FieldKeyOf(page, key)), value);
  return fields;
}

// The document's image as the dialog sees it when it opens.
const RadioImage& OpenedImage(const SchemaDialog* dialog, const Document& doc, Document& scratch) {
  if (!dialog || !dialog->beforeOpen) return doc.image();
  scratch = doc;
  (scratch.*(dialog->beforeOpen))();
  return scratch.image();
}

}  // namespace

Status SchemaKeySpace::Set(RadioImage& image,
                           const std::vector<std::pair<std::string, std::string>>& assignments) const {
  const auto fields = FieldAssignments(page_, assignments);
  RadioImage edited = image;
  Status st = SetPageFields(page_, edited, fields);
  if (!st) return st;
  NoteChanges(page_, edited, fields);
  image = edited;
  return Status::Ok();
}

Result<std::string> SchemaKeySpace::GetOpen(const Document& doc, std::string_view key) const {
  Document scratch;
  return Get(OpenedImage(dialog_.get(), doc, scratch), key);
}

Status SchemaKeySpace::SetOpen(Document& doc,
                               const std::vector<std::pair<std::string, std::string>>& assignments) const {
  if (!dialog_) return Set(doc.image(), assignments);
  const auto fields = FieldAssignments(page_, assignments);
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
  NoteChanges(page_, edited, fields);
  doc.image() = edited;
  return Status::Ok();
}

SchemaPagesRegistrar::SchemaPagesRegistrar(std::initializer_list<const PageSchema*> pages)
    : SchemaPagesRegistrar(SchemaDialog{std::vector<const PageSchema*>(pages), nullptr, nullptr}) {}

SchemaPagesRegistrar::SchemaPagesRegistrar(SchemaDialog dialog) {
  auto shared = std::make_shared<const SchemaDialog>(std::move(dialog));
  for (const PageSchema* p : shared->pages) RegisterKeySpace(std::make_shared<SchemaKeySpace>(*p, shared));
}

void PrintPage(std::ostream& out, const PageSchema& page, const RadioImage& image) {
  const PageValues values = LoadPage(page, image);
  out << "[" << page.title << "]\n";
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const Field& f = page.fields[i];
    const std::string key = page.key + "." + f.key;
    const std::string label = f.label + (f.visible ? "" : " (hidden)");
    out << "  " << PadToWidth(key, 38) << PadToWidth(label, 36) << DisplayText(values, static_cast<int>(i)) << "\n";
  }
}

void PrintPageOpen(std::ostream& out, const PageSchema& page, const Document& doc) {
  for (const auto& space : KeySpaces()) {
    const auto* schemaSpace = dynamic_cast<const SchemaKeySpace*>(space.get());
    if (schemaSpace && schemaSpace->Name() == page.key) {
      Document scratch;
      PrintPage(out, page, OpenedImage(schemaSpace->dialog(), doc, scratch));
      return;
    }
  }
  PrintPage(out, page, doc.image());
}

}  // namespace cps::cli
