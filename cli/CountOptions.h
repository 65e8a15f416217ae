#pragma once
// The command line of zet-count, parsed but not yet applied.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/PartialOptions.h"
#include "params/ParameterSet.h"
#include "results/Export.h"
#include "scanner/Encoding.h"

namespace zet {

/// One parameter set on the command line, in the order given.
struct ParamChange {
  ParamId id;
  int value = 0;                    ///< check box or list index
  std::optional<std::string> text;  ///< set for text parameters
};

/// --type: which kind of text the input is, as its extension would say.
enum class InputType : std::uint8_t { ByExtension, Text, Html, C };

/// Everything the command line asked for. Parameters are kept as changes
/// so that they apply, in order, over whatever the run starts from (the
/// defaults, the user's settings, a parameter file).
struct CountOptions {
  std::optional<std::string> inputFile;  ///< absent or "-": standard input; the first FILE
  /// Every FILE given; more than one (or --recursive) makes a corpus.
  std::vector<std::string> inputFiles;
  bool recursive = false;     ///< -r: a folder stands for every regular file below it
  bool keepGoing = false;     ///< --keep-going: skip a corpus file that cannot be read
  bool range = false;         ///< --range: count the files each word is found in
  std::int64_t minRange = 0;  ///< --min-range N: leave out words found in fewer files
  std::optional<ExportFormat> exportFormat;  ///< --export
  std::optional<std::string> outputFile;     ///< -o FILE
  std::optional<std::string> paramsFile;     ///< --params FILE
  std::optional<std::string> saveParamsFile;
  bool useSettings = false;  ///< --settings
  bool totals = false;       ///< --totals
  bool excluded = false;     ///< --excluded: the left-out words and why, instead of the list
  std::vector<std::string> explain;  ///< --explain WORD: what became of each word (UTF-8)
  bool spellings = false;            ///< --spellings: the spellings counted under each entry
  bool help = false;
  bool version = false;
  std::vector<ParamChange> changes;
  /// --comment-markers was given: its markers replace both pairs, so a
  /// marker the run cannot use is a usage error (CommentMarkerOptionError).
  bool markersGiven = false;
  /// The comment markers the input is read with: a file's own extension
  /// chooses by default, and standard input is read as text.
  InputType type = InputType::ByExtension;

  // Parsed and kept for the run; the count does not act on them yet.
  Encoding encoding = Encoding::Auto;  ///< --encoding; Auto: tell from the bytes
  unsigned jobs = 0;                   ///< --jobs: counting threads; 0: one per core
  bool codepointOrder = false;        ///< --order codepoint: alphabetical by code point (--unicode)
  bool unicode = false;               ///< --unicode: the Unicode text model, not Windows-1252
  std::optional<std::string> locale;  ///< --locale NAME: the locale words are folded and sorted by
  PartialOptions partial;             ///< --partial, --merge, --map, --reduce: counts that merge
};

/// The outcome of parsing: the options, or the message of the first
/// problem (usage errors exit with status 2).
struct ParsedCountOptions {
  CountOptions options;
  std::string error;  ///< empty when the command line is usable
};

/// Parses the arguments after the program name. Never throws but for
/// std::bad_alloc.
[[nodiscard]] ParsedCountOptions ParseCountOptions(const std::vector<std::string>& args);

/// The text of --help.
[[nodiscard]] std::string CountUsage();

/// Every option name zet-count knows ("-o", "--output", ...).
[[nodiscard]] std::vector<std::string> CountOptionNames();

/// The extension whose comment markers --type asks for ("txt", "html",
/// "c"); empty for ByExtension.
[[nodiscard]] std::string_view ExtensionForType(InputType type) noexcept;

/// When --comment-markers gave markers that `params` (the parameters the
/// run resolved, whose word characters decide) cannot use, the usage error
/// that says so; empty otherwise.
[[nodiscard]] std::string CommentMarkerOptionError(const CountOptions& options,
                                                   const ParameterSet& params);

}  // namespace zet
