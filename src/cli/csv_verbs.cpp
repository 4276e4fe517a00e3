// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in and out as CHIRP CSV: export-csv and import-csv, on the
// main channels or (--pmr) the PMR channels.
#include <iostream>

#include "cli/cli.h"
#include "core/base/c_text.h"
#include "core/channels/channel_table.h"
#include "core/interop/csv_chirp.h"
#include "core/interop/csv_template.h"

namespace cps::cli {
namespace {

// The PMR channel table of an opened document; it clamps to the band of
// the main table.
ChannelTable PmrTable(const Document& doc) {
  ChannelTable table(kPmrChannelBase, false);
  table.setBand(doc.table().band());
  table.Load(doc.image());
  return table;
}

int RunExportCsv(const Args& args) {
  if (args.positional.size() != 1) return Fail("export-csv: usage: dpmr-cli export-csv FILE.dat [-o OUT.csv] [--pmr]");
  auto doc = OpenDocument(args.positional[0]);
  if (!doc) return Fail(doc.error(), 1);
  return PrintOrWrite(args, "export-csv", ExportChirpCsv(args.Has("pmr") ? PmrTable(*doc) : doc->table()));
}

int RunImportCsv(const Args& args) {
  if (args.positional.size() != 2)
    return Fail("import-csv: usage: dpmr-cli import-csv FILE.dat IN.csv [--start N] [-o OUT.dat] [--pmr]");
  int start = kByLocation;
  if (args.Has("start")) {
    const std::string text = Trim(args.Value("start"));
    std::size_t used = 0;
    const long long n = ParseInt(text, &used);
    if (text.empty() || used != text.size() || n < 1 || n > kChannelCount)
      return Fail("import-csv: --start '" + text + "' is not a channel number 1..16");
    start = static_cast<int>(n);
  }
  const std::string file = args.positional[0];
  const std::string out = args.Value("o", file);
  auto doc = OpenDocument(file);
  if (!doc) return Fail(doc.error(), 1);
  if (Status guard = GuardImageOverwrite(args, out); !guard) return Fail("import-csv: " + guard.error() + " (nothing written)", 1);
  auto text = ReadCsvFile(args.positional[1]);
  if (!text) return Fail("import-csv: " + text.error() + " (nothing written)", 1);
  auto csv = ReadChirpCsv(*text);
  if (!csv) return Fail("import-csv: " + args.positional[1] + ": " + csv.error() + " (nothing written)", 1);

  ChannelTable pmr = PmrTable(*doc);
  ChannelTable& table = args.Has("pmr") ? pmr : doc->table();
  const CsvImportPlan plan = PlanChirpImport(*csv, table.band(), start);
  for (const auto& row : plan.rows) {
    std::cout << ImportReportLine(row) << "\n";
    for (const auto& note : ImportNotes(row)) std::cout << "  " << note << "\n";
  }
  if (plan.Count(CsvRowOutcome::kPlaced) == 0) return Fail("import-csv: no row could be placed (nothing written)", 1);
  ApplyChirpImport(doc->image(), table, plan);
  Status st = SaveDocument(*doc, out);
  if (!st) return Fail("import-csv: cannot save " + st.error(), 1);
  return 0;
}

int RunTemplates(const Args& args) {
  if (!args.positional.empty()) return Fail("templates: unexpected argument '" + args.positional[0] + "'");
  for (const auto& t : FindChannelTemplates(LoadSettings(args).TemplateFolders()))
    std::cout << t.name << "\t" << t.path << "\n";
  return 0;
}

VerbRegistrar templatesVerb({"templates", "list the channel templates of new --template", {""},
                             "Lists every channel template, name and file, one per line separated by a tab.\n"
                             "The shipped templates are built into the program (file \"(built in)\"); the\n"
                             "user's own templates (in templates/ of the user's configuration folder)\n"
                             "replace shipped ones of the same name.\n",
                             {AppDirOption()}, RunTemplates});
const OptionSpec kPmrOption{"pmr", "", "", "the PMR channels instead of the channel table"};
VerbRegistrar exportVerb({"export-csv", "write the channels as a CHIRP CSV file", {"FILE.dat"},
                          "Writes every channel in use, one CSV row each, with CHIRP's 21 columns.\n"
                          "Location is the channel number, so that import-csv puts every row back\n"
                          "where it was. Power: Low is written as 1W, High as 5W. Name is empty: the\n"
                          "radio stores no channel names.\n",
                          {OutputOption("write to FILE instead of standard output"), kPmrOption}, RunExportCsv});
VerbRegistrar importVerb({"import-csv", "put the rows of a CHIRP CSV file into the channels, then save",
                          {"FILE.dat IN.csv"},
                          "Opens FILE.dat as the program does, types each row of IN.csv into the\n"
                          "channel its Location names by the channel table's rules, and saves as\n"
                          "File, Save does to FILE.dat itself (or -o). A row whose\n"
                          "Location is not a channel 1..16, or names a channel an earlier row took,\n"
                          "is skipped. With --start N, or when IN.csv has no Location column, the\n"
                          "rows fill the channels in order from N (default 1) instead.\n"
                          "Prints one line per row: its channel, why it was skipped, or that no\n"
                          "channel was left; below it, indented, each value stored otherwise than\n"
                          "written (a frequency moved to the channel grid, a tone cleaned up or\n"
                          "missing from the tone list). Names are not stored: the radio has none.\n"
                          "Separators: comma, or semicolon (with decimal commas) or tab.\n"
                          "Rows of less than 2 W are Low, the others High. Exits 1 and writes\n"
                          "nothing when no row could be placed. A file of another size than an\n"
                          "image is not overwritten.\n",
                          {{"start", "", "N", "fill in order from channel N, whatever Location says"},
                           OutputOption("save to FILE instead of FILE.dat"), kPmrOption,
                           ForceOption("overwrite a file of another size than an image all the same")},
                          RunImportCsv});

}  // namespace
}  // namespace cps::cli
