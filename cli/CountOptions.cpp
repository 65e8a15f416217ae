#include "cli/CountOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <tuple>

#include "params/ParamOptions.h"
#include "params/ScanSnapshot.h"

namespace zet {
namespace {

using P = ParamId;
using namespace param_options;

// A problem with the command line, raised inside CLI11's callbacks so
// that parsing stops at the first one.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

template <typename E>
struct Choice {
  std::string_view name;
  E value;
};

constexpr Choice<InputType> kTypes[] = {
    {"text", InputType::Text}, {"html", InputType::Html}, {"c", InputType::C}};
// The extension each type stands for, in InputType order.
constexpr std::string_view kTypeExtensions[] = {"", "txt", "html", "c"};

constexpr Choice<Encoding> kEncodings[] = {{"auto", Encoding::Auto},
                                           {"utf-8", Encoding::Utf8},
                                           {"windows-1252", Encoding::Windows1252},
                                           {"utf-16le", Encoding::Utf16LE},
                                           {"utf-16be", Encoding::Utf16BE}};

constexpr unsigned kMaxJobs = 1024;

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// "a, b or c".
std::string OneOf(std::span<const std::string> names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

std::vector<std::string> ItemNames(ParamId id) {
  std::vector<std::string> names;
  for (std::string_view item : GetParamInfo(id).items) names.emplace_back(ShortItem(item));
  return names;
}

// The word order takes one value the parameter set does not hold: code
// point order, which only the Unicode model lists in.
constexpr std::string_view kCodepointOrder = "codepoint";

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ItemIndex(ParamId id, std::string_view text) {
  const auto items = GetParamInfo(id).items;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text || ShortItem(items[i]) == text) return static_cast<int>(i);
  return std::nullopt;
}

template <typename E>
std::vector<std::string> ChoiceNames(std::span<const Choice<E>> choices) {
  std::vector<std::string> names;
  for (const Choice<E>& c : choices) names.emplace_back(c.name);
  return names;
}

// "/* */ and // to the end of the line", from the markers' initial texts.
std::string DefaultMarkers() {
  std::string text;
  const ParamId pairs[2][2] = {{P::txbStartComment0, P::txbEndComment0},
                               {P::txbStartComment1, P::txbEndComment1}};
  for (const auto& [start, end] : pairs) {
    const std::string_view close = GetParamInfo(end).defaultText;
    text += (text.empty() ? "" : " and ") + std::string(GetParamInfo(start).defaultText) +
            (close.empty() ? " to the end of the line" : " " + std::string(close));
  }
  return text;
}

// The defaults and choices --help shows after an option's own text.
std::string HelpText(const ParamOption& o) {
  const ParamInfo& info = GetParamInfo(o.id);
  std::string text(o.help);
  switch (o.arg) {
    case Arg::Flag:
      if (info.defaultValue == o.value) text += " (default)";
      if (o.id == P::chkAllowCommentMarkers && o.value == 1)
        text += "; at first " + DefaultMarkers();
      break;
    case Arg::Allow: {
      std::vector<std::string> names, defaults;
      for (const AllowName& a : kAllowNames) {
        names.emplace_back(a.name);
        if (GetParamInfo(a.id).defaultValue == 1) defaults.emplace_back(a.name);
      }
      names.emplace_back("all");
      if (o.value == 1) text += " " + OneOf(names) + " (default: " + OneOf(defaults) + ")";
      break;
    }
    case Arg::Size:
      text += " N one of " + OneOf(ItemNames(o.id)) +
              (GetParamInfo(o.box).defaultValue == 0 ? " (default: none left out)" : "");
      break;
    case Arg::List:
      text += " " + OneOf(ItemNames(o.id)) + " (default " +
              std::string(ShortItem(info.items[static_cast<std::size_t>(info.defaultValue)])) + ")";
      if (o.id == P::cboWordOrder)
        text += ", or " + std::string(kCodepointOrder) + " with --unicode (code point order)";
      break;
    case Arg::Format:
      for (std::size_t i = 0; i < info.items.size(); ++i)
        text += "\n" + std::to_string(i) + " \"" + std::string(info.items[i]) + "\"" +
                (static_cast<int>(i) == info.defaultValue ? " (default)" : "");
      break;
    case Arg::Text:
    case Arg::CommonWords:
    case Arg::Markers:
      break;
  }
  return text;
}

// Reads the command line into `options` through CLI11, one callback per
// option, run as each option is read so that the changes keep their order.
class CommandLine {
 public:
  explicit CommandLine(CountOptions& options);

