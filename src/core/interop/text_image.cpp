// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/text_image.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "core/base/file_io.h"
#include "core/base/c_text.h"
#include "core/channels/channel_table.h"
#include "core/document/document.h"
#include "core/dpmr/dpmr_layout.h"
#include "core/image/contact_repair.h"
#include "core/image/new_image.h"

namespace cps {
namespace {

constexpr const char* kRawKey = "raw";
constexpr const char* kFormatKey = "format";
constexpr const char* kModelKey = "model";
constexpr const char* kFormatVersion = "2";
constexpr const char* kModel = "KD-4173";
constexpr std::size_t kRawLineBytes = 16;  // bytes per raw line, from an address that is a multiple of it
constexpr const char* kNoByte = "--";        // a raw line's place of a byte it leaves alone
// Far above any image's text (the largest is under 100 KB), and low enough
// that the parsed text stays within a few tens of megabytes.
constexpr std::size_t kMaxTextSize = 4 << 20;
constexpr std::size_t kMaxTextItems = 100000;  // lines and list items

std::string Line(int line) { return "line " + std::to_string(line); }

// Runs of consecutive addresses, at most `maxLength` long (0: no limit).
std::vector<RawDifference> Runs(const std::vector<std::size_t>& addresses, std::size_t maxLength) {
  std::vector<RawDifference> out;
  for (std::size_t a : addresses) {
    if (!out.empty() && out.back().last + 1 == a && (maxLength == 0 || a - out.back().first < maxLength))
      out.back().last = a;
    else
      out.push_back({a, a});
  }
  return out;
}

std::string Hex(std::size_t value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*zX", digits, value);
  return buf;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a YAML reader of the 1.1 rules (the common ones) would take the
// plain text for something else than text: a number in any of its forms
// (octal 0012, 1:10 in base 60, .5, 1_000), a time, yes/no/on/off, null.
bool ReadAsOtherThanText(std::string_view v) {
  if (v.empty()) return true;
  static const char* const kWords[] = {"y", "n", "yes", "no", "true", "false", "on", "off", "null", "~", "<<", "="};
  for (const char* w : kWords)
    if (EqualsIgnoreCase(v, w)) return true;
  // Numbers and times begin so and use only these characters (digits of
  // any base, signs, separators, exponents, .inf and .nan, the T and Z of a
  // time); "136-174MHz" is text to any reader.
  const char c = v.front();
  if (!IsDigit(c) && c != '+' && c != '-' && c != '.') return false;
  return v.find_first_not_of("0123456789_:.+- \tabcdefABCDEFxXoOtTzZiInN") == std::string_view::npos;
}

// A value as a YAML scalar, quoted where a plain text would read otherwise.
std::string Scalar(const std::string& value) {
  YAML::Emitter e;
  if (ReadAsOtherThanText(value)) e << YAML::DoubleQuoted;
  e << value;
  return e.c_str();
}

// The key already shows the value: applying it is left out, so that
// editors whose store writes more than the one field do not touch the rest.
bool Shows(const RadioImage& image, const std::string& key, const std::string& value) {
  auto shown = GetKey(image, key);
  return shown && *shown == value;
}

// The keys applied open their editors' dialogs: each dialog is closed once
// more, unchanged, at the end, so that what closing stores besides the keys
// (the other tabs, every list page of "dPMR param") is in the image as set
// leaves it.
using OpenedSpaces = std::set<const KeySpace*>;
void CloseDialogs(RadioImage& image, const OpenedSpaces& opened) {
  if (opened.empty()) return;
  Document doc;
  doc.Restore(image);
  for (const auto& space : KeySpaces())
    if (opened.count(space.get())) (void)space->SetOpen(doc, {}, nullptr);
  image = doc.image();
}

// The channel table's write-back, as a save runs it before writing.
void WriteBackTable(RadioImage& image) {
  ChannelTable table;
  table.Load(image);
  table.WriteBack(image);
}

// The image as File, Open leaves it and a save writes it: a channel that
// calls no listed contact holds 0xFF there (the channel dialog's "None" is 0,
// which the next open turns into 0xFF), as in every file the program opened
// and saved and every image `set` made from a file.
void OpenAndSave(RadioImage& image) {
  RepairContactReferences(image);
  WriteBackTable(image);
}

// Export order and caption of every key.
struct KeyCatalog {
  std::map<std::string, std::pair<std::size_t, std::string>, std::less<>> byKey;
  static const KeyCatalog& Get() {
    static const KeyCatalog catalog = [] {
      KeyCatalog c;
      std::size_t i = 0;
      for (const auto& space : KeySpaces())
        for (const KeyInfo& k : space->Keys()) c.byKey.emplace(k.key, std::pair{i++, k.label});
      return c;
    }();
    return catalog;
  }
  std::size_t Rank(std::string_view key) const {
    const auto it = byKey.find(key);
    return it == byKey.end() ? byKey.size() : it->second.first;
  }
};

// Indices of `values` in the order the editors need them, whatever the
// order of the text: stage by stage (the band, the lists, what picks from
// them), each in menu order. Read-only and unknown keys are left out.
std::vector<std::size_t> ImportOrder(const KeyValues& values) {
  const KeyCatalog& catalog = KeyCatalog::Get();
  std::vector<std::tuple<int, std::size_t, std::size_t>> order;  // stage, rank, index
  for (std::size_t i = 0; i < values.size(); ++i) {
    const KeySpace* space = SpaceOf(values[i].first);
    if (!space || space->ReadOnly(values[i].first)) continue;
    order.emplace_back(space->ImportStage(values[i].first), catalog.Rank(values[i].first), i);
  }
  std::sort(order.begin(), order.end());
  std::vector<std::size_t> out;
  for (const auto& t : order) out.push_back(std::get<2>(t));
  return out;
}

int StageOf(const std::string& key) { return SpaceOf(key)->ImportStage(key); }

// The name of the part of the image each address belongs to: the first key
// space reaching it, or empty.
const std::vector<std::string>& RegionNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n(kImageSize);
    for (const auto& space : KeySpaces())
      for (std::size_t a : space->Addresses())
        if (a < kImageSize && n[a].empty()) n[a] = space->Name();
    return n;
  }();
  return names;
}

// "contact" or "option, not used by the editors": what a raw line covers.
std::string RegionComment(std::size_t from, std::size_t to) {
  std::vector<std::string> parts;
  for (std::size_t a = from; a <= to; ++a) {
    const std::string& n = RegionNames()[a];
    const std::string part = n.empty() ? "not used by the editors" : n + ": bytes its keys do not show";
    if (std::find(parts.begin(), parts.end(), part) == parts.end()) parts.push_back(part);
  }
  return JoinItems(parts, "; ");
}

std::string ShownKey(const RadioImage& image, const std::string& key) {
  auto shown = GetKey(image, key);
  return shown ? *shown : std::string();
}

// Every key's value as shown, for the keys that show one.
std::map<std::string, std::string> ShownValues(const RadioImage& image) {
  std::map<std::string, std::string> out;
  for (const auto& space : KeySpaces())
    for (auto& [k, v] : space->Export(image)) out.emplace(std::move(k), std::move(v));
  return out;
}

std::string ShownOf(const std::map<std::string, std::string>& shown, const std::string& key) {
  const auto it = shown.find(key);
  return it == shown.end() ? std::string() : it->second;
}

// A raw line: address, and the bytes it sets (address, value).
struct RawLine {
  std::size_t address = 0;
  std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
  int line = 0;
};

// The whole text, read before anything is applied.
struct ParsedText {
  KeyValues values;
  std::vector<int> lines;  // of each value
  std::vector<RawLine> raw;
  std::string band;          // the band key's value, empty when absent
  // Empty places of a list given by their position alone (an empty entry, or
  // none after the last): the raw bytes may show something else there.
  std::set<std::size_t> implied;
};

Status ParseRaw(const YAML::Node& raw, std::vector<RawLine>& out, std::map<std::size_t, int>& addressLines) {
  auto lineOf = [](const YAML::Node& n) { return Line(n.Mark().line + 1) + ": "; };
  if (raw.IsNull()) return Status::Ok();
  if (!raw.IsMap()) return Error{lineOf(raw) + "raw: expected lines of ADDRESS: HEX BYTES"};
  for (const auto& entry : raw) {
    const YAML::Node k = entry.first;
    const YAML::Node v = entry.second;
    if (!k.IsScalar() || !v.IsScalar()) return Error{lineOf(k) + "raw: expected ADDRESS: HEX BYTES"};
    const std::string addrText = k.Scalar();
    std::size_t addr = 0;
    std::size_t used = 0;
    try {
      addr = std::stoul(addrText, &used, 16);
    } catch (...) {
      used = 0;
    }
    if (used != addrText.size() || addr >= kImageSize)
      return Error{lineOf(k) + "raw: '" + addrText + "' is not an address 0x0000..0x3FFF"};
    RawLine line{addr, {}, k.Mark().line + 1};
    const std::string hex = v.Scalar();
    std::size_t i = 0;
    std::size_t at = addr;
    while (i < hex.size()) {
      if (hex[i] == ' ') {
        ++i;
        continue;
      }
      const std::size_t end = hex.find(' ', i);
      const std::string byte = hex.substr(i, end == std::string::npos ? std::string::npos : end - i);
      i += byte.size();
      if (at >= kImageSize)
        return Error{lineOf(v) + "raw " + addrText + ": bytes beyond the end of the image"};
      if (byte == kNoByte) {
        ++at;
        continue;
      }
      if (byte.size() != 2 || !std::isxdigit(static_cast<unsigned char>(byte[0])) ||
          !std::isxdigit(static_cast<unsigned char>(byte[1])))
        return Error{lineOf(v) + "raw " + addrText + ": '" + byte + "' is not a byte in hexadecimal (00..FF) or --"};
      if (const auto [it, fresh] = addressLines.emplace(at, line.line); !fresh)
        return Error{Line(it->second) + " and " + Line(line.line) + ": raw byte 0x" + Hex(at, 4) + " is given twice"};
      line.bytes.emplace_back(at++, static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    }
    if (line.bytes.empty()) return Error{lineOf(v) + "raw " + addrText + ": no bytes"};
    out.push_back(std::move(line));
  }
  return Status::Ok();
}

// Lines and list items the text holds, counted without parsing it.
std::size_t CountItems(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += c == '\n' || c == ',' || c == '[' || c == '{';
  return n;
}

// The line where a second document begins ("---" or "..." after the first).
int SecondDocumentLine(std::string_view text) {
  int line = 0;
  bool content = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view l = text.substr(pos, end - pos);
    ++line;
    if (l.starts_with("---") || l.starts_with("...")) {
      if (content) return line;
    } else if (!l.empty() && l.front() != '#' && l.find_first_not_of(" \t\r") != std::string_view::npos) {
      content = true;
    }
    pos = end + 1;
  }
  return line;
}

// Lists written as YAML sequences, one block per entry, with no count to
// keep: the list's name and the fields of an entry. A list of a fixed
// number of places (16 group lists, 16 messages) has no count key: the
// places after the last entry are emptied. An entry of one unnamed field
// (a message) is its value alone.
struct SequenceList {
  const char* name;
  std::vector<std::string> fields;
  int places = 0;  // of a list without a count key
  bool scalar() const { return fields.size() == 1 && fields.front().empty(); }
  std::string Key(int n, const std::string& field) const {
    return std::string(name) + "." + std::to_string(n) + (field.empty() ? "" : "." + field);
  }
};
const std::vector<SequenceList>& SequenceLists() {
  static const std::vector<SequenceList> lists = {{"contact", {"name", "number", "type"}},
                                                  {"grouplist", {"members"}, kGroupLists},
                                                  {"encrypt", {"alias", "key"}},
                                                  {"outbox", {""}, dpmr::kOutboxCount}};
  return lists;
}
const SequenceList* SequenceListNamed(std::string_view name) {
  for (const auto& l : SequenceLists())
    if (name == l.name) return &l;
  return nullptr;
}

// The list of places whose entry `key` is, or null.
const SequenceList* PlacesListOf(std::string_view key) {
  for (const auto& l : SequenceLists())
    if (l.places > 0 && key.starts_with(std::string(l.name) + ".")) return &l;
  return nullptr;
}

// The entries of a list sequence as its keys: "NAME.count", then
// "NAME.N.FIELD" for each field of entry N, each with its line.
Status ReadSequence(const SequenceList& list, const YAML::Node& seq, ParsedText& out, int line) {
  const std::string name = list.name;
  if (list.places == 0) {
    out.values.emplace_back(name + ".count", std::to_string(seq.size()));
    out.lines.push_back(line);
  } else if (seq.size() > static_cast<std::size_t>(list.places)) {
    return Error{Line(line) + ": " + name + ": " + std::to_string(seq.size()) + " entries; there are " +
                 std::to_string(list.places) + " places"};
  }
  int n = 0;
  for (const auto& item : seq) {
    ++n;
    const std::string where = Line(item.Mark().line + 1) + ": " + name + " entry " + std::to_string(n) + ": ";
    // An empty entry of a list of places empties that place.
    const bool empty = item.IsNull() || (item.IsMap() && item.size() == 0) || (item.IsScalar() && item.Scalar().empty());
    if (list.places > 0 && empty) {
      for (const auto& f : list.fields) {
        out.implied.insert(out.values.size());
        out.values.emplace_back(list.Key(n, f), std::string());
        out.lines.push_back(item.Mark().line + 1);
      }
      continue;
    }
    if (list.scalar()) {
      if (!item.IsScalar()) return Error{where + "the value must be one text"};
      out.values.emplace_back(list.Key(n, ""), item.Scalar());
      out.lines.push_back(item.Mark().line + 1);
      continue;
    }
    if (item.IsNull()) continue;
    if (!item.IsMap()) return Error{where + "expected lines of FIELD: VALUE (" + JoinItems(list.fields) + ")"};
    for (const auto& field : item) {
      const std::string f = field.first.IsScalar() ? field.first.Scalar() : std::string();
      if (std::find(list.fields.begin(), list.fields.end(), f) == list.fields.end())
        return Error{Line(field.first.Mark().line + 1) + ": " + name + " entry " + std::to_string(n) +
                     ": unknown field '" + f + "' (" + JoinItems(list.fields) + ")"};
      if (!field.second.IsNull() && !field.second.IsScalar())
        return Error{Line(field.first.Mark().line + 1) + ": " + name + " entry " + std::to_string(n) + ": " + f +
                     ": the value must be one text"};
      out.values.emplace_back(list.Key(n, f), field.second.IsNull() ? std::string() : field.second.Scalar());
      out.lines.push_back(field.first.Mark().line + 1);
    }
  }
  return Status::Ok();
}

// The places after the last entry of each list of places the text gives as
// a sequence are emptied, unless the text gives them by their own keys.
void EmptyPlacesAfterSequences(const std::vector<std::pair<const SequenceList*, int>>& given, ParsedText& out) {
  std::set<std::string> keys;
  for (const auto& kv : out.values) keys.insert(kv.first);
  for (const auto& [list, line] : given) {
    if (list->places == 0) continue;
    for (int n = 1; n <= list->places; ++n)
      for (const auto& f : list->fields)
        if (!keys.count(list->Key(n, f))) {
          out.implied.insert(out.values.size());
          out.values.emplace_back(list->Key(n, f), std::string());
          out.lines.push_back(line);
        }
  }
}

Result<ParsedText> ParseText(std::string_view text) {
  if (text.size() > kMaxTextSize)
    return Error{"the text is " + std::to_string(text.size()) + " bytes; the text of an image is at most " +
                 std::to_string(kMaxTextSize >> 20) + " MB"};
  if (CountItems(text) > kMaxTextItems)
    return Error{"the text holds more than " + std::to_string(kMaxTextItems) +
                 " lines and list items; the text of an image holds a few thousand"};
  std::vector<YAML::Node> docs;
  try {
    docs = YAML::LoadAll(std::string(text));
  } catch (const YAML::Exception& e) {
    return Error{Line(e.mark.line + 1) + ": not valid YAML (" + e.msg + ")"};
  }
  if (docs.size() > 1)
    return Error{Line(SecondDocumentLine(text)) + ": a second document begins here; the text of an image is one document"};
  if (docs.empty() || docs[0].IsNull() || !docs[0].IsDefined()) return Error{"the text holds no keys"};
  const YAML::Node& root = docs[0];
  if (!root.IsMap()) return Error{Line(root.Mark().line + 1) + ": expected lines of KEY: VALUE"};

  ParsedText out;
  std::map<std::string, int> seen;  // key, line
  std::map<std::size_t, int> rawAddresses;
  std::vector<std::pair<const SequenceList*, int>> sequences;  // with their lines
  for (const auto& entry : root) {
    const YAML::Node k = entry.first;
    const YAML::Node v = entry.second;
    const int line = k.Mark().line + 1;
    const std::string where = Line(line) + ": ";
    if (!k.IsScalar()) return Error{where + "expected a key"};
    const std::string key = k.Scalar();
    if (const auto [it, fresh] = seen.emplace(key, line); !fresh)
      return Error{Line(it->second) + " and " + Line(line) + ": " + key + " is given twice"};
    if (key == kRawKey) {
      Status st = ParseRaw(v, out.raw, rawAddresses);
      if (!st) return Error{st.error()};
      continue;
    }
    if (const SequenceList* list = SequenceListNamed(key)) {
      if (!v.IsSequence() && !v.IsNull())
        return Error{where + key + ": expected its entries, each a block beginning with '- '"};
      Status st = ReadSequence(*list, v.IsNull() ? YAML::Node(YAML::NodeType::Sequence) : v, out, line);
      if (!st) return Error{st.error()};
      sequences.emplace_back(list, line);
      continue;
    }
    if (!v.IsNull() && !v.IsScalar()) return Error{where + key + ": the value must be one text"};
    const std::string value = v.IsNull() ? std::string() : v.Scalar();
    // A text without a format line is of the first edition, whose keys and
    // raw lines read the same.
    if (key == kFormatKey) {
      if (value != kFormatVersion)
        return Error{where + "format '" + value + "' is not one this program reads (it reads format " +
                     kFormatVersion + ")"};
      continue;
    }
    if (key == kModelKey) continue;  // what the text is for; every image of this program is for it
    if (!SpaceOf(key)) return Error{where + "unknown key '" + key + "' (see dpmr-cli keys)"};
    if (key == "band") out.band = value;
    out.values.emplace_back(key, value);
    out.lines.push_back(line);
  }
  // An entry of a list sequence may also be given by its own key.
  std::map<std::string, int> given;
  for (std::size_t i = 0; i < out.values.size(); ++i)
    if (const auto [it, fresh] = given.emplace(out.values[i].first, out.lines[i]); !fresh)
      return Error{Line(std::min(it->second, out.lines[i])) + " and " + Line(std::max(it->second, out.lines[i])) +
                   ": " + out.values[i].first + " is given twice"};
  EmptyPlacesAfterSequences(sequences, out);
  return out;
}

// "channel.3." when `key` is the receive frequency of channel 3 and the
// value clears the channel (empty or 0), else empty.
std::string ClearedChannelPrefix(const KeyValue& kv) {
  for (const char* set : {"channel.", "pmr."}) {
    const auto [n, field] = SplitNumberedKey(kv.first, set, kChannelCount);
    const std::string v = Trim(kv.second);
    if (n > 0 && field == "rx_freq" && (v.empty() || v == "0"))
      return std::string(set) + std::to_string(n) + ".";
  }
  return {};
}

// The line of the key an error of a space's Set names first.
int LineOfError(const std::string& error, const KeyValues& values, const std::vector<int>& lines,
                const std::vector<std::size_t>& run) {
  for (std::size_t i : run)
    if (error.starts_with(values[i].first + ":") || error.starts_with(values[i].first + " ")) return lines[i];
  return lines[run.front()];
}

}  // namespace

