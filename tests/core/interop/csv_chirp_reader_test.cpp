// SPDX-License-Identifier: GPL-3.0-or-later
// CHIRP itself reading our exports and our templates: the CSV reader of the
// Debian package chirp, driven from Python. Skipped when it is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/image/new_image.h"
#include "core/interop/csv_chirp.h"
#include "core/interop/csv_template.h"

namespace cps {
namespace {

namespace fs = std::filesystem;

// Prints, per file, its number of errors, each error, then one line per
// memory: number, Hz, duplex, offset, tone mode, tones, DTCS codes and
// polarity, cross mode, mode, skip; "?" for the receive DTCS code and the
// cross mode where the reader knows no such columns (older versions). The
// package's reader opens files with mode "rU", which newer Pythons refuse:
// the script drops the "U".
constexpr const char* kReader = R"py(
import builtins, sys, logging
_open = builtins.open
builtins.open = lambda f, mode='r', *a, **k: _open(f, mode.replace('U', ''), *a, **k)
logging.disable(logging.CRITICAL)
from chirp.drivers import generic_csv
for path in sys.argv[1:]:
    r = generic_csv.CSVRadio(path)
    print('errors', len(r.errors))
    for e in r.errors: print('error', e)
    cross = 'CrossMode' in generic_csv.CSVRadio.ATTR_MAP
    for m in r.get_memories():
        if not m.empty:
            print(m.number, m.freq, m.duplex or '-', m.offset, m.tmode or '-', m.rtone, m.ctone, m.dtcs,
                  m.rx_dtcs if cross else '?', m.dtcs_polarity, m.cross_mode if cross else '?', m.mode, m.skip or '-')
)py";

class ChirpReader : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("/usr/bin/python3 -c 'import chirp.drivers.generic_csv' >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "CHIRP is not installed (Debian package chirp): its CSV reader is not tried";
    dir_ = fs::temp_directory_path() / ("dpmr-chirp-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "read.py") << kReader;
  }
  void TearDown() override {
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }

  // The reader's lines for `path`.
  std::vector<std::string> Read(const std::string& path) {
    const std::string cmd = "/usr/bin/python3 '" + (dir_ / "read.py").string() + "' '" + path + "' 2>&1";
    std::vector<std::string> lines;
    FILE* pipe = ::popen(cmd.c_str(), "r");
    if (!pipe) return lines;
    std::array<char, 4096> buf{};
    std::string out;
    while (std::fgets(buf.data(), static_cast<int>(buf.size()), pipe)) out += buf.data();
    ::pclose(pipe);
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  // `lines` as this reader prints them: an older one, without the receive
  // DTCS code and cross mode columns, prints "?" for them.
  std::vector<std::string> ForThisReader(std::vector<std::string> lines) {
    const auto probe = Read(Write("probe.csv", "Location,Frequency\r\n1,446.1\r\n"));
    if (probe.size() < 2 || probe[1].find(" ? ") == std::string::npos) return lines;
    for (auto& l : lines) {
      std::istringstream in(l);
      std::vector<std::string> w;
      for (std::string x; in >> x;) w.push_back(x);
      if (w.size() != 13) continue;
      w[8] = w[10] = "?";
      l.clear();
      for (const auto& x : w) l += (l.empty() ? "" : " ") + x;
    }
    return lines;
  }

  fs::path dir_;
};

TEST_F(ChirpReader, ReadsOurExportChannelForChannel) {
  RadioImage img = NewImage("");
  ChannelTable table;
  table.Load(img);
  table.CommitFrequency(img, 3, kColRxFreq, "446.00625");
  table.CommitFrequency(img, 3, kColTxFreq, "446.01875");
  table.CommitTone(3, kColRxTone, "D023I");
  table.CommitTone(3, kColTxTone, "67.0");
  table.CommitChoice(3, kColScan, "Del");
  table.CommitChoice(3, kColBandwidth, "Narrow");
  table.CommitFrequency(img, 7, kColRxFreq, "438.5");
  table.CommitFrequency(img, 7, kColTxFreq, "");
  table.CommitFrequency(img, 9, kColRxFreq, "440");
  table.CommitFrequency(img, 9, kColTxFreq, "435");
  table.CommitTone(9, kColRxTone, "D754I");
  table.CommitTone(9, kColTxTone, "D754I");
  table.CommitFrequency(img, 16, kColRxFreq, "446.103125");
  table.CommitTone(16, kColRxTone, "100.0");
  table.CommitTone(16, kColTxTone, "100.0");
  EXPECT_EQ(Read(Write("export.csv", ExportChirpCsv(table))),
            ForThisReader({
                "errors 0",
                "3 446006250 + 12500 Cross 67.0 88.5 23 23 NR Tone->DTCS NFM S",
                "7 438500000 off 0 - 88.5 88.5 23 23 NN Tone->Tone FM -",
                "9 440000000 - 5000000 DTCS 88.5 88.5 754 754 RR Tone->Tone FM -",
                "16 446103125 - 0 TSQL 100.0 100.0 23 23 NN Tone->Tone FM -",
            }));
}

// Every shipped template loads without an error, each channel at the
// number we put it: the channel table at 1..16, the PMR channels at 17..32.
TEST_F(ChirpReader, ReadsOurTemplates) {
  for (const auto& [file, text] : ShippedTemplateFiles()) {
    auto t = ParseChannelTemplate(text, file);
    ASSERT_TRUE(t) << file;
    const TemplatePlan plan = PlanChannelTemplate(*t, kBandUhf);
    std::vector<std::string> want = {"errors 0"};
    for (const auto& [set, offset] : {std::pair{&plan.main, 0}, std::pair{&plan.pmr, kChannelCount}})
      for (const auto& row : set->rows) {
        ASSERT_EQ(row.outcome, CsvRowOutcome::kPlaced) << file;
        const std::string hz = row.texts[kColRxFreq].substr(0, 3) + row.texts[kColRxFreq].substr(4);
        want.push_back(std::to_string(row.channel + offset) + " " + hz + " - 0 - 88.5 88.5 23 23 NN Tone->Tone NFM -");
      }
    EXPECT_EQ(Read(Write(file, text)), ForThisReader(want)) << file;
  }
}

}  // namespace
}  // namespace cps
