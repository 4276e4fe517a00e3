// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channels/channel_table.h"

#include <string_view>
#include <vector>

#include "core/base/c_text.h"
#include "core/base/file_io.h"
#include "core/base/texts.h"
#include "core/codec/bcd.h"
#include "core/codec/tone.h"
#include "core/image/image_file.h"

namespace cps {

namespace {

constexpr const char* kNone = "None";

// Derived bytes of the main table's write-back.
constexpr std::size_t kToneSwitchAddr = 0x0318;
constexpr std::size_t kLightSwitchAddr = 0x031A;
constexpr std::size_t kFixedThreeAddr = 0x3FD7;
constexpr std::size_t kInboxCountAddr = 0x3FD4;
constexpr std::size_t kInboxIndexAddr = 0x1180;
constexpr std::uint16_t kInboxFirst = 0x1180;
constexpr std::uint16_t kInboxLast = 0x1AE0;
constexpr std::size_t kPreCarrierAddr = 0x0399;
constexpr std::size_t kAllCallAddr = 0x0390;
constexpr std::size_t kAllCallLength = 7;
constexpr std::size_t kScanBitmapAddr = 0x034C;
constexpr std::size_t kUhfFlagAddr = 0x3FD6;

// New channels typed into the table start with these texts (columns 3..9).
const std::array<const char*, 7> kNewRowTexts = {kNone, kNone, "High", "Add", "Wide", "Digit", ""};

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

// A frequency field holding eight BCD digits.
bool IsBcdField(const RadioImage& image, std::size_t addr) {
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint8_t b = image.Byte(addr + i);
    if ((b >> 4) > 9 || (b & 0x0F) > 9) return false;
  }
  return true;
}

int IndexOf(const std::vector<std::string>& items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return -1;
}

}  // namespace

const std::array<ChannelColumnInfo, kChannelColumns>& ChannelColumnInfos() {
  static const std::array<ChannelColumnInfo, kChannelColumns> infos = {{
      {"", 500},
      {QT_TRANSLATE_NOOP("CoreText", "Rx Freq"), 1400},
      {QT_TRANSLATE_NOOP("CoreText", "Tx Freq"), 1400},
      {QT_TRANSLATE_NOOP("CoreText", "Rx Tone"), 1100},
      {QT_TRANSLATE_NOOP("CoreText", "Tx Tone"), 1100},
      {QT_TRANSLATE_NOOP("CoreText", "Power"), 1100},
      {QT_TRANSLATE_NOOP("CoreText", "Scan"), 1000},
      {QT_TRANSLATE_NOOP("CoreText", "Bandwidth"), 1000},
      {QT_TRANSLATE_NOOP("CoreText", "Channel type"), 1500},
      {"", 1200},
  }};
  return infos;
}

const std::vector<std::string>& ChannelTypeItems() {
  static const std::vector<std::string> items = {
      QT_TRANSLATE_NOOP("CoreText", "Analog"), QT_TRANSLATE_NOOP("CoreText", "Digit"),
      QT_TRANSLATE_NOOP("CoreText", "Mixed(Digit)"), QT_TRANSLATE_NOOP("CoreText", "Mixed(Analog)")};
  return items;
}

const std::vector<std::string>& ChannelChoiceItems(int column) {
  static const std::vector<std::string> power = {QT_TRANSLATE_NOOP("CoreText", "Low"),
                                                 QT_TRANSLATE_NOOP("CoreText", "High")};
  static const std::vector<std::string> scan = {QT_TRANSLATE_NOOP("CoreText", "Add"),
                                                QT_TRANSLATE_NOOP("CoreText", "Del")};
  static const std::vector<std::string> bandwidth = {QT_TRANSLATE_NOOP("CoreText", "Wide"),
                                                     QT_TRANSLATE_NOOP("CoreText", "Narrow")};
  static const std::vector<std::string> none;
  switch (column) {
    case kColPower: return power;
    case kColScan: return scan;
    case kColBandwidth: return bandwidth;
    case kColType: return ChannelTypeItems();
    default: return none;
  }
}

const std::vector<std::string>& BandItems() {
  static const std::vector<std::string> items = {"136-174MHz", "400-470MHz"};
  return items;
}