  void Parse(const std::vector<std::string>& args);
  [[nodiscard]] std::string Help() const { return app_.help(); }
  [[nodiscard]] std::vector<std::string> Names() const;
  // The usage error for a CLI11 exception.
  [[nodiscard]] std::string Explain(const CLI::Error& e) const;

 private:
  void AddParamOption(const ParamOption& o);
  void AddCorpusOptions();
  // An option with one value, handed to `apply` as it is read.
  void AddValued(std::string_view group, const std::string& name, const std::string& valueText,
                 const std::string& help, std::function<void(const std::string&)> apply);
  void AddFileOption(std::string_view group, const std::string& names,
                     std::optional<std::string>& target, const std::string& help);
  void AddFlag(std::string_view group, const std::string& names, bool& target,
               const std::string& help);
  template <typename E>
  void AddChoice(std::string_view group, const std::string& name,
                 std::span<const Choice<E>> choices, E& target, const std::string& help);
  void AddReserved();
  void AddLedgerOptions();
  void AddPartial();

  void Set(ParamId id, int value) { options_.changes.push_back({id, value, std::nullopt}); }
  void SetText(ParamId id, std::string text) {
    options_.changes.push_back({id, 0, std::move(text)});
  }
  void Apply(const ParamOption& o, const std::vector<std::string>& values);
  void AllowList(const ParamOption& o, std::string_view list);
  void Markers(const std::string& start, const std::string& end);

  CountOptions& options_;
  CLI::App app_;
  std::vector<std::string> files_;
  int markerPairs_ = 0;
};

// --help in the groups of the options, each option's text wrapped beside it.
class HelpFormatter final : public CLI::FormatterBase {
 public:
  std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
    std::string out = "Usage: zet-count [OPTIONS] [FILE...]\n" + Wrap(app->get_description(), 0);
    for (const std::string& group : app->get_groups()) {
      const auto options = app->get_options(
          [&](const CLI::Option* o) { return o->get_group() == group && o->nonpositional(); });
      if (group.empty() || options.empty()) continue;
      out += "\n" + group + ":\n";
      for (const CLI::Option* o : options) out += Option(*o);
    }
    return out + "\n" + Wrap(app->get_footer(), 0);
  }

 private:
  static constexpr std::size_t kColumn = 30;
  static constexpr std::size_t kWidth = 79;

  static std::string Option(const CLI::Option& o) {
    std::string names;
    for (const std::string& s : o.get_snames()) names += (names.empty() ? "-" : ", -") + s;
    for (const std::string& l : o.get_lnames()) names += (names.empty() ? "--" : ", --") + l;
    if (!o.get_option_text().empty()) names += " " + o.get_option_text();
    std::string line = "  " + names;
    line += line.size() + 2 <= kColumn ? std::string(kColumn - line.size(), ' ')
                                       : "\n" + std::string(kColumn, ' ');
    return line + Wrap(o.get_description(), kColumn).substr(kColumn);
  }

  // `text` in lines of at most kWidth characters, each indented by
  // `indent`; a line break in `text` starts a new line.
  static std::string Wrap(const std::string& text, std::size_t indent) {
    std::string out;
    std::string line(indent, ' ');
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
      const std::string word = text.substr(start, end - start);
      if (line.size() > indent && line.size() + 1 + word.size() > kWidth) {
        out += line + "\n";
        line = std::string(indent, ' ');
      }
      line += (line.size() > indent ? " " : "") + word;
      if (end < text.size() && text[end] == '\n') {
        out += line + "\n";
        line = std::string(indent, ' ');
      }
      start = end + 1;
    }
    return out + line + "\n";
  }
};

