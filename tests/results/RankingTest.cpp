#include "results/Ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

std::vector<std::int64_t> Ranks(const WordTable& table) {
  std::vector<std::int64_t> ranks;
  for (std::size_t i = 0; i < table.size(); ++i) ranks.push_back(table[i].lngRank);
  return ranks;
}

TEST(AssignRanksTest, TiesKeepKeyOrderAndRanksAreNeverShared) {
  WordTable table;
  test::FillTable(table, {{"c", 3}, {"b", 5}, {"a", 5}});
  const FrequencyOrder order = AssignRanks(table);
  EXPECT_EQ(Ranks(table), (std::vector<std::int64_t>{1, 2, 3}));
  EXPECT_EQ(order, (FrequencyOrder{0, 1, 2}));  // a -> b -> c
}

TEST(AssignRanksTest, SingleListedEntryHasRankOne) {
  WordTable table;
  test::FillTable(table, {{"only", 4}});
  EXPECT_EQ(AssignRanks(table), FrequencyOrder{0});
  EXPECT_EQ(table[0].lngRank, 1);
}

TEST(AssignRanksTest, NothingListedGivesNoRanks) {
  WordTable table;
  test::FillTable(table, {{"a", 2}, {"b", 1}});
  table[0].lngRank = 7;  // left from an earlier run
  table[0].blnIncluded = table[1].blnIncluded = false;
  EXPECT_TRUE(AssignRanks(table).empty());
  EXPECT_EQ(Ranks(table), (std::vector<std::int64_t>{0, 0}));
}

TEST(AssignRanksTest, LeftOutEntryKeepsRankZeroEvenWithHighestCount) {
  WordTable table;
  test::FillTable(table, {{"top", 50}, {"mid", 5}, {"low", 1}});
  table[2].blnIncluded = false;  // key order: low, mid, top
  EXPECT_EQ(AssignRanks(table), (FrequencyOrder{1, 0}));
  EXPECT_EQ(Ranks(table), (std::vector<std::int64_t>{2, 1, 0}));
}

TEST(AssignRanksTest, CountsAboveTheNumberListedSortStably) {
  // Counts of at least the number of listed entries share one bucket.
  WordTable table;
  test::FillTable(table, {{"a", 1}, {"b", 9}, {"c", 4}, {"d", 9}, {"e", 4}, {"f", 2}});
  table[0].lngCount = 1'000'000'000'000;
  EXPECT_EQ(AssignRanks(table), (FrequencyOrder{0, 1, 3, 2, 4, 5}));
}

TEST(AssignRanksTest, MatchesStableSortOnRandomTable) {
  WordTable table;
  std::mt19937 rng(42);
  for (int i = 0; i < 5000; ++i) static_cast<void>(table.Add("w" + std::to_string(i)));
  std::uniform_int_distribution<int> count(1, 40);
  std::bernoulli_distribution listed(0.8);
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i].lngCount = count(rng) * (i % 97 == 0 ? 1000 : 1);
    table[i].blnIncluded = listed(rng);
  }
  FrequencyOrder expected;
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].blnIncluded) expected.push_back(static_cast<std::uint32_t>(i));
  std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
    return table[a].lngCount > table[b].lngCount;
  });
  const FrequencyOrder order = AssignRanks(table);
  ASSERT_EQ(order, expected);
  for (std::size_t r = 0; r < order.size(); ++r)
    EXPECT_EQ(table[order[r]].lngRank, static_cast<std::int64_t>(r + 1));
}

struct PacingRow {
  std::size_t words;
  std::size_t step;
  friend void PrintTo(const PacingRow& row, std::ostream* os) { *os << row.words; }
};

class PacingStepTest : public ::testing::TestWithParam<PacingRow> {};

TEST_P(PacingStepTest, TenthOfTableRoundedHalfToEvenAtLeastTen) {
  EXPECT_EQ(PacingStep(GetParam().words), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Rows, PacingStepTest,
                         ::testing::Values(PacingRow{0, 10}, PacingRow{95, 10}, PacingRow{104, 10},
                                           PacingRow{115, 12}, PacingRow{125, 12},
                                           PacingRow{126, 13}, PacingRow{135, 14},
                                           PacingRow{250, 25}, PacingRow{4'200'005, 420'000}));

}  // namespace
}  // namespace zet
