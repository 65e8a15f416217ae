#include "scanner/CommentMarkers.h"

#include <gtest/gtest.h>

#include "scanner/WordChars.h"

namespace zet {
namespace {

struct ValidateRow {
  const char* name;
  CommentMarkers markers;
  AllowFlags allow;
  MarkerCheck check;
  int pair;
  friend void PrintTo(const ValidateRow& row, std::ostream* os) { *os << row.name; }
};

AllowFlags Hyphens() {
  AllowFlags a;
  a.blnAllowHyphens = true;
  return a;
}

class ValidateCommentMarkersTest : public ::testing::TestWithParam<ValidateRow> {};

TEST_P(ValidateCommentMarkersTest, FirstFailingCheckWins) {
  const ValidateRow& row = GetParam();
  const MarkerValidation v =
      ValidateCommentMarkers(row.markers, row.allow.blnAllowNumerals, GetExtraWordChars(row.allow));
  EXPECT_EQ(v.check, row.check);
  EXPECT_EQ(v.pair, row.pair);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValidateCommentMarkersTest,
    ::testing::Values(
        ValidateRow{"initial_texts_pass", {{"/*", "//"}, {"*/", ""}}, {}, MarkerCheck::Ok, -1},
        ValidateRow{
            "empty_second_start", {{"/*", ""}, {"*/", "x"}}, {}, MarkerCheck::StartEmpty, 1},
        ValidateRow{
            "same_start_and_end", {{"%", "#"}, {"%", ""}}, {}, MarkerCheck::StartEqualsEnd, 0},
        ValidateRow{
            "letters_could_be_a_word", {{"rem", "#"}, {"", ""}}, {}, MarkerCheck::StartIsWord, 0},
        ValidateRow{"hash_passes", {{"#", "{"}, {"", "}"}}, {}, MarkerCheck::Ok, -1},
        ValidateRow{"x_hyphen_with_hyphens",
                    {{"x-", "#"}, {"", ""}},
                    Hyphens(),
                    MarkerCheck::StartIsWord,
                    0},
        ValidateRow{"x_hyphen_without_hyphens", {{"x-", "#"}, {"", ""}}, {}, MarkerCheck::Ok, -1},
        // "--" is a space by the time markers are looked for.
        ValidateRow{
            "double_hyphen_start", {{"--", "#"}, {"", ""}}, {}, MarkerCheck::HoldsDoubleHyphen, 0},
        ValidateRow{"double_hyphen_start_with_hyphens",
                    {{"--", "#"}, {"", ""}},
                    Hyphens(),
                    MarkerCheck::HoldsDoubleHyphen,
                    0},
        ValidateRow{
            "double_hyphen_end", {{"#", "<"}, {"", "-->"}}, {}, MarkerCheck::HoldsDoubleHyphen, 1},
        ValidateRow{"single_hyphens_pass", {{"-[", "#"}, {"]-", ""}}, {}, MarkerCheck::Ok, -1}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ValidateCommentMarkersMessages, ShowTheExactTexts) {
  EXPECT_EQ(ValidateCommentMarkers({{"/*", ""}, {"*/", ""}}, false, "").message,
            "If comment markers are allowed then at least one\r\n"
            "start-comment marker must be non-empty.\r\n\r\n"
            "Check the comment markers in the 'Set parameters' panel\r\n"
            "and perhaps disallow comment markers.");
  EXPECT_EQ(ValidateCommentMarkers({{"%", "#"}, {"%", ""}}, false, "").message,
            "Start-comment and end-comment markers must be different.\r\n\r\n"
            "Check the comment markers in the 'Set parameters' panel.");
  EXPECT_EQ(ValidateCommentMarkers({{"r\xE9m", "#"}, {"", ""}}, false, "").message,
            "The way the parameters are set the start-comment marker\r\n"
            "\"r\xC3\xA9m\" could be part of a word.\r\n\r\n"
            "Check the start-comment markers in the 'Set parameters' panel and\r\n"
            "perhaps disallow comment markers or restrict allowable words.");
  EXPECT_EQ(ValidateCommentMarkers({{"#", "#"}, {"\xAB--", ""}}, false, "").message,
            "The comment marker \"\xC2\xAB--\" would never be found:\r\n"
            "two hyphens in a row are read as a space.\r\n\r\n"
            "Check the comment markers in the 'Set parameters' panel.");
}

TEST(ChooseMarkersForExtensionTest, ByExtensionInAnyCase) {
  using C = MarkerChoice;
  const std::pair<const char*, C> rows[] = {
      {"htm", C::Html}, {"HTML", C::Html}, {"shtml", C::Html}, {"xhtml", C::Html},
      {"php", C::Html}, {"xml", C::Html},  {"C", C::C},        {"cpp", C::C},
      {"hpp", C::None}, {"txt", C::None},  {"phps", C::None},  {"", C::None}};
  for (const auto& [ext, choice] : rows)
    EXPECT_EQ(ChooseMarkersForExtension(ext, false), choice) << ext;
  EXPECT_EQ(ChooseMarkersForExtension("txt", true), C::User);
  EXPECT_EQ(ChooseMarkersForExtension("html", true), C::Html);
}

TEST(SetCommentMarkersTest, TypesSelectTheirPairs) {
  const CommentMarkers user{{"{", "("}, {"}", ")"}};
  EXPECT_EQ(SetCommentMarkers("HTML", user), (CommentMarkers{{"<", "&"}, {">", ";"}}));
  EXPECT_EQ(SetCommentMarkers("C", user), (CommentMarkers{{"/*", "//"}, {"*/", ""}}));
  EXPECT_EQ(SetCommentMarkers("", user), CommentMarkers{});
  EXPECT_EQ(SetCommentMarkers("as per user settings", user), user);
  EXPECT_EQ(SetCommentMarkers("html", user), user);  // compared exactly
}

}  // namespace
}  // namespace zet
