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

// Reads a CHIRP CSV text (comma- or tab-separated, detected from the
// header). An error when it is not CSV or has no Frequency column.
Result<CsvTable> ReadChirpCsv(std::string_view text);
// True when the text starts with a header that has Location and Frequency
// columns (a CHIRP file or rows copied from one).
bool HasChirpHeader(std::string_view text);

// One row as the channel table would hold it, or why the radio cannot
// take it (outside `band`, a mode the radio lacks, a tone it does not know,
// an unreadable value).
Result<ChannelRowTexts> ChirpRowToChannel(const CsvTable& table, const CsvRecord& row, const BandLimits& band);

enum class CsvRowOutcome { kPlaced, kSkipped, kNotPlaced };

struct CsvRowPlan {
  int line = 0;          // where the row starts in the file
  std::string name;      // its Name column
  std::string frequency; // its Frequency column as written
  CsvRowOutcome outcome = CsvRowOutcome::kSkipped;
  int channel = 0;       // kPlaced: the channel it goes to
  std::string reason;    // kSkipped: why
  ChannelRowTexts texts; // kPlaced: what the table will show
};

struct CsvImportPlan {
  std::vector<CsvRowPlan> rows;
  int Count(CsvRowOutcome outcome) const;
};

// Where each row goes: the rows that can be programmed fill the channels
// from `firstChannel` in file order; rows left after channel 16 are not
// placed.
CsvImportPlan PlanChirpImport(const CsvTable& table, const BandLimits& band, int firstChannel);

// Puts the placed rows into their channels (each channel is cleared first,
// then typed in as a new channel) and writes the table back into the image.
// Channels no row reaches keep what they held.
void ApplyChirpImport(RadioImage& image, ChannelTable& table, const CsvImportPlan& plan);

// "row 5 (FRS 1): channel 3", "row 6 (X): skipped: mode AM cannot be
// programmed into this radio", "row 30 (Y): not placed, all channels are
// taken".
std::string ImportReportLine(const CsvRowPlan& row);

// Every channel of the table that has a receive frequency, one row each
// with Location = channel number (after `locationPrefix`), under the
// 21-column header; CRLF lines.
std::string ExportChirpCsv(const ChannelTable& table, std::string_view locationPrefix = {});

}  // namespace cps
