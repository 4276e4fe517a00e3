// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists that come back as they went: Locations, the values stored
// otherwise than written (each with a note), spreadsheet texts, and export
// followed by import over random sparse tables.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/channels/channel_test_util.h"
#include "core/codec/tone.h"
#include "core/image/new_image.h"
#include "core/interop/csv_chirp.h"
#include "core/interop/csv_clipboard.h"

namespace cps {
namespace {

using namespace channel_test;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
    "TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

std::string Row(const std::string& location, const std::string& freq, const std::string& tone = "",
                const std::string& rTone = "88.5", const std::string& dcs = "023") {
  return location + ",," + freq + ",,0.000000," + tone + "," + rTone + ",88.5," + dcs + ",NN,023,Tone->Tone,FM,5.00,,5W,,,,,\r\n";
}

CsvImportPlan Plan(const std::string& text, int first = kByLocation, BandLimits band = kBandUhf) {
  auto table = ReadChirpCsv(text);
  EXPECT_TRUE(table) << table.error();
  return table ? PlanChirpImport(*table, band, first) : CsvImportPlan{};
}

TEST(CsvLocations, RowsGoToTheirLocationUnlessFilledInOrder) {
  const std::string text = kHeader + Row("3", "446.1") + Row("7", "446.2") + Row("16", "446.3") + Row("7", "446.4") +
                           Row("17", "446.5") + Row("0", "446.6") + Row("x", "446.7") + Row("4", "146.5");
  const CsvImportPlan plan = Plan(text);
  std::vector<std::string> lines;
  for (const auto& r : plan.rows) lines.push_back(ImportReportLine(r));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "row 2: channel 3",
                       "row 3: channel 7",
                       "row 4: channel 16",
                       "row 5: skipped: channel 7 is already taken by row 3",
                       "row 6: skipped: Location 17 is not a channel 1-16 (fill in order from a first channel to take it)",
                       "row 7: skipped: Location 0 is not a channel 1-16 (fill in order from a first channel to take it)",
                       "row 8: skipped: Location 'x' is not a channel number",
                       "row 9: skipped: receive frequency 146.500000 MHz is outside the band 400-470MHz",
                   }));

  // A first channel fills in order, whatever Location says; so does a file
  // without a Location column.
  std::vector<int> filled;
  for (const auto& r : Plan(text, 2).rows) filled.push_back(r.channel);
  EXPECT_EQ(filled, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 0}));
  const CsvImportPlan noLocation = Plan("Frequency\r\n446.1\r\n446.2\r\n");
  ASSERT_EQ(noLocation.rows.size(), 2u);
  EXPECT_EQ(noLocation.rows[1].channel, 2);
}

// Every value the table stores otherwise than the row wrote it is named.
TEST(CsvNotes, ValuesStoredOtherwiseAreNamed) {
  struct Case {
    std::string row;
    std::vector<std::string> notes;
    std::string rx, tx, rxTone, txTone;
  };
  const Case cases[] = {
      {Row("1", "446.004"), {"Frequency 446.004 is stored as 446.003125 (the 2.5/3.125 kHz channel grid)"},
       "446.003125", "446.003125", "None", "None"},
      {Row("1", "446.0062501"), {"Frequency 446.0062501 is stored as 446.006250 (the 2.5/3.125 kHz channel grid)"},
       "446.006250", "446.006250", "None", "None"},
      {Row("1", "446.00625"), {}, "446.006250", "446.006250", "None", "None"},
      {"1,,446.1,split,446.1041,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
       {"Offset 446.1041 is stored as 446.105000 (the 2.5/3.125 kHz channel grid)"},
       "446.100000", "446.105000", "None", "None"},
      {"1,,446.1,+,0.0011,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
       {"Frequency + Offset 446.1011 is stored as 446.100000 (the 2.5/3.125 kHz channel grid)"},
       "446.100000", "446.100000", "None", "None"},
      {Row("1", "446.1", "Tone", "88.55"), {"rToneFreq 88.55 is stored as 88.5"}, "446.100000", "446.100000", "None", "88.5"},
      {Row("1", "446.1", "Tone", "65.0"), {"rToneFreq 65.0 is not in the tone list; it is stored as 65.0"},
       "446.100000", "446.100000", "None", "65.0"},
      {Row("1", "446.1", "Tone", "67"), {}, "446.100000", "446.100000", "None", "67.0"},
      {Row("1", "446.1", "DTCS", "88.5", "777"),
       {"DtcsCode D777N is not in the tone list; it is stored as D777N",
        "DtcsCode D777N is not in the tone list; it is stored as D777N"},
       "446.100000", "446.100000", "D777N", "D777N"},
      {Row("1", "446.1", "DTCS", "88.5", "D754I"), {}, "446.100000", "446.100000", "D754I", "D754I"},
  };
  for (const Case& c : cases) {
    auto table = ReadChirpCsv(kHeader + c.row);
    ASSERT_TRUE(table) << table.error();
    std::vector<std::string> notes;
    auto t = ChirpRowToChannel(*table, table->rows[0], kBandUhf, &notes);
    ASSERT_TRUE(t) << c.row << ": " << t.error();
    EXPECT_EQ(notes, c.notes) << c.row;
    EXPECT_EQ((std::vector<std::string>{(*t)[kColRxFreq], (*t)[kColTxFreq], (*t)[kColRxTone], (*t)[kColTxTone]}),
              (std::vector<std::string>{c.rx, c.tx, c.rxTone, c.txTone}))
        << c.row;
  }
  // The report names the row for each note, and a skipped row has none.
  const CsvImportPlan plan = Plan(kHeader + "1,Here,446.004,,,,,,,,,,,,,,,,,,\r\n" + Row("1", "446.004"));
  EXPECT_EQ(ImportNotes(plan), (std::vector<std::string>{
                                   "row 2 (Here): Frequency 446.004 is stored as 446.003125 (the 2.5/3.125 kHz channel grid)"}));
}

