#pragma once
// Checking and counting input files, one or many as a corpus: the flow
// zet-count runs on the files it is given and the desktop on files dropped
// on its window.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/CountReport.h"
#include "params/ParameterSet.h"
#include "scanner/Encoding.h"
#include "scanner/ScanObserver.h"
#include "scanner/WordTable.h"

namespace zet {

/// What to count and under which parameters.
struct CountInputRequest {
  const ParameterSet& params;
  std::string inputFile{};   ///< empty: the stream handed to CountInput
  std::string outputFile{};  ///< may be empty; must not name the input file
  /// Progress is reported (a corpus then looks up the size of each file).
  bool reportProgress = false;
  int stdinFd = -1;  ///< not negative: standard input is this descriptor, not the stream
  /// The extension whose comment markers the input is read with; empty: a
  /// file's own, and those of a text file for standard input.
  std::string typeExtension{};
  /// How the input's bytes are read; Auto: decided on the input.
  Encoding encoding = Encoding::Auto;
  /// Threads for a regular file; 0: one per core.
  unsigned jobs = 0;
  /// Told of each word when it asks (ScanObserver::WantsEachWord), and
  /// asked whether to go on (a corpus then stops); null: nobody is.
  ScanObserver* observer = nullptr;
};

/// Checks the input as the desktop program's file pass does (it exists, it
/// is text, it is not the output file, its comment markers can be used),
/// then counts its words into `table`. The extension (a file's own, or
/// `typeExtension`) chooses HTML or C comment markers; standard input,
/// pipes and other files use the user's markers while they are allowed.
/// Refusals and read errors are said to `report`; the result is true only
/// when the whole input was counted.
[[nodiscard]] bool CountInput(const CountInputRequest& request, std::istream& in, WordTable& table,
                              CountReport& report);

/// What counting a corpus leaves besides its words.
struct CorpusCount {
  std::uint64_t filesCounted = 0;
  std::uint64_t filesSkipped = 0;  ///< files and folders that could not be read
  /// The observer asked to stop: the words of the files counted before,
  /// and of the stopped one up to where it stopped, are in the table.
  bool stopped = false;
  /// When ranges were counted, the files each entry of the table was found
  /// in, by key-order index.
  std::vector<std::int64_t> ranges;
};

/// The files of a corpus: each argument as it is, and with `recursive` a
/// folder's regular files below it, in sorted path order, but for
/// `outputFile` (which may be empty). A folder that
/// cannot be read is an error said to `report` (nothing), or with
/// `keepGoing` a warning and one more in `skipped`.
[[nodiscard]] std::optional<std::vector<std::string>> CorpusFiles(
    const std::vector<std::string>& arguments, bool recursive, bool keepGoing,
    const std::string& outputFile, std::uint64_t& skipped, CountReport& report);

/// Counts `files` into `table` (empty) as one corpus, each as CountInput
/// counts a file (its own encoding, its extension's comment markers, a
/// fresh scanner), with one progress bar over their total size. A file that
/// cannot be used stops the count (false), its messages naming it; with
/// `keepGoing` a file refused before its words were counted is skipped
/// with a warning instead. With `countRanges` each file is counted apart
/// and then merged into a table that tracks files (ordinals are positions
/// in `files`), so that `count.ranges` can be kept (and a file that fails
/// half-way can be skipped too). When the observer asks to
/// stop, the count ends there: true, with `count.stopped`.
[[nodiscard]] bool CountCorpus(const CountInputRequest& request,
                               const std::vector<std::string>& files, bool keepGoing,
                               bool countRanges, WordTable& table, CorpusCount& count,
                               CountReport& report);

}  // namespace zet