CommandLine::CommandLine(CountOptions& options) : options_(options), app_("", "zet-count") {
  app_.set_help_flag();
  app_.allow_extras();
  app_.formatter(std::make_shared<HelpFormatter>());
  app_.description(
      "Counts how often each different word occurs in FILE (or standard input when FILE is absent "
      "or \"-\") and lists the words, by frequency or alphabetically. Several FILEs are counted "
      "as one corpus, each read with its own encoding and comment markers. A value may follow its "
      "option "
      "or be joined to it by \"=\" (--format=8); the words after \"--\" are file names.");
  app_.footer(
      "Exit status: 0 when the list was produced (also an empty one), 1 when an input, output, "
      "parameter, partial-count or common-words file could not be used or standard output was "
      "closed early, 2 for a usage error (also no FILE while standard input is a terminal).");
  // FILEs are what the parser leaves over (see Parse): a positional option
  // of its own would split a file named "[a,b]" into "a" and "b".

  for (const ParamOption& o : kParamOptions) AddParamOption(o);
  AddFileOption(
      kList, "-o,--output", options_.outputFile,
      "write the list to FILE (as the desktop program writes it) instead of standard output");
  AddFlag(kList, "--totals", options_.totals, "print the four totals after the list");
  AddLedgerOptions();
  AddChoice<InputType>(kInput, "--type", kTypes, options_.type,
                       "read the input with the comment markers of this kind of file, as its "
                       "extension would choose (default: a file's own extension; text for "
                       "standard input)");
  AddReserved();
  AddCorpusOptions();
  AddPartial();
  AddFileOption(kParameters, "--params", options_.paramsFile,
                "start from a parameter file (.zet); the options given here override it");
  AddFlag(kParameters, "--settings", options_.useSettings,
          "start from the desktop program's saved settings");
  AddFileOption(kParameters, "--save-params", options_.saveParamsFile,
                "save the resulting parameters to FILE");
  AddFlag(kOther, "-h,--help", options_.help, "print this help");
  AddFlag(kOther, "--version", options_.version, "print the version");
}

