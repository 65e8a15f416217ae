#pragma once
// Runs zet-count in-process for the command-line tests.

#include <sstream>
#include <string>
#include <vector>

#include "cli/CountCommand.h"

namespace zet::test {

/// What a run of zet-count gave.
struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

/// Runs zet-count with `args`, `input` as its standard input.
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCountCommand(args, in, out, err, CountEnvironment{});
  return {status, out.str(), err.str()};
}

}  // namespace zet::test