TEST(CsvSpreadsheets, SemicolonsAndDecimalCommasAreRead) {
  const std::string text =
      "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;Mode;Power\r\n"
      "2;A;446,00625;+;0,0125;Tone;67;88,5;NFM;0,5W\r\n"
      "5;\"B;C\";446,1;;;TSQL;88,5;100;FM;5W\r\n";
  const CsvImportPlan plan = Plan(text);
  ASSERT_EQ(plan.rows.size(), 2u);
  ASSERT_EQ(plan.Count(CsvRowOutcome::kPlaced), 2) << plan.rows[0].reason << plan.rows[1].reason;
  EXPECT_EQ(plan.rows[0].channel, 2);
  const auto& a = plan.rows[0].texts;
  EXPECT_EQ((std::vector<std::string>{a[kColRxFreq], a[kColTxFreq], a[kColTxTone], a[kColPower]}),
            (std::vector<std::string>{"446.006250", "446.018750", "67.0", "Low"}));
  EXPECT_EQ(plan.rows[1].name, "B;C");
  // A Latin-1 file's names read as their letters; UTF-8 stays as it is.
  EXPECT_EQ(Plan("Location,Name,Frequency\r\n1,Gr\xF6\xDF" "e,446.1\r\n").rows.at(0).name, "Gr\u00F6\u00DFe");
  EXPECT_EQ(Plan("Location,Name,Frequency\r\n1,Gr\u00F6\u00DFe,446.1\r\n").rows.at(0).name, "Gr\u00F6\u00DFe");
  EXPECT_EQ(plan.rows[1].texts[kColRxTone], "100.0");
  EXPECT_TRUE(plan.rows[0].notes.empty());
}

// A spreadsheet gives back "67" for 67.0 and a decimal comma; typing keeps
// its own rule (67 typed is D067N), a paste reads it as the tone.
TEST(CsvSpreadsheets, PastedCellsAreReadAsTheSpreadsheetMeantThem) {
  struct Case {
    std::vector<std::string> cells;  // Rx, Tx, Rx Tone, Tx Tone, Power
    std::vector<std::string> want;   // Rx, Tx, Rx Tone, Tx Tone, Power after the paste
    std::vector<std::string> notes;
  };
  const Case cases[] = {
      {{"446.1", "446.1", "67", "100", "Low"}, {"446.100000", "446.100000", "67.0", "100.0", "Low"}, {}},
      {{"446.1", "446.1", "123", "D023N", "High"}, {"446.100000", "446.100000", "123.0", "D023N", "High"}, {}},
      {{"446,11875", "446,11875", "88,5", "023", "High"}, {"446.118750", "446.118750", "88.5", "D023N", "High"}, {}},
      {{"446.1", "446.1", "23", "65.0", "High"},
       {"446.100000", "446.100000", "D023N", "65.0", "High"},
       {"channel 1, Rx Tone: 23 is stored as D023N",
        "channel 1, Tx Tone: 65.0 is not in the tone list; it is stored as 65.0"}},
      {{"500", "446.004", "None", "None", "Strong"},
       {"470.000000", "446.003125", "None", "None", "High"},
       {"channel 1, Rx Freq: 500 is stored as 470.000000 (the top of the band)",
        "channel 1, Tx Freq: 446.004 is stored as 446.003125 (the 2.5/3.125 kHz channel grid)",
        "channel 1, Power: 'Strong' cannot be taken; the cell keeps High"}},
      // An unreadable Rx Freq leaves the whole row as it was: no Tx of
      // another channel on the old Rx.
      {{"446 MHz", "440.1", "67", "67", "Low"},
       {"438.500000", "438.500000", "None", "None", "High"},
       {"channel 1, Rx Freq: '446 MHz' is not a frequency; the row is left out"}},
      {{"438.5", "", "", "None", "High"},
       {"438.500000", "", "None", "None", "High"},
       {"channel 1, Tx Freq: the empty cell makes the channel receive only"}},
  };
  for (const Case& c : cases) {
    RadioImage img = NewImage("");
    ChannelTable table;
    table.Load(img);
    table.CommitFrequency(img, 1, kColRxFreq, "438.5");
    std::vector<std::string> notes;
    PasteChannelTexts(img, table, 1, kColRxFreq, {c.cells}, &notes);
    EXPECT_EQ(notes, c.notes) << c.cells[0];
    EXPECT_EQ((std::vector<std::string>{table.Cell(1, kColRxFreq), table.Cell(1, kColTxFreq), table.Cell(1, kColRxTone),
                                        table.Cell(1, kColTxTone), table.Cell(1, kColPower)}),
              c.want)
        << c.cells[0];
  }
  // Typing keeps its rule.
  EXPECT_EQ(NormalizeToneText("67"), "D067N");
  // Rows past channel 16 are counted in one note.
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  std::vector<std::string> notes;
  PasteChannelTexts(img, table, 15, kColRxFreq, {{"446.1"}, {"446.2"}, {"446.3"}, {"446.4"}}, &notes);
  EXPECT_EQ(notes, (std::vector<std::string>{"2 rows past channel 16 are left out"}));
}

