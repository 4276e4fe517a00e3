// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the channel sets: "band", and "channel.N.FIELD" / "pmr.N.FIELD".
// The eight fields the table shows go through the table's commit rules;
// every other control of the channel dialog through the dialog's model,
// opened on channel N as the "Channel edit" button opens it (after the
// table's write-back) and closed again, which stores the channel.
#include <algorithm>

#include "core/base/c_text.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/codec/tone.h"
#include "core/interop/channel_bulk_dialog.h"
#include "core/interop/key_spaces.h"

namespace cps {
namespace {

constexpr const char* kBandKey = "band";

struct TableField {
  const char* key;
  int column;
  const char* allowed;
};

const std::vector<TableField>& TableFields() {
  static const std::vector<TableField> fields = {
      {"rx_freq", kColRxFreq, "MHz within the band (e.g. 438.5); empty or 0 clears the channel"},
      {"tx_freq", kColTxFreq, "MHz within the band (e.g. 438.5); empty means none"},
      {"rx_tone", kColRxTone, "None, a CTCSS tone (67.0) or a DCS code (D023N, 23n, D023I)"},
      {"tx_tone", kColTxTone, "None, a CTCSS tone (67.0) or a DCS code (D023N, 23n, D023I)"},
      {"power", kColPower, "Low, High"},
      {"scan", kColScan, "Add, Del"},
      {"bandwidth", kColBandwidth, "Wide, Narrow"},
      {"type", kColType, "Analog, Digit, Mixed(Digit), Mixed(Analog)"},
  };
  return fields;
}

// A control of the channel dialog that the table does not show.
struct DialogField {
  const char* key;
  bool check;       // a check box (else a list)
  int control;      // EditCheck or EditList
  bool afterLists;  // picks an entry of a list edited further down the menus
  bool extension;   // stored in the digital extension record (main set only)
  bool hidden = false;  // loaded and stored, never shown
  int offBy = -1;       // the list whose "Off" disables this one
};

constexpr int L(EditList l) { return static_cast<int>(l); }
constexpr int C(EditCheck c) { return static_cast<int>(c); }

const std::vector<DialogField>& DialogFields() {
  static const std::vector<DialogField> fields = {
      {"reverse", true, C(EditCheck::kReverse), false, false},
      {"talk_around", true, C(EditCheck::kTalkAround), false, false},
      {"auto_contact", true, C(EditCheck::kAutoContact), false, false, true},
      {"work_alone", true, C(EditCheck::kWorkAlone), false, false, true},
      {"signal_type", false, L(EditList::kSignalType), false, false},
      {"ptt_id", true, C(EditCheck::kPttId), false, false},
      {"only_rx", false, L(EditList::kOnlyRx), false, false, true},
      {"analog_call_1", false, L(EditList::kAnalogCall1), true, false, false, L(EditList::kSignalType)},
      {"analog_call_2", false, L(EditList::kAnalogCall2), true, false, false, L(EditList::kSignalType)},
      {"encrypt_key", false, L(EditList::kEncryptKey), true, false},
      {"tx_contact", false, L(EditList::kTxContact), true, false},
      {"group_rx_list", false, L(EditList::kGroupRxList), true, false},
      {"call_1_type", false, L(EditList::kCall1Type), false, false},
      {"call_1_contact", false, L(EditList::kCall1Contact), true, false, false, L(EditList::kCall1Type)},
      {"call_1_msg", false, L(EditList::kCall1Message), true, false, false, L(EditList::kCall1Type)},
      {"call_2_type", false, L(EditList::kCall2Type), false, false},
      {"call_2_contact", false, L(EditList::kCall2Contact), true, false, false, L(EditList::kCall2Type)},
      {"call_2_msg", false, L(EditList::kCall2Message), true, false, false, L(EditList::kCall2Type)},
      {"busy", false, L(EditList::kBusy), false, false},
      {"oacsu", true, C(EditCheck::kOacsu), false, true},
      {"status_info", false, L(EditList::kStatusInfo), false, true},
      {"data_type", false, L(EditList::kDataType), false, true},
      {"rx_color_code", false, L(EditList::kRxColorCode), false, true},
      {"tx_color_code", false, L(EditList::kTxColorCode), false, true},
      {"color_code", false, L(EditList::kColorCode), false, false, true},
  };
  return fields;
}

// A list's caption as the dialog shows it, the calls' lists under their
// frame's caption ("Call 1 Type").
std::string ListCaption(EditList l) {
  switch (l) {
    case EditList::kCall1Type:
    case EditList::kCall1Contact:
    case EditList::kCall1Message: return std::string(kCallCaptions[0]) + " " + EditListCaption(l);
    case EditList::kCall2Type:
    case EditList::kCall2Contact:
    case EditList::kCall2Message: return std::string(kCallCaptions[1]) + " " + EditListCaption(l);
    default: return EditListCaption(l);
  }
}

std::string Caption(const DialogField& f) {
  const std::string caption =
      f.check ? std::string(EditCheckCaption(static_cast<EditCheck>(f.control))) : ListCaption(static_cast<EditList>(f.control));
  return f.hidden ? caption + " (hidden)" : caption;
}

// Allowed values of the lists filled from other data.
const char* ListHint(EditList l) {
  switch (l) {
    case EditList::kAnalogCall1:
    case EditList::kAnalogCall2: return "None, or the number of a DTMF contact in use";
    case EditList::kEncryptKey: return "None, or 1 up to the number of encryption keys";
    case EditList::kTxContact:
    case EditList::kCall1Contact:
    case EditList::kCall2Contact: return "None, or a contact name";
    case EditList::kGroupRxList: return "None, or the number of a group rx list in use";
    case EditList::kCall1Message:
    case EditList::kCall2Message: return "Off, or the number of an outbox message in use";
    default: return nullptr;
  }
}

// The band the channel editors work with after the file was opened.
BandLimits OpenedBand(const RadioImage& image) {
  ChannelTable main;
  main.Load(image);
  return main.band();
}

class ChannelKeySpace : public KeySpace {
 public:
  explicit ChannelKeySpace(bool pmr)
      : name_(pmr ? "pmr" : "channel"), prefix_(name_ + "."), base_(pmr ? kPmrChannelBase : kMainChannelBase),
        withBand_(!pmr) {
    for (const auto& f : TableFields()) fields_.push_back(f.key);
    for (const auto& f : DialogFields())
      if (withBand_ || !f.extension) fields_.push_back(f.key);
  }

