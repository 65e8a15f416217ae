#include "results/ExclusionFilters.h"

#include <gtest/gtest.h>

#include <memory>

#include "results/ListTotals.h"
#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

// Which settings a row runs with, on top of the defaults.
enum class Setup : std::uint8_t {
  Defaults,
  Threshold3,
  Short3,
  Long20,
  IgnoreBathe,
  IgnoreTheAnd,
  Common,
  AllOff,
};

FilterSettings MakeSettings(Setup setup) {
  FilterSettings s;
  switch (setup) {
    case Setup::Defaults:
      break;
    case Setup::Threshold3:
      s.blnIgnoreInfrequentWords = true;
      s.lngThresholdFrequency = 3;
      break;
    case Setup::Short3:
      s.blnIgnoreShortWords = true;
      s.intShortWordSize = 3;
      break;
    case Setup::Long20:
      s.intLongWordSize = 20;
      break;
    case Setup::IgnoreBathe:
      s.wordsToIgnore = MakeWordsToIgnoreSet("bathe,");
      break;
    case Setup::IgnoreTheAnd:
      s.wordsToIgnore = MakeWordsToIgnoreSet("the,and,");
      break;
    case Setup::Common:
      s.commonWords = std::make_shared<const WordSet>(WordSet{"of", "caf\xE9"});
      break;
    case Setup::AllOff:
      s.blnIgnoreRepetitions = s.blnIgnoreRomNum40 = s.blnIgnoreNoVowelOrY = false;
      break;
  }
  return s;
}

struct FilterRow {
  const char* name;
  Setup setup;
  std::string word;  // Windows-1252
  std::int64_t count;
  Exclusion expected;
  friend void PrintTo(const FilterRow& row, std::ostream* os) { *os << row.name; }
};

class FindExclusionTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FindExclusionTest, AppliesFirstRejectingTest) {
  const FilterRow& row = GetParam();
  std::string buffer;
  EXPECT_EQ(FindExclusion(row.word, row.count, MakeSettings(row.setup), buffer), row.expected);
}

using E = Exclusion;
using S = Setup;
const std::string k50(50, 'a');

INSTANTIATE_TEST_SUITE_P(
    Rows, FindExclusionTest,
    ::testing::Values(
        FilterRow{"the_stays", S::Defaults, "the", 1, E::None},
        FilterRow{"I_roman", S::Defaults, "I", 1, E::RomanNumeral},
        FilterRow{"mm_repetition", S::Defaults, "mm", 1, E::Repetition},
        FilterRow{"rhythm_stays", S::Defaults, "rhythm", 1, E::None},
        FilterRow{"nth_no_vowel", S::Defaults, "nth", 1, E::NoVowel},
        FilterRow{"xiv_roman", S::Defaults, "xiv", 1, E::RomanNumeral},
        FilterRow{"a_single_letter_stays", S::Defaults, "a", 1, E::None},
        FilterRow{"fifty_chars_stay", S::Defaults, std::string(49, 'b') + "e", 1, E::None},
        FilterRow{"fifty_one_chars_too_long", S::Defaults, k50 + "e", 1, E::Long},
        FilterRow{"fifty_repeats_still_repetition", S::Defaults, k50, 1, E::Repetition},
        FilterRow{"Uber_has_vowel", S::Defaults,
                  "\xDC"
                  "ber",
                  1, E::None},
        FilterRow{"syr_no_vowel", S::Defaults, "s\xFDr", 1, E::NoVowel},
        FilterRow{"nth_kept_with_filters_off", S::AllOff, "nth", 1, E::None},
        FilterRow{"twice_below_threshold_3", S::Threshold3, "dog", 2, E::Infrequent},
        FilterRow{"thrice_meets_threshold_3", S::Threshold3, "dog", 3, E::None},
        FilterRow{"threshold_checked_before_roman", S::Threshold3, "xiv", 1, E::Infrequent},
        FilterRow{"two_chars_short", S::Short3, "be", 9, E::Short},
        FilterRow{"three_chars_not_short", S::Short3, "bee", 9, E::None},
        FilterRow{"short_checked_before_roman", S::Short3, "I", 9, E::Short},
        FilterRow{"limit_20_keeps_20", S::Long20, std::string(19, 'b') + "a", 1, E::None},
        FilterRow{"limit_20_drops_21", S::Long20, std::string(20, 'b') + "a", 1, E::Long},
        FilterRow{"bathe_does_not_ignore_the", S::IgnoreBathe, "the", 1, E::None},
        FilterRow{"bathe_ignored", S::IgnoreBathe, "Bathe", 1, E::WordsToIgnore},
        FilterRow{"The_ignored_via_lower_case", S::IgnoreTheAnd, "The", 1, E::WordsToIgnore},
        FilterRow{"then_not_ignored", S::IgnoreTheAnd, "then", 1, E::None},
        FilterRow{"common_word_lower_case", S::Common, "Of", 1, E::CommonWord},
        FilterRow{"common_cp1252_word", S::Common, "CAF\xC9", 1, E::CommonWord},
        FilterRow{"common_compares_accents_exactly", S::Common, "cafe", 1, E::None}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ApplyExclusionFiltersTest, SetsFlagsAndTotalsCountLeftOutEntries) {
  WordTable table;
  test::FillTable(table, {{"the", 5}, {"mm", 7}, {"nth", 2}, {"rhythm", 1}, {"xiv", 3}});
  ApplyExclusionFilters(table, FilterSettings{});
  // Key order: mm, nth, rhythm, the, xiv.
  EXPECT_FALSE(table[0].blnIncluded);
  EXPECT_FALSE(table[1].blnIncluded);
  EXPECT_TRUE(table[2].blnIncluded);
  EXPECT_TRUE(table[3].blnIncluded);
  EXPECT_FALSE(table[4].blnIncluded);
  ListTotals expected;
  expected.lngNumListed = 2;
  expected.lngNumExcluded = 3;
  expected.lngListedOccurrences = 6;
  expected.lngTotalOccurrences = 18;
  expected.lngMaxCount = 5;
  expected.intLongestWord = 6;
  EXPECT_EQ(ComputeListTotals(table), expected);
}

TEST(ApplyExclusionFiltersTest, ReRunWithOtherSettingsListsEntriesAgain) {
  WordTable table;
  test::FillTable(table, {{"nth", 2}});
  ApplyExclusionFilters(table, FilterSettings{});
  EXPECT_FALSE(table[0].blnIncluded);
  ApplyExclusionFilters(table, MakeSettings(Setup::AllOff));
  EXPECT_TRUE(table[0].blnIncluded);
}

}  // namespace
}  // namespace zet
