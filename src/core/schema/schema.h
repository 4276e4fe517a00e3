// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings pages as data.
//
// A page of a settings dialog is a `PageSchema`: a key ("option"), a title
// ("Option"), its fields in the order the rows appear, and the page's own
// extra steps (run after load, before save). A `Field` says which control
// shows the value (combo box, edit, edit with arrows, check box), its items
// or edit limits, and how the value is loaded from and saved into the image.
//
// The same schema drives the page widget (gui/settings/schema_page.h), the
// keys of core/interop (the command line, text export) and the tests:
//
//   const PageSchema& page = OptionPageSchema();
//   PageValues values = LoadPage(page, image);        // what the controls show
//   SetFieldText(values, "tot", "100");              // typed, then the edit is left
//   SavePage(values, image);                         // as the dialog does on close
//
// Most fields are one line with a builder of builders.h (ComboIndex, IntEdit,
// TenthsEdit, DigitCodes, CheckBit, HexWord, ...). A field with unusual rules
// sets its own `load`/`save`/`onLeave`/`onSpin` lambdas.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/image/radio_image.h"

namespace cps {

enum class ControlKind {
  Combo,     // drop-down list, no typing
  Edit,      // single-line edit
  SpinEdit,  // edit with up/down arrows (runs the field's onSpin)
  Check,     // check box; the label is the box's own text
};

// What a control holds.
//
// When a field's `load` returns a value for a combo box it may ask for a
// selection by text instead of by index: set `byText`, put the searched
// text into `text` and say in `onMiss` what happens when no item begins
// with it (the prefix rule, see SelectByPrefix in rules.h).
struct ControlValue {
  static constexpr int kKeepSelection = -2;

  int index = -1;        // Combo: the selected item, -1 when none
  std::string text;      // Edit: its text. Combo: the selected item's text ("" when none)
  bool checked = false;  // Check

  bool byText = false;   // only in what a load returns for a combo box
  bool wholeText = false;  // byText: the item must equal the text, not only begin with it
  int onMiss = kKeepSelection;  // kKeepSelection, -1 (clear) or an item index

  static ControlValue Index(int i) { ControlValue v; v.index = i; return v; }
  static ControlValue Text(std::string t) { ControlValue v; v.text = std::move(t); return v; }
  static ControlValue Checked(bool on) { ControlValue v; v.checked = on; return v; }
  static ControlValue SelectText(std::string t, int onMiss = kKeepSelection) {
    ControlValue v; v.byText = true; v.text = std::move(t); v.onMiss = onMiss; return v;
  }
  static ControlValue SelectWholeText(std::string t, int onMiss = kKeepSelection) {
    ControlValue v = SelectText(std::move(t), onMiss); v.wholeText = true; return v;
  }
};

struct Field {
  std::string key;    // "tot": the CLI key is "<page key>.<field key>"
  std::string label;  // the control's caption, exactly as the user sees it
  ControlKind kind = ControlKind::Edit;

  std::vector<std::string> items;  // combo items, in order
  // Combo items that depend on the image (filled when the page opens);
  // replaces `items` when set.
  std::function<std::vector<std::string>(const RadioImage&)> fillItems;

  bool visible = true;   // hidden rows are still loaded and saved
  std::string group;     // consecutive fields with the same group share a group box
  int column = 0;        // page column (0 = left)

  int maxLength = 0;          // edit: at most this many characters (0 = no limit)
  std::string allowedChars;   // edit: key filter (empty = any character)
  bool upperCase = false;     // edit: typed letters are upper-cased first
  std::vector<std::string> words;  // edit: texts it shows besides numbers ("continue"), settable whole
  std::string hint;           // edit, or combo filled from the image: the values it takes, for "dpmr-cli keys"
  // Why the user cannot change the field (the control shows disabled with
  // this as its tooltip, dpmr-cli refuses to set it); empty: editable. The
  // field is still loaded and saved.
  std::string readOnly;

  std::function<ControlValue(const RadioImage&)> load;
  std::function<void(RadioImage&, const ControlValue&)> save;
  std::function<std::string(std::string_view)> onLeave;     // edit lost the focus
  std::function<std::string(std::string_view, int)> onSpin; // arrow pressed: +1 up, -1 down

  // Addresses and masks the field reads and writes (for tests and the
  // region map): {address, mask}.
  std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
};

struct PageValues;

struct PageSchema {
  std::string key;    // "option"
  std::string title;  // tab or dialog caption: "Option"
  std::vector<Field> fields;
  std::function<void(PageValues&)> afterLoad;   // e.g. clamp an edit as on leaving it
  std::function<void(PageValues&)> beforeSave;  // runs before any field is saved

  const Field* Find(std::string_view fieldKey) const;
};

// The controls of one page: a value and the combo items per field, in the
// schema's field order.
struct PageValues {
  const PageSchema* schema = nullptr;
  std::vector<ControlValue> values;
  std::vector<std::vector<std::string>> items;

  int IndexOf(std::string_view fieldKey) const;  // -1 when unknown
  // The value of a field the schema declares (a wrong key is a programming
  // error and aborts).
  ControlValue& operator[](std::string_view fieldKey);
  const ControlValue& operator[](std::string_view fieldKey) const;
};

// Empty controls with their combo items (FillControls).
PageValues FillPage(const PageSchema& page, const RadioImage& image);
// Copies the fields into the controls, keeping a combo selection where the
// field's load asks for it, then runs the page's afterLoad (LoadFromImage).
void LoadPage(const RadioImage& image, PageValues& values);
// FillPage, then LoadPage: the page as it shows when it opens.
PageValues LoadPage(const PageSchema& page, const RadioImage& image);
// Runs beforeSave (which may correct the controls), then saves every field
// (SaveToImage).
void SavePage(PageValues& values, RadioImage& image);

// Sets a combo selection by index, keeping its text in step.
void SelectIndex(PageValues& values, int field, int index);

// What a control shows, as the CLI prints it: item text, edit text, "on"/"off".
std::string DisplayText(const PageValues& values, int field);
// The values a user may give, for "dpmr-cli keys".
std::string AllowedText(const Field& field, const std::vector<std::string>& items);

// Sets a field as a user would: picks the item with this text (letter case
// ignored), types the text into the edit (key filter and length limit) and
// leaves it (onLeave), or checks the box ("on"/"off", also 1/0, true/false).
// A value the control cannot take is an error naming what it can take.
Status SetFieldText(PageValues& values, std::string_view fieldKey, std::string_view text);

// The whole CLI "set" of one page: load as the dialog opens, set each
// (field key, text), save as the dialog closes. On error the image is
// unchanged.
Status SetPageFields(const PageSchema& page, RadioImage& image,
                     const std::vector<std::pair<std::string, std::string>>& assignments);

}  // namespace cps