  std::string Name() const override { return name_; }

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys;
    if (withBand_) keys.push_back({kBandKey, "Freq range", JoinItems(BandItems())});
    RadioImage blank;
    blank.Fill(0xFF);
    ChannelEditor editor(blank, base_, kBandUhf);
    for (int n = 1; n <= kChannelCount; ++n) {
      const std::string p = prefix_ + std::to_string(n) + ".";
      for (const auto& f : TableFields())
        keys.push_back({p + f.key, ChannelColumnInfos()[static_cast<std::size_t>(f.column)].title, f.allowed});
      for (const auto& f : DialogFields()) {
        if (!withBand_ && f.extension) continue;
        std::string allowed = "on, off";
        if (!f.check) {
          const EditList l = static_cast<EditList>(f.control);
          const char* hint = ListHint(l);
          allowed = hint ? hint : JoinItems(editor.state().list(l).items);
        }
        keys.push_back({p + f.key, Caption(f), allowed});
      }
    }
    return keys;
  }

  // Every "channel." key, so that a wrong one is told what would be right.
  bool Owns(std::string_view key) const override {
    return key.starts_with(prefix_) || (withBand_ && key == kBandKey);
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    return Shown(image, MakeTable(image), key);
  }

  Status Set(RadioImage& image, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    for (const auto& [key, value] : assignments) {
      ChannelTable table = MakeTable(image);
      Status st = IsDialogKey(key) ? ApplyDialog(image, table, key, value) : ApplyTable(image, table, key, value, notes);
      if (!st) return st;
      table.WriteBack(image);
    }
    return Status::Ok();
  }

  Result<std::string> GetOpen(const Document& doc, std::string_view key) const override {
    if (!withBand_) {
      ChannelTable table(base_, false);
      table.setBand(doc.table().band());
      table.Load(doc.image());
      return Shown(doc.image(), table, key);
    }
    if (!IsDialogKey(key)) return Shown(doc.image(), doc.table(), key);
    Document scratch = doc;
    scratch.BeforeChannelDialog();
    return Shown(scratch.image(), scratch.table(), key);
  }

