#pragma once
// Runs zet-count in process for the command-line tests.

#include <sstream>
#include <string>
#include <vector>

#include "cli/CountCommand.h"

namespace zet::test {

/// The exit status and what was written to standard output and error.
struct Outcome {
  int status;
  std::string out;
  std::string err;
};

/// RunCountCommand over `args` with `input` as standard input.
inline Outcome Count(const std::vector<std::string>& args, const std::string& input = "",
                     const CountEnvironment& env = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCountCommand(args, in, out, err, env);
  return {status, out.str(), err.str()};
}

}  // namespace zet::test
