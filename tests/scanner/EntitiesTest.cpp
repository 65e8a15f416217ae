#include "scanner/Entities.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

TEST(DecodeEntitiesTest, EveryLatin1LetterButTimesAndDivide) {
  // Each letter from U+00C0 to U+00FF has exactly one entity, except
  // multiplication and division signs, which have none here.
  const char* names[] = {
      "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig", "Ccedil",
      "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc", "Iuml",
      "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",  nullptr,
      "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN", "szlig",
      "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig", "ccedil",
      "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc", "iuml",
      "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",  nullptr,
      "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn", "yuml"};
  int decoded = 0;
  for (int code = 0xC0; code <= 0xFF; ++code) {
    const char* name = names[code - 0xC0];
    if (name == nullptr) continue;
    std::string text = std::string("&") + name + ";";
    DecodeEntities(text);
    EXPECT_EQ(text, std::string(1, static_cast<char>(code))) << name;
    ++decoded;
  }
  EXPECT_EQ(decoded, static_cast<int>(kEntityCount));
}

struct DecodeRow {
  const char* name;
  std::string in;
  std::string out;
  friend void PrintTo(const DecodeRow& row, std::ostream* os) { *os << row.name; }
};

class DecodeEntitiesRows : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeEntitiesRows, Decode) {
  std::string text = GetParam().in;
  DecodeEntities(text);
  EXPECT_EQ(text, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeEntitiesRows,
    ::testing::Values(DecodeRow{"word", "&eacute;t&eacute;", "\xE9t\xE9"},
                      DecodeRow{"upper", "&Eacute;", "\xC9"},
                      DecodeRow{"wrong_case_kept", "&EACUTE;", "&EACUTE;"},
                      DecodeRow{"no_semicolon_kept", "&eacute x", "&eacute x"},
                      DecodeRow{"others_kept", "&amp; &nbsp; &#233;", "&amp; &nbsp; &#233;"},
                      DecodeRow{"ampersand_hides_next", "R&D &eacute;", "R&D &eacute;"},
                      DecodeRow{"search_goes_on", "&x; &eacute;", "&x; \xE9"},
                      DecodeRow{"lone_marks", "& ; ;&", "& ; ;&"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(IsEntityAtTest, Rows) {
  EXPECT_EQ(IsEntityAt("&nbsp; "), 6u);
  EXPECT_EQ(IsEntityAt("&#233; "), 6u);
  EXPECT_EQ(IsEntityAt("&t; x "), 3u);
  EXPECT_EQ(IsEntityAt("& x; "), 0u);  // space after the ampersand
  EXPECT_EQ(IsEntityAt("&b "), 0u);    // no semicolon
  EXPECT_EQ(IsEntityAt("&a;"), 0u);    // three characters only
  EXPECT_EQ(IsEntityAt("&1x; "), 0u);  // digit second
  EXPECT_EQ(IsEntityAt("&abcdefghijklmnopqr; "), 20u);
  EXPECT_EQ(IsEntityAt("&abcdefghijklmnopqrs; "), 0u);
}

}  // namespace
}  // namespace zet
