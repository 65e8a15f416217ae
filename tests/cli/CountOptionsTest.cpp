#include "cli/CountOptions.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

ParameterSet Apply(const std::vector<std::string>& args) {
  const ParsedCountOptions parsed = ParseCountOptions(args);
  EXPECT_EQ(parsed.error, "");
  ParameterSet params;
  for (const ParamChange& c : parsed.options.changes)
    EXPECT_TRUE(c.text ? params.SetText(c.id, *c.text) : params.SetValue(c.id, c.value));
  return params;
}

TEST(CountOptionsTest, OptionsSetTheirParameters) {
  const ParameterSet p = Apply({"--case-sensitive", "--allow", "numerals,periods", "--disallow",
                                "hyphens", "--keep-final-s", "--keep-repetitions",
                                "--keep-roman-numerals", "--keep-no-vowel", "--min-length", "4",
                                "--max-length", "80", "--min-count", "9", "--order", "alphabetical",
                                "--format", "word frequency", "--commas", "--ignore", "a b"});
  EXPECT_EQ(p.Value(ParamId::chkCaseSignificant), 1);
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithNumerals), 1);
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithPeriods), 1);
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithHyphens), 0);
  EXPECT_EQ(p.Value(ParamId::chkDropFinalS), 0);
  EXPECT_EQ(p.Value(ParamId::chkIgnoreRepetitions), 0);
  EXPECT_EQ(p.Value(ParamId::chkIgnoreRomNum40), 0);
  EXPECT_EQ(p.Value(ParamId::chkIgnoreNoVowelOrY), 0);
  EXPECT_EQ(p.Value(ParamId::chkIgnoreShortWords), 1);
  EXPECT_EQ(p.ListNumber(ParamId::cboShortWordSize), 4);
  EXPECT_EQ(p.ListNumber(ParamId::cboLongWordSize), 80);
  EXPECT_EQ(p.Value(ParamId::chkIgnoreInfrequentWords), 1);
  EXPECT_EQ(p.ListNumber(ParamId::cboThresholdFrequency), 9);
  EXPECT_EQ(p.Value(ParamId::cboWordOrder), 1);
  EXPECT_EQ(p.Value(ParamId::cboDisplayFormat), 7);
  EXPECT_EQ(p.Value(ParamId::chkOutputWithCommas), 1);
  EXPECT_EQ(p.Text(ParamId::txbWordsToIgnore), "a b");
}

TEST(CountOptionsTest, LaterOptionsOverrideEarlierOnes) {
  const ParameterSet p = Apply({"--allow", "all", "--disallow", "colons", "--format", "3", "--format", "9",
                                "--order", "frequency"});
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithAtSigns), 1);
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithColons), 0);
  EXPECT_EQ(p.Value(ParamId::cboDisplayFormat), 9);
  EXPECT_EQ(p.Value(ParamId::cboWordOrder), 0);
}

TEST(CountOptionsTest, CommentMarkersTakeZeroTwoOrFourArgumentsAndLeaveTheFile) {
  struct Row {
    std::vector<std::string> args;
    std::string start0, end0, start1, end1, input;
  };
  const Row rows[] = {
      {{"--comment-markers", "in.txt"}, "/*", "*/", "//", "", "in.txt"},
      {{"--comment-markers", "{", "}", "in.txt"}, "{", "}", "//", "", "in.txt"},
      {{"--comment-markers", "{", "}", "#", "", "in.txt"}, "{", "}", "#", "", "in.txt"},
      {{"in.txt", "--comment-markers", "{", "}"}, "{", "}", "//", "", "in.txt"},
      {{"--comment-markers", "--totals", "in.txt"}, "/*", "*/", "//", "", "in.txt"},
  };
  for (const Row& row : rows) {
    const ParsedCountOptions parsed = ParseCountOptions(row.args);
    ASSERT_EQ(parsed.error, "");
    ParameterSet p;
    for (const ParamChange& c : parsed.options.changes)
      c.text ? (void)p.SetText(c.id, *c.text) : (void)p.SetValue(c.id, c.value);
    EXPECT_EQ(p.Value(ParamId::chkAllowCommentMarkers), 1);
    EXPECT_EQ(p.Text(ParamId::txbStartComment0), row.start0);
    EXPECT_EQ(p.Text(ParamId::txbEndComment0), row.end0);
    EXPECT_EQ(p.Text(ParamId::txbStartComment1), row.start1);
    EXPECT_EQ(p.Text(ParamId::txbEndComment1), row.end1);
    EXPECT_EQ(parsed.options.inputFile.value_or(""), row.input);
  }
}

TEST(CountOptionsTest, UsageErrorsNameTheProblem) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-o"}, "option '-o' needs a value"},
      {{"--min-length", "1"}, "option '--min-length' takes a number from 2 to 9, not '1'"},
      {{"--min-count", "x"}, "option '--min-count' takes a number from 2 to 9, not 'x'"},
      {{"--max-length", "55"}, "option '--max-length' takes 20, 30, 40, 50, 60, 70 or 80, not '55'"},
      {{"--order", "random"}, "option '--order' takes frequency or alphabetical, not 'random'"},
      {{"--format", "10"},
       "option '--format' takes a number from 0 to 9 or a format such as \"rank frequency word\", not '10'"},
      {{"a.txt", "b.txt"}, "only one input file may be given ('a.txt' and 'b.txt')"},
  };
  for (const auto& [args, error] : rows) EXPECT_EQ(ParseCountOptions(args).error, error);
  EXPECT_NE(ParseCountOptions({"--allow", "hyphens,dots"}).error.find("unknown character class 'dots'"),
            std::string::npos);
}

TEST(CountOptionsTest, DoubleDashEndsOptions) {
  const ParsedCountOptions parsed = ParseCountOptions({"--", "--odd-name.txt"});
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.inputFile.value_or(""), "--odd-name.txt");
}

}  // namespace
}  // namespace zet
