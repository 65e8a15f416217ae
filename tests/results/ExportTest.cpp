#include "results/Export.h"

#include <gtest/gtest.h>

#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

std::string Export(const WordTable& table, const ListResults& results, ExportFormat format,
                   WordOrder order, std::span<const std::int64_t> ranges = {}) {
  std::string text;
  StringSink sink(text);
  const ExportRequest request{format, order, ranges, {{"order", "x \"y\""}}};
  EXPECT_TRUE(WriteExport(table, results, request, sink));
  return text;
}

// The table's words are Windows-1252 and may hold what a separator or a
// quote means to the format (a caller can add any bytes): each format must
// keep every word one field, in UTF-8.
TEST(ExportTest, EveryWordStaysOneFieldInUtf8) {
  WordTable table;
  test::FillTable(table, {{"plain", 4}, {"a,b", 3}, {"say\"hi\"", 2}, {"caf\xE9", 1}});
  const ListResults results = RunResultsStages(table, FilterSettings{});
  const struct {
    ExportFormat format;
    WordOrder order;
    std::string text;
  } rows[] = {
      {ExportFormat::Csv, WordOrder::ByFrequency,
       "rank,word,frequency,percentage\n1,plain,4,40.0000\n2,\"a,b\",3,30.0000\n"
       "3,\"say\"\"hi\"\"\",2,20.0000\n4,caf\xC3\xA9,1,10.0000\n"},
      {ExportFormat::Tsv, WordOrder::Alphabetical,
       "rank\tword\tfrequency\tpercentage\n2\ta,b\t3\t30.0000\n4\tcaf\xC3\xA9\t1\t10.0000\n"
       "1\tplain\t4\t40.0000\n3\tsay\"hi\"\t2\t20.0000\n"},
      {ExportFormat::Json, WordOrder::ByFrequency,
       "{\n\t\"totals\": {\n\t\t\"listed\": 4,\n\t\t\"excluded\": 0,\n"
       "\t\t\"listedOccurrences\": 10,\n\t\t\"totalOccurrences\": 10\n\t},\n"
       "\t\"parameters\": {\n\t\t\"order\": \"x \\\"y\\\"\"\n\t},\n\t\"words\": [\n"
       "\t\t{\n\t\t\t\"rank\": 1,\n\t\t\t\"word\": \"plain\",\n\t\t\t\"frequency\": 4,\n"
       "\t\t\t\"percentage\": 40.0\n\t\t},\n"
       "\t\t{\n\t\t\t\"rank\": 2,\n\t\t\t\"word\": \"a,b\",\n\t\t\t\"frequency\": 3,\n"
       "\t\t\t\"percentage\": 30.0\n\t\t},\n"
       "\t\t{\n\t\t\t\"rank\": 3,\n\t\t\t\"word\": \"say\\\"hi\\\"\",\n\t\t\t\"frequency\": 2,\n"
       "\t\t\t\"percentage\": 20.0\n\t\t},\n"
       "\t\t{\n\t\t\t\"rank\": 4,\n\t\t\t\"word\": \"caf\xC3\xA9\",\n\t\t\t\"frequency\": 1,\n"
       "\t\t\t\"percentage\": 10.0\n\t\t}\n\t]\n}\n"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Export(table, results, row.format, row.order), row.text)
        << static_cast<int>(row.format);
}

// Ranges are by key-order index, whichever order the list is in; --min-range
// leaves words out before the totals, which the percentages follow.
TEST(ExportTest, RangesFollowTheirEntriesAndMinRangeFilters) {
  WordTable table;
  test::FillTable(table, {{"bee", 5}, {"ant", 3}, {"cow", 2}});
  const std::int64_t ranges[] = {2, 1, 3};  // ant, bee, cow in key order
  const ListResults results = RunResultsStages(table, FilterSettings{}, ranges, 2);
  EXPECT_EQ(Export(table, results, ExportFormat::Tsv, WordOrder::ByFrequency, ranges),
            "rank\tword\tfrequency\tpercentage\trange\n1\tant\t3\t60.0000\t2\n"
            "2\tcow\t2\t40.0000\t3\n");
  EXPECT_EQ(results.totals.lngNumExcluded, 1);
}

}  // namespace
}  // namespace zet
