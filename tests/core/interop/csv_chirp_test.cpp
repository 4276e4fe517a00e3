// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv_chirp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/channels/channel_record.h"
#include "core/image/new_image.h"
#include "core/interop/csv.h"
#include "core/channels/channel_test_util.h"

namespace cps {
namespace {

using namespace channel_test;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
    "TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Rx, Tx, Rx tone, Tx tone, Power, Scan, Bandwidth, Channel type.
using Texts = std::vector<std::string>;

Result<ChannelRowTexts> Convert(const std::string& header, const std::string& row, BandLimits band = kBandUhf) {
  auto table = ReadChirpCsv(header + row + "\r\n");
  EXPECT_TRUE(table) << table.error();
  EXPECT_EQ(table->rows.size(), 1u);
  return ChirpRowToChannel(*table, table->rows[0], band);
}

Texts Columns(const ChannelRowTexts& t) {
  return {t[kColRxFreq], t[kColTxFreq], t[kColRxTone], t[kColTxTone], t[kColPower], t[kColScan], t[kColBandwidth], t[kColType]};
}

TEST(ChirpCsv, RowsBecomeTableTexts) {
  struct Case {
    std::string row;
    Texts want;
  };
  const Case cases[] = {
      {"1,A,446.006250,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,",
       {"446.006250", "446.006250", "None", "None", "Low", "Add", "Narrow", "Analog"}},
      {"2,B,440.1,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5W,,,,,",
       {"440.100000", "445.100000", "None", "100.0", "High", "Add", "Wide", "Analog"}},
      {"3,C,446.000000,-,0.6,TSQL,88.5,127.3,023,NN,023,Tone->Tone,FM,5.00,S,2,Digit,,,,",
       {"446.000000", "445.400000", "127.3", "127.3", "High", "Del", "Wide", "Digit"}},
      {"4,D,446.1,split,447.125,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,P,1.9W,Mixed(Analog),,,,",
       {"446.100000", "447.125000", "D023I", "D023N", "Low", "Del", "Wide", "Mixed(Analog)"}},
      {"5,E,446.1,off,0,DTCS,88.5,88.5,23,RR,023,Tone->Tone,FM,5.00,,Low,a note,,,,",
       {"446.100000", "", "D023I", "D023I", "Low", "Add", "Wide", "Analog"}},
      {"6,,446.1,,,Cross,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,Mixed(Digit),,,,",
       {"446.100000", "446.100000", "88.5", "100.0", "High", "Add", "Wide", "Mixed(Digit)"}},
      {"7,,446.1,,,Cross,88.5,88.5,754,RN,023,DTCS->,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "None", "D754I", "High", "Add", "Wide", "Analog"}},
      {"8,,446.1,,,Cross,88.5,88.5,754,NR,025,->DTCS,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "D025I", "None", "High", "Add", "Wide", "Analog"}},
      {"9,,446.1,,,Cross,67.0,88.5,754,NN,031,Tone->DTCS,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "D031N", "67.0", "High", "Add", "Wide", "Analog"}},
      {"10,,446.1,,,Cross,67.0,88.5,032,RN,031,DTCS->Tone,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "88.5", "D032I", "High", "Add", "Wide", "Analog"}},
      {"11,,446.1,,,Cross,67.0,250.3,032,RN,031,->Tone,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "250.3", "None", "High", "Add", "Wide", "Analog"}},
      {"12,,446.1,,,Cross,67.0,250.3,023,NR,754,DTCS->DTCS,FM,5.00,,,,,,,",
       {"446.100000", "446.100000", "D754I", "D023N", "High", "Add", "Wide", "Analog"}},
      {"13,,400,,,,,,,,,,,,,,,,,,", {"400.000000", "400.000000", "None", "None", "High", "Add", "Wide", "Analog"}},
      {"14,,470.000000,,,,,,,,,,,,,50 W,,,,,", {"470.000000", "470.000000", "None", "None", "High", "Add", "Wide", "Analog"}},
  };
  for (const Case& c : cases) {
    auto t = Convert(kHeader, c.row);
    ASSERT_TRUE(t) << c.row << ": " << t.error();
    EXPECT_EQ(Columns(*t), c.want) << c.row;
  }
}

TEST(ChirpCsv, OlderFilesWithoutCrossColumns) {
  const std::string header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode\n";
  auto cross = Convert(header, "1,,446.1,,,Cross,100.0,88.5,023,NN,FM");
  ASSERT_TRUE(cross) << cross.error();
  EXPECT_EQ((*cross)[kColTxTone], "100.0");
  EXPECT_EQ((*cross)[kColRxTone], "88.5");
  // Only the frequency: a simplex analog channel.
  auto bare = Convert("Frequency\n", "145.5", kBandVhf);
  ASSERT_TRUE(bare) << bare.error();
  EXPECT_EQ(Columns(*bare), (Texts{"145.500000", "145.500000", "None", "None", "High", "Add", "Wide", "Analog"}));
}

TEST(ChirpCsv, RowsTheRadioCannotTakeSaySo) {
  struct Case {
    std::string row;
    std::string reason;
  };
  const Case cases[] = {
      {"1,,119.3,,,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,,,,,,", "mode AM cannot be programmed into this radio"},
      {"1,,146.52,,,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
       "receive frequency 146.520000 MHz is outside the band 400-470MHz"},
      {"1,,469,+,5,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
       "transmit frequency 474.000000 MHz is outside the band 400-470MHz"},
      {"1,,401,-,5,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "transmit frequency 396.000000 MHz"},
      {"1,,446.1,,,Tone,300.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "rToneFreq '300.0' is not a tone the radio can store"},
      {"1,,446.1,,,Tone,abc,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "rToneFreq 'abc' is not a tone"},
      {"1,,446.1,,,DTCS,88.5,88.5,000,NN,023,Tone->Tone,FM,5.00,,,,,,,", "DtcsCode 'D000N' is not a tone the radio can store"},
      {"1,,446.1,,,DTCS,88.5,88.5,0231,NN,023,Tone->Tone,FM,5.00,,,,,,,", "DtcsCode '0231' is not a DTCS code"},
      {"1,,446.1,,,DTCS,88.5,88.5,023,XN,023,Tone->Tone,FM,5.00,,,,,,,", "DtcsPolarity 'XN'"},
      {"1,,446.1,,,Cross,88.5,88.5,023,NN,023,Tone=>Tone,FM,5.00,,,,,,,", "CrossMode 'Tone=>Tone' is not known"},
      {"1,,446.1,,,DCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "tone mode 'DCS' is not known"},
      {"1,,abc,,,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "Frequency 'abc' is not a frequency"},
      {"1,Empty,,,,,,,,,,,,,,,,,,,", "no frequency"},
      {"1,,446.1,x,5,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "Duplex 'x'"},
      {"1,,446.1,+,5MHz,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,", "Offset '5MHz'"},
      {"1,,446.1,,,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,Q,,,,,,", "Skip 'Q'"},
      {"1,,446.1,,,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,lots,,,,,", "Power 'lots' is not a number of watts"},
  };
  for (const Case& c : cases) {
    auto t = Convert(kHeader, c.row);
    ASSERT_FALSE(t) << c.row;
    EXPECT_NE(t.error().find(c.reason), std::string::npos) << c.row << " -> " << t.error();
  }
}

TEST(ChirpCsv, FilesThatAreNotChirpCsvAreErrors) {
  EXPECT_FALSE(ReadChirpCsv(std::string("\xFF\x00\x06\x00", 4)));
  auto noFreq = ReadChirpCsv("Location,Name\n1,a\n");
  ASSERT_FALSE(noFreq);
  EXPECT_NE(noFreq.error().find("no Frequency column"), std::string::npos);
  EXPECT_TRUE(ReadChirpCsv("Location\tName\tFrequency\n1\tA\t446.1\n"));  // copied from a spreadsheet
  EXPECT_TRUE(HasChirpHeader("Location,Frequency\r\n1,446"));
  EXPECT_FALSE(HasChirpHeader("446.1\tNone\n"));
}

std::string SampleFile(const char* name) {
  const char* dir = std::getenv("DPMR_TEST_DATA");
  auto text = ReadCsvFile(std::string(dir ? dir : "tests/data") + "/interop/" + name);
  EXPECT_TRUE(text) << text.error();
  return text ? *text : std::string();
}

TEST(ChirpCsv, PlansRowsIntoChannelsInFileOrder) {
  auto table = ReadChirpCsv(SampleFile("Generic_CSV.csv"));
  ASSERT_TRUE(table) << table.error();
  // Band 400-470: the UHF rows, from channel 6 on: 11 channels for 12 rows.
  const CsvImportPlan uhf = PlanChirpImport(*table, kBandUhf, 6);
  ASSERT_EQ(uhf.rows.size(), 95u);
  std::vector<int> placed;
  for (const auto& r : uhf.rows)
    if (r.outcome == CsvRowOutcome::kPlaced) placed.push_back(r.line);
  EXPECT_EQ(placed, (std::vector<int>{2, 5, 6, 7, 8, 12, 20, 21, 54, 55, 56}));
  EXPECT_EQ(uhf.Count(CsvRowOutcome::kNotPlaced), 1);
  EXPECT_EQ(ImportReportLine(uhf.rows[0]), "row 2 (H-TAC1): channel 6");
  EXPECT_EQ(ImportReportLine(uhf.rows[1]),
            "row 3 (H-TAC2): skipped: receive frequency 147.380000 MHz is outside the band 400-470MHz");
  EXPECT_EQ(ImportReportLine(uhf.rows[55]), "row 57 (UTAC43): not placed, no channel left after 16");

  // Band 136-174: the first 16 VHF FM rows; the AM rows are skipped.
  const CsvImportPlan vhf = PlanChirpImport(*table, kBandVhf, 1);
  EXPECT_EQ(vhf.Count(CsvRowOutcome::kPlaced), 16);
  EXPECT_EQ(vhf.Count(CsvRowOutcome::kSkipped), 48);  // 6 AM, 30 at 800 MHz, 12 UHF
  EXPECT_EQ(ImportReportLine(vhf.rows[31]), "row 33 (CTAF): skipped: mode AM cannot be programmed into this radio");

  auto frs = ReadChirpCsv(SampleFile("US FRS and GMRS Channels.csv"));
  ASSERT_TRUE(frs) << frs.error();
  const CsvImportPlan p = PlanChirpImport(*frs, kBandUhf, 1);
  EXPECT_EQ(p.Count(CsvRowOutcome::kPlaced), 16);
  EXPECT_EQ(p.Count(CsvRowOutcome::kNotPlaced), 36);
  EXPECT_EQ(Columns(p.rows[7].texts), (Texts{"467.562500", "467.562500", "None", "None", "Low", "Add", "Narrow", "Analog"}));
}

TEST(ChirpCsv, ImportTypesRowsInAsNewChannels) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  // Channel 2 holds a channel with digital fields of its own; channel 4
  // must not be touched.
  table.CommitFrequency(img, 2, kColRxFreq, "438.5");
  table.CommitFrequency(img, 4, kColRxFreq, "439.5");
  table.WriteBack(img);
  ChannelRecord(img, kMainChannelBase, 2).setColorCode(7);
  Put(img, 0x3E84, {0x01, 0x02, 0x03, 0x04});
  table.Load(img);
  const Bytes channel4 = Get(img, 0x0160, 32);

  auto csv = ReadChirpCsv(kHeader +
                          "1,X,446.00625,+,0.0125,Cross,67.0,88.5,023,NR,023,Tone->DTCS,NFM,6.25,S,0.5W,Digit,,,,\r\n"
                          "2,Y,146.5,,,,,,,,,,FM,,,,,,,,\r\n");
  ASSERT_TRUE(csv);
  const CsvImportPlan plan = PlanChirpImport(*csv, table.band(), 2);
  ApplyChirpImport(img, table, plan);
  EXPECT_EQ(Get(img, 0x0120, 32),
            (Bytes{0x25, 0x06, 0x60, 0x44, 0x75, 0x18, 0x60, 0x44, 0x23, 0xC0, 0x70, 0x06, 0x50, 0x12, 0x00, 0x00,
                   0x02, 0x00, 0x50, 0xFF, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Get(img, 0x3E84, 4), (Bytes{0xFF, 0xFF, 0xFE, 0x1E}));  // cleared with its channel
  EXPECT_EQ(Get(img, 0x0160, 32), channel4);
  EXPECT_EQ(img.Byte(0x034C) & 0x02, 0);  // Skip S: channel 2 is not scanned
  EXPECT_EQ(table.Cell(2, kColTxFreq), "446.018750");
}

// Every pair of tone kinds, each in a channel of its own, with the other
// columns varied: export, then import into a new image.
TEST(ChirpCsv, ExportImportsBackWithEveryColumnEqual) {
  const char* tones[] = {"None", "100.0", "D023N", "D754I"};
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  for (int n = 1; n <= 16; ++n) {
    table.CommitFrequency(img, n, kColRxFreq, n % 3 == 0 ? "401.5" : "446.003125");
    table.CommitFrequency(img, n, kColTxFreq, n % 5 == 0 ? "" : n % 2 ? "446.103125" : "430");
    table.CommitTone(n, kColRxTone, tones[(n - 1) % 4]);
    table.CommitTone(n, kColTxTone, tones[(n - 1) / 4]);
    table.CommitChoice(n, kColPower, n % 2 ? "Low" : "High");
    table.CommitChoice(n, kColScan, n % 3 ? "Add" : "Del");
    table.CommitChoice(n, kColBandwidth, n % 4 ? "Wide" : "Narrow");
    table.CommitChoice(n, kColType, ChannelTypeItems()[static_cast<std::size_t>(n % 4)]);
  }
  table.WriteBack(img);
  table.Load(img);
  const std::string csv = ExportChirpCsv(table);

  RadioImage fresh = NewImage("");
  ChannelTable back;
  back.Load(fresh);
  auto parsed = ReadChirpCsv(csv);
  ASSERT_TRUE(parsed) << parsed.error();
  const CsvImportPlan plan = PlanChirpImport(*parsed, back.band(), 1);
  ASSERT_EQ(plan.Count(CsvRowOutcome::kPlaced), 16) << csv;
  ApplyChirpImport(fresh, back, plan);
  back.Load(fresh);
  for (int n = 1; n <= 16; ++n)
    for (int c = kColRxFreq; c <= kColType; ++c) EXPECT_EQ(back.Cell(n, c), table.Cell(n, c)) << "channel " << n << " column " << c;
}

TEST(ChirpCsv, ExportWritesChirpsColumnsAndTexts) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  table.CommitFrequency(img, 1, kColRxFreq, "446.00625");
  table.CommitFrequency(img, 1, kColTxFreq, "446.01875");
  table.CommitTone(1, kColRxTone, "D023I");
  table.CommitTone(1, kColTxTone, "67.0");
  table.CommitChoice(1, kColPower, "Low");
  table.CommitChoice(1, kColScan, "Del");
  table.CommitChoice(1, kColBandwidth, "Narrow");
  table.CommitFrequency(img, 3, kColRxFreq, "438.5");
  table.CommitFrequency(img, 3, kColTxFreq, "");
  table.CommitChoice(3, kColType, "Analog");
  table.CommitFrequency(img, 4, kColRxFreq, "440");
  table.CommitFrequency(img, 4, kColTxFreq, "435");
  table.CommitTone(4, kColRxTone, "100.0");
  table.CommitTone(4, kColTxTone, "100.0");
  table.CommitFrequency(img, 5, kColRxFreq, "440");
  table.CommitTone(5, kColRxTone, "D754I");
  table.CommitTone(5, kColTxTone, "D754I");
  EXPECT_EQ(ExportChirpCsv(table),
            kHeader +
                "1,,446.006250,+,0.012500,Cross,67.0,88.5,023,NR,023,Tone->DTCS,NFM,6.25,S,1W,Digit,,,,\r\n"
                "3,,438.500000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,5W,Analog,,,,\r\n"
                "4,,440.000000,-,5.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,25.00,,5W,Digit,,,,\r\n"
                "5,,440.000000,,0.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,FM,25.00,,5W,Digit,,,,\r\n");
}

}  // namespace
}  // namespace cps