TEST(CsvExport, TuningStepIsTheRasterTheFrequencyIsOn) {
  const std::pair<long long, const char*> cases[] = {
      {446000000, "25.00"}, {446012500, "12.50"}, {446006250, "6.25"}, {446005000, "5.00"},
      {446002500, "2.50"},  {446103125, "6.25"},  {145512500, "12.50"}};
  for (const auto& [hz, step] : cases) EXPECT_EQ(TuningStepText(hz), step) << hz;
}

// A random table of either band: a random set of channels, each with
// random frequencies on the grid, tones (some the tone list lacks) and
// choices.
RadioImage RandomTable(std::mt19937& rng, ChannelTable& table) {
  const BandLimits band = rng() % 2 ? kBandUhf : kBandVhf;
  RadioImage img = NewImage("", band);
  table.Load(img);
  const auto& list = ToneList();
  const char* odd[] = {"65.0", "D067N", "D777N", "D001I", "280.0"};
  auto frequency = [&] {
    // On the 2.5 kHz grid, or on the 3.125 kHz one.
    const std::uint32_t span = (band.high - band.low) / 250;
    if (rng() % 3 == 0) return FrequencyToText(band.low + 3125 * static_cast<std::uint32_t>(rng() % 10000) / 10);
    return FrequencyToText(band.low + static_cast<std::uint32_t>(rng() % (span + 1)) * 250);
  };
  auto tone = [&]() -> std::string { return rng() % 6 == 0 ? odd[rng() % 5] : list[rng() % list.size()]; };
  for (int n = 1; n <= kChannelCount; ++n) {
    if (rng() % 3 == 0) continue;
    table.CommitFrequency(img, n, kColRxFreq, frequency());
    const unsigned tx = rng() % 4;
    if (tx == 0) table.CommitFrequency(img, n, kColTxFreq, "");
    if (tx == 1) table.CommitFrequency(img, n, kColTxFreq, frequency());
    table.CommitTone(n, kColRxTone, tone());
    table.CommitTone(n, kColTxTone, tone());
    for (int c = kColPower; c <= kColType; ++c) {
      const auto& items = ChannelChoiceItems(c);
      table.CommitChoice(n, c, items[rng() % items.size()]);
    }
  }
  table.WriteBack(img);
  table.Load(img);
  return img;
}

TEST(CsvRoundTrip, ExportThenImportGivesEveryChannelBackByteForByte) {
  std::mt19937 rng(20261207);
  for (int round = 0; round < 60; ++round) {
    ChannelTable table;
    const RadioImage img = RandomTable(rng, table);
    const std::string csv = ExportChirpCsv(table);

    RadioImage back = NewImage("", table.band());
    ChannelTable into;
    into.Load(back);
    auto parsed = ReadChirpCsv(csv);
    ASSERT_TRUE(parsed) << parsed.error();
    const CsvImportPlan plan = PlanChirpImport(*parsed, into.band(), kByLocation);
    for (const auto& r : plan.rows) {
      EXPECT_EQ(r.outcome, CsvRowOutcome::kPlaced) << ImportReportLine(r) << "\n" << csv;
      for (const auto& note : r.notes) EXPECT_NE(note.find("not in the tone list"), std::string::npos) << note;
    }
    ApplyChirpImport(back, into, plan);
    for (int n = 1; n <= kChannelCount; ++n) {
      EXPECT_EQ(Get(back, ChannelRecordAddr(kMainChannelBase, n), kChannelRecordSize),
                Get(img, ChannelRecordAddr(kMainChannelBase, n), kChannelRecordSize))
          << "round " << round << " channel " << n << "\n" << csv;
      EXPECT_EQ(Get(back, ChannelExtAddr(n), kChannelExtSize), Get(img, ChannelExtAddr(n), kChannelExtSize))
          << "round " << round << " channel " << n;
    }
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace cps
