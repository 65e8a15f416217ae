#include "scanner/WordTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "scanner/Folding.h"
#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

TEST(WordTableTest, KeyOrderIsByteOrderWithPrefixesFirst) {
  WordTable table;
  for (const char* w : {"xa", "cats", "ab", "x2", "cat", "a-b", "_x", "a.b"}) table.Add(w);
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < table.size(); ++i) keys.emplace_back(table[i].strKey());
  EXPECT_EQ(keys, (std::vector<std::string>{"_x", "a-b", "a.b", "ab", "cat", "cats", "x2", "xa"}));
}

// The key comparison reads overlapping words and, below four bytes, only the
// first, middle and last: every byte of every length must still count.
TEST(WordTableTest, SameWordKeyTellsKeysApartAtEveryByte) {
  for (std::size_t n = 0; n <= 40; ++n) {
    std::string key;
    for (std::size_t i = 0; i < n; ++i) key.push_back(static_cast<char>('a' + i % 26));
    const std::string copy = key;  // other storage, same bytes
    EXPECT_TRUE(SameWordKey(key, copy)) << n;
    EXPECT_FALSE(SameWordKey(key, copy + "a")) << n;
    for (std::size_t i = 0; i < n; ++i) {
      std::string other = key;
      other[i] = '\xE9';
      EXPECT_FALSE(SameWordKey(key, other)) << n << " differs at " << i;
    }
  }
}

TEST(WordTableTest, FirstSpellingKeptAndCountsShared) {
  WordTable table;
  EXPECT_EQ(table.Add("Caf\xE9"), WordTable::AddResult::New);
  EXPECT_EQ(table.Add("cafe"), WordTable::AddResult::Counted);
  EXPECT_EQ(test::Entries(table), test::Words({{"Caf\xE9", 2}}));
  EXPECT_EQ(table[0].strKey(), "cafe");
  EXPECT_EQ(table.TotalOccurrences(), 2);
}

TEST(WordTableTest, WordsOver80CharactersAreNotCountedAnywhere) {
  WordTable table;
  EXPECT_EQ(table.Add(std::string(81, 'x')), WordTable::AddResult::TooLong);
  EXPECT_EQ(table.Add(std::string(80, 'x')), WordTable::AddResult::New);
  EXPECT_EQ(table.size(), 1u);
  EXPECT_EQ(table.TotalOccurrences(), 1);
}

TEST(WordTableTest, LigatureKeyMayBeLongerThanTheWord) {
  // 80 sharp s fold to a 160-character key: still one countable entry.
  WordTable table;
  const std::string word(80, '\xDF');
  table.Add(word);
  table.Add(std::string(160, 's'));  // too long as a word, so not the same entry
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].strKey(), std::string(160, 's'));
}

// Both ways of emptying, from a small table, a read one and one that grew
// past a block: nothing of the old words is counted or found again.
TEST(WordTableTest, ClearEmptiesTheTable) {
  for (const bool reuse : {false, true}) {
    for (const int words : {1, 3, 200000}) {
      for (const bool read : {false, true}) {
        WordTable table;
        for (int i = 0; i < words; ++i) table.Add("w" + std::to_string(i));
        if (read) {
          EXPECT_EQ(table[0].strKey(), "w0");
        }
        reuse ? table.ClearToReuse() : table.Clear();
        EXPECT_TRUE(table.empty());
        EXPECT_EQ(table.TotalOccurrences(), 0);
        EXPECT_EQ(table.Add("w1"), WordTable::AddResult::New);
        EXPECT_EQ(table.Add("x"), WordTable::AddResult::New);
        EXPECT_EQ(test::Entries(table), test::Words({{"w1", 1}, {"x", 1}}));
      }
    }
  }
}

