#include "params/ListingParams.h"
#include "results/FilterSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace zet {
namespace {

struct ParseRow {
  const char* name;
  std::string input;  // Windows-1252
  WordSet expected;
  friend void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }
};

class WordsToIgnoreSetTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(WordsToIgnoreSetTest, KeepsWholeLowerCaseWords) {
  EXPECT_EQ(MakeWordsToIgnoreSet(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WordsToIgnoreSetTest,
    ::testing::Values(ParseRow{"empty_list", ",", {}}, ParseRow{"empty_text", "", {}},
                      ParseRow{"stored_form", "the,and,of,", {"the", "and", "of"}},
                      ParseRow{"box_text", "The, and  of", {"the", "and", "of"}},
                      ParseRow{"only_separators", ",,, ", {}},
                      ParseRow{"semicolon_is_part_of_word", "x;y,", {"x;y"}},
                      ParseRow{"no_final_comma", "bathe", {"bathe"}},
                      ParseRow{"cp1252_lowered",
                               "\xDC"
                               "BER,",
                               {"\xFC"
                                "ber"}}),
    [](const auto& p) { return std::string(p.param.name); });

void ExpectSameSettings(const FilterSettings& a, const FilterSettings& b) {
  EXPECT_EQ(a.blnIgnoreInfrequentWords, b.blnIgnoreInfrequentWords);
  EXPECT_EQ(a.lngThresholdFrequency, b.lngThresholdFrequency);
  EXPECT_EQ(a.blnIgnoreShortWords, b.blnIgnoreShortWords);
  EXPECT_EQ(a.intShortWordSize, b.intShortWordSize);
  EXPECT_EQ(a.intLongWordSize, b.intLongWordSize);
  EXPECT_EQ(a.wordsToIgnore, b.wordsToIgnore);
  EXPECT_EQ(a.commonWords, b.commonWords);
  EXPECT_EQ(a.blnIgnoreRepetitions, b.blnIgnoreRepetitions);
  EXPECT_EQ(a.blnIgnoreRomNum40, b.blnIgnoreRomNum40);
  EXPECT_EQ(a.blnIgnoreNoVowelOrY, b.blnIgnoreNoVowelOrY);
}

TEST(MakeFilterSettingsTest, DefaultParametersGiveDefaultSettings) {
  ExpectSameSettings(MakeFilterSettings(ParameterSet{}, ",", nullptr), FilterSettings{});
}

TEST(MakeFilterSettingsTest, ReadsListsAsTheirNumbers) {
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreInfrequentWords, 1));
  ASSERT_TRUE(params.SetValue(ParamId::cboThresholdFrequency, 3));  // "5"
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreShortWords, 1));
  ASSERT_TRUE(params.SetValue(ParamId::cboShortWordSize, 0));  // "2"
  ASSERT_TRUE(params.SetValue(ParamId::cboLongWordSize, 6));   // "80"
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreRepetitions, 0));
  const FilterSettings s = MakeFilterSettings(params, "the,", nullptr);
  EXPECT_TRUE(s.blnIgnoreInfrequentWords);
  EXPECT_EQ(s.lngThresholdFrequency, 5);
  EXPECT_TRUE(s.blnIgnoreShortWords);
  EXPECT_EQ(s.intShortWordSize, 2u);
  EXPECT_EQ(s.intLongWordSize, 80u);
  EXPECT_FALSE(s.blnIgnoreRepetitions);
  EXPECT_EQ(s.wordsToIgnore, WordSet{"the"});
}

TEST(MakeFilterSettingsTest, GreyedCheckBoxCountsAsUnchecked) {
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreRomNum40, 2));
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreShortWords, 2));
  const FilterSettings s = MakeFilterSettings(params, ",", nullptr);
  EXPECT_FALSE(s.blnIgnoreRomNum40);
  EXPECT_FALSE(s.blnIgnoreShortWords);
}

TEST(MakeFilterSettingsTest, CommonWordsOnlyWhenTheirBoxIsChecked) {
  auto common = std::make_shared<const WordSet>(WordSet{"the"});
  ParameterSet params;
  EXPECT_EQ(MakeFilterSettings(params, ",", common).commonWords, nullptr);
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreCommonWords, 1));
  EXPECT_EQ(MakeFilterSettings(params, ",", common).commonWords, common);
}

// Was: with no long-word size selected every word would have been too long.
TEST(MakeFilterSettingsTest, NoLongWordSelectionKeepsDefaultLimit) {
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(ParamId::cboLongWordSize, -1));
  ASSERT_TRUE(params.SetValue(ParamId::cboThresholdFrequency, -1));
  const FilterSettings s = MakeFilterSettings(params, ",", nullptr);
  EXPECT_EQ(s.intLongWordSize, 50u);
  EXPECT_EQ(s.lngThresholdFrequency, 1);
}

}  // namespace
}  // namespace zet