BandLimits BandOfItem(int index) {
  // The two numbers of the entry, in MHz.
  const std::string& text = BandItems().at(static_cast<std::size_t>(index));
  std::size_t used = 0;
  const long long low = ParseInt(text, &used);
  std::size_t pos = used;
  while (pos < text.size() && (text[pos] < '0' || text[pos] > '9')) ++pos;
  const long long high = ParseInt(std::string_view(text).substr(pos));
  return BandLimits{static_cast<std::uint32_t>(low * 100000), static_cast<std::uint32_t>(high * 100000)};
}

std::array<std::string, kChannelColumns> RenderChannelRow(const RadioImage& image, std::size_t base, int number) {
  std::array<std::string, kChannelColumns> row;
  row[kColNumber] = std::to_string(number);
  const ConstChannelRecord rec(image, base, number);
  if (rec.isEmpty()) return row;
  row[kColRxFreq] = FrequencyToText(rec.rxFreq());
  row[kColTxFreq] = rec.txEmpty() ? std::string() : FrequencyToText(rec.txFreq());
  row[kColRxTone] = ToneToText(rec.rxTone());
  row[kColTxTone] = ToneToText(rec.txTone());
  row[kColPower] = rec.highPower() ? "High" : "Low";
  row[kColScan] = rec.scan() ? "Add" : "Del";
  row[kColBandwidth] = rec.narrow() ? "Narrow" : "Wide";
  row[kColType] = ChannelTypeItems()[static_cast<std::size_t>(rec.channelType())];
  return row;
}

ChannelTable::ChannelTable(std::size_t base, bool withBand) : base_(base), withBand_(withBand) {
  for (int n = 1; n <= kChannelCount; ++n) BlankRow(n), At(n, kColNumber) = std::to_string(n);
}