RadioImage BuiltInBase(std::string_view band) {
  const int i = FindItem(BandItems(), Trim(band));
  return i < 0 ? NewImage("") : NewImage("", BandOfItem(i));
}

RadioImage BuiltInBaseOf(const RadioImage& image) {
  ChannelTable table;
  table.Load(image);
  return BuiltInBase(BandItems()[static_cast<std::size_t>(table.bandIndex())]);
}

ImageText DescribeImage(const RadioImage& image, const RadioImage& base) {
  KeyValues all;
  for (const auto& space : KeySpaces()) {
    KeyValues v = space->Export(image);
    all.insert(all.end(), v.begin(), v.end());
  }
  // Import them, and keep only what is taken.
  std::set<std::string> refused;
  RadioImage scratch = base;
  OpenedSpaces opened;
  for (std::size_t i : ImportOrder(all)) {
    const KeyValue& kv = all[i];
    if (Shows(scratch, kv.first, kv.second)) continue;
    RadioImage trial = scratch;
    if (SpaceOf(kv.first)->Set(trial, {kv}, nullptr)) {
      scratch = trial;
      opened.insert(SpaceOf(kv.first));
    } else {
      refused.insert(kv.first);
    }
  }
  CloseDialogs(scratch, opened);
  OpenAndSave(scratch);
  ImageText out;
  for (auto& kv : all)
    if (!refused.count(kv.first)) out.values.push_back(std::move(kv));
  for (std::size_t a = 0; a < kImageSize; ++a)
    if (scratch.Byte(a) != image.Byte(a)) out.raw.push_back(a);
  return out;
}

