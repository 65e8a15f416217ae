#pragma once
// Feeds the lines of a byte stream to a scanner.

#include <cstdint>
#include <functional>

#include "scanner/LineReader.h"
#include "scanner/Scanner.h"

namespace zet {

/// How reading a source ended.
struct ReadOutcome {
  bool failed = false;   ///< the source reported a read error
  int errorNumber = 0;   ///< its system error number
  std::uint64_t bytesRead = 0;
};

/// Called after each line with the bytes consumed so far.
using LineProgress = std::function<void(std::uint64_t bytesRead)>;

/// Reads `source` line by line (CR LF, CR or LF), skips a UTF-8 byte-order
/// mark at its start, decodes each line to Windows-1252 and hands it to
/// `scanner.ScanSourceLine`. Stops after the line in which the scanner was
/// asked to stop. The words found before a read error stay counted.
/// `capacity` is the line reader's read size; results never depend on it.
ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, const LineProgress& progress = {},
                      std::size_t capacity = LineReader::kDefaultCapacity);

}  // namespace zet
