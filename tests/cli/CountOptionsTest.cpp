#include "cli/CountOptions.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

using P = ParamId;

struct Change {
  ParamId id;
  int value;
  const char* text;  // nullptr: a number
};

std::string Describe(const std::vector<ParamChange>& changes) {
  std::string text;
  for (const ParamChange& c : changes)
    text += std::string(GetParamInfo(c.id).name) + "=" +
            (c.text ? "'" + *c.text + "'" : std::to_string(c.value)) + " ";
  return text;
}

std::string Describe(const std::vector<Change>& changes) {
  std::vector<ParamChange> converted;
  for (const Change& c : changes)
    converted.push_back(
        {c.id, c.text ? 0 : c.value, c.text ? std::optional<std::string>(c.text) : std::nullopt});
  return Describe(converted);
}

TEST(CountOptionsTest, OptionsSetTheirParametersInOrder) {
  struct Row {
    std::vector<std::string> args;
    std::vector<Change> changes;
  };
  const Row rows[] = {
      {{"--case-sensitive", "--ignore-case"},
       {{P::chkCaseSignificant, 1, nullptr}, {P::chkCaseSignificant, 0, nullptr}}},
      {{"--allow", "numerals,periods", "--disallow=hyphens"},
       {{P::chkAllowWordsWithNumerals, 1, nullptr},
        {P::chkAllowWordsWithPeriods, 1, nullptr},
        {P::chkAllowWordsWithHyphens, 0, nullptr}}},
      {{"--keep-final-s", "--drop-final-s"},
       {{P::chkDropFinalS, 0, nullptr}, {P::chkDropFinalS, 1, nullptr}}},
      {{"--min-length", "4", "--min-count=9", "--max-length=80"},
       {{P::chkIgnoreShortWords, 1, nullptr},
        {P::cboShortWordSize, 2, nullptr},
        {P::chkIgnoreInfrequentWords, 1, nullptr},
        {P::cboThresholdFrequency, 7, nullptr},
        {P::cboLongWordSize, 6, nullptr}}},
      {{"--no-min-length", "--no-min-count", "--no-common-words"},
       {{P::chkIgnoreShortWords, 0, nullptr},
        {P::chkIgnoreInfrequentWords, 0, nullptr},
        {P::chkIgnoreCommonWords, 0, nullptr}}},
      {{"--keep-repetitions", "--ignore-repetitions", "--keep-roman-numerals",
        "--ignore-roman-numerals", "--keep-no-vowel", "--ignore-no-vowel"},
       {{P::chkIgnoreRepetitions, 0, nullptr},
        {P::chkIgnoreRepetitions, 1, nullptr},
        {P::chkIgnoreRomNum40, 0, nullptr},
        {P::chkIgnoreRomNum40, 1, nullptr},
        {P::chkIgnoreNoVowelOrY, 0, nullptr},
        {P::chkIgnoreNoVowelOrY, 1, nullptr}}},
      {{"--order=alphabetical", "--order", "frequency", "--order", "by frequency"},
       {{P::cboWordOrder, 1, nullptr},
        {P::cboWordOrder, 0, nullptr},
        {P::cboWordOrder, 0, nullptr}}},
      {{"--format", "word frequency", "--format=3", "--format", "word (+ commas)"},
       {{P::cboDisplayFormat, 7, nullptr},
        {P::cboDisplayFormat, 3, nullptr},
        {P::cboDisplayFormat, 9, nullptr}}},
      {{"--commas", "--no-commas"},
       {{P::chkOutputWithCommas, 1, nullptr}, {P::chkOutputWithCommas, 0, nullptr}}},
      {{"--ignore", "a b", "--common-words=c.txt"},
       {{P::txbWordsToIgnore, 0, "a b"},
        {P::chkIgnoreCommonWords, 1, nullptr},
        {P::strCommonWordsFile, 0, "c.txt"},
        {P::txbCommonWordsFile, 0, "c.txt"}}},
      // One pair replaces both pairs; a second --comment-markers sets the
      // second pair; markers beginning with "-" are taken as they are.
      {{"--comment-markers", "{{", "}}"},
       {{P::chkAllowCommentMarkers, 1, nullptr},
        {P::txbStartComment0, 0, "{{"},
        {P::txbEndComment0, 0, "}}"},
        {P::txbStartComment1, 0, "{{"},
        {P::txbEndComment1, 0, "}}"}}},
      {{"--comment-markers", "-[", "]-", "--comment-markers=--", ""},
       {{P::chkAllowCommentMarkers, 1, nullptr},
        {P::txbStartComment0, 0, "-["},
        {P::txbEndComment0, 0, "]-"},
        {P::txbStartComment1, 0, "-["},
        {P::txbEndComment1, 0, "]-"},
        {P::txbStartComment1, 0, "--"},
        {P::txbEndComment1, 0, ""}}},
      {{"--no-comment-markers", "--use-comment-markers"},
       {{P::chkAllowCommentMarkers, 0, nullptr}, {P::chkAllowCommentMarkers, 1, nullptr}}},
  };
  for (const Row& row : rows) {
    const ParsedCountOptions parsed = ParseCountOptions(row.args);
    EXPECT_EQ(parsed.error, "") << row.args.front();
    EXPECT_EQ(Describe(parsed.options.changes), Describe(row.changes)) << row.args.front();
    for (const ParamChange& c : parsed.options.changes)  // every value fits its parameter
      EXPECT_TRUE(c.text ? ParameterSet().SetText(c.id, *c.text)
                         : ParameterSet().SetValue(c.id, c.value));
  }
}

