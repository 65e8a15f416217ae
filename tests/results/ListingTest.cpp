#include "results/Listing.h"

#include <gtest/gtest.h>

#include "results/ResultsStages.h"
#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

// Six listed words with a tie (and, café), a word wider than the minimum
// column and accented words, plus one left-out word.
class ListingTest : public ::testing::Test {
 protected:
  ListingTest() {
    test::FillTable(table_, {{"the", 1234},
                             {"and", 56},
                             {"caf\xE9", 56},
                             {"\xDC"
                              "ber",
                              3},
                             {"extraordinarily", 2},
                             {"zebra", 1},
                             {"mm", 100}});
    results_ = RunResultsStages(table_, FilterSettings{});
  }

  std::string List(DisplayFormat format, bool commas, ListingTarget target,
                   WordOrder order = WordOrder::ByFrequency, const ListingPump& pump = {}) {
    std::string text;
    StringSink sink(text);
    const ListingOptions options{order, format, commas, target, kMinColumnWidth, {}};
    outcome_ = WriteListing(table_, results_, options, sink, pump);
    return text;
  }

  WordTable table_;
  ListResults results_;
  ListingOutcome outcome_ = ListingOutcome::Failed;
};

struct FormatRow {
  int format;
  bool commas;
  friend void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.format << (row.commas ? " commas" : " plain");
  }
};

class FileFormatTest : public ListingTest, public ::testing::WithParamInterface<FormatRow> {};

TEST_P(FileFormatTest, MatchesGoldenFile) {
  const auto format = static_cast<DisplayFormat>(GetParam().format);
  const std::string text = List(format, GetParam().commas, ListingTarget::OutputFile);
  EXPECT_EQ(outcome_, ListingOutcome::Completed);
  test::ExpectMatchesGolden(
      "format" + std::to_string(GetParam().format) + (GetParam().commas ? "-commas.txt" : ".txt"),
      text);
}

