#include "scanner/WordTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <map>

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

TEST(WordTableTest, ClearEmptiesTheTable) {
  WordTable table;
  table.Add("one");
  table.Clear();
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(table.Add("one"), WordTable::AddResult::New);
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
                      FoldRow{"sharp_s", "Stra\xDF" "e", "strasse"},
                      FoldRow{"umlaut", "M\xFCller", "mueller"},
                      FoldRow{"upper_umlaut", "\xC4rger", "aerger"},
                      FoldRow{"ligature_ae", "\xC6on", "aeon"},
                      FoldRow{"accents", "\xC9L\xC8VE \xE7\xE0", "eleve ca"},
                      FoldRow{"y_diaeresis_and_caron", "\xFF\x9F\x8A\x9A", "yyss"},
                      FoldRow{"kept_letters", "\xF0\xDE\xFE\x9C", "\xF0\xFE\xFE\x9C"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
