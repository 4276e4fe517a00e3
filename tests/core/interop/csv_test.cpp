// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interop/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cps {
namespace {

using Fields = std::vector<std::string>;

TEST(Csv, ReadsTheFormsFilesComeIn) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::pair<int, Fields>> records;  // line, fields
  };
  const Case cases[] = {
      {"crlf", "a,b\r\n1,2\r\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"lf, no final line end", "a,b\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"cr only", "a,b\r1,2\r", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"byte order mark", "\xEF\xBB\xBFLocation,Name\n1,x\n", {{1, {"Location", "Name"}}, {2, {"1", "x"}}}},
      {"blank lines and empty records", "a,b\n\n,\n  \r\n1,2\n\n", {{1, {"a", "b"}}, {5, {"1", "2"}}}},
      {"quoted comma and doubled quote", "\"x,y\",\"say \"\"hi\"\"\",\"\"\n", {{1, {"x,y", "say \"hi\"", ""}}}},
      {"line break inside quotes", "\"two\nlines\",b\r\nnext,c\n", {{1, {"two\nlines", "b"}}, {3, {"next", "c"}}}},
      {"stray quote kept", "ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
      {"empty trailing fields", "1,,\n", {{1, {"1", "", ""}}}},
  };
  for (const Case& c : cases) {
    auto records = ParseCsvRecords(c.text);
    ASSERT_TRUE(records) << c.name << ": " << records.error();
    ASSERT_EQ(records->size(), c.records.size()) << c.name;
    for (std::size_t i = 0; i < c.records.size(); ++i) {
      EXPECT_EQ((*records)[i].line, c.records[i].first) << c.name << " record " << i;
      EXPECT_EQ((*records)[i].fields, c.records[i].second) << c.name << " record " << i;
    }
  }
}

TEST(Csv, RefusesWhatIsNotText) {
  EXPECT_FALSE(ParseCsvRecords(std::string("\x00\x00\x06\x00", 4)));
  auto unclosed = ParseCsvRecords("a,b\n1,\"open\n2,3\n");
  ASSERT_FALSE(unclosed);
  EXPECT_NE(unclosed.error().find("line 2"), std::string::npos) << unclosed.error();
  EXPECT_FALSE(ParseCsvTable("\n\n"));
}

TEST(Csv, FindsColumnsByNameInAnyOrder) {
  auto table = ParseCsvTable("Name, frequency ,Location\nA,446.1\n");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->Column("Frequency"), 1);
  EXPECT_EQ(table->Column("Tone"), -1);
  EXPECT_EQ(table->Field(table->rows[0], "Frequency"), "446.1");
  EXPECT_EQ(table->Field(table->rows[0], "Location"), "");  // the row is shorter
}

TEST(Csv, QuotesOnlyWhereNeeded) {
  EXPECT_EQ(CsvLine({"1", "a,b", "say \"x\"", "", "two\nlines"}), "1,\"a,b\",\"say \"\"x\"\"\",,\"two\nlines\"\r\n");
  EXPECT_EQ(CsvLine({"a,b", "c\td"}, '\t', "\n"), "a,b\t\"c\td\"\n");
}

}  // namespace
}  // namespace cps
