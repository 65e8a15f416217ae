#include "scanner/StrProc.h"

#include <gtest/gtest.h>

#include <limits>

namespace zet {
namespace {

struct NumberRow {
  std::int64_t number;
  std::string text;
  friend void PrintTo(const NumberRow& row, std::ostream* os) { *os << row.number; }
};

class GroupDigitsTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(GroupDigitsTest, Groups) { EXPECT_EQ(GroupDigits(GetParam().number), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Rows, GroupDigitsTest,
                         ::testing::Values(NumberRow{0, "0"}, NumberRow{999, "999"},
                                           NumberRow{1000, "1,000"}, NumberRow{-1234, "-1,234"},
                                           NumberRow{-999, "-999"}, NumberRow{12345, "12,345"},
                                           NumberRow{1234567, "1,234,567"},
                                           NumberRow{std::numeric_limits<std::int64_t>::max(),
                                                     "9,223,372,036,854,775,807"},
                                           NumberRow{std::numeric_limits<std::int64_t>::min(),
                                                     "-9,223,372,036,854,775,808"}));

TEST(GroupDigitsSeparator, UsesTheSeparatorGiven) {
  EXPECT_EQ(GroupDigits(1234567, '.'), "1.234.567");
}

TEST(ContractionStemTest, TrailingPartsOfStemsInAnyCase) {
  for (const char* w : {"aren", "ren", "en", "n", "shouldn", "ldn", "ISN", "Wouldn", ""})
    EXPECT_TRUE(IsContractionStem(w)) << w;
  for (const char* w : {"can", "don", "arent", "a", "nn", "shouldnn", "t"})
    EXPECT_FALSE(IsContractionStem(w)) << w;
}

TEST(ReplaceDoubleHyphensTest, LeftToRightWithoutOverlap) {
  const std::pair<const char*, const char*> rows[] = {
      {"a--b", "a b"}, {"---", " -"}, {"----", "  "}, {"-a-", "-a-"}, {"", ""}};
  for (const auto& [in, out] : rows) {
    std::string text = in;
    ReplaceDoubleHyphens(text);
    EXPECT_EQ(text, out) << in;
  }
}

}  // namespace
}  // namespace zet
