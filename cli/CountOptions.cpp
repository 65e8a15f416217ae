#include "cli/CountOptions.h"

#include <array>
#include <charconv>
#include <functional>
#include <string_view>

namespace zet {
namespace {

using P = ParamId;

struct AllowName {
  std::string_view name;
  ParamId id;
};

constexpr std::array<AllowName, 9> kAllowNames = {{
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

// Flags that set one check box to a fixed value.
struct FlagOption {
  std::string_view name;
  ParamId id;
  int value;
};

constexpr std::array<FlagOption, 16> kFlags = {{
    {"--case-sensitive", P::chkCaseSignificant, 1},
    {"--ignore-case", P::chkCaseSignificant, 0},
    {"--keep-final-s", P::chkDropFinalS, 0},
    {"--drop-final-s", P::chkDropFinalS, 1},
    {"--no-comment-markers", P::chkAllowCommentMarkers, 0},
    {"--no-common-words", P::chkIgnoreCommonWords, 0},
    {"--keep-repetitions", P::chkIgnoreRepetitions, 0},
    {"--ignore-repetitions", P::chkIgnoreRepetitions, 1},
    {"--keep-roman-numerals", P::chkIgnoreRomNum40, 0},
    {"--ignore-roman-numerals", P::chkIgnoreRomNum40, 1},
    {"--keep-no-vowel", P::chkIgnoreNoVowelOrY, 0},
    {"--ignore-no-vowel", P::chkIgnoreNoVowelOrY, 1},
    {"--no-min-length", P::chkIgnoreShortWords, 0},
    {"--no-min-count", P::chkIgnoreInfrequentWords, 0},
    {"--commas", P::chkOutputWithCommas, 1},
    {"--no-commas", P::chkOutputWithCommas, 0},
}};

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The index of `text` among a list's items, or of the number it names.
std::optional<int> ListIndex(ParamId id, std::string_view text) {
  const auto items = GetParamInfo(id).items;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  ParsedCountOptions Run() {
    while (error_.empty() && next_ < args_.size()) Step();
    return {std::move(options_), std::move(error_)};
  }

 private:
  void Step() {
    const std::string& arg = args_[next_++];
    if (arg == "--") {
      while (next_ < args_.size()) Positional(args_[next_++]);
      return;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      Positional(arg);
      return;
    }
    for (const FlagOption& f : kFlags)
      if (arg == f.name) return Set(f.id, f.value);
    Option(arg);
  }

  void Option(const std::string& arg) {
    if (arg == "--help" || arg == "-h") {
      options_.help = true;
    } else if (arg == "--version") {
      options_.version = true;
    } else if (arg == "--totals") {
      options_.totals = true;
    } else if (arg == "--settings") {
      options_.useSettings = true;
    } else if (arg == "-o" || arg == "--output") {
      if (auto v = Value(arg)) options_.outputFile = *v;
    } else if (arg == "--params") {
      if (auto v = Value(arg)) options_.paramsFile = *v;
    } else if (arg == "--save-params") {
      if (auto v = Value(arg)) options_.saveParamsFile = *v;
    } else if (arg == "--allow" || arg == "--disallow") {
      if (auto v = Value(arg)) Allow(*v, arg == "--allow" ? 1 : 0);
    } else if (arg == "--comment-markers") {
      CommentMarkers();
    } else if (arg == "--common-words") {
      if (auto v = Value(arg)) {
        Set(P::chkIgnoreCommonWords, 1);
        SetText(P::strCommonWordsFile, *v);
        SetText(P::txbCommonWordsFile, *v);
      }
    } else if (arg == "--ignore") {
      if (auto v = Value(arg)) SetText(P::txbWordsToIgnore, *v);
    } else if (arg == "--min-length") {
      Sized(arg, P::chkIgnoreShortWords, P::cboShortWordSize);
    } else if (arg == "--min-count") {
      Sized(arg, P::chkIgnoreInfrequentWords, P::cboThresholdFrequency);
    } else if (arg == "--max-length") {
      ListValue(arg, P::cboLongWordSize, "20, 30, 40, 50, 60, 70 or 80");
    } else if (arg == "--order") {
      ListValue(arg, P::cboWordOrder, "frequency or alphabetical");
    } else if (arg == "--format") {
      Format(arg);
    } else {
      error_ = "unknown option '" + arg + "'";
    }
  }

  void Positional(const std::string& arg) {
    if (options_.inputFile) {
      error_ = "only one input file may be given ('" + *options_.inputFile + "' and '" + arg + "')";
      return;
    }
    options_.inputFile = arg;
  }

  std::optional<std::string> Value(const std::string& option) {
    if (next_ >= args_.size()) {
      error_ = "option '" + option + "' needs a value";
      return std::nullopt;
    }
    return args_[next_++];
  }

  void Set(ParamId id, int value) { options_.changes.push_back({id, value, std::nullopt}); }
  void SetText(ParamId id, std::string text) { options_.changes.push_back({id, 0, std::move(text)}); }

  void Allow(const std::string& list, int value) {
    std::string_view rest = list;
    while (error_.empty()) {
      const std::size_t comma = rest.find(',');
      const std::string_view name = rest.substr(0, comma);
      bool known = false;
      for (const AllowName& a : kAllowNames) {
        if (name == a.name || name == "all") {
          Set(a.id, value);
          known = true;
        }
      }
      if (!known)
        error_ = "unknown character class '" + std::string(name) +
                 "' (use hyphens, apostrophes, underscores, colons, backslashes, slashes, periods, "
                 "at-signs, numerals or all)";
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
  }

  // --comment-markers [START END [START END]]: the markers that follow are
  // the arguments up to the next option. An odd count leaves the last one
  // as the input file, so "--comment-markers # '' notes.txt" works.
  void CommentMarkers() {
    Set(P::chkAllowCommentMarkers, 1);
    std::size_t n = 0;
    while (next_ + n < args_.size() && !(args_[next_ + n].size() > 1 && args_[next_ + n][0] == '-'))
      ++n;
    if (n % 2 == 1) --n;
    if (n > 4) n = 4;
    const ParamId ids[] = {P::txbStartComment0, P::txbEndComment0, P::txbStartComment1,
                           P::txbEndComment1};
    for (std::size_t i = 0; i < n; ++i) SetText(ids[i], args_[next_++]);
  }

  void Sized(const std::string& option, ParamId box, ParamId list) {
    const auto v = Value(option);
    if (!v) return;
    const auto n = ParseInt(*v);
    if (!n || *n < 2 || *n > 9) {
      error_ = "option '" + option + "' takes a number from 2 to 9, not '" + *v + "'";
      return;
    }
    Set(box, 1);
    Set(list, *n - 2);
  }

  void ListValue(const std::string& option, ParamId list, std::string_view allowed) {
    const auto v = Value(option);
    if (!v) return;
    std::optional<int> index = ListIndex(list, *v);
    if (!index && list == P::cboWordOrder) index = ListIndex(list, *v == "frequency" ? "by frequency" : *v);
    if (!index) {
      error_ = "option '" + option + "' takes " + std::string(allowed) + ", not '" + *v + "'";
      return;
    }
    Set(list, *index);
  }

  void Format(const std::string& option) {
    const auto v = Value(option);
    if (!v) return;
    std::optional<int> index = ParseInt(*v);
    if (index && (*index < 0 || *index >= kDisplayFormatCount)) index.reset();
    if (!index) index = ListIndex(P::cboDisplayFormat, *v);
    if (!index) {
      error_ = "option '" + option + "' takes a number from 0 to 9 or a format such as " +
               "\"rank frequency word\", not '" + *v + "'";
      return;
    }
    Set(P::cboDisplayFormat, *index);
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CountOptions options_;
  std::string error_;
};

}  // namespace

ParsedCountOptions ParseCountOptions(const std::vector<std::string>& args) { return Parser(args).Run(); }

std::string CountUsage() {
  return R"USAGE(Usage: zet-count [OPTIONS] [FILE]
Counts how often each different word occurs in FILE (or standard input when
FILE is absent or "-") and lists the words, by frequency or alphabetically.

What a word is:
  --case-sensitive, --ignore-case   upper/lower case significant (default: not)
  --allow LIST, --disallow LIST     characters allowed inside words, a comma-
                                    separated list of: hyphens, apostrophes,
                                    underscores, colons, backslashes, slashes,
                                    periods, at-signs, numerals, all
                                    (default: hyphens only)
  --keep-final-s, --drop-final-s    drop a final "s" unless "ss" or vowel+"s"
                                    (default: drop)
  --comment-markers [START END [START END]]
                                    skip text between comment markers (default
                                    markers /* */ and // to the end of line);
                                    HTML and C files always skip their own
  --no-comment-markers
Which words are left out:
  --common-words FILE               the words of FILE (cut like counted words)
  --no-common-words
  --ignore "WORDS"                  these words, separated by spaces or commas
  --keep-repetitions                keep words like "mm" (default: leave out)
  --keep-roman-numerals             keep i, ii, xiv ... (default: leave out)
  --keep-no-vowel                   keep words without vowel or y (default:
                                    leave out)
  --min-length N, --no-min-length   leave out words of fewer than N characters
  --max-length N                    leave out words of more than N characters
                                    (20, 30, ... 80; default 50)
  --min-count N, --no-min-count     leave out words found fewer than N times
The list:
  --order frequency|alphabetical    (default: frequency)
  --format N|TEXT                   0 "rank frequency word" (default),
                                    1 "rank word frequency", 2 "rank frequency",
                                    3 "rank word", 4 "frequency rank",
                                    5 "frequency word", 6 "word rank",
                                    7 "word frequency", 8 "word",
                                    9 "word (+ commas)"
  -o FILE, --output FILE            write the list to FILE (as the desktop
                                    program writes it) instead of standard output
  --commas                          comma-delimited columns in the output file
  --totals                          print the four totals after the list
Parameters:
  --params FILE                     start from a parameter file (.zet); the
                                    options given here override it
  --settings                        start from the desktop program's saved
                                    settings
  --save-params FILE                save the resulting parameters to FILE
  --help, --version

Exit status: 0 when the list was produced, 1 when the input, the output or a
parameter or common-words file could not be used, 2 for a usage error.
)USAGE";
}

}  // namespace zet