const std::string& ChannelTable::Cell(int row, int column) const {
  if (row < 1 || row > kChannelCount || column < 0 || column >= kChannelColumns) return EmptyText();
  return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

std::string& ChannelTable::At(int row, int column) {
  return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

void ChannelTable::BlankRow(int row) {
  for (int c = kColRxFreq; c < kChannelColumns; ++c) At(row, c).clear();
}

void ChannelTable::Load(const RadioImage& image) {
  if (withBand_) {
    band_ = BandLimits{image.Frequency(kBandLowAddr), image.Frequency(kBandHighAddr)};
    // Erased or garbled limits (an image from a radio never programmed)
    // would have the editors clamp to nonsense: the entry shown instead.
    if (!IsBcdField(image, kBandLowAddr) || !IsBcdField(image, kBandHighAddr) || band_.low >= band_.high)
      band_ = BandOfItem(0);
    const std::string prefix = std::to_string(band_.low / 100000) + "-" + std::to_string(band_.high / 100000);
    bandIndex_ = 0;
    for (std::size_t i = 0; i < BandItems().size(); ++i)
      if (BandItems()[i].starts_with(prefix)) {
        bandIndex_ = static_cast<int>(i);
        break;
      }
  }
  Render(image);
}

void ChannelTable::Render(const RadioImage& image) {
  for (int n = 1; n <= kChannelCount; ++n) rows_[static_cast<std::size_t>(n - 1)] = RenderChannelRow(image, base_, n);
}

void ChannelTable::ResetChannel(RadioImage& image, int row) const {
  ChannelRecord rec(image, base_, row);
  rec.ResetRecord();
  // The extension record belongs to the main channel of the same number;
  // the PMR set leaves it alone.
  if (withBand_) rec.ResetExtension();
}

void ChannelTable::ResetAllChannels(RadioImage& image) const {
  for (int n = 1; n <= kChannelCount; ++n) ChannelRecord(image, base_, n).ResetRecord();
}

void ChannelTable::WriteRow(RadioImage& image, int row) const {
  ChannelRecord rec(image, base_, row);
  const long long rx = FrequencyFromText(Cell(row, kColRxFreq));
  const long long tx = FrequencyFromText(Cell(row, kColTxFreq));
  rec.setRxFreq(static_cast<std::uint32_t>(rx));
  rec.setTxFreq(static_cast<std::uint32_t>(tx));
  rec.setRxTone(ToneFromText(Cell(row, kColRxTone)));
  rec.setTxTone(ToneFromText(Cell(row, kColTxTone)));
  rec.setHighPower(Cell(row, kColPower) == "High");
  rec.setScan(Cell(row, kColScan) == "Add");
  rec.setNarrow(Cell(row, kColBandwidth) == "Narrow");
  const int type = IndexOf(ChannelTypeItems(), Cell(row, kColType));
  rec.setChannelType(type < 0 ? 0 : type);
  const long long d = rx - tx;
  rec.setOffsetDirection(d < 0 ? OffsetDirection::kUp : d > 0 ? OffsetDirection::kDown : OffsetDirection::kNone);
  rec.setOffset(static_cast<std::uint32_t>(d < 0 ? -d : d));
}

void ChannelTable::WriteBack(RadioImage& image) {
  if (withBand_) {
    band_ = BandOfItem(bandIndex_);
    image.SetFrequency(kBandLowAddr, band_.low);
    image.SetFrequency(kBandHighAddr, band_.high);
    image.SetByte(kUhfFlagAddr, EqualsIgnoreCase(BandItems()[static_cast<std::size_t>(bandIndex_)], "400-470MHz") ? 1 : 0);
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (RowEmpty(n))
      ResetChannel(image, n);
    else
      WriteRow(image, n);
  }
  if (withBand_) RefreshDerivedBytes(image, band_);
}

void RefreshDerivedBytes(RadioImage& image, const BandLimits& band) {
  image.SetBit(kLightSwitchAddr, 7, true);
  image.SetBit(kToneSwitchAddr, 7, true);
  image.SetByte(kFixedThreeAddr, 3);
  int inbox = 0;
  for (int i = 0; i < 16; ++i) {
    const std::uint16_t w = image.Word(kInboxIndexAddr + 2 * i);
    if (w < kInboxFirst || w > kInboxLast) break;
    ++inbox;
  }
  image.SetByte(kInboxCountAddr, static_cast<std::uint8_t>(inbox));
  image.SetByte(kPreCarrierAddr, 0);
  image.Fill(kAllCallAddr, kAllCallLength, 0x0A);
  image.SetByte(kScanBitmapAddr, 0);
  image.SetByte(kScanBitmapAddr + 1, 0);
  for (int n = 1; n <= kChannelCount; ++n) {
    const ConstChannelRecord rec(image, kMainChannelBase, n);
    const std::uint32_t rx = rec.rxFreq();
    if (rec.scan() && !rec.isEmpty() && rx >= band.low && rx <= band.high)
      image.SetBit(kScanBitmapAddr + (n - 1) / 8, (n - 1) % 8, true);
  }
}

int ChannelTable::EditorColumn(int row, int column) const {
  if (row < 1 || row > kChannelCount) return 0;
  if (column <= kColNumber || column >= kChannelColumns) return 0;
  if (RowEmpty(row)) return kColRxFreq;  // also from the spare column
  return column == kColSpare ? 0 : column;
}

void ChannelTable::CommitFrequency(RadioImage& image, int row, int column, std::string_view text) {
  if (row < 1 || row > kChannelCount) return;
  long long u = FrequencyFromText(text);
  if (u != 0) {
    if (u > band_.high) u = band_.high;
    if (u < band_.low) u = band_.low;
  }
  const std::string shown = u == 0 ? std::string() : FrequencyToText(static_cast<std::uint32_t>(u));
  if (column == kColRxFreq) {
    const bool wasEmpty = RowEmpty(row);
    if (shown.empty()) {
      BlankRow(row);
      if (!wasEmpty) ResetChannel(image, row);
    } else if (!wasEmpty) {
      At(row, kColRxFreq) = shown;
    } else {
      At(row, kColRxFreq) = shown;
      At(row, kColTxFreq) = shown;
      for (int c = kColRxTone; c < kChannelColumns; ++c) At(row, c) = kNewRowTexts[static_cast<std::size_t>(c - kColRxTone)];
    }
  } else if (column == kColTxFreq) {
    At(row, kColTxFreq) = RowEmpty(row) ? std::string() : shown;
  }
}

void ChannelTable::CommitTone(int row, int column, std::string_view text) {
  if (row < 1 || row > kChannelCount || (column != kColRxTone && column != kColTxTone)) return;
  if (RowEmpty(row)) {
    At(row, column).clear();
    return;
  }
  // An editor left as it opened changes nothing, whatever the cell holds.
  if (text == Cell(row, column)) return;
  At(row, column) = ToneCellText(text);
}

std::string ChannelTable::ToneCellText(std::string_view text) {
  // The cell shows the text of the tone it stores ("  88.5" and "88.55"
  // both store 88.5), where that text stores the same bytes again.
  const std::string normal = NormalizeToneText(text);
  const ToneCode code = ToneFromText(normal);
  const std::string stored = ToneToText(code);
  return ToneFromText(stored) == code ? stored : normal;
}

void ChannelTable::CommitChoice(int row, int column, std::string_view text) {
  if (row < 1 || row > kChannelCount || column < kColPower || column > kColType) return;
  At(row, column) = RowEmpty(row) ? std::string() : std::string(text);
}

std::optional<std::string> ChannelTable::AcceptedCellText(int column, std::string_view raw) {
  const std::string text = Trim(raw);
  switch (column) {
    case kColRxFreq:
    case kColTxFreq: {
      int dots = 0, digits = 0;
      for (char c : text) {
        if (c == '.') ++dots;
        else if (c >= '0' && c <= '9') ++digits;
        else return std::nullopt;
      }
      if (text.empty() || (dots <= 1 && digits > 0)) return text;
      return std::nullopt;
    }
    case kColRxTone:
    case kColTxTone: {
      const std::string normal = NormalizeToneText(text);
      if (normal.empty() || (normal == kNone && !EqualsIgnoreCase(text, kNone))) return std::nullopt;
      return normal;
    }
    case kColPower:
    case kColScan:
    case kColBandwidth:
    case kColType:
      for (const auto& item : ChannelChoiceItems(column))
        if (EqualsIgnoreCase(item, text)) return item;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool ChannelTable::CommitCell(RadioImage& image, int row, int column, std::string_view raw) {
  const auto text = AcceptedCellText(column, raw);
  if (!text) return false;
  if (column == kColRxFreq || column == kColTxFreq)
    CommitFrequency(image, row, column, *text);
  else if (column == kColRxTone || column == kColTxTone)
    CommitTone(row, column, *text);
  else
    CommitChoice(row, column, *text);
  return true;
}

bool ChannelTable::BandChangeClears(int index) const {
  if (index < 0 || index >= static_cast<int>(BandItems().size())) return false;
  return !(BandOfItem(index) == band_);
}

bool ChannelTable::ChangeBand(RadioImage& image, int index) {
  if (index < 0 || index >= static_cast<int>(BandItems().size())) return false;
  bandIndex_ = index;
  if (!BandChangeClears(index)) return false;
  band_ = BandOfItem(index);
  ResetAllChannels(image);
  Render(image);
  return true;
}

namespace {

// Reads `length` bytes at `offset` of the file; an error when it cannot be
// opened or is too short.
Result<std::vector<char>> ReadFilePart(const std::string& path, std::size_t offset, std::size_t length) {
  if (path.empty()) return Error{"no factory image file"};
  auto file = ReadRegularFile(path, offset + length);
  if (!file) return Error{file.error()};
  if (file->bytes.size() != offset + length)
    return Error{path + ": the file is too short for an image (" + std::to_string(kImageSize) + " bytes)"};
  return std::vector<char>(file->bytes.begin() + static_cast<long>(offset), file->bytes.end());
}

}  // namespace

Status LoadFactoryImage(const std::string& path, RadioImage& image) {
  auto data = ReadFilePart(path, 0, kImageSize);
  if (!data) return Error{data.error()};
  image.Write(0, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data->data()), data->size()));
  return Status::Ok();
}

Status LoadFactoryPmrChannels(const std::string& path, RadioImage& image) {
  constexpr std::size_t kLength = kChannelRecordSize * kChannelCount;
  auto data = ReadFilePart(path, kPmrChannelBase, kLength);
  if (!data) return Error{data.error()};
  image.Write(kPmrChannelBase,
              std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data->data()), data->size()));
  return Status::Ok();
}

}  // namespace cps
