// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schema/schema.h"

#include <cstdlib>

#include "core/base/c_text.h"
#include "core/schema/rules.h"

namespace cps {

const Field* PageSchema::Find(std::string_view fieldKey) const {
  for (const auto& f : fields)
    if (f.key == fieldKey) return &f;
  return nullptr;
}

int PageValues::IndexOf(std::string_view fieldKey) const {
  if (!schema) return -1;
  for (std::size_t i = 0; i < schema->fields.size(); ++i)
    if (schema->fields[i].key == fieldKey) return static_cast<int>(i);
  return -1;
}

ControlValue& PageValues::operator[](std::string_view fieldKey) {
  const int i = IndexOf(fieldKey);
  if (i < 0) std::abort();
  return values[static_cast<std::size_t>(i)];
}

const ControlValue& PageValues::operator[](std::string_view fieldKey) const {
  const int i = IndexOf(fieldKey);
  if (i < 0) std::abort();
  return values[static_cast<std::size_t>(i)];
}

PageValues FillPage(const PageSchema& page, const RadioImage& image) {
  PageValues v;
  v.schema = &page;
  v.values.resize(page.fields.size());
  v.items.resize(page.fields.size());
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const Field& f = page.fields[i];
    if (f.kind == ControlKind::Combo) v.items[i] = f.fillItems ? f.fillItems(image) : f.items;
  }
  return v;
}

void SelectIndex(PageValues& values, int field, int index) {
  auto& items = values.items[static_cast<std::size_t>(field)];
  auto& value = values.values[static_cast<std::size_t>(field)];
  if (index < 0 || index >= static_cast<int>(items.size())) index = -1;
  value.index = index;
  value.text = index < 0 ? std::string() : items[static_cast<std::size_t>(index)];
}

void LoadPage(const RadioImage& image, PageValues& values) {
  const PageSchema& page = *values.schema;
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const Field& f = page.fields[i];
    if (!f.load) continue;
    ControlValue loaded = f.load(image);
    const int fi = static_cast<int>(i);
    switch (f.kind) {
      case ControlKind::Combo:
        if (loaded.byText) {
          const int hit = loaded.wholeText ? FindItemIgnoreCase(values.items[i], loaded.text)
                                           : SelectByPrefix(values.items[i], loaded.text);
          if (hit >= 0) SelectIndex(values, fi, hit);
          else if (loaded.onMiss != ControlValue::kKeepSelection) SelectIndex(values, fi, loaded.onMiss);
          else SelectIndex(values, fi, values.values[i].index);  // keep, text in step
        } else {
          SelectIndex(values, fi, loaded.index);
        }
        break;
      case ControlKind::Edit:
      case ControlKind::SpinEdit:
        values.values[i].text = loaded.text;
        break;
      case ControlKind::Check:
        values.values[i].checked = loaded.checked;
        break;
    }
  }
  if (page.afterLoad) page.afterLoad(values);
}

PageValues LoadPage(const PageSchema& page, const RadioImage& image) {
  PageValues v = FillPage(page, image);
  LoadPage(image, v);
  return v;
}

void SavePage(PageValues& values, RadioImage& image) {
  const PageSchema& page = *values.schema;
  if (page.beforeSave) page.beforeSave(values);
  for (std::size_t i = 0; i < page.fields.size(); ++i) {
    const Field& f = page.fields[i];
    if (f.save) f.save(image, values.values[i]);
  }
}

std::string DisplayText(const PageValues& values, int field) {
  const Field& f = values.schema->fields[static_cast<std::size_t>(field)];
  const ControlValue& v = values.values[static_cast<std::size_t>(field)];
  if (f.kind == ControlKind::Check) return v.checked ? "on" : "off";
  return v.text;
}

std::string AllowedText(const Field& field, const std::vector<std::string>& items) {
  if (!field.readOnly.empty()) return "read-only: " + field.readOnly;
  switch (field.kind) {
    case ControlKind::Check:
      return "on|off";
    case ControlKind::Combo: {
      std::string out;
      for (const auto& it : items) out += (out.empty() ? "" : "|") + it;
      return out;
    }
    case ControlKind::Edit:
    case ControlKind::SpinEdit: {
      std::string out = field.hint.empty() ? "text" : field.hint;
      std::string limits;
      if (field.maxLength > 0) limits = "at most " + std::to_string(field.maxLength) + " characters";
      if (!field.allowedChars.empty()) limits += (limits.empty() ? "" : " of ") + std::string("\"") + field.allowedChars + "\"";
      if (!limits.empty()) out += " (" + limits + ")";
      return out;
    }
  }
  return {};
}

Status SetFieldText(PageValues& values, std::string_view fieldKey, std::string_view text) {
  const int fi = values.IndexOf(fieldKey);
  const std::string name = values.schema->key + "." + std::string(fieldKey);
  if (fi < 0) return Error{"unknown key '" + name + "'"};
  const Field& f = values.schema->fields[static_cast<std::size_t>(fi)];
  if (!f.readOnly.empty()) return Error{name + " cannot be set: " + f.readOnly};
  ControlValue& v = values.values[static_cast<std::size_t>(fi)];
  switch (f.kind) {
    case ControlKind::Check: {
      if (EqualsIgnoreCase(text, "on") || text == "1" || EqualsIgnoreCase(text, "true")) v.checked = true;
      else if (EqualsIgnoreCase(text, "off") || text == "0" || EqualsIgnoreCase(text, "false")) v.checked = false;
      else return Error{name + ": '" + std::string(text) + "' is not on or off"};
      return Status::Ok();
    }
    case ControlKind::Combo: {
      const auto& items = values.items[static_cast<std::size_t>(fi)];
      const int hit = FindItemIgnoreCase(items, text);
      if (hit < 0) return Error{name + ": '" + std::string(text) + "' is not one of " + AllowedText(f, items)};
      SelectIndex(values, fi, hit);
      return Status::Ok();
    }
    case ControlKind::Edit:
    case ControlKind::SpinEdit: {
      std::string typed;
      for (char c : text) {
        auto ok = FilterTypedChar(c, f.allowedChars, f.upperCase);
        if (!ok) return Error{name + ": '" + std::string(1, c) + "' cannot be typed here (allowed: " + f.allowedChars + ")"};
        typed += *ok;
      }
      bool word = false;  // a text the edit shows besides numbers, taken whole
      for (const auto& w : f.words)
        if (EqualsIgnoreCase(w, text)) {
          typed = w;
          word = true;
        }
      if (!word && f.maxLength > 0 && static_cast<int>(typed.size()) > f.maxLength)
        return Error{name + ": at most " + std::to_string(f.maxLength) + " characters"};
      v.text = f.onLeave ? f.onLeave(typed) : typed;
      return Status::Ok();
    }
  }
  return Status::Ok();
}

Status SetPageFields(const PageSchema& page, RadioImage& image,
                     const std::vector<std::pair<std::string, std::string>>& assignments) {
  PageValues values = LoadPage(page, image);
  for (const auto& [key, text] : assignments) {
    Status st = SetFieldText(values, key, text);
    if (!st) return st;
  }
  SavePage(values, image);
  return Status::Ok();
}

}  // namespace cps
