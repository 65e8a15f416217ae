#pragma once
// Checking and counting zet-count's input.

#include <iosfwd>
#include <string>

#include "params/ParameterSet.h"
#include "scanner/Encoding.h"
#include "scanner/ScanObserver.h"
#include "scanner/WordTable.h"

namespace zet {

/// What to count and under which parameters.
struct CountInputRequest {
  const ParameterSet& params;
  std::string inputFile;   ///< empty: the stream handed to CountInput
  std::string outputFile;  ///< may be empty; must not name the input file
  bool showProgress = false;  ///< draw a progress bar on the error stream
  int stdinFd = -1;  ///< not negative: standard input is this descriptor, not the stream
  /// The extension whose comment markers the input is read with; empty: a
  /// file's own, and those of a text file for standard input.
  std::string typeExtension;
  /// How the input's bytes are read; Auto: decided on the input.
  Encoding encoding = Encoding::Auto;
  /// Told of each word when it asks (ScanObserver::WantsEachWord); null:
  /// nobody is.
  ScanObserver* observer = nullptr;
};

/// Checks the input as the desktop program's file pass does (it exists, it
/// is text, it is not the output file, its comment markers can be used),
/// then counts its words into `table`. The extension (a file's own, or
/// `typeExtension`) chooses HTML or C comment markers; standard input,
/// pipes and other files use the user's markers while they are allowed. Refusals and read errors are written to
/// `err`; the result is true only when the whole input was counted.
[[nodiscard]] bool CountInput(const CountInputRequest& request, std::istream& in, WordTable& table,
                              std::ostream& err);

}  // namespace zet