  Status SetOpen(Document& doc, const KeyValues& assignments, std::vector<std::string>* notes) const override {
    if (withBand_) {
      // The cells of the main window's table; the channel dialog opens after
      // the table's write-back and the table loads again when it closes.
      for (const auto& [key, value] : assignments) {
        Status st;
        if (IsDialogKey(key)) {
          doc.BeforeChannelDialog();
          st = ApplyDialog(doc.image(), doc.table(), key, value);
          doc.AfterChannelDialog();
        } else {
          st = ApplyTable(doc.image(), doc.table(), key, value, notes);
        }
        if (!st) return st;
      }
      return Status::Ok();
    }
    // The "Pmr Channel" dialog: opened, edited (its "Channel edit" button
    // writes the table back first and loads it again afterwards), closed.
    ChannelTable table(base_, false);
    table.setBand(doc.table().band());
    table.Load(doc.image());
    for (const auto& [key, value] : assignments) {
      Status st;
      if (IsDialogKey(key)) {
        table.WriteBack(doc.image());
        st = ApplyDialog(doc.image(), table, key, value);
        table.Load(doc.image());
      } else {
        st = ApplyTable(doc.image(), table, key, value, notes);
      }
      if (!st) return st;
    }
    table.WriteBack(doc.image());
    return Status::Ok();
  }

  KeyValues Export(const RadioImage& image) const override {
    KeyValues out;
    ChannelTable table = MakeTable(image);
    if (withBand_) out.emplace_back(kBandKey, BandItems()[static_cast<std::size_t>(table.bandIndex())]);
    RadioImage copy = image;
    ChannelEditor editor(copy, base_, table.band());
    editor.Open(1);
    for (int n = 1; n <= kChannelCount; ++n) {
      if (table.RowEmpty(n)) continue;
      const std::string p = prefix_ + std::to_string(n) + ".";
      for (const auto& f : TableFields()) out.emplace_back(p + f.key, table.Cell(n, f.column));
      editor.Load(n);
      for (const auto& f : DialogFields())
        if (withBand_ || !f.extension) out.emplace_back(p + f.key, Shown(editor, f));
    }
    return out;
  }

  int ImportStage(std::string_view key) const override {
    return withBand_ && key == kBandKey ? 0 : KeySpace::ImportStage(key);
  }

  bool AfterLists(std::string_view key) const override {
    const auto [n, field] = SplitNumberedKey(key, prefix_, kChannelCount);
    const DialogField* f = n > 0 ? FindDialog(field) : nullptr;
    return f && f->afterLists;
  }

  std::vector<std::size_t> Addresses() const override {
    std::vector<std::size_t> out;
    auto range = [&](std::size_t from, std::size_t to) {
      for (std::size_t a = from; a <= to; ++a) out.push_back(a);
    };
    range(base_, base_ + kChannelRecordSize * kChannelCount - 1);
    if (withBand_) {
      range(kChannelExtBase, kChannelExtBase + kChannelExtSize * kChannelCount - 1);
      range(kBandLowAddr, kBandHighAddr + 3);
      range(0x034C, 0x034D);  // scan bitmap
      range(0x3FD4, 0x3FD7);  // inbox count, band flag, fixed byte
    }
    return out;
  }

 private:
  bool Known(std::string_view field) const {
    return std::find(fields_.begin(), fields_.end(), field) != fields_.end();
  }
  static const TableField* FindTable(std::string_view field) {
    for (const auto& f : TableFields())
      if (field == f.key) return &f;
    return nullptr;
  }
  static const DialogField* FindDialog(std::string_view field) {
    for (const auto& f : DialogFields())
      if (field == f.key) return &f;
    return nullptr;
  }

  // Bulk edit sets dialog controls through these too.
 public:
  static std::string Shown(const ChannelEditor& editor, const DialogField& f) {
    if (!editor.state().controlsEnabled) return {};
    if (f.check) return OnOff(editor.state().check(static_cast<EditCheck>(f.control)));
    return editor.state().list(static_cast<EditList>(f.control)).text();
  }

 private:
  ChannelTable MakeTable(const RadioImage& image) const {
    ChannelTable table(base_, withBand_);
    if (!withBand_) table.setBand(OpenedBand(image));
    table.Load(image);
    return table;
  }

  std::string Unknown(std::string_view key) const {
    return "unknown key '" + std::string(key) + "' (" + prefix_ + "N.FIELD with N 1..16 and FIELD one of " +
           JoinItems(fields_) + (withBand_ ? "; or band" : "") + ")";
  }

  bool IsDialogKey(std::string_view key) const {
    const auto [n, field] = SplitNumberedKey(key, prefix_, kChannelCount);
    return n > 0 && Known(field) && FindDialog(field);
  }

  // What the table or the dialog on `image` shows for the key.
  Result<std::string> Shown(const RadioImage& image, const ChannelTable& table, std::string_view key) const {
    if (withBand_ && key == kBandKey) return BandItems()[static_cast<std::size_t>(table.bandIndex())];
    const auto [n, field] = SplitNumberedKey(key, prefix_, kChannelCount);
    if (n == 0 || !Known(field)) return Error{Unknown(key)};
    if (const TableField* t = FindTable(field)) return table.Cell(n, t->column);
    RadioImage copy = image;
    ChannelEditor editor(copy, base_, table.band());
    editor.Open(n);
    return Shown(editor, *FindDialog(field));
  }

