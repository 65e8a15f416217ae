#include "results/ListTotals.h"

#include <gtest/gtest.h>

#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

TEST(ComputeListTotalsTest, EmptyTableGivesZeros) {
  WordTable table;
  EXPECT_EQ(ComputeListTotals(table), ListTotals{});
}

TEST(ComputeListTotalsTest, EverythingLeftOutKeepsOnlyExcludedAndTotal) {
  WordTable table;
  test::FillTable(table, {{"alpha", 4}, {"be", 1}});
  for (std::size_t i = 0; i < table.size(); ++i) table[i].blnIncluded = false;
  ListTotals expected;
  expected.lngNumExcluded = 2;
  expected.lngTotalOccurrences = 5;
  EXPECT_EQ(ComputeListTotals(table), expected);
}

TEST(ComputeListTotalsTest, LongestAndMaxComeFromListedEntriesOnly) {
  WordTable table;
  test::FillTable(table, {{"extraordinary", 9}, {"cat", 2}, {"caf\xE9", 3}});
  table[2].blnIncluded = false;  // key order: cafe, cat, extraordinary
  const ListTotals t = ComputeListTotals(table);
  EXPECT_EQ(t.lngNumListed, 2);
  EXPECT_EQ(t.lngNumListed + t.lngNumExcluded, 3);
  EXPECT_EQ(t.lngMaxCount, 3);
  EXPECT_EQ(t.intLongestWord, 4);  // "café" is four characters
  EXPECT_EQ(t.lngListedOccurrences, 5);
  EXPECT_EQ(t.lngTotalOccurrences, 14);
}

TEST(ComputeListTotalsTest, SumsBeyondThirtyTwoBits) {
  WordTable table;
  test::FillTable(table, {{"big", 1}, {"bigger", 1}});
  table[0].lngCount = 3'000'000'000;
  table[1].lngCount = 2'000'000'000;
  const ListTotals t = ComputeListTotals(table);
  EXPECT_EQ(t.lngTotalOccurrences, 5'000'000'000);
  EXPECT_EQ(t.lngListedOccurrences, 5'000'000'000);
  EXPECT_EQ(t.lngMaxCount, 3'000'000'000);
}

}  // namespace
}  // namespace zet
