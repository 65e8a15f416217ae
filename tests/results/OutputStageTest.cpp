#include "params/ListingParams.h"
#include "results/OutputStage.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/results/ResultsTestSupport.h"

namespace zet {
namespace {

struct NoWordsRow {
  const char* name;
  int shortIndex;
  int infrequentBox;
  int thresholdIndex;
  std::string expected;
  friend void PrintTo(const NoWordsRow& row, std::ostream* os) { *os << row.name; }
};

class ReportNoWordsListedTest : public ::testing::TestWithParam<NoWordsRow> {};

TEST_P(ReportNoWordsListedTest, ExplainsEmptyList) {
  const NoWordsRow& row = GetParam();
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(ParamId::cboShortWordSize, row.shortIndex));
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreInfrequentWords, row.infrequentBox));
  ASSERT_TRUE(params.SetValue(ParamId::cboThresholdFrequency, row.thresholdIndex));
  EXPECT_EQ(ReportNoWordsListed(12, params), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportNoWordsListedTest,
    ::testing::Values(NoWordsRow{"defaults", 1, 0, 0,
                                 "No words with more than 2 letters\r\noccur at least once."},
                      NoWordsRow{"threshold_5", 1, 1, 3,
                                 "No words with more than 2 letters\r\noccur at least 5 times."},
                      NoWordsRow{"threshold_2", 1, 1, 0,
                                 "No words with more than 2 letters\r\noccur at least twice."},
                      NoWordsRow{"threshold_unused_when_box_off", 1, 0, 3,
                                 "No words with more than 2 letters\r\noccur at least once."},
                      NoWordsRow{"one_letter_singular", 0, 0, 0,
                                 "No words with more than 1 letter\r\noccur at least once."},
                      NoWordsRow{"size_9", 7, 1, 7,
                                 "No words with more than 8 letters\r\noccur at least 9 times."},
                      // Was: a greyed box (2) read as set, though the filter ignored it.
                      NoWordsRow{"greyed_box_is_unchecked", 1, 2, 3,
                                 "No words with more than 2 letters\r\noccur at least once."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ReportNoWordsListedTest, NothingCountedAtAll) {
  EXPECT_EQ(ReportNoWordsListed(0, ParameterSet{}),
            "No words satisfying the conditions were found.");
}

struct OverwriteRow {
  const char* name;
  std::string file;
  int disable;
  int warn;
  bool exists;
  bool toFile;
  bool ask;
  friend void PrintTo(const OverwriteRow& row, std::ostream* os) { *os << row.name; }
};

class OverwriteTest : public ::testing::TestWithParam<OverwriteRow> {};

TEST_P(OverwriteTest, AsksOnlyBeforeReplacingExistingFileWithWarningSet) {
  const OverwriteRow& row = GetParam();
  ParameterSet params;
  params.SetText(ParamId::txbFileOutput, row.file);
  ASSERT_TRUE(params.SetValue(ParamId::chkDisableOutputToFile, row.disable));
  ASSERT_TRUE(params.SetValue(ParamId::chkWarnOnOverwrite, row.warn));
  EXPECT_EQ(IsOutputToFile(params), row.toFile);
  EXPECT_EQ(MustAskOverwrite(params, row.exists), row.ask);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OverwriteTest,
    ::testing::Values(OverwriteRow{"no_file_named", "", 0, 1, true, false, false},
                      OverwriteRow{"disabled", "out.txt", 1, 1, true, false, false},
                      OverwriteRow{"greyed_disable_writes", "out.txt", 2, 1, true, true, true},
                      OverwriteRow{"exists_warn", "out.txt", 0, 1, true, true, true},
                      OverwriteRow{"greyed_warn_counts", "out.txt", 0, 2, true, true, true},
                      OverwriteRow{"no_warning", "out.txt", 0, 0, true, true, false},
                      OverwriteRow{"new_file", "out.txt", 0, 1, false, true, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FinishTextboxListingTest, StopAndFormatNineTail) {
  std::string text = "a, b, ";
  FinishTextboxListing(text, ListingOutcome::Completed, DisplayFormat::WordCommas);
  EXPECT_EQ(text, "a, b");

  text = ", ";  // too short to lose its tail
  FinishTextboxListing(text, ListingOutcome::Completed, DisplayFormat::WordCommas);
  EXPECT_EQ(text, ", ");

  text = "line\r\n";
  FinishTextboxListing(text, ListingOutcome::Stopped, DisplayFormat::Word);
  EXPECT_EQ(text, "line\r\n\r\nListing stopped.\r\n");

  text = "a, b, ";  // a stopped listing keeps its separator
  FinishTextboxListing(text, ListingOutcome::Stopped, DisplayFormat::WordCommas);
  EXPECT_EQ(text, "a, b, \r\nListing stopped.\r\n");

  text = "a, ";  // a full textbox ends the listing; the tail still goes
  FinishTextboxListing(text, ListingOutcome::Failed, DisplayFormat::WordCommas);
  EXPECT_EQ(text, "a");

  EXPECT_EQ(TextboxAfterFileStopped(), "Output to file was terminated.\r\n");
}

class OutputFileTest : public ::testing::Test {
 protected:
  OutputFileTest() {
    test::FillTable(table_, {{"the", 1234}, {"and", 56}, {"zebra", 7}});
    results_ = RunResultsStages(table_, FilterSettings{});
  }
  WordTable table_;
  ListResults results_;
};

TEST_F(OutputFileTest, CommaExampleEndsEveryLineWithCrLf) {
  std::ostringstream file;
  EXPECT_EQ(WriteOutputFile(table_, results_, WordOrder::ByFrequency,
                            DisplayFormat::RankFrequencyWord, true, file),
            ListingOutcome::Completed);
  test::ExpectSameText(
      "    Rank,    Freq,  Word (longest has 5 characters)\r\n"
      "       1,    1234,  the\r\n"
      "       2,      56,  and\r\n"
      "       3,       7,  zebra\r\n",
      file.str());
}

TEST_F(OutputFileTest, FormatNineFileAndTextboxHoldSameWords) {
  std::ostringstream file;
  EXPECT_EQ(WriteOutputFile(table_, results_, WordOrder::Alphabetical, DisplayFormat::WordCommas,
                            false, file),
            ListingOutcome::Completed);
  EXPECT_EQ(file.str(), "and, the, zebra");
  EXPECT_EQ(
      RenderTextboxListing(table_, results_, WordOrder::Alphabetical, DisplayFormat::WordCommas),
      "and, the, zebra");
}

TEST_F(OutputFileTest, StopDuringFileKeepsLinesWritten) {
  std::ostringstream file;
  EXPECT_EQ(WriteOutputFile(table_, results_, WordOrder::ByFrequency, DisplayFormat::Word, false,
                            file, [](const ListingProgress& p) { return p.position < 2; }),
            ListingOutcome::Stopped);
  EXPECT_EQ(file.str(), "Word (longest has 5 characters)\r\nthe\r\nand\r\n");
}

TEST_F(OutputFileTest, StopDuringTextboxListingSaysSo) {
  test::ExpectSameText(
      "Word (longest has 5 characters)\r\nthe\r\n\r\nListing stopped.\r\n",
      RenderTextboxListing(table_, results_, WordOrder::ByFrequency, DisplayFormat::Word,
                           [](const ListingProgress&) { return false; }));
}

TEST_F(OutputFileTest, FailingStreamIsReported) {
  std::ostringstream file;
  file.setstate(std::ios::badbit);
  EXPECT_EQ(WriteOutputFile(table_, results_, WordOrder::ByFrequency,
                            DisplayFormat::RankFrequencyWord, false, file),
            ListingOutcome::Failed);
}

}  // namespace
}  // namespace zet
