#include "results/LineLayout.h"

#include <gtest/gtest.h>

#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

struct WidthRow {
  const char* name;
  std::int64_t listed;
  std::int64_t maxCount;
  std::int64_t longest;
  ColumnWidths expected;
  friend void PrintTo(const WidthRow& row, std::ostream* os) { *os << row.name; }
};

class SetColumnWidthsTest : public ::testing::TestWithParam<WidthRow> {};

TEST_P(SetColumnWidthsTest, WidestValueButAtLeastMinimum) {
  ListTotals totals;
  totals.lngNumListed = GetParam().listed;
  totals.lngMaxCount = GetParam().maxCount;
  totals.intLongestWord = GetParam().longest;
  EXPECT_EQ(SetColumnWidths(totals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SetColumnWidthsTest,
    ::testing::Values(WidthRow{"nothing_long", 3, 12, 4, {6, 6, 6}},
                      WidthRow{"nothing_listed", 0, 0, 0, {6, 6, 6}},
                      WidthRow{"rank_7", 1'234'567, 1, 1, {7, 6, 6}},
                      WidthRow{"freq_8", 1, 10'000'000, 1, {6, 8, 6}},
                      WidthRow{"word_30", 1, 1, 30, {6, 6, 30}},
                      WidthRow{"beyond_32_bits", 1, 12'345'678'901, 80, {6, 11, 80}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SetColumnWidthsTest, HonoursOtherMinimum) {
  ListTotals totals;
  totals.lngNumListed = 123;
  EXPECT_EQ(SetColumnWidths(totals, 2), (ColumnWidths{3, 2, 2}));
}

class OutputLineTest : public ::testing::Test {
 protected:
  OutputLineTest() {
    test::FillTable(table_, {{"the", 1234}});
    table_[0].lngRank = 1;
  }
  std::string Line(DisplayFormat format, bool commas, bool header = false) {
    LineLayout layout;
    layout.format = format;
    layout.blnCommaMode = commas;
    layout.intLongestWord = 3;
    std::string line = "kept|";  // lines are appended to what is there
    OutputLine(header ? nullptr : &table_[0], layout, line);
    return line.substr(5);
  }
  WordTable table_;
};

TEST_F(OutputLineTest, WorkedExampleInFormatZero) {
  EXPECT_EQ(Line(DisplayFormat::RankFrequencyWord, false), "      1    1234  the");
  EXPECT_EQ(Line(DisplayFormat::RankFrequencyWord, false).size(), 20u);
  EXPECT_EQ(Line(DisplayFormat::RankFrequencyWord, true), "       1,    1234,  the");
  EXPECT_EQ(Line(DisplayFormat::RankFrequencyWord, true, true),
            "    Rank,    Freq,  Word (longest has 3 characters)");
}

TEST_F(OutputLineTest, FormatNineHasNoHeader) {
  EXPECT_EQ(Line(DisplayFormat::WordCommas, false, true), "");
  EXPECT_EQ(Line(DisplayFormat::WordCommas, true), "the");
}

TEST_F(OutputLineTest, FormatEightHeaderIsTrimmedWord) {
  EXPECT_EQ(Line(DisplayFormat::Word, false, true), "Word (longest has 3 characters)");
  EXPECT_EQ(Line(DisplayFormat::Word, true), "the");
}

TEST_F(OutputLineTest, UnknownFormatGivesEmptyLine) {
  EXPECT_EQ(Line(static_cast<DisplayFormat>(10), false), "");
  EXPECT_EQ(Line(static_cast<DisplayFormat>(10), false, true), "");
}

TEST(FieldsTest, PadToWidthWithoutCutting) {
  WordTable table;
  test::FillTable(table, {{"extraordinarily", 3}});
  table[0].lngRank = 1'234'567;
  std::string out;
  RankField(&table[0], 6, out);
  FrequencyField(&table[0], 6, out);
  WordField(&table[0], 6, out);
  WordField(nullptr, 6, out);
  RankField(nullptr, 3, out);
  EXPECT_EQ(out, "1234567     3extraordinarilyWord  Rank");
}

}  // namespace
}  // namespace zet
