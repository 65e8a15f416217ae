#include "results/ResultsStages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "results/OutputStage.h"
#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

TEST(RunResultsStagesTest, FiltersTotalsAndRanksInOrder) {
  WordTable table;
  test::FillTable(table, {{"the", 5}, {"xiv", 9}, {"and", 5}, {"cat", 2}});
  const ListResults r = RunResultsStages(table, FilterSettings{});
  EXPECT_EQ(r.totals.lngNumListed, 3);
  EXPECT_EQ(r.totals.lngNumExcluded, 1);
  EXPECT_EQ(r.totals.lngMaxCount, 5);  // xiv's 9 is left out
  EXPECT_EQ(r.totals.lngTotalOccurrences, 21);
  // Key order: and, cat, the, xiv.
  EXPECT_EQ(r.byFrequency, (FrequencyOrder{0, 2, 1}));
  EXPECT_EQ(table[3].lngRank, 0);
}

TEST(RunResultsStagesTest, EmptyTable) {
  WordTable table;
  const ListResults r = RunResultsStages(table, FilterSettings{});
  EXPECT_EQ(r.totals, ListTotals{});
  EXPECT_TRUE(r.byFrequency.empty());
}

// A word made of consonant-vowel pairs: never a Roman numeral, a
// repetition or vowel-less, and unique for each number.
std::string SyllableWord(std::size_t n) {
  static constexpr char kConsonants[] = "bdfgklmnprst";
  static constexpr char kVowels[] = "aeiou";
  std::string word;
  do {
    word += kConsonants[n % 12];
    n /= 12;
    word += kVowels[n % 5];
    n /= 5;
  } while (n > 0);
  return word;
}

// A million different words through every stage, checked against the
// definitions rather than against timings.
TEST(RunResultsStagesTest, MillionWordsListByFrequency) {
  constexpr std::size_t kWords = 1'000'000;
  WordTable table;
  for (std::size_t i = 0; i < kWords; ++i)
    ASSERT_EQ(table.Add(SyllableWord(i)), WordTable::AddResult::New);
  for (std::size_t i = 0; i < kWords; ++i)
    table[i].lngCount = static_cast<std::int64_t>(i % 4 == 0 ? 1 : 2 + (i * 7919) % 3001);
  FilterSettings settings;
  settings.blnIgnoreInfrequentWords = true;
  settings.lngThresholdFrequency = 2;
  const ListResults r = RunResultsStages(table, settings);

  ASSERT_EQ(r.totals.lngNumListed, 750'000);
  ASSERT_EQ(r.byFrequency.size(), 750'000u);
  for (std::size_t k = 1; k < r.byFrequency.size(); ++k) {
    const WordEntry& a = table[r.byFrequency[k - 1]];
    const WordEntry& b = table[r.byFrequency[k]];
    ASSERT_TRUE(a.lngCount > b.lngCount ||
                (a.lngCount == b.lngCount && r.byFrequency[k - 1] < r.byFrequency[k]))
        << "at rank " << k;
    ASSERT_EQ(b.lngRank, static_cast<std::int64_t>(k + 1));
  }
  for (std::size_t i = 0; i < kWords; i += 4) ASSERT_EQ(table[i].lngRank, 0);

  std::ostringstream file;
  ASSERT_EQ(WriteOutputFile(table, r, WordOrder::ByFrequency, DisplayFormat::RankFrequencyWord,
                            false, file),
            ListingOutcome::Completed);
  const std::string text = file.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 750'001);
  const WordEntry& last = table[r.byFrequency.back()];
  std::ostringstream lastLine;
  lastLine << " 750000  " << std::string(6 - std::to_string(last.lngCount).size(), ' ')
           << last.lngCount << "  " << last.strWord() << "\r\n";
  EXPECT_TRUE(text.ends_with(lastLine.str())) << text.substr(text.size() - 60);
}

}  // namespace
}  // namespace zet
