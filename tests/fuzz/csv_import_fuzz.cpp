// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any text as a CHIRP CSV file, imported into a new image's
// channel table in either band from channel 1, as File, Import channels
// does. Whatever the import placed exports again as a file the import reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/document/document.h"
#include "core/interop/csv_chirp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto table = cps::ReadChirpCsv(text);
  if (!table) return 0;
  for (const cps::BandLimits& band : {cps::kBandUhf, cps::kBandVhf}) {
    cps::Document doc;
    doc.New("", band);
    const cps::CsvImportPlan plan = cps::PlanChirpImport(*table, band, 1);
    for (const auto& row : plan.rows) (void)cps::ImportReportLine(row);
    cps::ApplyChirpImport(doc.image(), doc.table(), plan);
    const std::string exported = cps::ExportChirpCsv(doc.table());
    auto again = cps::ReadChirpCsv(exported);
    if (!again) __builtin_trap();  // our own export always reads back
    if (cps::PlanChirpImport(*again, band, 1).Count(cps::CsvRowOutcome::kPlaced) !=
        plan.Count(cps::CsvRowOutcome::kPlaced))
      __builtin_trap();  // and every exported channel finds its place again
  }
  return 0;
}
