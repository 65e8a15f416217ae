#include "results/WordChecks.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

struct CheckRow {
  const char* name;
  std::string word;  // Windows-1252
  bool noVowelWithY;
  bool noVowelWithoutY;
  bool repeated;
  bool roman;
  friend void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }
};

class WordChecksTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(WordChecksTest, ClassifiesWord) {
  const CheckRow& row = GetParam();
  EXPECT_EQ(HasNoVowel(row.word, true), row.noVowelWithY);
  EXPECT_EQ(HasNoVowel(row.word, false), row.noVowelWithoutY);
  EXPECT_EQ(IsRepeatedLetter(row.word), row.repeated);
  EXPECT_EQ(IsRomanNumeralBelow40(row.word), row.roman);
}

INSTANTIATE_TEST_SUITE_P(Rows, WordChecksTest,
                         ::testing::Values(
                             //        name              word           noV/Y  noV    rep    roman
                             CheckRow{"empty", "", true, true, false, true},
                             CheckRow{"the", "the", false, false, false, false},
                             CheckRow{"single_a", "a", false, false, true, false},
                             CheckRow{"mm", "mm", true, true, true, false},
                             CheckRow{"mixed_case_not_repeated", "Aa", false, false, false, false},
                             CheckRow{"rhythm_y_is_vowel", "rhythm", false, true, false, false},
                             CheckRow{"upper_Y", "BY", false, true, false, false},
                             CheckRow{"nth", "nth", true, true, false, false},
                             CheckRow{"xiv", "xiv", false, false, false, true},
                             CheckRow{"upper_XIV", "XIV", false, false, false, true},
                             CheckRow{"IIII_counts", "IIII", false, false, true, true},
                             CheckRow{"VV_counts", "VV", true, true, true, true},
                             CheckRow{"xl_has_L", "xl", true, true, false, false},
                             CheckRow{"U_umlaut_vowel",
                                      "\xDC"
                                      "ber",
                                      false, false, false, false},
                             CheckRow{"ae_ligature_vowel", "\xE6", false, false, true, false},
                             CheckRow{"o_slash_vowel", "\xF8", false, false, true, false},
                             CheckRow{"y_acute_not_vowel", "s\xFDr", true, true, false, false},
                             CheckRow{"y_diaeresis_not_vowel", "\xFF\xFF", true, true, true, false},
                             CheckRow{"oe_ligature_not_vowel", "\x9C", true, true, true, false},
                             CheckRow{"c_cedilla_not_vowel", "\xE7", true, true, true, false},
                             CheckRow{"divide_sign_not_vowel", "\xF7", true, true, true, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(HasNoVowelTest, SixtyVowelsAndY) {
  int vowels = 0;
  int vowelsWithY = 0;
  for (int c = 1; c < 256; ++c) {
    const std::string word(1, static_cast<char>(c));
    vowels += HasNoVowel(word, false) ? 0 : 1;
    vowelsWithY += HasNoVowel(word, true) ? 0 : 1;
  }
  EXPECT_EQ(vowels, 60);
  EXPECT_EQ(vowelsWithY, 62);
}

TEST(IsInWordListTest, MatchesWholeWordsExactly) {
  const WordSet list{"the", "and", "caf\xE9"};
  EXPECT_TRUE(IsInWordList("the", list));
  EXPECT_TRUE(IsInWordList("caf\xE9", list));
  EXPECT_FALSE(IsInWordList("The", list));
  EXPECT_FALSE(IsInWordList("th", list));
  EXPECT_FALSE(IsInWordList("bathe", list));
  EXPECT_FALSE(IsInWordList("cafe", list));
  EXPECT_FALSE(IsInWordList("", WordSet{""}));
  EXPECT_FALSE(IsInWordList("the", WordSet{}));
}

}  // namespace
}  // namespace zet