std::string ExportText(const RadioImage& image) { return ExportText(image, BuiltInBaseOf(image)); }

std::string ExportText(const RadioImage& image, const RadioImage& base) {
  const ImageText text = DescribeImage(image, base);
  std::string out =
      "# dpmr-cps radio image as text: one key per line, as 'dpmr-cli keys' lists them,\n"
      "# in the order of the menus (an import takes them in any order). 'raw' holds\n"
      "# the bytes no key brings back, 16 to a line, '--' where a line leaves a byte alone.\n" +
      std::string(kFormatKey) + ": " + Scalar(kFormatVersion) + "\n" + kModelKey + ": " + Scalar(kModel) + "\n";
  const KeySpace* section = nullptr;
  for (std::size_t i = 0; i < text.values.size(); ++i) {
    const auto& [key, value] = text.values[i];
    const KeySpace* space = SpaceOf(key);
    if (key != "band" && space != section) {
      out += "\n# " + space->Name() + "\n";
      section = space;
    }
    const SequenceList* places = PlacesListOf(key);
    if (places) {
      // The places up to the last one in use, an empty one as an empty entry.
      std::map<int, std::map<std::string, std::string>> entries;
      const std::string prefix = std::string(places->name) + ".";
      for (--i; i + 1 < text.values.size() && text.values[i + 1].first.starts_with(prefix); ++i) {
        const auto& [k, v] = text.values[i + 1];
        const auto [n, field] = SplitNumberedKey(k, prefix, places->places);
        if (n > 0 && !v.empty()) entries[n][std::string(field)] = v;
      }
      const int last = entries.empty() ? 0 : entries.rbegin()->first;
      out += std::string(places->name) + ":" + (last == 0 ? " []" : "") + "\n";
      for (int n = 1; n <= last; ++n) {
        const auto& e = entries[n];
        if (places->scalar()) {
          out += "  - " + Scalar(e.count("") ? e.at("") : std::string()) + "\n";
          continue;
        }
        std::string block;
        for (const auto& f : places->fields)
          if (e.count(f)) block += std::string(block.empty() ? "  - " : "    ") + f + ": " + Scalar(e.at(f)) + "\n";
        out += block.empty() ? "  - {}\n" : block;
      }
      continue;
    }
    const SequenceList* list = key.ends_with(".count") ? SequenceListNamed(key.substr(0, key.size() - 6)) : nullptr;
    if (!list) {
      out += key + ": " + Scalar(value) + "\n";
      continue;
    }
    // The entries as a sequence: the entry's keys follow the count.
    const std::string prefix = std::string(list->name) + ".";
    const int count = std::stoi(value);
    out += std::string(list->name) + ":" + (count == 0 ? " []" : "") + "\n";
    int entry = 0;
    std::string block;
    auto flush = [&] {
      if (entry > 0) out += block.empty() ? "  - {}\n" : block;
      block.clear();
    };
    for (; i + 1 < text.values.size() && text.values[i + 1].first.starts_with(prefix); ++i) {
      const auto& [k, v] = text.values[i + 1];
      const auto [n, field] = SplitNumberedKey(k, prefix, 99);
      if (n == 0) break;
      while (entry < n) {
        flush();
        ++entry;
      }
      block += std::string(block.empty() ? "  - " : "    ") + std::string(field) + ": " + Scalar(v) + "\n";
    }
    while (entry < count) {
      flush();
      ++entry;
    }
    flush();
  }
  if (!text.raw.empty()) {
    out += "\n" + std::string(kRawKey) + ":\n";
    std::size_t i = 0;
    while (i < text.raw.size()) {
      const std::size_t line = text.raw[i] / kRawLineBytes * kRawLineBytes;
      std::string bytes;
      std::size_t at = line;
      std::size_t first = text.raw[i];
      std::size_t last = first;
      for (; i < text.raw.size() && text.raw[i] < line + kRawLineBytes; ++i) {
        for (; at < text.raw[i]; ++at) bytes += std::string(bytes.empty() ? "" : " ") + kNoByte;
        bytes += (bytes.empty() ? "" : " ") + Hex(image.Byte(at++), 2);
        last = text.raw[i];
      }
      YAML::Emitter e;
      e << YAML::DoubleQuoted << bytes;
      out += "  \"0x" + Hex(line, 4) + "\": " + e.c_str() + "  # " + RegionComment(first, last) + "\n";
    }
  }
  return out;
}

