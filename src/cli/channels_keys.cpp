// The channel tables on the command line: "show FILE channels|pmr" and the
// keys channel.N.*, pmr.N.* and band for get and set. On an open document
// the main keys edit the document's table, as the cells of the main window
// do (written back when the file is saved); the PMR keys edit the table of
// the "Pmr Channel" dialog, which clamps to the main table's band and is
// written back when the dialog closes.
#include <algorithm>
#include <ostream>

#include "cli/cli.h"
#include "core/base/c_text.h"
#include "core/channels/channel_table.h"
#include "core/codec/tone.h"

namespace cps::cli {
namespace {

struct ChannelField {
  const char* key;
  int column;
  const char* allowed;
};

const std::vector<ChannelField>& Fields() {
  static const std::vector<ChannelField> fields = {
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

constexpr const char* kBandKey = "band";

std::string JoinItems(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& s : items) out += (out.empty() ? "" : ", ") + s;
  return out;
}

// A text that reads fully as a non-negative decimal number.
bool IsDecimal(std::string_view text) {
  if (text.empty()) return false;
  int dots = 0, digits = 0;
  for (char c : text) {
    if (c == '.') ++dots;
    else if (c >= '0' && c <= '9') ++digits;
    else return false;
  }
  return dots <= 1 && digits > 0;
}

// The band the channel editors work with after the file was opened.
BandLimits OpenedBand(const RadioImage& image) {
  ChannelTable main;
  main.Load(image);
  return main.band();
}

class ChannelKeySpace : public KeySpace {
 public:
  ChannelKeySpace(std::string name, std::size_t base, bool withBand)
      : name_(std::move(name)), prefix_(name_ + "."), base_(base), withBand_(withBand) {}

  std::string Name() const override { return name_; }

  std::vector<KeyInfo> Keys() const override {
    std::vector<KeyInfo> keys;
    if (withBand_) keys.push_back({kBandKey, "Freq range", JoinItems(BandItems())});
    for (int n = 1; n <= kChannelCount; ++n)
      for (const auto& f : Fields())
        keys.push_back({prefix_ + std::to_string(n) + "." + f.key,
                        ChannelColumnInfos()[static_cast<std::size_t>(f.column)].title, f.allowed});
    return keys;
  }

  bool Owns(std::string_view key) const override {
    return key.starts_with(prefix_) || (withBand_ && key == kBandKey);
  }

  Result<std::string> Get(const RadioImage& image, std::string_view key) const override {
    ChannelTable table = MakeTable(image);
    if (withBand_ && key == kBandKey) return BandItems()[static_cast<std::size_t>(table.bandIndex())];
    auto parsed = Parse(key);
    if (!parsed) return Error{parsed.error()};
    return table.Cell(parsed->first, parsed->second->column);
  }

  Status Set(RadioImage& image, const std::vector<std::pair<std::string, std::string>>& assignments) const override {
    ChannelTable table = MakeTable(image);
    Status st = Apply(image, table, assignments);
    if (!st) return st;
    table.WriteBack(image);
    return Status::Ok();
  }

  Result<std::string> GetOpen(const Document& doc, std::string_view key) const override {
    if (!withBand_) return PmrCell(doc.image(), key, doc.table().band());
    const ChannelTable& table = doc.table();
    if (key == kBandKey) return BandItems()[static_cast<std::size_t>(table.bandIndex())];
    auto parsed = Parse(key);
    if (!parsed) return Error{parsed.error()};
    return table.Cell(parsed->first, parsed->second->column);
  }

  Status SetOpen(Document& doc, const std::vector<std::pair<std::string, std::string>>& assignments) const override {
    if (withBand_) return Apply(doc.image(), doc.table(), assignments);
    // The PMR dialog: opened, edited, closed.
    ChannelTable table(base_, false);
    table.setBand(doc.table().band());
    table.Load(doc.image());
    Status st = Apply(doc.image(), table, assignments);
    if (!st) return st;
    table.WriteBack(doc.image());
    return st;
  }

 private:
  Result<std::string> PmrCell(const RadioImage& image, std::string_view key, const BandLimits& band) const {
    ChannelTable table(base_, false);
    table.setBand(band);
    table.Load(image);
    auto parsed = Parse(key);
    if (!parsed) return Error{parsed.error()};
    return table.Cell(parsed->first, parsed->second->column);
  }

  Status Apply(RadioImage& image, ChannelTable& table,
               const std::vector<std::pair<std::string, std::string>>& assignments) const {
    for (const auto& [key, value] : assignments) {
      Status st = Apply(image, table, key, value);
      if (!st) return st;
    }
    return Status::Ok();
  }

  ChannelTable MakeTable(const RadioImage& image) const {
    ChannelTable table(base_, withBand_);
    if (!withBand_) table.setBand(OpenedBand(image));
    table.Load(image);
    return table;
  }

  std::string Unknown(std::string_view key) const {
    std::string fields;
    for (const auto& f : Fields()) fields += (fields.empty() ? "" : ", ") + std::string(f.key);
    return "unknown key '" + std::string(key) + "' (" + prefix_ + "N.FIELD with N 1..16 and FIELD one of " +
           fields + (withBand_ ? "; or band" : "") + ")";
  }

  Result<std::pair<int, const ChannelField*>> Parse(std::string_view key) const {
    if (!key.starts_with(prefix_)) return Error{Unknown(key)};
    const std::string_view rest = key.substr(prefix_.size());
    const auto dot = rest.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 2) return Error{Unknown(key)};
    const std::string_view num = rest.substr(0, dot);
    for (char c : num)
      if (c < '0' || c > '9') return Error{Unknown(key)};
    const int n = static_cast<int>(ParseInt(num));
    if (n < 1 || n > kChannelCount) return Error{Unknown(key)};
    const std::string_view field = rest.substr(dot + 1);
    for (const auto& f : Fields())
      if (field == f.key) return std::pair<int, const ChannelField*>{n, &f};
    return Error{Unknown(key)};
  }

  Status Apply(RadioImage& image, ChannelTable& table, const std::string& key, const std::string& value) const {
    if (withBand_ && key == kBandKey) {
      const auto& items = BandItems();
      for (std::size_t i = 0; i < items.size(); ++i)
        if (EqualsIgnoreCase(items[i], value)) {
          table.ChangeBand(image, static_cast<int>(i));
          return Status::Ok();
        }
      return Error{"band: '" + value + "' is not one of " + JoinItems(items)};
    }
    auto parsed = Parse(key);
    if (!parsed) return Error{parsed.error()};
    const int row = parsed->first;
    const ChannelField& f = *parsed->second;
    const std::string v = Trim(value);
    // The value first, so that a wrong value is named even on an empty channel.
    std::string text = v;
    switch (f.column) {
      case kColRxFreq:
      case kColTxFreq:
        if (!v.empty() && !IsDecimal(v)) return Error{key + ": '" + value + "' is not a frequency (" + f.allowed + ")"};
        break;
      case kColRxTone:
      case kColTxTone: {
        const std::string normal = NormalizeToneText(v);
        if (normal.empty() || (normal == "None" && !EqualsIgnoreCase(v, "None")))
          return Error{key + ": '" + value + "' is not a tone (" + f.allowed + ")"};
        break;
      }
      default: {
        const auto& items = ChannelChoiceItems(f.column);
        auto it = std::find_if(items.begin(), items.end(), [&](const std::string& i) { return EqualsIgnoreCase(i, v); });
        if (it == items.end()) return Error{key + ": '" + value + "' is not one of " + JoinItems(items)};
        text = *it;
      }
    }
    if (f.column != kColRxFreq && table.RowEmpty(row))
      return Error{key + ": channel " + std::to_string(row) + " is empty; set " + prefix_ + std::to_string(row) +
                   ".rx_freq first"};
    if (f.column == kColRxFreq || f.column == kColTxFreq)
      table.CommitFrequency(image, row, f.column, text);
    else if (f.column == kColRxTone || f.column == kColTxTone)
      table.CommitTone(row, f.column, text);
    else
      table.CommitChoice(row, f.column, text);
    return Status::Ok();
  }

  std::string name_;
  std::string prefix_;
  std::size_t base_;
  bool withBand_;
};

void PrintTable(std::ostream& out, const ChannelTable& table) {
  constexpr int kPrinted = kColType + 1;
  const int widths[kPrinted] = {3, 12, 12, 8, 8, 6, 5, 10, 14};
  auto row = [&](auto textOf) {
    std::string line;
    for (int c = 0; c < kPrinted; ++c) {
      std::string t = textOf(c);
      if (c + 1 < kPrinted) t.resize(std::max<std::size_t>(t.size(), static_cast<std::size_t>(widths[c])), ' ');
      line += t + (c + 1 < kPrinted ? "  " : "");
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  };
  row([](int c) { return c == 0 ? std::string("No.") : std::string(ChannelColumnInfos()[static_cast<std::size_t>(c)].title); });
  for (int n = 1; n <= kChannelCount; ++n) row([&](int c) { return table.Cell(n, c); });
}

KeySpaceRegistrar channelKeys(std::make_shared<ChannelKeySpace>("channel", kMainChannelBase, true));
KeySpaceRegistrar pmrKeys(std::make_shared<ChannelKeySpace>("pmr", kPmrChannelBase, false));

ShowSectionRegistrar showChannels({"channels", "the channel table: band and 16 channels",
                                   [](std::ostream& out, const RadioImage& image) {
                                     ChannelTable table;
                                     table.Load(image);
                                     out << "Freq range: " << BandItems()[static_cast<std::size_t>(table.bandIndex())]
                                         << "\n";
                                     PrintTable(out, table);
                                   }});
ShowSectionRegistrar showPmr({"pmr", "the 16 PMR channels", [](std::ostream& out, const RadioImage& image) {
                                ChannelTable table(kPmrChannelBase, false);
                                table.Load(image);
                                PrintTable(out, table);
                              }});

}  // namespace
}  // namespace cps::cli