void CommandLine::AddParamOption(const ParamOption& o) {
  const std::string name(o.name);
  CLI::Option* option = nullptr;
  if (o.arg == Arg::Flag) {
    option = app_.add_flag_function(name, [this, &o](std::int64_t) { Apply(o, {}); });
    option->disable_flag_override();
  } else {
    option = app_.add_option_function<std::vector<std::string>>(
        name, [this, &o](const std::vector<std::string>& values) { Apply(o, values); });
    option->type_size(o.arg == Arg::Markers ? 2 : 1)->expected(1)->allow_extra_args(false);
    option->option_text(std::string(o.valueName));
  }
  option->description(HelpText(o))->group(std::string(o.group))->trigger_on_parse();
  option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandLine::AddFileOption(std::string_view group, const std::string& names,
                                std::optional<std::string>& target, const std::string& help) {
  AddValued(group, names, "FILE", help, [&target](const std::string& v) { target = v; });
}

void CommandLine::AddFlag(std::string_view group, const std::string& names, bool& target,
                          const std::string& help) {
  app_.add_flag_function(names, [&target](std::int64_t) { target = true; })
      ->disable_flag_override()
      ->description(help)
      ->group(std::string(group))
      ->trigger_on_parse();
}

template <typename E>
void CommandLine::AddChoice(std::string_view group, const std::string& name,
                            std::span<const Choice<E>> choices, E& target,
                            const std::string& help) {
  AddValued(group, name, CLI::detail::join(ChoiceNames(choices), "|"), help,
            [&target, choices, name](const std::string& v) {
              for (const Choice<E>& c : choices)
                if (c.name == v) {
                  target = c.value;
                  return;
                }
              throw UsageError("option '" + name + "' takes " + OneOf(ChoiceNames(choices)) +
                               ", not " + Quoted(v));
            });
}

// Options of features that are being built: read and kept in CountOptions,
// and said in --help to have no effect yet.
void CommandLine::AddReserved() {
  AddChoice<Encoding>(kInput, "--encoding", kEncodings, options_.encoding,
                      "how the input's bytes are read (default auto: a byte-order mark, else "
                      "UTF-8 when the whole input is valid UTF-8, else Windows-1252)");
  AddFlag(kInput, "--unicode", options_.unicode,
          "count letters of every script (Unicode word model; words of Chinese, Japanese, Thai ... "
          "cut by ICU's dictionaries, one word per collation key of --locale); with --order "
          "codepoint the alphabetical list is in code point order");
  AddValued(
      kInput, "--locale", "NAME",
      "with --unicode: the locale whose collation decides which spellings are one word and the "
      "alphabetical order (default: LC_ALL, LC_COLLATE or LANG)",
      [this](const std::string& v) {
        if (v.empty()) throw UsageError("option '--locale' needs a locale name");
        options_.locale = v;
      });
  AddValued(
      kInput, "--jobs", "N",
      "count a file with up to N threads (default 0: one per core; a text of mostly different "
      "words takes one); the list is the same whatever N",
      [this](const std::string& v) {
        const auto n = ParseInt(v);
        if (!n || *n < 0 || *n > static_cast<int>(kMaxJobs))
          throw UsageError("option '--jobs' takes a number from 0 to " + std::to_string(kMaxJobs) +
                           ", not " + Quoted(v));
        options_.jobs = static_cast<unsigned>(*n);
      });
}

void CommandLine::AddCorpusOptions() {
  AddFlag(kCorpus, "-r,--recursive", options_.recursive,
          "a FILE that is a folder stands for every regular file below it, in sorted path order");
  AddFlag(kCorpus, "--keep-going", options_.keepGoing,
          "skip a file that cannot be read, with a warning (--totals counts them), instead of "
          "stopping");
  AddFlag(kCorpus, "--range", options_.range,
          "add the number of files each word is found in, as the last column");
  AddValued(kCorpus, "--min-range", "N", "leave out words found in fewer than N files",
            [this](const std::string& v) {
              const auto n = ParseInt(v);
              if (!n || *n < 1)
                throw UsageError("option '--min-range' takes a number of files from 1 on, not " +
                                 Quoted(v));
              options_.minRange = *n;
            });
  AddValued(kList, "--export", "tsv|csv|json",
            "write the list as data instead (UTF-8, a header row; rank, word, frequency, "
            "percentage, range when counted; JSON adds the totals and parameters), to -o FILE or "
            "standard output",
            [this](const std::string& v) {
              options_.exportFormat = ExportFormatNamed(v);
              if (!options_.exportFormat)
                throw UsageError("option '--export' takes tsv, csv or json, not " + Quoted(v));
            });
}

void CommandLine::AddValued(std::string_view group, const std::string& name,
                            const std::string& valueText, const std::string& help,
                            std::function<void(const std::string&)> apply) {
  app_.add_option_function<std::string>(name, std::move(apply))
      ->option_text(valueText)
      ->description(help)
      ->group(std::string(group))
      ->trigger_on_parse()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

// Why a word is or is not listed, and which spellings became one entry.
void CommandLine::AddLedgerOptions() {
  AddFlag(kList, "--excluded", options_.excluded,
          "print the words left out instead of the list: word, count and the first reason, "
          "separated by tabs, in the list's order (-o still writes the list)");
  app_.add_option_function<std::string>(
          "--explain",
          [this](const std::string& v) {
            // One value each time, a comma list at most.
            std::size_t start = 0;
            for (std::size_t end = 0; end != std::string::npos; start = end + 1) {
              end = v.find(',', start);
              const std::string word = v.substr(start, end - start);
              if (word.empty())
                throw UsageError("option '--explain' needs a word, not " + Quoted(v));
              options_.explain.push_back(word);
            }
          })
      ->option_text("WORD[,WORD...]")
      ->description(
          "say what became of WORD: not found, found N times under which entry and "
          "rank, or left out and why, instead of the list (-o still writes the list); "
          "may be repeated")
      ->group(std::string(kList))
      ->trigger_on_parse();
  AddFlag(kList, "--spellings", options_.spellings,
          "add to each listed entry (and to --explain) every spelling counted under it, with "
          "its count, most frequent first");
}

// Counts that merge across machines (cli/PartialCommand.cpp, docs/partial-format.md).
void CommandLine::AddPartial() {
  constexpr std::string_view kPartial = "Counts that merge";
  AddFileOption(kPartial, "--partial", options_.partial.output,
                "write the count (or the merge) to FILE as a partial count, to be merged later");
  AddFlag(kPartial, "--merge", options_.partial.merge,
          "the FILEs are partial counts: merge them and list the words as one count of their "
          "sources would (or write the merge with --partial)");
  AddFlag(kPartial, "--map", options_.partial.map,
          "count the input and write one key/value line a word (Hadoop streaming, Spark's pipe)");
  AddFlag(kPartial, "--reduce", options_.partial.reduce,
          "merge --map's lines, sorted by key, from standard input into the same lines");
  AddFlag(kPartial, "--list", options_.partial.list,
          "with --reduce: list the merged words (lines in any order) instead of writing lines");
  for (auto [name, target, help] :
       {std::tuple{"--source", &options_.partial.source,
                   "the ordinal of the source counted: the spelling of the lowest wins a merge "
                   "(default 0)"},
        std::tuple{"--offset", &options_.partial.offset,
                   "the byte offset in its source where the counted piece begins (default 0)"}}) {
    const std::string option = name;
    app_.add_option_function<std::string>(
            option,
            [field = target, option](const std::string& v) {
              std::uint64_t n = 0;
              const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
              if (ec != std::errc() || end != v.data() + v.size())
                throw UsageError("option '" + option + "' takes a number, not " + Quoted(v));
              *field = n;
            })
        ->option_text("N")
        ->description(help)
        ->group(std::string(kPartial))
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
}

void CommandLine::Apply(const ParamOption& o, const std::vector<std::string>& values) {
  const std::string name(o.name);
  const std::string value = values.empty() ? std::string() : values.front();
  switch (o.arg) {
    case Arg::Flag:
      Set(o.id, o.value);
      return;
    case Arg::Text:
      SetText(o.id, value);
      return;
    case Arg::CommonWords:
      Set(o.box, 1);
      SetText(P::strCommonWordsFile, value);
      SetText(P::txbCommonWordsFile, value);
      return;
    case Arg::Allow:
      AllowList(o, value);
      return;
    case Arg::Markers:
      Markers(values.at(0), values.at(1));
      return;
    case Arg::Size:
    case Arg::List:
    case Arg::Format:
      break;
  }
  if (o.id == P::cboWordOrder && value == kCodepointOrder) {
    options_.codepointOrder = true;
    Set(o.id, 1);
    return;
  }
  std::optional<int> index = ItemIndex(o.id, value);
  if (!index && o.arg == Arg::Format) {
    index = ParseInt(value);
    if (index && (*index < 0 || *index >= static_cast<int>(GetParamInfo(o.id).items.size())))
      index.reset();
  }
  if (!index) {
    std::vector<std::string> names = ItemNames(o.id);
    if (o.id == P::cboWordOrder) names.emplace_back(kCodepointOrder);
    const std::string allowed =
        o.arg == Arg::Format ? "a number from 0 to 9 or a format such as \"rank frequency word\""
                             : OneOf(names);
    throw UsageError("option '" + name + "' takes " + allowed + ", not " + Quoted(value));
  }
  if (o.arg == Arg::Size) Set(o.box, 1);
  Set(o.id, *index);
}

void CommandLine::AllowList(const ParamOption& o, std::string_view list) {
  for (;;) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    bool known = false;
    for (const AllowName& a : kAllowNames) {
      if (name == a.name || name == "all") {
        Set(a.id, o.value);
        known = true;
      }
    }
    if (!known) {
      std::vector<std::string> names;
      for (const AllowName& a : kAllowNames) names.emplace_back(a.name);
      names.emplace_back("all");
      throw UsageError("unknown character class " + Quoted(name) + " (use " + OneOf(names) + ")");
    }
    if (comma == std::string_view::npos) return;
    list.remove_prefix(comma + 1);
  }
}

// The first pair replaces both pairs (the second repeats it, which skips
// nothing more); a second --comment-markers sets the second pair.
void CommandLine::Markers(const std::string& start, const std::string& end) {
  if (++markerPairs_ > 2)
    throw UsageError(
        "option '--comment-markers' may be given at most twice (two pairs of markers)");
  options_.markersGiven = true;
  if (markerPairs_ == 1) {
    Set(P::chkAllowCommentMarkers, 1);
    SetText(P::txbStartComment0, start);
    SetText(P::txbEndComment0, end);
  }
  SetText(P::txbStartComment1, start);
  SetText(P::txbEndComment1, end);
}

void CommandLine::Parse(const std::vector<std::string>& args) {
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  app_.parse(reversed);
  bool namesOnly = false;  // after "--"
  for (const std::string& arg : app_.remaining()) {
    if (!namesOnly && arg == "--") {
      namesOnly = true;
    } else if (namesOnly || arg.size() < 2 || arg[0] != '-') {
      files_.push_back(arg);
    } else {
      // A cluster of short flags ending in dashes ("-r---x") leaves a piece
      // nobody typed ("----x"); name the argument as it was typed.
      const auto typed = std::find_if(args.begin(), args.end(), [&](const std::string& a) {
        return a.size() > 1 && a[0] == '-' && a.ends_with(std::string_view(arg).substr(1));
      });
      throw UsageError("unknown option " + Quoted(typed != args.end() ? *typed : arg));
    }
  }
  if (options_.partial.merge) {
    options_.partial.files = files_;
    return;
  }
  if (files_.size() > 1 && std::find(files_.begin(), files_.end(), "-") != files_.end())
    throw UsageError("standard input (\"-\") cannot be part of a corpus of files");
  if (!files_.empty()) options_.inputFile = files_.front();
  options_.inputFiles = files_;
  // The Unicode model counts one source and lists it; refused rather than
  // silently ignored, so nobody takes one file's list for a corpus's.
  if (options_.unicode) {
    const char* const refused = options_.excluded           ? "--excluded"
                                : options_.spellings        ? "--spellings"
                                : !options_.explain.empty() ? "--explain"
                                : options_.exportFormat     ? "--export"
                                : options_.range            ? "--range"
                                : options_.minRange > 0     ? "--min-range"
                                : options_.recursive        ? "--recursive"
                                : options_.keepGoing        ? "--keep-going"
                                : files_.size() > 1         ? "a corpus of several FILEs"
                                                            : nullptr;
    if (refused != nullptr)
      throw UsageError(std::string(refused) +
                       " is not available with --unicode, which counts one "
                       "FILE (or standard input)");
  }
}

std::vector<std::string> CommandLine::Names() const {
  std::vector<std::string> names;
  for (const CLI::Option* o :
       app_.get_options([](const CLI::Option* o) { return o->nonpositional(); })) {
    for (const std::string& s : o->get_snames()) names.push_back("-" + s);
    for (const std::string& l : o->get_lnames()) names.push_back("--" + l);
  }
  return names;
}

// CLI11 names an option by its long name, with or without the dashes.
std::string CommandLine::Explain(const CLI::Error& e) const {
  const std::string what = e.what();
  const std::string name = what.substr(0, what.find_first_of(": "));
  const CLI::Option* option = app_.get_option_no_throw(name);
  if (!option) option = app_.get_option_no_throw("--" + name);
  if (!option) return what;
  const std::string shown = "--" + option->get_lnames().front();
  if (option->get_items_expected_max() == 0) return "option '" + shown + "' takes no value";
  return "option '" + shown + "' needs " +
         (option->get_type_size_max() > 1 ? std::to_string(option->get_type_size_max()) + " values"
                                          : std::string("a value")) +
         " (" + option->get_option_text() + ")";
}

}  // namespace

ParsedCountOptions ParseCountOptions(const std::vector<std::string>& args) {
  ParsedCountOptions parsed;
  CommandLine line(parsed.options);
  try {
    line.Parse(args);
  } catch (const UsageError& e) {
    parsed.error = e.what();
  } catch (const CLI::Error& e) {
    parsed.error = line.Explain(e);
  }
  return parsed;
}

std::string CountUsage() {
  CountOptions unused;
  return CommandLine(unused).Help();
}

std::vector<std::string> CountOptionNames() {
  CountOptions unused;
  return CommandLine(unused).Names();
}

std::string_view ExtensionForType(InputType type) noexcept {
  return kTypeExtensions[static_cast<std::size_t>(type)];
}

std::string CommentMarkerOptionError(const CountOptions& options, const ParameterSet& params) {
  if (!options.markersGiven || !params.IsChecked(P::chkAllowCommentMarkers)) return {};
  const MarkerValidation v = ValidateUserMarkers(params);
  if (v.ok()) return {};
  const ParamId start = v.pair == 1 ? P::txbStartComment1 : P::txbStartComment0;
  const ParamId end = v.pair == 1 ? P::txbEndComment1 : P::txbEndComment0;
  const std::string marker = Quoted(params.Text(start));
  const std::string option = "option '--comment-markers': ";
  switch (v.check) {
    case MarkerCheck::StartEmpty:
      return option + "the start marker may not be empty";
    case MarkerCheck::StartEqualsEnd:
      return option + "the start and end markers must differ, not both " + marker;
    case MarkerCheck::HoldsDoubleHyphen: {
      const ParamId holder = params.Text(start).find("--") != std::string::npos ? start : end;
      return option + "the marker " + Quoted(params.Text(holder)) +
             " can never be found, since two hyphens in a row are read as a space; choose another";
    }
    case MarkerCheck::StartIsWord:
      return option + "the start marker " + marker +
             " could be part of a word; choose another, or --disallow the characters it is made of";
    case MarkerCheck::Ok:
      break;
  }
  return {};
}

}  // namespace zet
