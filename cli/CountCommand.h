#pragma once
// zet-count as a function, so that it can be run and tested in process.

#include <iosfwd>
#include <string>
#include <vector>

namespace zet {

/// What zet-count learns of its surroundings from the process.
struct CountEnvironment {
  bool stdinIsTerminal = false;   ///< no FILE then means nothing to read
  bool stderrIsTerminal = false;  ///< a progress bar may be drawn there
  /// The user settings file for --settings; empty: the usual place.
  std::string settingsFile;
};

/// Runs zet-count with `args` (the arguments after the program name).
/// The listing and --totals go to `out`, messages to `err`. Returns the
/// exit status: 0 for a complete listing (or nothing to list), 1 when the
/// input, the output, a parameter or common-words file could not be used,
/// 2 for a usage error.
int RunCountCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, const CountEnvironment& env = {});

}  // namespace zet
