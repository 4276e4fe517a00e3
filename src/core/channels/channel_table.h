// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel table: 16 rows of the core channel fields as texts, filled
// from the image (Render) and copied back into it (WriteBack) at fixed
// moments. Between the two, the rows hold the only copy of what the user
// typed into the table. One model serves the main channels (with the band
// selector and the derived bytes) and the PMR channels (record base only).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/channels/channel_record.h"
#include "core/codec/frequency.h"
#include "core/image/radio_image.h"
#include "core/base/texts.h"

namespace cps {

// Columns of the table; column 0 holds the channel numbers, column 9 is
// always empty.
enum ChannelColumn : int {
  kColNumber = 0,
  kColRxFreq = 1,
  kColTxFreq = 2,
  kColRxTone = 3,
  kColTxTone = 4,
  kColPower = 5,
  kColScan = 6,
  kColBandwidth = 7,
  kColType = 8,
  kColSpare = 9,
};
constexpr int kChannelColumns = 10;

// Title and width (in twips) of each column.
struct ChannelColumnInfo {
  const char* title;
  int twips;
};
const std::array<ChannelColumnInfo, kChannelColumns>& ChannelColumnInfos();

// The items of the choice columns 5..8 (empty for the other columns).
const std::vector<std::string>& ChannelChoiceItems(int column);
// "Analog", "Digit", "Mixed(Digit)", "Mixed(Analog)".
const std::vector<std::string>& ChannelTypeItems();

// Entries of the band selector, in order.
const std::vector<std::string>& BandItems();
// The limits an entry stands for ("136-174MHz" -> 13600000, 17400000).
BandLimits BandOfItem(int index);
// Address of the selected band in the image.
constexpr std::size_t kBandLowAddr = 0x3FA0;
constexpr std::size_t kBandHighAddr = 0x3FA4;

// What the table shows for channel `number` of the set at `base`.
std::array<std::string, kChannelColumns> RenderChannelRow(const RadioImage& image, std::size_t base, int number);

class ChannelTable {
 public:
  // `withBand`: the main table, which owns the band selector, the band
  // bytes and the derived bytes. The PMR table has none and clamps to the
  // band it is given.
  explicit ChannelTable(std::size_t base = kMainChannelBase, bool withBand = true);

  std::size_t base() const { return base_; }
  bool withBand() const { return withBand_; }

  // Texts of row `row` (1..16), column 0..9.
  const std::string& Cell(int row, int column) const;
  bool RowEmpty(int row) const { return Cell(row, kColRxFreq).empty(); }

  // The band editors clamp to, and the selector entry shown (0 or 1).
  const BandLimits& band() const { return band_; }
  void setBand(const BandLimits& band) { band_ = band; }
  int bandIndex() const { return bandIndex_; }

  // Main table: band from the image, selector entry, then Render. PMR
  // table: Render only.
  void Load(const RadioImage& image);
  // Image -> rows.
  void Render(const RadioImage& image);
  // Rows -> image; the main table also stores the band and refreshes the
  // derived bytes.
  void WriteBack(RadioImage& image);

  // The column an editor opens in for a press on (row, column): 0 for no
  // editor (the channel numbers, and the spare column of a channel), column
  // 1 for any other cell of an empty row.
  int EditorColumn(int row, int column) const;

  // The commit rules of the in-place editors. A receive frequency that is
  // blanked on an existing channel resets that channel in `image` at once.
  // A tone committed with the text its cell shows changes nothing; any
  // other is cleaned up and shown as the text of the tone it stores.
  void CommitFrequency(RadioImage& image, int row, int column, std::string_view text);
  void CommitTone(int row, int column, std::string_view text);
  // The text a tone cell shows after `text` is committed to it.
  static std::string ToneCellText(std::string_view text);
  void CommitChoice(int row, int column, std::string_view text);

  // What the commit rule of `column` takes for a typed or pasted `text`: a
  // frequency (an empty one too, which clears), a tone NormalizeToneText
  // knows, one of the column's items in any letter case (as the item).
  // Nothing when the column cannot take the text.
  static std::optional<std::string> AcceptedCellText(int column, std::string_view text);
  // AcceptedCellText, then the column's commit rule; false when the text
  // was not taken.
  bool CommitCell(RadioImage& image, int row, int column, std::string_view text);

  // True when selecting band entry `index` would change the band.
  bool BandChangeClears(int index) const;
  // The user picked band entry `index`: when the band differs, all 16
  // channels are reset (their extension records are kept) and rendered.
  // Returns whether anything changed.
  bool ChangeBand(RadioImage& image, int index);

  // Reset channel (n): default record, and (main set only) the default
  // extension record.
  void ResetChannel(RadioImage& image, int row) const;
  // Default record into all 16 records, extension records untouched.
  void ResetAllChannels(RadioImage& image) const;

 private:
  std::string& At(int row, int column);
  void BlankRow(int row);
  void WriteRow(RadioImage& image, int row) const;

  std::size_t base_;
  bool withBand_;
  BandLimits band_ = kBandUhf;
  int bandIndex_ = 1;
  std::array<std::array<std::string, kChannelColumns>, kChannelCount> rows_;
};

// The bytes the main table's write-back derives from the image: the hidden
// tone and light switches, fixed bytes, the inbox count and the scan bitmap.
void RefreshDerivedBytes(RadioImage& image, const BandLimits& band);

// "Factroy": the whole image from `path`. A file that cannot be opened or
// is too short leaves the image as it was.
Status LoadFactoryImage(const std::string& path, RadioImage& image);
// The PMR "Factory" button: only 0x2160..0x235F from the same place of `path`.
Status LoadFactoryPmrChannels(const std::string& path, RadioImage& image);
// The text of the message shown when no factory image can be read.
constexpr const char* kNoFactoryFileText = QT_TRANSLATE_NOOP("CoreText", "Not find factory.dat");

}  // namespace cps
