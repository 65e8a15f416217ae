#pragma once
// The options that set parameters, by the names the command line gives
// them: zet-count reads them, and both programs' exports name the
// parameters in force by them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "params/ParameterSet.h"

namespace zet {
/// The table of the command line's parameter options, apart from the rest
/// of the program's names.
namespace param_options {

using P = ParamId;

// What an option that sets parameters takes, and how.
enum class Arg : std::uint8_t {
  Flag,         // no value: `id` becomes `value`
  Size,         // N, an item of list `id`; also checks `box`
  List,         // an item of list `id`; an item "by X" may be given as "X"
  Format,       // an item of list `id`, or its index
  Text,         // any text, into `id`
  CommonWords,  // FILE: checks `box` and names the file
  Allow,        // a comma-separated list of character classes, each set to `value`
  Markers,      // START END
};

struct ParamOption {
  std::string_view group;
  std::string_view name;  // the long name, as CLI11 takes it
  Arg arg;
  ParamId id;
  int value;                   // Flag, Allow
  ParamId box;                 // Size, CommonWords
  std::string_view valueName;  // shown after the name in --help
  std::string_view help;       // the defaults and choices are added from the table
};

inline constexpr std::string_view kWord = "What a word is";
inline constexpr std::string_view kLeftOut = "Which words are left out";
inline constexpr std::string_view kList = "The list";
inline constexpr std::string_view kInput = "The input";
inline constexpr std::string_view kCorpus = "A corpus of files";
inline constexpr std::string_view kParameters = "Parameters";
inline constexpr std::string_view kOther = "Other";

constexpr ParamOption Flag(std::string_view group, std::string_view name, ParamId id, int value,
                           std::string_view help) {
  return {group, name, Arg::Flag, id, value, id, {}, help};
}
constexpr ParamOption Valued(std::string_view group, std::string_view name, Arg arg, ParamId id,
                             std::string_view valueName, std::string_view help, ParamId box) {
  return {group, name, arg, id, 0, box, valueName, help};
}
constexpr ParamOption Valued(std::string_view group, std::string_view name, Arg arg, ParamId id,
                             std::string_view valueName, std::string_view help) {
  return Valued(group, name, arg, id, valueName, help, id);
}
constexpr ParamOption Allow(std::string_view name, int value, std::string_view help) {
  return {kWord,  name, Arg::Allow, P::chkAllowWordsWithHyphens, value, P::chkAllowWordsWithHyphens,
          "LIST", help};
}

// Every option that sets a parameter, in the order of --help.
inline constexpr ParamOption kParamOptions[] = {
    Flag(kWord, "--case-sensitive", P::chkCaseSignificant, 1,
         "upper and lower case are told apart"),
    Flag(kWord, "--ignore-case", P::chkCaseSignificant, 0, "upper and lower case are the same"),
    Allow("--allow", 1, "characters allowed inside words, a comma-separated list of:"),
    Allow("--disallow", 0, "characters not allowed inside words, from the same list"),
    Flag(kWord, "--keep-final-s", P::chkDropFinalS, 0, "keep a final \"s\""),
    Flag(kWord, "--drop-final-s", P::chkDropFinalS, 1,
         "drop a final \"s\" unless \"ss\" or vowel+\"s\""),
    Valued(kWord, "--comment-markers", Arg::Markers, P::chkAllowCommentMarkers, "START END",
           "skip text from START to END (END \"\": to the end of the line). The pair replaces "
           "both pairs of markers; the option given a second time sets the second pair. Both "
           "arguments are taken as they are, even when they begin with \"-\": "
           "--comment-markers -[ ]- (but never hold \"--\", which is read as a space)"),
    Flag(kWord, "--use-comment-markers", P::chkAllowCommentMarkers, 1,
         "skip text between the comment markers already set, as --params or --settings left them"),
    Flag(kWord, "--no-comment-markers", P::chkAllowCommentMarkers, 0,
         "skip no comments but those of HTML and C files (by extension or --type), which always "
         "skip their own"),
    Valued(kLeftOut, "--common-words", Arg::CommonWords, P::strCommonWordsFile, "FILE",
           "the words of FILE (cut as counted words are)", P::chkIgnoreCommonWords),
    Flag(kLeftOut, "--no-common-words", P::chkIgnoreCommonWords, 0, "keep common words"),
    Valued(kLeftOut, "--ignore", Arg::Text, P::txbWordsToIgnore, "\"WORDS\"",
           "these words, separated by spaces or commas"),
    Flag(kLeftOut, "--keep-repetitions", P::chkIgnoreRepetitions, 0,
         "keep words that repeat one letter, like \"mm\""),
    Flag(kLeftOut, "--ignore-repetitions", P::chkIgnoreRepetitions, 1, "leave them out"),
    Flag(kLeftOut, "--keep-roman-numerals", P::chkIgnoreRomNum40, 0,
         "keep Roman numerals below 40: i, ii, xiv ..."),
    Flag(kLeftOut, "--ignore-roman-numerals", P::chkIgnoreRomNum40, 1, "leave them out"),
    Flag(kLeftOut, "--keep-no-vowel", P::chkIgnoreNoVowelOrY, 0,
         "keep words without a vowel or \"y\""),
    Flag(kLeftOut, "--ignore-no-vowel", P::chkIgnoreNoVowelOrY, 1, "leave them out"),
    Valued(kLeftOut, "--min-length", Arg::Size, P::cboShortWordSize, "N",
           "leave out words of fewer than N characters,", P::chkIgnoreShortWords),
    Flag(kLeftOut, "--no-min-length", P::chkIgnoreShortWords, 0, "keep short words"),
    Valued(kLeftOut, "--max-length", Arg::List, P::cboLongWordSize, "N",
           "leave out words of more than N characters, N one of"),
    Valued(kLeftOut, "--min-count", Arg::Size, P::cboThresholdFrequency, "N",
           "leave out words found fewer than N times,", P::chkIgnoreInfrequentWords),
    Flag(kLeftOut, "--no-min-count", P::chkIgnoreInfrequentWords, 0, "keep rare words"),
    Valued(kList, "--order", Arg::List, P::cboWordOrder, "ORDER", "the order of the list:"),
    Valued(kList, "--format", Arg::Format, P::cboDisplayFormat, "N|TEXT",
           "the columns of the list, by number or text:"),
    Flag(kList, "--commas", P::chkOutputWithCommas, 1,
         "comma-delimited columns in the output file"),
    Flag(kList, "--no-commas", P::chkOutputWithCommas, 0, "columns without commas"),
};

// The names --allow and --disallow take, in the order of --help.
struct AllowName {
  std::string_view name;
  ParamId id;
};

inline constexpr std::array<AllowName, 9> kAllowNames = {{
    {"hyphens", P::chkAllowWordsWithHyphens},
    {"apostrophes", P::chkAllowWordsWithApostrophes},
    {"underscores", P::chkAllowWordsWithUnderscores},
    {"colons", P::chkAllowWordsWithColons},
    {"backslashes", P::chkAllowWordsWithBackslashes},
    {"slashes", P::chkAllowWordsWithForwardslashes},
    {"periods", P::chkAllowWordsWithPeriods},
    {"at-signs", P::chkAllowWordsWithAtSigns},
    {"numerals", P::chkAllowWordsWithNumerals},
}};

}  // namespace param_options

/// What a list item may be typed as: "by frequency" also as "frequency".
[[nodiscard]] std::string_view ShortItem(std::string_view item);

/// The parameters in force in `params`, by their option names without the
/// dashes, for an export: the value a valued option would take, "true" for
/// the flag that is in effect. Options that are off are left out.
[[nodiscard]] std::vector<std::pair<std::string, std::string>> ParametersInForce(
    const ParameterSet& params);

}  // namespace zet