std::vector<FormatRow> FileFormatRows() {
  std::vector<FormatRow> rows;
  for (int f = 0; f < kDisplayFormatCount; ++f) {
    rows.push_back({f, false});
    if (f < 8) rows.push_back({f, true});  // formats 8 and 9 have no comma layout
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(AllFormats, FileFormatTest, ::testing::ValuesIn(FileFormatRows()));

TEST_F(ListingTest, WordFormatsIgnoreCommaSetting) {
  for (const DisplayFormat f : {DisplayFormat::Word, DisplayFormat::WordCommas}) {
    EXPECT_EQ(List(f, true, ListingTarget::OutputFile), List(f, false, ListingTarget::OutputFile));
  }
}

TEST_F(ListingTest, TextboxIsAlwaysPlain) {
  for (int f = 0; f < 9; ++f) {
    const auto format = static_cast<DisplayFormat>(f);
    SCOPED_TRACE(f);
    EXPECT_EQ(List(format, true, ListingTarget::Textbox),
              List(format, false, ListingTarget::OutputFile));
  }
}

TEST_F(ListingTest, FormatNineTextboxEndsEveryWordWithSeparator) {
  const std::string file = List(DisplayFormat::WordCommas, false, ListingTarget::OutputFile);
  const std::string textbox = List(DisplayFormat::WordCommas, false, ListingTarget::Textbox);
  EXPECT_EQ(textbox, file + ", ");
  EXPECT_EQ(file.find('\n'), std::string::npos);
}

TEST_F(ListingTest, AlphabeticalListsInKeyOrderWithFrequencyRanks) {
  test::ExpectMatchesGolden("alphabetical-format1.txt",
                            List(DisplayFormat::RankWordFrequency, false, ListingTarget::Textbox,
                                 WordOrder::Alphabetical));
}

TEST_F(ListingTest, NothingListedGivesHeaderOnly) {
  for (std::size_t i = 0; i < table_.size(); ++i) table_[i].blnIncluded = false;
  results_ = {ComputeListTotals(table_), AssignRanks(table_)};
  test::ExpectSameText("   Rank    Freq  Word (longest has 0 characters)\r\n",
                       List(DisplayFormat::RankFrequencyWord, false, ListingTarget::Textbox));
  EXPECT_EQ(List(DisplayFormat::WordCommas, false, ListingTarget::OutputFile), "");
}

TEST_F(ListingTest, StopKeepsLinesWrittenSoFar) {
  int calls = 0;
  const std::string text =
      List(DisplayFormat::Word, false, ListingTarget::Textbox, WordOrder::ByFrequency,
           [&](const ListingProgress&) { return ++calls < 2; });
  EXPECT_EQ(outcome_, ListingOutcome::Stopped);
  test::ExpectSameText("Word (longest has 15 characters)\r\nthe\r\nand\r\n", text);
}

TEST_F(ListingTest, AlphabeticalPumpRunsForLeftOutEntriesToo) {
  std::vector<ListingProgress> seen;
  List(DisplayFormat::Word, false, ListingTarget::Textbox, WordOrder::Alphabetical,
       [&](const ListingProgress& p) {
         seen.push_back(p);
         return true;
       });
  ASSERT_EQ(seen.size(), table_.size());
  EXPECT_EQ(seen[3].entry, 3u);  // "mm", left out
  EXPECT_EQ(seen[3].position, 4u);
  EXPECT_FALSE(seen[3].blnLineWritten);
  EXPECT_TRUE(seen[4].blnLineWritten);
}

class RefusingSink final : public ListingSink {
 public:
  explicit RefusingSink(int accepted) : accepted_(accepted) {}
  bool Write(std::string_view text) override {
    if (accepted_-- <= 0) return false;
    text_ += text;
    return true;
  }
  std::string text_;

 private:
  int accepted_;
};

TEST_F(ListingTest, RefusedWriteEndsListingAsFailed) {
  RefusingSink sink(2);
  int pumps = 0;
  const ListingOptions options{WordOrder::ByFrequency, DisplayFormat::Word, false,
                               ListingTarget::Textbox, kMinColumnWidth,     {}};
  EXPECT_EQ(WriteListing(table_, results_, options, sink,
                         [&](const ListingProgress&) { return ++pumps > 0; }),
            ListingOutcome::Failed);
  EXPECT_EQ(sink.text_, "Word (longest has 15 characters)\r\nthe\r\n");
  EXPECT_EQ(pumps, 1);
}

// Scrolling is paced by table position when alphabetical, by line number
// when by frequency; both step by a tenth of the table size.
// A sink that wants each line by itself, as a window's text box does.
class LineSink final : public ListingSink {
 public:
  [[nodiscard]] bool Write(std::string_view piece) override {
    text.append(piece);
    ++writes;
    return true;
  }
  std::string text;
  std::size_t writes = 0;
};

// Past a megabyte the listing hands a sink that takes blocks its buffer
// several times; the bytes must be those a line-by-line sink gets.
TEST(ListingBlocksTest, BlocksHoldExactlyTheLinesOfALineByLineListing) {
  WordTable table;
  for (int i = 0; i < 100000; ++i) {
    const std::string word =
        (i % 7 == 0 ? "\xE9t\xE9" : "word") + std::to_string(i * 7919 % 100000);
    for (int k = 0; k <= i % 3; ++k) table.Add(word);
  }
  const ListResults results = RunResultsStages(table, FilterSettings{});
  for (const DisplayFormat format :
       {DisplayFormat::RankFrequencyWord, DisplayFormat::WordRank, DisplayFormat::WordCommas}) {
    const ListingOptions options{WordOrder::ByFrequency,    format,          true,
                                 ListingTarget::OutputFile, kMinColumnWidth, {}};
    std::string blocks;
    StringSink blockSink(blocks);
    LineSink lineSink;
    ASSERT_EQ(WriteListing(table, results, options, blockSink), ListingOutcome::Completed);
    ASSERT_EQ(WriteListing(table, results, options, lineSink), ListingOutcome::Completed);
    EXPECT_GT(blocks.size(), std::size_t{1} << 20);
    EXPECT_EQ(lineSink.writes, table.size() + (format == DisplayFormat::WordCommas ? 0 : 1));
    EXPECT_TRUE(blocks == lineSink.text) << static_cast<int>(format);
  }
}

TEST(ListingPacingTest, ScrollDuePositions) {
  WordTable table;
  for (int i = 0; i < 25; ++i) static_cast<void>(table.Add("wa" + std::to_string(100 + i)));
  FilterSettings settings;
  settings.blnIgnoreInfrequentWords = true;
  for (std::size_t i = 0; i < table.size(); ++i) table[i].lngCount = i == 9 ? 1 : 2;
  settings.lngThresholdFrequency = 2;  // leaves out position 10 only
  const ListResults results = RunResultsStages(table, settings);
  std::string text;
  StringSink sink(text);
  for (const WordOrder order : {WordOrder::Alphabetical, WordOrder::ByFrequency}) {
    std::vector<std::size_t> due;
    const ListingOptions options{order, DisplayFormat::Word, false, ListingTarget::Textbox, 6, {}};
    WriteListing(table, results, options, sink, [&](const ListingProgress& p) {
      if (p.blnScrollDue) due.push_back(p.position);
      return true;
    });
    if (order == WordOrder::Alphabetical)
      EXPECT_EQ(due, (std::vector<std::size_t>{20}));
    else
      EXPECT_EQ(due, (std::vector<std::size_t>{10, 20}));
  }
}

}  // namespace
}  // namespace zet
