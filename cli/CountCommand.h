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
  /// When not negative, standard input is read from this descriptor instead
  /// of the stream handed to RunCountCommand, so that a read error (a
  /// closed descriptor) is told apart from the end of the input.
  int stdinFd = -1;
};

/// Runs zet-count with `args` (the arguments after the program name).
/// The listing and --totals go to `out`, messages to `err`. Returns the
/// exit status: 0 for a complete listing (or nothing to list), 1 when the
/// input, the output, a parameter or common-words file could not be used,
/// 2 for a usage error. A listing that `out` refuses is a failure (1): it
/// is reported on `err`, except a broken pipe (the reader stopped reading
/// on purpose, as `head` does), which ends the run quietly.
int RunCountCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, const CountEnvironment& env = {});

}  // namespace zet
