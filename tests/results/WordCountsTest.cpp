#include "results/WordCounts.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

ListTotals ExampleTotals() {
  ListTotals t;
  t.lngNumListed = 2002;
  t.lngNumExcluded = 150;
  t.lngListedOccurrences = 10001;
  t.lngTotalOccurrences = 12345;
  return t;
}

TEST(ShowWordCountsTest, RightAlignsInOneMoreThanTotalWidth) {
  const WordCountCaptions expected{
      "Number of words in this list:  2,002",
      "Number of words excluded:    150",
      "No. of occurrences in file of words in this list: 10,001",
      "Total number of words in file: 12,345",
  };
  EXPECT_EQ(ShowWordCounts(ExampleTotals(), false), expected);
}

TEST(ShowWordCountsTest, StoppedCountLeavesOccurrencesEmpty) {
  const WordCountCaptions c = ShowWordCounts(ExampleTotals(), true);
  EXPECT_EQ(c.lblNumberOfWords, "Number of words in this list:  2,002");
  EXPECT_EQ(c.lblNumWordsExcluded, "Number of words excluded:    150");
  EXPECT_EQ(c.lblNumOccurrences, "");
  EXPECT_EQ(c.lblTotalNumOccurrences, "");
}

TEST(ShowWordCountsTest, EverythingExcludedStillShowsTotal) {
  ListTotals t;
  t.lngNumExcluded = 3;
  t.lngTotalOccurrences = 7;
  const WordCountCaptions c = ShowWordCounts(t, false);
  EXPECT_EQ(c.lblNumberOfWords, "Number of words in this list: 0");
  EXPECT_EQ(c.lblNumOccurrences, "");
  EXPECT_EQ(c.lblTotalNumOccurrences, "Total number of words in file: 7");
}

}  // namespace
}  // namespace zet
