#include "results/SpellingLedger.h"

#include <gtest/gtest.h>

#include "scanner/Scanner.h"
#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

struct SpellingRow {
  const char* name;
  bool caseSignificant;
  std::string text;  // Windows-1252, one line
  std::string key;   // the entry looked at
  std::string expected;
  friend void PrintTo(const SpellingRow& row, std::ostream* os) { *os << row.name; }
};

class SpellingLedgerTest : public ::testing::TestWithParam<SpellingRow> {};

// The spellings of an entry, most frequent first, add up to its count, and
// collecting them changes nothing the table counts.
TEST_P(SpellingLedgerTest, ListsEverySpellingOfTheEntryByCount) {
  const SpellingRow& row = GetParam();
  ScanSettings scan = test::DefaultSettings();
  scan.blnCaseSignificant = row.caseSignificant;
  WordTable table;
  SpellingLedger ledger;
  Scanner scanner(scan, table, ledger);
  scanner.ScanSourceLine(row.text);
  const WordEntry* entry = table.FindKey(row.key);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(FormatSpellings(ledger.SpellingsOf(*entry)), row.expected);

  std::int64_t sum = 0;
  for (const CountedSpelling& s : ledger.SpellingsOf(*entry)) sum += s.count;
  EXPECT_EQ(sum, entry->lngCount);
  EXPECT_EQ(test::Entries(table), test::CountLines(row.text, scan));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpellingLedgerTest,
    ::testing::Values(
        SpellingRow{"CaseKept", true, "Caf\xE9 cafe cafe CAFE Caf\xE9 cafe caf\xE9 cafe cafe",
                    "cafe", "cafe 5, Caf\xE9 2, CAFE 1, caf\xE9 1"},
        SpellingRow{"CaseFoldedFirst", false, "Caf\xE9 cafe CAFE caf\xE9", "cafe",
                    "cafe 2, caf\xE9 2"},
        SpellingRow{"FinalSFoldsPlurals", true, "Cats cat cat CAT", "cat", "cat 2, CAT 1, Cat 1"},
        SpellingRow{"LigatureExpanded", true, "\xC6on aeon AEON aeon", "aeon",
                    "aeon 2, AEON 1, \xC6on 1"},
        SpellingRow{"OneSpelling", false, "the the the", "the", "the 3"},
        SpellingRow{"KeyNeverWritten", true, "Rome ROME Rome", "rome", "Rome 2, ROME 1"}));

TEST(SpellingLedgerTest, CollectsAcrossLinesAndAfterMoreWords) {
  WordTable table;
  SpellingLedger ledger;
  ScanSettings scan = test::DefaultSettings();
  scan.blnCaseSignificant = true;
  Scanner scanner(scan, table, ledger);
  scanner.ScanSourceLine("Dog dog");
  EXPECT_EQ(FormatSpellings(ledger.SpellingsOf(*table.FindKey("dog"))), "Dog 1, dog 1");
  // Read again after a spelling already seen was counted once more.
  scanner.ScanSourceLine("Dog");
  EXPECT_EQ(FormatSpellings(ledger.SpellingsOf(*table.FindKey("dog"))), "Dog 2, dog 1");
}

}  // namespace
}  // namespace zet