Result<RadioImage> ImportText(std::string_view text, std::vector<std::string>* notes) {
  auto parsed = ParseText(text);
  if (!parsed) return Error{parsed.error()};
  return ImportText(text, BuiltInBase(parsed->band), notes);
}

Result<RadioImage> ImportText(std::string_view text, const RadioImage& base, std::vector<std::string>* notes) {
  auto parsedText = ParseText(text);
  if (!parsedText) return Error{parsedText.error()};
  ParsedText& parsed = *parsedText;
  KeyValues& values = parsed.values;
  const std::vector<int>& lines = parsed.lines;
  std::vector<std::string> noted;

  // A channel cleared by its receive frequency: its other keys are not applied.
  std::vector<bool> skipped(values.size(), false);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string prefix = ClearedChannelPrefix(values[i]);
    if (prefix.empty()) continue;
    int dropped = 0;
    for (std::size_t j = 0; j < values.size(); ++j)
      if (j != i && values[j].first.starts_with(prefix)) {
        skipped[j] = true;
        ++dropped;
      }
    if (dropped > 0)
      noted.push_back(Line(lines[i]) + ": " + values[i].first + " clears the channel; its " +
                      std::to_string(dropped) + " other keys are not applied");
  }

  RadioImage image = base;
  std::vector<std::size_t> applied;  // indices, in order
  std::vector<std::size_t> deferred;
  OpenedSpaces opened;
  auto stored = [&](const std::vector<std::string>& from, const std::vector<std::size_t>& run) {
    for (const std::string& n : from) {
      int line = lines[run.front()];
      for (std::size_t i : run)
        if (n.starts_with(values[i].first + "=")) line = lines[i];
      noted.push_back(Line(line) + ": " + n);
    }
  };
  // Values refused one by one may be taken together (two contacts swapping
  // names): they are given to their space together at the end of the stage,
  // and only then is a refusal an error.
  auto retryDeferred = [&]() -> Status {
    while (!deferred.empty()) {
      const KeySpace* space = SpaceOf(values[deferred.front()].first);
      std::vector<std::size_t> run;
      KeyValues kvs;
      std::vector<std::size_t> rest;
      for (std::size_t i : deferred) {
        if (SpaceOf(values[i].first) == space) {
          run.push_back(i);
          kvs.push_back(values[i]);
        } else {
          rest.push_back(i);
        }
      }
      std::vector<std::string> from;
      Status st = space->Set(image, kvs, &from);
      if (!st) return Error{Line(LineOfError(st.error(), values, lines, run)) + ": " + st.error()};
      stored(from, run);
      applied.insert(applied.end(), run.begin(), run.end());
      opened.insert(space);
      deferred = std::move(rest);
    }
    return Status::Ok();
  };
  int stage = -1;
  for (std::size_t i : ImportOrder(values)) {
    if (skipped[i]) continue;
    const KeyValue& kv = values[i];
    if (StageOf(kv.first) != stage) {
      Status st = retryDeferred();
      if (!st) return Error{st.error()};
      stage = StageOf(kv.first);
    }
    applied.push_back(i);
    if (Shows(image, kv.first, kv.second)) continue;
    RadioImage trial = image;
    std::vector<std::string> from;
    if (!SpaceOf(kv.first)->Set(trial, {kv}, &from)) {
      applied.pop_back();
      deferred.push_back(i);
      continue;
    }
    image = std::move(trial);
    opened.insert(SpaceOf(kv.first));
    stored(from, {i});
  }
  if (Status st = retryDeferred(); !st) return Error{st.error()};
  CloseDialogs(image, opened);
  OpenAndSave(image);

  // The raw bytes, which never undo a key of the text: a raw line that
  // changes what a key shows, away from the value the text gives it, is an
  // error naming both lines.
  const std::map<std::string, std::string> afterKeys = ShownValues(image);
  const RadioImage keyed = image;
  for (const RawLine& r : parsed.raw)
    for (const auto& [addr, byte] : r.bytes) image.SetByte(addr, byte);
  const std::map<std::string, std::string> shown = parsed.raw.empty() ? afterKeys : ShownValues(image);
  for (std::size_t i : applied) {
    const auto& [key, value] = values[i];
    const std::string now = ShownOf(shown, key);
    if (now == value || now == ShownOf(afterKeys, key) || parsed.implied.count(i)) continue;
    int rawLine = parsed.raw.front().line;
    for (const RawLine& r : parsed.raw) {
      RadioImage one = keyed;
      for (const auto& [addr, byte] : r.bytes) one.SetByte(addr, byte);
      if (ShownKey(one, key) != ShownOf(afterKeys, key)) {
        rawLine = r.line;
        break;
      }
    }
    return Error{Line(rawLine) + ": the raw bytes there change " + key + ", which " + Line(lines[i]) +
                 " sets to '" + value + "' (it would read '" + now +
                 "'); a raw line never overrides a key: remove one of the two lines"};
  }

  if (notes) {
    // A value the raw bytes bring back in the end (an export of odd bytes)
    // was not stored otherwise.
    // In the order of the lines.
    std::stable_sort(noted.begin(), noted.end(), [](const std::string& a, const std::string& b) {
      return std::stoi(a.substr(5)) < std::stoi(b.substr(5));
    });
    for (std::string& n : noted) notes->push_back(std::move(n));
    std::erase_if(*notes, [&](const std::string& n) {
      for (std::size_t i : applied)
        if (n.find(": " + values[i].first + "=") != std::string::npos) return ShownOf(shown, values[i].first) == values[i].second;
      return false;
    });
    // Keys the editors show but do not take: what the radio gathered and
    // fields shown read-only.
    for (std::size_t i = 0; i < values.size(); ++i) {
      const auto& [key, value] = values[i];
      if (skipped[i] || !SpaceOf(key)->ReadOnly(key)) continue;
      const std::string now = ShownKey(image, key);
      if (now != value)
        notes->push_back(Line(lines[i]) + ": " + key + "=" + value + " is not applied: the key is shown only (" +
                         (key.starts_with("inbox.") ? "the radio gathers it" : "read-only") + "); it stays " +
                         (now.empty() ? "\"\"" : now));
    }
  }
  return image;
}