  // A cell of the table, or the band selector.
  Status ApplyTable(RadioImage& image, ChannelTable& table, const std::string& key, const std::string& value,
                    std::vector<std::string>* notes) const {
    if (withBand_ && key == kBandKey) {
      const int i = FindItem(BandItems(), Trim(value));
      if (i < 0) return Error{"band: '" + value + "' is not one of " + JoinItems(BandItems())};
      table.ChangeBand(image, i);
      return Status::Ok();
    }
    const auto [row, field] = SplitNumberedKey(key, prefix_, kChannelCount);
    if (row == 0 || !Known(field)) return Error{Unknown(key)};
    const TableField& t = *FindTable(field);
    Status st = CommitCell(image, table, row, t, key, value);
    if (!st) return st;
    if (notes && (t.column == kColRxFreq || t.column == kColTxFreq) && !Trim(value).empty()) {
      const std::string& shown = table.Cell(row, t.column);
      if (FrequencyFromText(shown) != FrequencyFromText(Trim(value)))
        notes->push_back(key + "=" + value + " is stored as " + shown);
    }
    return Status::Ok();
  }

  // A control of the channel dialog: the dialog opens on the channel (the
  // table written back), takes the value as the user gives it and closes,
  // which stores the channel; the table then shows the image again.
  Status ApplyDialog(RadioImage& image, ChannelTable& table, const std::string& key, const std::string& value) const {
    const auto [row, field] = SplitNumberedKey(key, prefix_, kChannelCount);
    ChannelEditor editor(image, base_, table.band());
    editor.Open(row);
    if (!editor.state().controlsEnabled) return EmptyChannel(key, row);
    // A value the control already shows changes nothing: the dialog is not
    // closed over the channel, whose close would store its other controls'
    // forms of the same values (0 for a "None" that was 0xFF), as an import
    // of the text leaves them too.
    if (Unchanged(editor, *FindDialog(field), value)) return Status::Ok();
    Status st = SetControl(editor, *FindDialog(field), key, value);
    if (!st) return st;
    editor.Close();
    table.Render(image);
    return Status::Ok();
  }

  Status EmptyChannel(const std::string& key, int row) const {
    return Error{key + ": channel " + std::to_string(row) + " is empty; set " + prefix_ + std::to_string(row) +
                 ".rx_freq first"};
  }

  Status CommitCell(RadioImage& image, ChannelTable& table, int row, const TableField& f, const std::string& key,
                    const std::string& value) const {
    // The value first, so that a wrong value is named even on an empty channel.
    const auto text = ChannelTable::AcceptedCellText(f.column, value);
    if (!text) {
      switch (f.column) {
        case kColRxFreq:
        case kColTxFreq: return Error{key + ": '" + value + "' is not a frequency (" + f.allowed + ")"};
        case kColRxTone:
        case kColTxTone: return Error{key + ": '" + value + "' is not a tone (" + f.allowed + ")"};
        default: return Error{key + ": '" + value + "' is not one of " + JoinItems(ChannelChoiceItems(f.column))};
      }
    }
    if (f.column != kColRxFreq && table.RowEmpty(row)) return EmptyChannel(key, row);
    table.CommitCell(image, row, f.column, *text);
    return Status::Ok();
  }

  static bool Unchanged(ChannelEditor& editor, const DialogField& f, const std::string& value) {
    auto& s = editor.state();
    if (f.check) {
      const auto on = ParseOnOff(Trim(value));
      return on && *on == s.check(static_cast<EditCheck>(f.control));
    }
    const EditListState& l = s.list(static_cast<EditList>(f.control));
    int i = FindItem(l.items, value);
    if (i < 0) i = FindItem(l.items, Trim(value));
    return i >= 0 && i == l.index;
  }

 public:
  static Status SetControl(ChannelEditor& editor, const DialogField& f, const std::string& key,
                           const std::string& value) {
    const std::string v = Trim(value);
    auto& s = editor.state();
    if (f.check) {
      const auto on = ParseOnOff(v);
      if (!on) return Error{key + ": '" + value + "' is not on or off"};
      s.check(static_cast<EditCheck>(f.control)) = *on;
      return Status::Ok();
    }
    const EditList list = static_cast<EditList>(f.control);
    EditListState& l = s.list(list);
    // As typed first: a contact's name may begin or end with a space.
    int i = FindItem(l.items, value);
    if (i < 0) i = FindItem(l.items, v);
    if (i < 0) return Error{key + ": '" + value + "' is not one of " + JoinItems(l.items)};
    if (!l.enabled) {
      if (i == l.index) return Status::Ok();
      return Error{key + ": cannot be chosen while " + ListCaption(static_cast<EditList>(f.offBy)) + " is Off"};
    }
    l.index = i;
    l.editText = l.items[static_cast<std::size_t>(i)];
    editor.SelectionChanged(list);
    return Status::Ok();
  }

