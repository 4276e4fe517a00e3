// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel lists in CHIRP's generic CSV format, read and written through the
// channel table: a row becomes a channel by the same commit rules as typing
// it into the table (band limits, tone clean-up, new-channel defaults), and
// the table's write-back derives the offset, its direction and the derived
// bytes. Nothing here writes channel bytes of its own.
//
// Power: the radio has "Low" and "High". A row of less than 2 W is Low, 2 W
// or more is High (an empty Power is High, as a new channel is); export
// writes Low as 1W and High as 5W, which read back the same way.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/channels/channel_table.h"
#include "core/interop/csv.h"

namespace cps {

// The 21 columns of the header CHIRP writes, in order.
const std::vector<std::string>& ChirpColumns();

// Watts at and above which a row is High.
constexpr double kHighPowerWatts = 2.0;
constexpr const char* kLowPowerText = "1W";
constexpr const char* kHighPowerText = "5W";

// The table texts of one channel, indexed by ChannelColumn (0 and 9 unused).
using ChannelRowTexts = std::array<std::string, kChannelColumns>;

// Reads a CHIRP CSV text. The separator is found from the header line: a
// comma, else a semicolon or a tab (what spreadsheets save). With a
// semicolon or tab, numbers written with a decimal comma ("446,00625") are
// read as decimal points. An error when it is not CSV or has no Frequency
// column.
Result<CsvTable> ReadChirpCsv(std::string_view text);
// True when the text starts with a header that has Location and Frequency
// columns (a CHIRP file or rows copied from one).
bool HasChirpHeader(std::string_view text);

// One row as the channel table would hold it, or why the radio cannot
// take it (outside `band`, a mode the radio lacks, an unreadable value).
// Every value the table stores otherwise than the row wrote it (a
// frequency moved to the channel grid, a tone cleaned up or missing from
// the tone list) adds a note to `notes`: "Frequency 446.004 is stored as
// 446.003125 (the 2.5/3.125 kHz channel grid)".
Result<ChannelRowTexts> ChirpRowToChannel(const CsvTable& table, const CsvRecord& row, const BandLimits& band,
                                          std::vector<std::string>* notes = nullptr);

// A tone cell of a paste or a CSV file as a spreadsheet gives it back: a
// bare number that is a CTCSS tone of the tone list without its ".0"
// ("67", "100") is that tone, a decimal comma is a point ("88,5"); any
// other text ("D023N", "23") is left for the tone column's own rule.
std::string SpreadsheetToneText(std::string_view text);
// A frequency cell with a decimal comma ("446,00625") as a point; others
// as they are.
std::string DecimalCommaAsPoint(std::string_view text);
// A note for a frequency written as `given` that the table stores as
// `storedText`, or empty when both are the same value: "Frequency 446.004
// is stored as 446.003125 (...)" (without the column when it is empty).
std::string FrequencyNote(std::string_view column, std::string_view given, const std::string& storedText,
                          const BandLimits& band);

enum class CsvRowOutcome { kPlaced, kSkipped, kNotPlaced };

struct CsvRowPlan {
  int line = 0;          // where the row starts in the file
  std::string name;      // its Name column
  std::string frequency; // its Frequency column as written
  CsvRowOutcome outcome = CsvRowOutcome::kSkipped;
  int channel = 0;       // kPlaced: the channel it goes to
  std::string reason;    // kSkipped: why
  ChannelRowTexts texts; // kPlaced: what the table will show
  std::vector<std::string> notes;  // kPlaced: values stored otherwise
};

struct CsvImportPlan {
  std::vector<CsvRowPlan> rows;
  int Count(CsvRowOutcome outcome) const;
};

// Where each row goes. With `firstChannel` kByLocation and a Location
// column, each row goes to the channel its Location names (minus
// `locationOffset`); a row naming a channel outside 1..16, or one an
// earlier row took, is skipped with its reason. Otherwise (a channel
// number, or no Location column) the rows that can be programmed fill the
// channels from `firstChannel` in file order; rows left after channel 16
// are not placed.
constexpr int kByLocation = 0;
CsvImportPlan PlanChirpImport(const CsvTable& table, const BandLimits& band, int firstChannel,
                              int locationOffset = 0);
// True when PlanChirpImport with kByLocation places rows by their Location.
bool PlacesByLocation(const CsvTable& table);

// Puts the placed rows into their channels (each channel is cleared first,
// then typed in as a new channel) and writes the table back into the image.
// Channels no row reaches keep what they held.
void ApplyChirpImport(RadioImage& image, ChannelTable& table, const CsvImportPlan& plan);

// "row 5 (FRS 1): channel 3", "row 6 (X): skipped: mode AM cannot be
// programmed into this radio", "row 30 (Y): not placed, all channels are
// taken".
std::string ImportReportLine(const CsvRowPlan& row);
// The row's notes, each naming it: "row 5 (FRS 1): Frequency 446.004 is
// stored as 446.003125 (...)".
std::vector<std::string> ImportNotes(const CsvRowPlan& row);
// The notes of every row of the plan.
std::vector<std::string> ImportNotes(const CsvImportPlan& plan);

// Every channel of the table that has a receive frequency, one row each
// with Location = channel number + `locationOffset`, under the 21-column
// header; CRLF lines. A non-empty `markerColumn` adds a 22nd column of that
// name holding `markerPrefix` and the channel number ("P3"), or nothing
// when `markerPrefix` is empty.
std::string ExportChirpCsv(const ChannelTable& table, int locationOffset = 0, std::string_view markerColumn = {},
                           std::string_view markerPrefix = {});
// The TStep text of a frequency in hertz: the largest raster it lies on,
// 6.25 kHz for the half-step channels of a 6.25 kHz plan (446.103125).
std::string TuningStepText(long long hz);

}  // namespace cps
