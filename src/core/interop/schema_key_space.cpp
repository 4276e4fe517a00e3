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
  explicit SchemaKeySpace(const PageSchema& page) : page_(page) {}
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
      k.label = f.label + (f.visible ? "" : " (hidden)");
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
    KeyValues fields;
    for (const auto& [key, value] : assignments) fields.emplace_back(std::string(FieldKeyOf(key)), value);
    RadioImage edited = image;
    Status st = SetPageFields(page_, edited, fields);
    if (!st) return st;
    if (notes) {
      // Tell where the editor's rules changed what was given.
      const PageValues after = LoadPage(page_, edited);
      for (const auto& [key, value] : fields) {
        const int i = after.IndexOf(key);
        const std::string shown = DisplayText(after, i);
        const Field& f = page_.fields[static_cast<std::size_t>(i)];
        if (f.kind != ControlKind::Check && f.kind != ControlKind::Combo && shown != value)
          notes->push_back(page_.key + "." + key + "=" + value + " is stored as " + shown);
      }
    }
    image = edited;
    return Status::Ok();
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
  // The key "<page>.<field>" split; empty field key when it is not this page's.
  std::string_view FieldKeyOf(std::string_view key) const {
    if (key.size() <= page_.key.size() + 1 || key.substr(0, page_.key.size()) != page_.key ||
        key[page_.key.size()] != '.')
      return {};
    return key.substr(page_.key.size() + 1);
  }

  const PageSchema& page_;
};

}  // namespace

std::shared_ptr<KeySpace> MakeSchemaKeySpace(const PageSchema& page) { return std::make_shared<SchemaKeySpace>(page); }

}  // namespace cps