 private:
  std::string name_;
  std::string prefix_;
  std::size_t base_;
  bool withBand_;
  std::vector<std::string> fields_;
};

// The dialog's controls Bulk edit offers; `digital` ones only on the main
// set (the PMR dialog hides them).
struct BulkControl {
  const char* field;
  bool digital;
};
constexpr BulkControl kBulkControls[] = {
    {"signal_type", false}, {"ptt_id", false},        {"busy", false},          {"reverse", false},
    {"talk_around", false}, {"tx_contact", true},     {"encrypt_key", true},    {"group_rx_list", true},
    {"rx_color_code", true}, {"tx_color_code", true},
};

const DialogField* FindBulkControl(std::string_view field, bool pmr) {
  for (const BulkControl& c : kBulkControls)
    if (field == c.field && !(pmr && c.digital))
      for (const auto& f : DialogFields())
        if (field == f.key) return &f;
  return nullptr;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

std::shared_ptr<KeySpace> MakeChannelKeySpace(bool pmr) { return std::make_shared<ChannelKeySpace>(pmr); }

std::vector<BulkDialogChoice> BulkDialogChoices(const RadioImage& image, bool pmr, BandLimits band, int row) {
  RadioImage copy = image;
  ChannelEditor editor(copy, pmr ? kPmrChannelBase : kMainChannelBase, band);
  editor.Open(row);
  std::vector<BulkDialogChoice> out;
  for (const BulkControl& c : kBulkControls) {
    const DialogField* f = FindBulkControl(c.field, pmr);
    if (!f) continue;
    BulkDialogChoice choice{f->key, Caption(*f), f->check, {}, ChannelKeySpace::Shown(editor, *f)};
    if (f->check)
      choice.items = {OnOff(true), OnOff(false)};
    else
      choice.items = editor.state().list(static_cast<EditList>(f->control)).items;
    out.push_back(std::move(choice));
  }
  return out;
}

std::vector<std::string> BulkEditChannelDialog(RadioImage& image, ChannelTable& table, const std::vector<int>& rows,
                                               const std::vector<BulkDialogField>& fields, const std::string& prefix) {
  std::vector<std::string> notes;
  if (fields.empty()) return notes;
  const bool pmr = table.base() == kPmrChannelBase;
  // The dialog opens after the table's write-back, as its button opens it.
  table.WriteBack(image);
  for (int row : rows) {
    if (row < 1 || row > kChannelCount) continue;
    const std::string channel = prefix + " " + std::to_string(row) + " ";
    ChannelEditor editor(image, table.base(), table.band());
    editor.Open(row);
    std::vector<std::pair<const DialogField*, const BulkDialogField*>> set;
    for (const BulkDialogField& given : fields) {
      const DialogField* f = FindBulkControl(given.field, pmr);
      const std::string where = channel + (f ? Caption(*f) : given.field);
      if (!f) {
        notes.push_back(where + ": given " + Quoted(given.text) + ", not set: the dialog has no such control here");
      } else if (!editor.state().controlsEnabled) {
        notes.push_back(where + ": given " + Quoted(given.text) + ", not set: the channel is not in use");
      } else if (Status st = ChannelKeySpace::SetControl(editor, *f, channel + given.field, given.text); !st) {
        notes.push_back(where + ": given " + Quoted(given.text) + ", not set: " +
                        st.error().substr(st.error().find(": ") + 2));
      } else {
        set.emplace_back(f, &given);
      }
    }
    if (!editor.state().controlsEnabled) continue;
    editor.Close();
    // What the dialog shows when it opens again is what its rules stored.
    RadioImage copy = image;
    ChannelEditor again(copy, table.base(), table.band());
    again.Open(row);
    for (const auto& [f, given] : set) {
      const std::string stored = ChannelKeySpace::Shown(again, *f);
      const auto on = f->check ? ParseOnOff(Trim(given->text)) : std::nullopt;
      const bool same = f->check ? on && stored == OnOff(*on) : FindItem({stored}, Trim(given->text)) == 0;
      if (!same) notes.push_back(channel + Caption(*f) + ": given " + Quoted(given->text) + ", stored " + Quoted(stored));
    }
  }
  table.Render(image);
  return notes;
}

}  // namespace cps