TEST(CountOptionsTest, OtherOptionsFillTheirFields) {
  const ParsedCountOptions parsed = ParseCountOptions({"--type=html",
                                                       "--encoding",
                                                       "utf-16le",
                                                       "--jobs=4",
                                                       "--unicode",
                                                       "--locale",
                                                       "de_DE.UTF-8",
                                                       "-o",
                                                       "out.txt",
                                                       "--params=p.zet",
                                                       "--save-params",
                                                       "q.zet",
                                                       "--settings",
                                                       "--totals",
                                                       "--comment-markers",
                                                       "#",
                                                       "",
                                                       "-h",
                                                       "--version",
                                                       "--",
                                                       "-file.txt"});
  ASSERT_EQ(parsed.error, "");
  const CountOptions& o = parsed.options;
  EXPECT_EQ(o.type, InputType::Html);
  EXPECT_EQ(ExtensionForType(o.type), "html");
  EXPECT_EQ(o.encoding, Encoding::Utf16LE);
  EXPECT_EQ(o.jobs, 4u);
  EXPECT_TRUE(o.unicode && o.useSettings && o.totals && o.help && o.version && o.markersGiven);
  EXPECT_EQ(o.locale.value_or(""), "de_DE.UTF-8");
  EXPECT_EQ(o.outputFile.value_or(""), "out.txt");
  EXPECT_EQ(o.paramsFile.value_or(""), "p.zet");
  EXPECT_EQ(o.saveParamsFile.value_or(""), "q.zet");
  EXPECT_EQ(o.inputFile.value_or(""), "-file.txt");

  const CountOptions defaults = ParseCountOptions({"-"}).options;
  EXPECT_EQ(defaults.inputFile.value_or(""), "-");
  EXPECT_EQ(defaults.type, InputType::ByExtension);
  EXPECT_EQ(ExtensionForType(defaults.type), "");
  EXPECT_EQ(defaults.encoding, Encoding::Auto);
  EXPECT_EQ(defaults.jobs, 0u);
  EXPECT_FALSE(defaults.markersGiven || defaults.unicode || defaults.locale);
}

// --comment-markers takes exactly two arguments, whatever they look like,
// and what follows them is the input file again.
TEST(CountOptionsTest, EveryOptionTakesAFixedNumberOfArguments) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--comment-markers", "#", "", "in.txt"}, "in.txt"},
      {{"in.txt", "--comment-markers", "--", "--totals"}, "in.txt"},
      {{"--comment-markers", "#", "notes.txt"}, ""},  // notes.txt is the end marker
      {{"--format", "8", "in.txt"}, "in.txt"},
      {{"[a,b]"}, "[a,b]"},  // a file name, not a list of two
  };
  for (const auto& [args, input] : rows) {
    const ParsedCountOptions parsed = ParseCountOptions(args);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.inputFile.value_or(""), input);
    EXPECT_FALSE(parsed.options.totals);
  }
}

