#pragma once
// The command line of zet-count, parsed but not yet applied.

#include <optional>
#include <string>
#include <vector>

#include "params/ParameterSet.h"

namespace zet {

/// One parameter set on the command line, in the order given.
struct ParamChange {
  ParamId id;
  int value = 0;              ///< check box or list index
  std::optional<std::string> text;  ///< set for text parameters
};

/// Everything the command line asked for. Parameters are kept as changes
/// so that they apply, in order, over whatever the run starts from (the
/// defaults, the user's settings, a parameter file).
struct CountOptions {
  std::optional<std::string> inputFile;   ///< absent or "-": standard input
  std::optional<std::string> outputFile;  ///< -o FILE
  std::optional<std::string> paramsFile;  ///< --params FILE
  std::optional<std::string> saveParamsFile;
  bool useSettings = false;  ///< --settings
  bool totals = false;       ///< --totals
  bool help = false;
  bool version = false;
  std::vector<ParamChange> changes;
};

/// The outcome of parsing: the options, or the message of the first
/// problem (usage errors exit with status 2).
struct ParsedCountOptions {
  CountOptions options;
  std::string error;  ///< empty when the command line is usable
};

/// Parses the arguments after the program name.
[[nodiscard]] ParsedCountOptions ParseCountOptions(const std::vector<std::string>& args);

/// The text of --help.
[[nodiscard]] std::string CountUsage();

}  // namespace zet
