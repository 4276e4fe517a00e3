// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_chirp.h"

#include <algorithm>
#include <optional>

#include "core/base/c_text.h"
#include "core/codec/tone.h"

namespace cps {

namespace {

constexpr const char* kNoneTone = "None";
constexpr const char* kDefaultCtcss = "88.5";
constexpr const char* kDefaultDcs = "023";
constexpr const char* kDefaultCrossMode = "Tone->Tone";
constexpr const char* kDefaultType = "Analog";  // a CHIRP memory is analog FM

// A decimal number times one million (MHz as whole hertz, watts as
// microwatts): digits, an optional point and more digits, nothing else.
// Digits beyond the sixth decimal are dropped; `dropped` tells whether any
// of them was not 0.
std::optional<long long> ParseMillionths(std::string_view text, bool* dropped = nullptr) {
  if (dropped) *dropped = false;
  if (text.empty()) return std::nullopt;
  long long whole = 0, micro = 0;
  int wholeDigits = 0, decimals = 0;
  bool point = false;
  for (char c : text) {
    if (c == '.') {
      if (point) return std::nullopt;
      point = true;
    } else if (c >= '0' && c <= '9') {
      if (!point) {
        if (++wholeDigits > 6) return std::nullopt;
        whole = whole * 10 + (c - '0');
      } else if (decimals < 6) {
        micro = micro * 10 + (c - '0');
        ++decimals;
      } else if (c != '0' && dropped) {
        *dropped = true;
      }
    } else {
      return std::nullopt;
    }
  }
  if (wholeDigits == 0 && decimals == 0) return std::nullopt;
  for (int d = decimals; d < 6; ++d) micro *= 10;
  return whole * 1000000 + micro;
}

std::string FormatMhz(long long hz) {
  std::string micro = std::to_string(hz % 1000000);
  micro.insert(0, 6 - micro.size(), '0');
  return std::to_string(hz / 1000000) + "." + micro;
}

// A CTCSS tone in Hz as it appears in the tone list ("88.5"), or nullopt
// when the text is not a decimal number. A tone with hundredths is not one
// the radio knows: it keeps its text, so the reason names it.
std::optional<std::string> CtcssText(std::string_view text) {
  const auto millionths = ParseMillionths(text);
  if (!millionths) return std::nullopt;
  if (*millionths % 100000 != 0) return std::string(text);
  const long long tenths = *millionths / 100000;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// "446.1" for 446100000 Hz: the MHz without trailing zeros.
std::string ShortMhz(long long hz) {
  std::string text = FormatMhz(hz);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// What the table stores for a frequency in hertz: the text its cell shows.
std::string StoredFrequencyText(long long hz) { return FrequencyToText(static_cast<std::uint32_t>(hz / 10)); }

bool InToneList(const std::string& text) {
  const auto& list = ToneList();
  return text != kNoneTone && std::find(list.begin(), list.end(), text) != list.end();
}

std::string BandText(const BandLimits& band) {
  return std::to_string(band.low / 100000) + "-" + std::to_string(band.high / 100000) + "MHz";
}

// Reads the tone columns of one row into its transmit and receive tones.
class ToneReader {
 public:
  ToneReader(const CsvTable& table, const CsvRecord& row, std::vector<std::string>* notes)
      : table_(table), row_(row), notes_(notes) {}

  // The tone the table stores for `written` (cleaned up as typing it would
  // be), with a note when that is another text or a tone the tone list
  // lacks. An error when the radio cannot store it at all.
  Result<std::string> Stored(const char* column, const std::string& given, const std::string& written) const {
    const std::string stored = ChannelTable::ToneCellText(written);
    if (stored == kNoneTone) return Error{std::string(column) + " '" + given + "' is not a tone the radio can store"};
    if (notes_) {
      if (!InToneList(stored))
        notes_->push_back(std::string(column) + " " + given + " is not in the tone list; it is stored as " + stored);
      else if (stored != written)
        notes_->push_back(std::string(column) + " " + given + " is stored as " + stored);
    }
    return stored;
  }

  Result<std::string> Ctcss(const char* column) const {
    std::string text = table_.Field(row_, column);
    if (table_.Column(column) < 0) text = kDefaultCtcss;
    auto tone = CtcssText(text);
    if (!tone) return Error{std::string(column) + " '" + text + "' is not a tone in Hz"};
    return Stored(column, text, *tone);
  }

  // `side` 0 = transmit, 1 = receive: which polarity letter applies.
  Result<std::string> Dcs(const char* column, int side) const {
    std::string code = table_.Field(row_, column);
    if (code.empty() && std::string_view(column) == "RxDtcsCode") code = table_.Field(row_, "DtcsCode");
    if (table_.Column("DtcsCode") < 0 && code.empty()) code = kDefaultDcs;
    const std::string given = code;
    // A code in the form the table shows it ("D023N", "D754I") brings its
    // own polarity.
    char letter = 0;
    const std::string upper = ToUpper(code);
    if (upper.size() >= 3 && upper.front() == 'D' && (upper.back() == 'N' || upper.back() == 'I')) {
      letter = upper.back();
      code = code.substr(1, code.size() - 2);
    }
    if (code.empty() || code.size() > 3 || !std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return Error{std::string(column) + " '" + given + "' is not a DTCS code"};
    code.insert(0, 3 - code.size(), '0');
    if (!letter) {
      std::string polarity = ToUpper(table_.Field(row_, "DtcsPolarity"));
      if (polarity.empty()) polarity = "NN";
      if (polarity.size() != 2 || !std::all_of(polarity.begin(), polarity.end(), [](char c) { return c == 'N' || c == 'R'; }))
        return Error{"DtcsPolarity '" + table_.Field(row_, "DtcsPolarity") + "' is not two of N and R"};
      letter = polarity[static_cast<std::size_t>(side)] == 'R' ? 'I' : 'N';
    }
    const std::string text = "D" + code + letter;
    return Stored(column, text, text);
  }

  // Transmit and receive tone texts of the row's tone mode.
  Result<std::pair<std::string, std::string>> Read() const {
    const std::string mode = table_.Field(row_, "Tone");
    std::string tx = kNoneTone, rx = kNoneTone;
    auto take = [](Result<std::string> r, std::string& into) -> std::optional<Error> {
      if (!r) return Error{r.error()};
      into = *r;
      return std::nullopt;
    };
    std::optional<Error> err;
    if (mode.empty()) {
    } else if (EqualsIgnoreCase(mode, "Tone")) {
      err = take(Ctcss("rToneFreq"), tx);
    } else if (EqualsIgnoreCase(mode, "TSQL")) {
      if (!(err = take(Ctcss("cToneFreq"), tx))) rx = tx;
    } else if (EqualsIgnoreCase(mode, "DTCS")) {
      if (!(err = take(Dcs("DtcsCode", 0), tx))) err = take(Dcs("DtcsCode", 1), rx);
    } else if (EqualsIgnoreCase(mode, "Cross")) {
      std::string cross = table_.Field(row_, "CrossMode");
      if (cross.empty()) cross = kDefaultCrossMode;
      const auto arrow = cross.find("->");
      if (arrow == std::string::npos) return Error{"CrossMode '" + cross + "' is not known"};
      const std::string from = cross.substr(0, arrow), to = cross.substr(arrow + 2);
      auto side = [&](const std::string& kind, bool transmit, std::string& into) -> std::optional<Error> {
        if (kind.empty()) return std::nullopt;
        if (EqualsIgnoreCase(kind, "Tone")) return take(Ctcss(transmit ? "rToneFreq" : "cToneFreq"), into);
        if (EqualsIgnoreCase(kind, "DTCS")) return take(Dcs(transmit ? "DtcsCode" : "RxDtcsCode", transmit ? 0 : 1), into);
        return Error{"CrossMode '" + cross + "' is not known"};
      };
      if (from.empty() && to.empty()) return Error{"CrossMode '" + cross + "' is not known"};
      if (!(err = side(from, true, tx))) err = side(to, false, rx);
    } else {
      return Error{"tone mode '" + mode + "' is not known"};
    }
    if (err) return *err;
    return std::pair{tx, rx};
  }

 private:
  const CsvTable& table_;
  const CsvRecord& row_;
  std::vector<std::string>* notes_;
};

// ---- export -----------------------------------------------------------

struct ToneParts {
  enum Kind { kNone, kCtcss, kDcs } kind = kNone;
  std::string value;   // "88.5" or "023"
  char polarity = 'N'; // DCS: N or R
};

ToneParts SplitTone(const std::string& text) {
  ToneParts p;
  if (text.empty() || text == kNoneTone) return p;
  if (text.front() == 'D' && text.size() >= 3) {
    p.kind = ToneParts::kDcs;
    p.value = text.substr(1, text.size() - 2);
    if (p.value.size() < 3) p.value.insert(0, 3 - p.value.size(), '0');
    p.polarity = text.back() == 'I' ? 'R' : 'N';
    return p;
  }
  p.kind = ToneParts::kCtcss;
  p.value = text;
  return p;
}

}  // namespace

const std::vector<std::string>& ChirpColumns() {
  static const std::vector<std::string> columns = {
      "Location", "Name",         "Frequency",  "Duplex",    "Offset", "Tone",  "rToneFreq",
      "cToneFreq", "DtcsCode",    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
      "Skip",     "Power",        "Comment",    "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE"};
  return columns;
}

std::string TuningStepText(long long hz) {
  const std::pair<long long, const char*> steps[] = {
      {25000, "25.00"}, {12500, "12.50"}, {6250, "6.25"}, {5000, "5.00"}, {2500, "2.50"}, {3125, "6.25"}};
  for (const auto& [step, text] : steps)
    if (hz % step == 0) return text;
  return "5.00";
}

std::string DecimalCommaAsPoint(std::string_view text) {
  // Digits, one comma, digits, and at most a unit after them ("0,5W").
  std::string out = Trim(text);
  const auto comma = out.find(',');
  if (comma == std::string::npos || comma == 0 || out.find('.') != std::string::npos) return out;
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t end = comma + 1;
  while (end < out.size() && digit(out[end])) ++end;
  const bool before = std::all_of(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(comma), digit);
  const bool unit = std::none_of(out.begin() + static_cast<std::ptrdiff_t>(end), out.end(),
                                 [&](char c) { return digit(c) || c == ','; });
  if (!before || end == comma + 1 || !unit) return out;
  out[comma] = '.';
  return out;
}

std::string SpreadsheetToneText(std::string_view text) {
  const std::string point = DecimalCommaAsPoint(text);
  const bool bare = !point.empty() && point.front() != '0' &&
                    std::all_of(point.begin(), point.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (bare && InToneList(point + ".0")) return point + ".0";
  return point;
}

std::string FrequencyNote(std::string_view column, std::string_view given, const std::string& storedText,
                          const BandLimits& band) {
  bool dropped = false;
  const auto hz = ParseMillionths(DecimalCommaAsPoint(given), &dropped);
  const auto stored = ParseMillionths(storedText);
  if (!hz || !stored || (*hz == *stored && !dropped)) return {};
  const char* why = *hz / 10 > band.high   ? "the top of the band"
                    : *hz / 10 < band.low  ? "the bottom of the band"
                                           : "the 2.5/3.125 kHz channel grid";
  return (column.empty() ? std::string() : std::string(column) + " ") + Trim(given) + " is stored as " + storedText + " (" +
         why + ")";
}

Result<CsvTable> ReadChirpCsv(std::string_view text) {
  // Spreadsheets save with a semicolon (and decimal commas) or a tab where
  // the header holds no comma.
  const auto firstLineEnd = text.find_first_of("\r\n");
  const std::string_view firstLine = text.substr(0, firstLineEnd);
  char delimiter = ',';
  if (firstLine.find(',') == std::string_view::npos) {
    if (firstLine.find(';') != std::string_view::npos)
      delimiter = ';';
    else if (firstLine.find('\t') != std::string_view::npos)
      delimiter = '\t';
  }
  auto table = ParseCsvTable(TextAsUtf8(text), delimiter);
  if (!table) return Error{"not a CSV file: " + table.error()};
  if (table->Column("Frequency") < 0) return Error{"not a CHIRP CSV file: there is no Frequency column"};
  if (delimiter != ',')
    for (auto& row : table->rows)
      for (auto& field : row.fields) {
        std::string point = DecimalCommaAsPoint(field);
        if (point != Trim(field)) field = std::move(point);
      }
  return table;
}

bool HasChirpHeader(std::string_view text) {
  const auto end = text.find_first_of("\r\n");
  auto table = ReadChirpCsv(text.substr(0, end));
  return table && table->Column("Location") >= 0;
}

Result<ChannelRowTexts> ChirpRowToChannel(const CsvTable& table, const CsvRecord& row, const BandLimits& band,
                                          std::vector<std::string>* notes) {
  ChannelRowTexts t;
  std::vector<std::string> found;
  const std::string freq = table.Field(row, "Frequency");
  if (freq.empty()) return Error{"no frequency"};
  const auto rx = ParseMillionths(freq);
  if (!rx || *rx == 0) return Error{"Frequency '" + freq + "' is not a frequency in MHz"};
  const std::string mode = table.Field(row, "Mode");
  if (mode.empty() || EqualsIgnoreCase(mode, "FM"))
    t[kColBandwidth] = "Wide";
  else if (EqualsIgnoreCase(mode, "NFM"))
    t[kColBandwidth] = "Narrow";
  else
    return Error{"mode " + mode + " cannot be programmed into this radio"};

  auto inBand = [&](long long hz) { return hz / 10 >= band.low && hz / 10 <= band.high; };
  if (!inBand(*rx)) return Error{"receive frequency " + FormatMhz(*rx) + " MHz is outside the band " + BandText(band)};

  const std::string duplex = table.Field(row, "Duplex");
  const std::string offsetText = table.Field(row, "Offset");
  long long tx = *rx;
  bool hasTx = true;
  auto offset = [&]() -> Result<long long> {
    if (offsetText.empty()) return 0LL;
    auto o = ParseMillionths(offsetText);
    if (!o) return Error{"Offset '" + offsetText + "' is not a frequency in MHz"};
    return *o;
  };
  if (duplex.empty()) {
  } else if (duplex == "+" || duplex == "-") {
    auto o = offset();
    if (!o) return Error{o.error()};
    tx = duplex == "+" ? *rx + *o : *rx - *o;
  } else if (EqualsIgnoreCase(duplex, "split")) {
    auto o = ParseMillionths(offsetText);
    if (!o || *o == 0) return Error{"Offset '" + offsetText + "' is not a transmit frequency in MHz"};
    tx = *o;
  } else if (EqualsIgnoreCase(duplex, "off")) {
    hasTx = false;
  } else {
    return Error{"Duplex '" + duplex + "' is not one of +, -, split, off or empty"};
  }
  if (hasTx && (tx <= 0 || !inBand(tx)))
    return Error{"transmit frequency " + (tx > 0 ? FormatMhz(tx) + " MHz" : std::string("below 0")) +
                 " is outside the band " + BandText(band)};
  t[kColRxFreq] = StoredFrequencyText(*rx);
  if (auto note = FrequencyNote("Frequency", freq, t[kColRxFreq], band); !note.empty()) found.push_back(note);
  if (hasTx) {
    t[kColTxFreq] = StoredFrequencyText(tx);
  }
  // A simplex row's transmit frequency is its receive one, noted above.
  if (hasTx && !duplex.empty()) {
    const bool split = EqualsIgnoreCase(duplex, "split");
    const std::string given = split ? offsetText : ShortMhz(tx);
    // An offset's own extra digits show in the transmit frequency it gives.
    bool dropped = false;
    if (!split) ParseMillionths(offsetText, &dropped);
    const auto storedTx = ParseMillionths(t[kColTxFreq]);
    if (dropped || (storedTx && *storedTx != tx))
      found.push_back(std::string(split ? "Offset" : "Frequency + Offset") + " " + given + " is stored as " +
                      t[kColTxFreq] + " (the 2.5/3.125 kHz channel grid)");
  }

  auto tones = ToneReader(table, row, &found).Read();
  if (!tones) return Error{tones.error()};
  t[kColTxTone] = tones->first;
  t[kColRxTone] = tones->second;

  const std::string skip = table.Field(row, "Skip");
  if (skip.empty())
    t[kColScan] = "Add";
  else if (EqualsIgnoreCase(skip, "S") || EqualsIgnoreCase(skip, "P"))
    t[kColScan] = "Del";
  else
    return Error{"Skip '" + skip + "' is not S, P or empty"};

  const std::string power = table.Field(row, "Power");
  if (power.empty() || EqualsIgnoreCase(power, "High")) {
    t[kColPower] = "High";
  } else if (EqualsIgnoreCase(power, "Low")) {
    t[kColPower] = "Low";
  } else {
    std::string number = power;
    if (!number.empty() && (number.back() == 'W' || number.back() == 'w')) number = Trim(number.substr(0, number.size() - 1));
    const auto microwatts = ParseMillionths(number);
    if (!microwatts) return Error{"Power '" + power + "' is not a number of watts"};
    t[kColPower] = *microwatts >= static_cast<long long>(kHighPowerWatts * 1000000) ? "High" : "Low";
  }

  const std::string comment = table.Field(row, "Comment");
  const auto& types = ChannelTypeItems();
  t[kColType] = std::find(types.begin(), types.end(), comment) != types.end() ? comment : kDefaultType;
  if (notes) notes->insert(notes->end(), found.begin(), found.end());
  return t;
}

int CsvImportPlan::Count(CsvRowOutcome outcome) const {
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const CsvRowPlan& r) { return r.outcome == outcome; }));
}

bool PlacesByLocation(const CsvTable& table) { return table.Column("Location") >= 0; }

CsvImportPlan PlanChirpImport(const CsvTable& table, const BandLimits& band, int firstChannel, int locationOffset) {
  CsvImportPlan plan;
  const bool byLocation = firstChannel == kByLocation && PlacesByLocation(table);
  int next = std::clamp(firstChannel, 1, kChannelCount);
  std::array<int, kChannelCount + 1> takenBy{};  // the line of the row a channel went to
  for (const CsvRecord& record : table.rows) {
    CsvRowPlan row;
    row.line = record.line;
    row.name = table.Field(record, "Name");
    row.frequency = table.Field(record, "Frequency");
    auto texts = ChirpRowToChannel(table, record, band, &row.notes);
    int channel = next;
    std::string reason;
    if (!texts) {
      reason = texts.error();
    } else if (byLocation) {
      const std::string location = table.Field(record, "Location");
      std::size_t used = 0;
      const long long n = ParseInt(location, &used);
      channel = static_cast<int>(std::clamp<long long>(n - locationOffset, -1, kChannelCount + 1));
      if (location.empty() || used != location.size())
        reason = "Location '" + location + "' is not a channel number";
      else if (channel < 1 || channel > kChannelCount)
        reason = "Location " + location + " is not a channel 1-16 (fill in order from a first channel to take it)";
      else if (takenBy[static_cast<std::size_t>(channel)] != 0)
        reason = "channel " + std::to_string(channel) + " is already taken by row " +
                 std::to_string(takenBy[static_cast<std::size_t>(channel)]);
    }
    if (!reason.empty()) {
      row.outcome = CsvRowOutcome::kSkipped;
      row.reason = std::move(reason);
      row.notes.clear();
    } else if (channel > kChannelCount) {
      row.outcome = CsvRowOutcome::kNotPlaced;
      row.notes.clear();
    } else {
      row.outcome = CsvRowOutcome::kPlaced;
      row.channel = channel;
      takenBy[static_cast<std::size_t>(channel)] = record.line;
      if (!byLocation) next = channel + 1;
      row.texts = std::move(*texts);
    }
    plan.rows.push_back(std::move(row));
  }
  return plan;
}

void ApplyChirpImport(RadioImage& image, ChannelTable& table, const CsvImportPlan& plan) {
  for (const CsvRowPlan& row : plan.rows) {
    if (row.outcome != CsvRowOutcome::kPlaced) continue;
    const int n = row.channel;
    const ChannelRowTexts& t = row.texts;
    // Clear what the channel held, then type the row in as a new channel.
    table.CommitFrequency(image, n, kColRxFreq, "");
    table.CommitFrequency(image, n, kColRxFreq, t[kColRxFreq]);
    table.CommitFrequency(image, n, kColTxFreq, t[kColTxFreq]);
    table.CommitTone(n, kColRxTone, t[kColRxTone]);
    table.CommitTone(n, kColTxTone, t[kColTxTone]);
    for (int c = kColPower; c <= kColType; ++c) table.CommitChoice(n, c, t[static_cast<std::size_t>(c)]);
  }
  table.WriteBack(image);
}

std::string ImportReportLine(const CsvRowPlan& row) {
  std::string out = "row " + std::to_string(row.line) + (row.name.empty() ? "" : " (" + row.name + ")") + ": ";
  switch (row.outcome) {
    case CsvRowOutcome::kPlaced: return out + "channel " + std::to_string(row.channel);
    case CsvRowOutcome::kSkipped: return out + "skipped: " + row.reason;
    case CsvRowOutcome::kNotPlaced: return out + "not placed, no channel left after 16";
  }
  return out;
}

std::vector<std::string> ImportNotes(const CsvRowPlan& row) {
  std::vector<std::string> out;
  const std::string prefix = "row " + std::to_string(row.line) + (row.name.empty() ? "" : " (" + row.name + ")") + ": ";
  for (const auto& note : row.notes) out.push_back(prefix + note);
  return out;
}

std::vector<std::string> ImportNotes(const CsvImportPlan& plan) {
  std::vector<std::string> out;
  for (const auto& row : plan.rows) {
    auto notes = ImportNotes(row);
    out.insert(out.end(), notes.begin(), notes.end());
  }
  return out;
}

std::string ExportChirpCsv(const ChannelTable& table, int locationOffset, std::string_view markerColumn,
                           std::string_view markerPrefix) {
  std::vector<std::string> header = ChirpColumns();
  if (!markerColumn.empty()) header.emplace_back(markerColumn);
  std::string out = CsvLine(header);
  for (int n = 1; n <= kChannelCount; ++n) {
    if (table.RowEmpty(n)) continue;
    auto cell = [&](int c) { return table.Cell(n, c); };
    const long long rx = ParseMillionths(cell(kColRxFreq)).value_or(0);
    std::string duplex, offset = "0.000000";
    if (cell(kColTxFreq).empty()) {
      duplex = "off";
    } else {
      const long long d = ParseMillionths(cell(kColTxFreq)).value_or(0) - rx;
      if (d != 0) duplex = d > 0 ? "+" : "-";
      offset = FormatMhz(d < 0 ? -d : d);
    }
    std::string mode, rTone = kDefaultCtcss, cTone = kDefaultCtcss, dcs = kDefaultDcs, rxDcs = kDefaultDcs,
                cross = kDefaultCrossMode;
    std::string polarity = "NN";
    const ToneParts tx = SplitTone(cell(kColTxTone)), rxTone = SplitTone(cell(kColRxTone));
    using K = ToneParts;
    if (tx.kind == K::kCtcss) rTone = tx.value;
    if (rxTone.kind == K::kCtcss) cTone = rxTone.value;
    if (tx.kind == K::kDcs) dcs = tx.value, polarity[0] = tx.polarity;
    if (rxTone.kind == K::kDcs) rxDcs = rxTone.value, polarity[1] = rxTone.polarity;
    if (tx.kind == K::kNone && rxTone.kind == K::kNone) {
    } else if (tx.kind == K::kCtcss && rxTone.kind == K::kNone) {
      mode = "Tone";
    } else if (tx.kind == K::kCtcss && rxTone.kind == K::kCtcss && tx.value == rxTone.value) {
      mode = "TSQL";
    } else if (tx.kind == K::kDcs && rxTone.kind == K::kDcs && tx.value == rxTone.value) {
      mode = "DTCS";
    } else {
      mode = "Cross";
      auto name = [](const ToneParts& p) { return p.kind == K::kCtcss ? "Tone" : p.kind == K::kDcs ? "DTCS" : ""; };
      cross = std::string(name(tx)) + "->" + name(rxTone);
    }
    std::vector<std::string> fields = {
        std::to_string(n + locationOffset), "", cell(kColRxFreq), duplex, offset, mode, rTone, cTone, dcs, polarity, rxDcs, cross,
        cell(kColBandwidth) == "Narrow" ? "NFM" : "FM", TuningStepText(rx), cell(kColScan) == "Del" ? "S" : "",
        cell(kColPower) == "High" ? kHighPowerText : kLowPowerText, cell(kColType), "", "", "", ""};
    if (!markerColumn.empty()) fields.push_back(markerPrefix.empty() ? std::string() : std::string(markerPrefix) + std::to_string(n));
    out += CsvLine(fields);
  }
  return out;
}

}  // namespace cps
