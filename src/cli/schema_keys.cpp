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
    k.label = f.label + (f.visible ? "" : " (hidden)");
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

Status SchemaKeySpace::Set(RadioImage& image,
                           const std::vector<std::pair<std::string, std::string>>& assignments) const {
  std::vector<std::pair<std::string, std::string>> fields;
  for (const auto& [key, value] : assignments) fields.emplace_back(std::string(FieldKeyOf(page_, key)), value);
  RadioImage edited = image;
  Status st = SetPageFields(page_, edited, fields);
  if (!st) return st;
  // Tell where the editor's rules changed what was given.
  const PageValues after = LoadPage(page_, edited);
  for (const auto& [key, value] : fields) {
    const int i = after.IndexOf(key);
    const std::string shown = DisplayText(after, i);
    const Field& f = page_.fields[static_cast<std::size_t>(i)];
    const bool same = f.kind == ControlKind::Check || f.kind == ControlKind::Combo
                          ? true
                          : shown == value;
    if (!same) std::cerr << "dpmr-cli: note: " << page_.key << "." << key << "=" << value << " is stored as " << shown << "\n";
  }
  image = edited;
  return Status::Ok();
}

SchemaPagesRegistrar::SchemaPagesRegistrar(std::initializer_list<const PageSchema*> pages) {
  for (const PageSchema* p : pages) RegisterKeySpace(std::make_shared<SchemaKeySpace>(*p));
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

}  // namespace cps::cli