bool IsTextImagePath(std::string_view path) { return path.ends_with(".yaml") || path.ends_with(".yml"); }

Result<std::string> ReadTextImageFile(const std::string& path) {
  auto file = ReadRegularFile(path, kMaxTextSize);
  if (!file) return Error{file.error()};
  if (file->size > kMaxTextSize)
    return Error{path + ": " + std::to_string(file->size) + " bytes is too large for the text of an image (at most " +
                 std::to_string(kMaxTextSize >> 20) + " MB)"};
  return std::move(file->bytes);
}

ImageDifference CompareImages(const RadioImage& a, const RadioImage& b, const RadioImage& base) {
  const ImageText ta = DescribeImage(a, base);
  const ImageText tb = DescribeImage(b, base);
  const KeyCatalog& catalog = KeyCatalog::Get();
  std::map<std::string, std::pair<std::string, std::string>> values;
  for (const auto& [k, v] : ta.values) values[k].first = v;
  for (const auto& [k, v] : tb.values) values[k].second = v;
  ImageDifference diff;
  for (const auto& [k, v] : values) {
    if (v.first == v.second) continue;
    const auto it = catalog.byKey.find(k);
    diff.keys.push_back({k, it == catalog.byKey.end() ? std::string() : it->second.second, v.first, v.second});
  }
  auto order = [&](const KeyDifference& d) {
    const auto it = catalog.byKey.find(d.key);
    return it == catalog.byKey.end() ? catalog.byKey.size() : it->second.first;
  };
  std::stable_sort(diff.keys.begin(), diff.keys.end(),
                   [&](const KeyDifference& x, const KeyDifference& y) { return order(x) < order(y); });
  std::set<std::size_t> raw(ta.raw.begin(), ta.raw.end());
  raw.insert(tb.raw.begin(), tb.raw.end());
  std::vector<std::size_t> differing;
  for (std::size_t addr : raw)
    if (a.Byte(addr) != b.Byte(addr)) differing.push_back(addr);
  diff.raw = Runs(differing, 0);
  return diff;
}

}  // namespace cps