TEST(WordTableTest, AddingAfterReadingKeepsOrderAndCounts) {
  WordTable table;
  table.Add("m");
  ASSERT_EQ(table[0].strWord(), "m");
  table.Add("a");
  table.Add("m");
  EXPECT_EQ(test::Entries(table), test::Words({{"a", 1}, {"m", 2}}));
  ASSERT_NE(table.FindKey("m"), nullptr);
  EXPECT_EQ(table.FindKey("m")->lngCount, 2);
  EXPECT_EQ(table.FindKey("zz"), nullptr);
}

TEST(WordTableTest, CountChangedThroughAnEntrySurvivesALaterAdd) {
  // Adding after a read drops the entries: their counts go back first.
  WordTable table;
  table.Add("word");
  table[0].lngCount = 41;
  table.Add("Word");
  EXPECT_EQ(test::Entries(table), test::Words({{"word", 42}}));
}

struct MergeRow {
  const char* name;
  std::vector<std::string> earlier;
  std::vector<std::string> later;
  test::Counted merged;
  friend void PrintTo(const MergeRow& row, std::ostream* os) { *os << row.name; }
};

class MergeFromTest : public ::testing::TestWithParam<MergeRow> {};

// Merging the table of a later piece of text gives what counting the
// pieces one after the other gives: the earlier spelling of a key wins.
TEST_P(MergeFromTest, EqualsCountingThePiecesInOrder) {
  const MergeRow& row = GetParam();
  // A later table still counting is read record by record; one already
  // read, entry by entry: both must merge alike.
  for (const bool laterRead : {false, true}) {
    SCOPED_TRACE(laterRead ? "later table read first" : "later table still counting");
    WordTable earlier;
    WordTable later;
    WordTable whole;
    WordTable laterAgain;
    for (const auto& w : row.earlier) {
      earlier.Add(w);
      whole.Add(w);
    }
    for (const auto& w : row.later) {
      later.Add(w);
      whole.Add(w);
      laterAgain.Add(w);
    }
    if (laterRead) (void)test::Entries(later);
    earlier.MergeFrom(later);
    EXPECT_EQ(test::Entries(earlier), row.merged);
    EXPECT_EQ(test::Entries(earlier), test::Entries(whole));
    EXPECT_EQ(earlier.TotalOccurrences(), whole.TotalOccurrences());
    EXPECT_EQ(test::Entries(later), test::Entries(laterAgain));
  }

  // A corpus of the two pieces as files 4 and 5: the same words, and each
  // key's files and the first of them.
  WordTable corpus;
  corpus.TrackFiles();
  WordTable pieces[2];
  WordTable whole;
  for (const auto& w : row.earlier) {
    pieces[0].Add(w);
    whole.Add(w);
  }
  for (const auto& w : row.later) {
    pieces[1].Add(w);
    whole.Add(w);
  }
  corpus.MergeFileFrom(pieces[0], 4);
  corpus.MergeFileFrom(pieces[1], 5);
  EXPECT_EQ(test::Entries(corpus), test::Entries(whole));
  EXPECT_EQ(corpus.TotalOccurrences(), whole.TotalOccurrences());
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    const bool inEarlier = pieces[0].FindKey(corpus[i].strKey()) != nullptr;
    const bool inLater = pieces[1].FindKey(corpus[i].strKey()) != nullptr;
    EXPECT_EQ(corpus.FilesOf(i), int{inEarlier} + int{inLater}) << corpus[i].strKey();
    EXPECT_EQ(corpus.FirstFileOf(i), inEarlier ? 4u : 5u) << corpus[i].strKey();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeFromTest,
    ::testing::Values(
        MergeRow{"disjoint", {"b", "a"}, {"c"}, {{"a", 1}, {"b", 1}, {"c", 1}}},
        MergeRow{"shared_keys_add", {"x", "y", "x"}, {"y", "x"}, {{"x", 3}, {"y", 2}}},
        MergeRow{"earlier_spelling_wins", {"Caf\xE9"}, {"cafe", "CAFE"}, {{"Caf\xE9", 3}}},
        MergeRow{"later_spelling_for_new_key",
                 {"a"},
                 {"Stra\xDF"
                  "e",
                  "strasse"},
                 {{"a", 1},
                  {"Stra\xDF"
                   "e",
                   2}}},
        MergeRow{"into_empty", {}, {"z", "z"}, {{"z", 2}}},
        MergeRow{"from_empty", {"z"}, {}, {{"z", 1}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(WordTableTest, MergeOfLargeTablesMatchesOneTable) {
  // Enough words that both tables grow their index several times and the
  // merged table moves its records across blocks.
  WordTable earlier;
  WordTable later;
  WordTable whole;
  for (int i = 0; i < 120000; ++i) {
    const std::string w = "w" + std::to_string(i * 7919 % 150000);
    (i < 60000 ? earlier : later).Add(w);
    whole.Add(w);
  }
  // The same as files of a corpus, the table read between them: its
  // records and their tags span blocks, its index is built again.
  WordTable corpus;
  corpus.TrackFiles();
  corpus.MergeFileFrom(earlier, 0);
  ASSERT_EQ(corpus.size(), earlier.size());
  corpus.MergeFileFrom(later, 1);
  const auto inFiles = static_cast<std::int64_t>(earlier.size() + later.size());
  earlier.MergeFrom(later);
  EXPECT_EQ(test::Entries(earlier), test::Entries(whole));
  EXPECT_EQ(test::Entries(corpus), test::Entries(whole));
  std::int64_t files = 0;
  for (std::size_t i = 0; i < corpus.size(); ++i) files += corpus.FilesOf(i);
  EXPECT_EQ(files, inFiles);
}

// The table's order must equal a plain sort of the keys, for many keys
// that share long prefixes (where the radix pass alone cannot decide).
TEST(WordTableTest, LargeTableMatchesReferenceOrderAndCounts) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> len(1, 20);
  std::uniform_int_distribution<int> letter(0, 3);
  std::map<std::string, std::int64_t> reference;
  WordTable table;
  for (int i = 0; i < 300000; ++i) {
    std::string w = i % 3 == 0 ? "prefixed" : "";
    const int n = len(rng);
    for (int j = 0; j < n; ++j) w.push_back(static_cast<char>('a' + letter(rng)));
    table.Add(w);
    ++reference[w];
  }
  ASSERT_EQ(table.size(), reference.size());
  std::size_t i = 0;
  for (const auto& [word, count] : reference) {
    ASSERT_EQ(table[i].strKey(), word) << i;
    ASSERT_EQ(table[i].lngCount, count) << word;
    ++i;
  }
}

struct FoldRow {
  const char* name;
  std::string word;
  std::string key;
  friend void PrintTo(const FoldRow& row, std::ostream* os) { *os << row.name; }
};

class MakeWordKeyTest : public ::testing::TestWithParam<FoldRow> {};

TEST_P(MakeWordKeyTest, FoldsCaseAccentsAndLigatures) {
  std::string buffer;
  EXPECT_EQ(MakeWordKey(GetParam().word, buffer), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MakeWordKeyTest,
    ::testing::Values(FoldRow{"plain", "word", "word"}, FoldRow{"upper", "WoRD", "word"},
                      FoldRow{"sharp_s",
                              "Stra\xDF"
                              "e",
                              "strasse"},
                      FoldRow{"umlaut", "M\xFCller", "mueller"},
                      FoldRow{"upper_umlaut", "\xC4rger", "aerger"},
                      FoldRow{"ligature_ae", "\xC6on", "aeon"},
                      FoldRow{"accents", "\xC9L\xC8VE \xE7\xE0", "eleve ca"},
                      FoldRow{"y_diaeresis_and_caron", "\xFF\x9F\x8A\x9A", "yyss"},
                      FoldRow{"kept_letters", "\xF0\xDE\xFE\x9C", "\xF0\xFE\xFE\x9C"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