TEST(CountOptionsTest, UsageErrorsNameTheProblem) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--format=8", "--bogus=1"}, "unknown option '--bogus=1'"},
      {{"-r---x", "in.txt"}, "unknown option '-r---x'"},  // no file "----x" out of a flag cluster
      {{"--unicode", "--export", "csv", "a"},
       "--export is not available with --unicode, which counts one FILE (or standard input)"},
      {{"--unicode", "a", "b"},
       "a corpus of several FILEs is not available with --unicode, which counts one FILE (or "
       "standard input)"},
      {{"-o"}, "option '--output' needs a value (FILE)"},
      {{"--comment-markers", "#"}, "option '--comment-markers' needs 2 values (START END)"},
      {{"--comment-markers", "a", "b", "--comment-markers", "c", "d", "--comment-markers", "e",
        "f"},
       "option '--comment-markers' may be given at most twice (two pairs of markers)"},
      {{"--commas=1"}, "option '--commas' takes no value"},
      {{"--min-length", "1"}, "option '--min-length' takes 2, 3, 4, 5, 6, 7, 8 or 9, not '1'"},
      {{"--min-count=x"}, "option '--min-count' takes 2, 3, 4, 5, 6, 7, 8 or 9, not 'x'"},
      {{"--max-length", "55"},
       "option '--max-length' takes 20, 30, 40, 50, 60, 70 or 80, not '55'"},
      {{"--order", "random"},
       "option '--order' takes frequency, alphabetical or codepoint, not 'random'"},
      {{"--format", "10"},
       "option '--format' takes a number from 0 to 9 or a format such as \"rank frequency word\", "
       "not '10'"},
      {{"--allow", "hyphens,dots"},
       "unknown character class 'dots' (use hyphens, apostrophes, underscores, colons, "
       "backslashes, "
       "slashes, periods, at-signs, numerals or all)"},
      {{"--type", "xml"}, "option '--type' takes text, html or c, not 'xml'"},
      {{"--encoding=latin1"},
       "option '--encoding' takes auto, utf-8, windows-1252, utf-16le or utf-16be, not 'latin1'"},
      {{"--jobs", "-1"}, "option '--jobs' takes a number from 0 to 1024, not '-1'"},
      {{"--locale="}, "option '--locale' needs a value (NAME)"},
      {{"a.txt", "-"}, "standard input (\"-\") cannot be part of a corpus of files"},
      {{"--min-range", "0"}, "option '--min-range' takes a number of files from 1 on, not '0'"},
      {{"--export", "xml"}, "option '--export' takes tsv, csv or json, not 'xml'"},
  };
  for (const auto& [args, error] : rows)
    EXPECT_EQ(ParseCountOptions(args).error, error) << args.front();
}

// The help text with each line break and the indent after it made one space.
std::string Unwrapped(const std::string& help) {
  std::string text;
  for (std::size_t i = 0; i < help.size(); ++i) {
    if (help[i] != '\n') {
      text += help[i];
      continue;
    }
    text += ' ';
    while (i + 1 < help.size() && help[i + 1] == ' ') ++i;
  }
  return text;
}

TEST(CountOptionsTest, HelpShowsEveryOptionWithItsChoicesAndDefaults) {
  const std::string help = CountUsage();
  const std::vector<std::string> names = CountOptionNames();
  EXPECT_GE(names.size(), 41u);
  for (const std::string& name : names) {
    const std::size_t at = help.find("  " + name);
    const bool shown = at != std::string::npos ||
                       help.find(", " + name + " ") != std::string::npos ||
                       help.find(", " + name + "\n") != std::string::npos;
    EXPECT_TRUE(shown) << name;
  }
  for (const char* text :
       {"20, 30, 40, 50, 60, 70 or 80 (default 50)", "9 \"word (+ commas)\"",
        "0 \"rank frequency word\" (default)",
        "frequency or alphabetical (default frequency), or codepoint with --unicode",
        "(default: hyphens)", "/* */ and // to the end of the line", "--type text|html|c",
        "--comment-markers START END"})
    EXPECT_NE(Unwrapped(help).find(text), std::string::npos) << text;
}

// Markers the run's word characters make unusable are the command line's
// fault when the command line gave them.
TEST(CountOptionsTest, UnusableMarkersFromTheCommandLineAreUsageErrors) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--comment-markers", "#", ""}, ""},
      {{"--comment-markers", "rem", ""},
       "option '--comment-markers': the start marker 'rem' could be part of a word; choose "
       "another, "
       "or --disallow the characters it is made of"},
      {{"--comment-markers", "x-", "", "--disallow", "hyphens"}, ""},
      {{"--comment-markers", "#", "", "--comment-markers", "%", "%"},
       "option '--comment-markers': the start and end markers must differ, not both '%'"},
      {{"--comment-markers", "", "x"},
       "option '--comment-markers': the start marker may not be empty"},
      {{"--comment-markers", "rem", "", "--no-comment-markers"}, ""},  // not used, so no fault
      {{"--use-comment-markers"}, ""},
      // Two hyphens in a row are read as a space before markers are looked
      // for: such a start is never found, such an end never closes.
      {{"--comment-markers", "--", "", "--disallow", "hyphens"},
       "option '--comment-markers': the marker '--' can never be found, since two hyphens in a row "
       "are read as a space; choose another"},
      {{"--comment-markers", "--", ""},
       "option '--comment-markers': the marker '--' can never be found, since two hyphens in a row "
       "are read as a space; choose another"},
      {{"--comment-markers", "#", "", "--comment-markers", "{", "--}"},
       "option '--comment-markers': the marker '--}' can never be found, since two hyphens in a "
       "row "
       "are read as a space; choose another"},
      {{"--comment-markers", "-[", "]-"}, ""},
  };
  for (const auto& [args, error] : rows) {
    const ParsedCountOptions parsed = ParseCountOptions(args);
    ASSERT_EQ(parsed.error, "");
    ParameterSet params;
    for (const ParamChange& c : parsed.options.changes)
      c.text ? (void)params.SetText(c.id, *c.text) : (void)params.SetValue(c.id, c.value);
    EXPECT_EQ(CommentMarkerOptionError(parsed.options, params), error) << args[1];
  }
}

}  // namespace
}  // namespace zet
