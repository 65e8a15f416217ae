#include "cli/LedgerOutput.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CountCommand.h"
#include "tests/cli/RunCount.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

using test::Count;
using test::Outcome;

// UTF-8 input: "Café" three ways, a plural, common and left-out words.
constexpr const char* kText =
    "Café cafe CAFE cafe café cats cat Cat the the the\n"
    "ii ii xiv cwm ox house house house zebra\n";

struct LedgerRow {
  const char* name;
  std::vector<std::string> args;
  std::string expected;
  friend void PrintTo(const LedgerRow& row, std::ostream* os) { *os << row.name; }
};

class LedgerCommandTest : public ::testing::TestWithParam<LedgerRow> {};

TEST_P(LedgerCommandTest, PrintsTheReportInsteadOfTheList) {
  const LedgerRow& row = GetParam();
  const Outcome r = Count(row.args, kText);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerCommandTest,
    ::testing::Values(
        LedgerRow{"ExcludedByFrequency",
                  {"--excluded", "--min-length", "3", "--ignore", "zebra"},
                  "ii\t2\tshorter than 3\n"  // before the repetition test
                  "cwm\t1\tno vowel or y\n"
                  "ox\t1\tshorter than 3\n"
                  "xiv\t1\tRoman numeral under 40\n"
                  "zebra\t1\ttyped word to ignore\n"},
        LedgerRow{"ExcludedAlphabetically",
                  {"--excluded", "--order", "alphabetical", "--min-count", "3"},
                  "cwm\t1\tfewer occurrences than 3\n"
                  "ii\t2\tfewer occurrences than 3\n"
                  "ox\t1\tfewer occurrences than 3\n"
                  "xiv\t1\tfewer occurrences than 3\n"
                  "zebra\t1\tfewer occurrences than 3\n"},
        // Standard input is one file: every word is in fewer than two.
        LedgerRow{
            "ExcludedAndExplainedByRange",
            {"--excluded", "--min-range", "2", "--min-count", "3", "--explain", "house"},
            "\"house\": found 3 times under the entry \"house\", left out: fewer files than 2\n"
            "café\t5\tfewer files than 2\n"
            "cat\t3\tfewer files than 2\n"
            "house\t3\tfewer files than 2\n"
            "the\t3\tfewer files than 2\n"
            "ii\t2\tfewer occurrences than 3\n"  // the other tests come first
            "cwm\t1\tfewer occurrences than 3\n"
            "ox\t1\tfewer occurrences than 3\n"
            "xiv\t1\tfewer occurrences than 3\n"
            "zebra\t1\tfewer occurrences than 3\n"},
        LedgerRow{
            "ExplainEachKind",
            {"--explain", "Cats,HOUSE", "--explain", "ii", "--explain", "dog", "--explain", "---",
             "--explain", "the cat"},
            "\"Cats\": found 3 times under the entry \"cat\", listed at rank 2\n"
            "\"HOUSE\": found 3 times under the entry \"house\", listed at rank 3\n"
            "\"ii\": found 2 times under the entry \"ii\", left out: repetition of one letter\n"
            "\"dog\": not found (looked up as \"dog\")\n"
            "\"---\": not a word under the current rules\n"
            "\"the cat\": more than one word under the current rules (the first is \"the\")\n"},
        LedgerRow{
            "ExplainWithSpellings",
            {"--explain", "CAFÉ", "--spellings", "--case-sensitive"},
            "\"CAFÉ\": found 5 times under the entry \"Café\" [cafe 2, CAFE 1, Café 1, café 1], "
            "listed at rank 1\n"},
        // A word typed in Latin-1 is read as Windows-1252 and shown as UTF-8.
        LedgerRow{"ExplainNotUtf8",
                  {"--explain", "caf\xE9"},
                  "\"café\": found 5 times under the entry \"café\", listed at rank 1\n"},
        LedgerRow{"ExplainThenExcluded",
                  {"--explain", "ox", "--excluded", "--keep-repetitions", "--keep-roman-numerals",
                   "--keep-no-vowel", "--min-length", "3"},
                  "\"ox\": found 1 time under the entry \"ox\", left out: shorter than 3\n"
                  "ii\t2\tshorter than 3\n"
                  "ox\t1\tshorter than 3\n"},
        LedgerRow{"SpellingsColumn",
                  {"--spellings", "--format", "word frequency", "--min-count", "3"},
                  "  Word     Freq\n"
                  "  café        5  [cafe 3, café 2]\n"
                  "  cat         3  [cat 3]\n"
                  "  house       3  [house 3]\n"
                  "  the         3  [the 3]\n"},
        LedgerRow{"SpellingsOneLine",
                  {"--spellings", "--format", "9", "--min-count", "3", "--order", "alphabetical"},
                  "café  [cafe 3, café 2], cat  [cat 3], house  [house 3], the  [the 3]\n"}));

TEST(LedgerCommandTest, SpellingsLeaveTheListAsItWasButForTheColumn) {
  for (const char* format : {"0", "3", "8"}) {
    const Outcome plain = Count({"--format", format, "--case-sensitive"}, kText);
    const Outcome with = Count({"--format", format, "--case-sensitive", "--spellings"}, kText);
    ASSERT_EQ(with.status, 0) << with.err;
    std::string stripped;
    std::istringstream lines(with.out);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t column = line.find("  [");
      stripped += (column == std::string::npos ? line : line.substr(0, column)) + '\n';
    }
    EXPECT_EQ(stripped, plain.out) << "format " << format;
  }
}

TEST(LedgerCommandTest, OutputFileStillGetsTheListBesideTheReport) {
  TempDir dir;
  const std::string output = dir.Path() + "/list.txt";
  const Outcome r = Count({"--explain", "zebra", "-o", output, "--format", "word"}, kText);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\"zebra\": found 1 time under the entry \"zebra\", listed at rank 6\n");
  EXPECT_NE(TempDir::Read(output).find("zebra"), std::string::npos);
}

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  std::string message;
  friend void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }
};

class LedgerUsageTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(LedgerUsageTest, IsAUsageError) {
  const Outcome r = Count(GetParam().args, kText);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LedgerUsageTest,
    ::testing::Values(
        UsageRow{"EmptyWord", {"--explain", ""}, "'--explain' needs a word"},
        UsageRow{"EmptyInList", {"--explain", "a,,b"}, "'--explain' needs a word"},
        UsageRow{"NoWord", {"--explain"}, "--explain"},
        UsageRow{"Unicode", {"--unicode", "--spellings"}, "not available with --unicode"}));

}  // namespace
}  // namespace zet
