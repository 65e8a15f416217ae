#include "results/WordLedger.h"

#include <gtest/gtest.h>

#include <memory>

#include "results/ResultsStages.h"
#include "scanner/Scanner.h"
#include "tests/results/ResultsTestSupport.h"
#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

// Every test on, with limits a short word can cross.
FilterSettings AllTests() {
  FilterSettings s;
  s.blnIgnoreInfrequentWords = true;
  s.lngThresholdFrequency = 2;
  s.blnIgnoreShortWords = true;
  s.intShortWordSize = 3;
  s.intLongWordSize = 20;
  s.wordsToIgnore = MakeWordsToIgnoreSet("zebra,");
  s.commonWords = std::make_shared<const WordSet>(WordSet{"the", "caf\xE9"});
  return s;
}

struct ReasonRow {
  const char* name;
  std::string word;  // Windows-1252
  std::int64_t count;
  std::string reason;
  std::int64_t range = 2;  // files the word was found in; two are asked for
  friend void PrintTo(const ReasonRow& row, std::ostream* os) { *os << row.name; }
};

class ExclusionReasonTest : public ::testing::TestWithParam<ReasonRow> {};

// Each word is built to trip one test; the rows where two apply show that
// the reason given is the first in filter order.
TEST_P(ExclusionReasonTest, NamesTheFirstTestThatLeavesTheWordOut) {
  const ReasonRow& row = GetParam();
  std::string lower;
  const FilterSettings s = AllTests();
  const RangeLimit limit{{}, 2};
  EXPECT_EQ(ExclusionReason(FindCorpusExclusion(row.word, row.count, row.range, s, limit, lower), s,
                            limit),
            row.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExclusionReasonTest,
    ::testing::Values(ReasonRow{"Listed", "house", 5, ""},
                      ReasonRow{"Rare", "house", 1, "fewer occurrences than 2"},
                      ReasonRow{"Short", "ox", 5, "shorter than 3"},
                      ReasonRow{"Long", std::string(21, 'a') + "b", 5, "longer than 20"},
                      ReasonRow{"Typed", "Zebra", 5, "typed word to ignore"},
                      ReasonRow{"Common", "The", 5, "common word"},
                      ReasonRow{"CommonAccented", "CAF\xC9", 5, "common word"},
                      ReasonRow{"Repetition", "mmmm", 5, "repetition of one letter"},
                      ReasonRow{"Roman", "xxxix", 5, "Roman numeral under 40"},
                      ReasonRow{"FortyOneIsListed", "xli", 5, ""},
                      ReasonRow{"NoVowel", "cwm", 5, "no vowel or y"},
                      ReasonRow{"YIsAVowelHere", "myth", 5, ""},
                      // Two tests apply: the one tried first is named.
                      ReasonRow{"RareBeforeShort", "ox", 1, "fewer occurrences than 2"},
                      ReasonRow{"ShortBeforeRepetition", "mm", 5, "shorter than 3"},
                      ReasonRow{"CommonBeforeNoVowel", "the", 5, "common word"},
                      ReasonRow{"RepetitionBeforeRoman", "iii", 5, "repetition of one letter"},
                      ReasonRow{"RomanBeforeNoVowel", "xiv", 5, "Roman numeral under 40"},
                      // The range is tested after every other test.
                      ReasonRow{"FewFiles", "house", 5, "fewer files than 2", 1},
                      ReasonRow{"RareBeforeFewFiles", "house", 1, "fewer occurrences than 2", 1},
                      ReasonRow{"NoVowelBeforeFewFiles", "cwm", 5, "no vowel or y", 1}));

TEST(ListLeftOutTest, FollowsTheListOrderAndGivesEachItsReason) {
  WordTable table;
  test::FillTable(table, {{"the", 4}, {"cwm", 2}, {"iii", 4}, {"ox", 3}, {"house", 4}});
  const FilterSettings s = AllTests();
  (void)RunResultsStages(table, s);
  auto show = [&](WordOrder order) {
    std::string text;
    for (const LeftOutEntry& e : ListLeftOut(table, s, order))
      text += std::string(table[e.entry].strWord()) + ' ' + ExclusionReason(e.exclusion, s) + ';';
    return text;
  };
  // Equal counts keep key order; the listed "house" is not there.
  EXPECT_EQ(show(WordOrder::ByFrequency),
            "iii repetition of one letter;the common word;ox shorter than 3;cwm no vowel or y;");
  EXPECT_EQ(show(WordOrder::Alphabetical),
            "cwm no vowel or y;iii repetition of one letter;ox shorter than 3;the common word;");
}

struct ExplainRow {
  const char* name;
  std::string typed;  // Windows-1252
  WordExplanation::Kind kind;
  std::string entry;  // the entry's shown word, when found
  std::string reason;
  friend void PrintTo(const ExplainRow& row, std::ostream* os) { *os << row.name; }
};

class ExplainWordTest : public ::testing::TestWithParam<ExplainRow> {};

// The table is counted from text by the scanner, and the typed word cut by
// the same rules: case, accents, a final "s", trailing punctuation.
TEST_P(ExplainWordTest, AnswersAsTheCountCutTheWord) {
  const ExplainRow& row = GetParam();
  const ScanSettings scan = test::DefaultSettings();
  WordTable table;
  QuietObserver quiet;
  Scanner scanner(scan, table, quiet);
  scanner.ScanSourceLine("Caf\xE9 cafe cats the the ox ox ox mmm mmm dogs Dog");
  FilterSettings filters = AllTests();
  (void)RunResultsStages(table, filters);

  const WordExplanation answer = ExplainWord(row.typed, scan, table, filters);
  EXPECT_EQ(answer.kind, row.kind);
  EXPECT_EQ(answer.entry != nullptr ? std::string(answer.entry->strWord()) : "", row.entry);
  EXPECT_EQ(ExclusionReason(answer.exclusion, filters), row.reason);
}

using K = WordExplanation::Kind;
INSTANTIATE_TEST_SUITE_P(
    Rows, ExplainWordTest,
    ::testing::Values(
        ExplainRow{"ListedUnderFinalSAndCase", "DOGS", K::Listed, "dog", ""},
        ExplainRow{"CaseAndAccentFolded", "CAFE", K::LeftOut, "caf\xE9", "common word"},
        ExplainRow{"AccentFolded", "caf\xC9", K::LeftOut, "caf\xE9", "common word"},
        ExplainRow{"FinalSDropped", "Cats", K::LeftOut, "cat", "fewer occurrences than 2"},
        ExplainRow{"TrailingPunctuation", "cat.", K::LeftOut, "cat", "fewer occurrences than 2"},
        ExplainRow{"LeftOutCommon", "THE", K::LeftOut, "the", "common word"},
        ExplainRow{"LeftOutShort", "ox", K::LeftOut, "ox", "shorter than 3"},
        ExplainRow{"LeftOutRepetition", "mmm", K::LeftOut, "mmm", "repetition of one letter"},
        ExplainRow{"NotFound", "cow", K::NotFound, "", ""},
        ExplainRow{"NotAWord", "---", K::NotAWord, "", ""},
        ExplainRow{"OnlyAFragment", "'s", K::NotAWord, "", ""},
        ExplainRow{"TwoWords", "the cat", K::SeveralWords, "", ""},
        ExplainRow{"Empty", "", K::NotAWord, "", ""}));

TEST(ExplainWordTest, GivesTheWordAsCutWhenItIsNotFound) {
  WordTable table;
  const WordExplanation answer =
      ExplainWord("Dogs!", test::DefaultSettings(), table, FilterSettings{});
  EXPECT_EQ(answer.kind, K::NotFound);
  EXPECT_EQ(answer.word, "dog");
}

}  // namespace
}  // namespace zet
