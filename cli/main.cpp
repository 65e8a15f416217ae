// zet-count: the command-line word frequency counter.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CountCommand.h"
#include "params/AtomicFile.h"

int main(int argc, char** argv) {
  // A reader that goes away (`zet-count ... | head`) turns into a failed
  // write, which ends the run quietly, instead of killing the program.
  std::signal(SIGPIPE, SIG_IGN);
  // Ctrl-C during a write leaves no temporary file behind.
  zet::InstallTemporaryFileCleanup();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  zet::CountEnvironment env;
  env.stdinIsTerminal = ::isatty(STDIN_FILENO) != 0;
  env.stderrIsTerminal = ::isatty(STDERR_FILENO) != 0;
  env.stdinFd = STDIN_FILENO;
  return zet::RunCountCommand(args, std::cin, std::cout, std::cerr, env);
}
