#pragma once
// Feeds the lines of a byte stream to a scanner.

#include <cstdint>
#include <functional>
#include <optional>

#include "scanner/Encoding.h"
#include "scanner/LineReader.h"
#include "scanner/Scanner.h"

namespace zet {

/// How reading a source ended.
struct ReadOutcome {
  bool failed = false;                 ///< the source reported a read error
  int errorNumber = 0;                 ///< its system error number
  std::uint64_t bytesRead = 0;         ///< bytes of the source, byte-order mark included
  Encoding encoding = Encoding::Utf8;  ///< the encoding the source was read in
  /// In a source read as UTF-8, the offset of the first byte that was not
  /// valid UTF-8 (taken as its Windows-1252 character): a stream decided on
  /// its start may turn out otherwise later on.
  std::optional<std::uint64_t> firstInvalidUtf8;
};

/// Called after each line with the bytes of the source consumed so far.
using LineProgress = std::function<void(std::uint64_t bytesRead)>;

/// Reads `source` line by line (CR LF, CR or LF) in `encoding` and hands
/// each line, as counted (Windows-1252) text, to `scanner.ScanSourceLine`:
/// - Utf8: decoded; a byte-order mark at the start is skipped; a byte that
///   is not valid UTF-8 is taken as Windows-1252 and the first one reported.
/// - Windows1252: bytes taken as they are, one character each.
/// - Utf16LE, Utf16BE: converted (the byte-order mark dropped; an unpaired
///   surrogate becomes the placeholder).
/// - Auto: decided on the source's first MiB (see SourceHead).
/// Stops after the line in which the scanner was asked to stop. The words
/// found before a read error stay counted. `capacity` is the line reader's
/// read size; results never depend on it.
ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, Encoding encoding,
                      const LineProgress& progress = {},
                      std::size_t capacity = LineReader::kDefaultCapacity);

/// ScanLines as UTF-8 (stray bytes taken as Windows-1252 each), for callers
/// that have not decided the source's encoding.
ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, const LineProgress& progress = {},
                      std::size_t capacity = LineReader::kDefaultCapacity);

/// ScanLines for the part of a UTF-8 or Windows-1252 source that begins
/// `offset` bytes into it, at a line start: no byte-order mark is looked
/// for unless `offset` is 0, and firstInvalidUtf8 counts from the source's
/// start. Progress reports the bytes of this part.
ReadOutcome ScanLinesFrom(ByteSource& source, std::uint64_t offset, Scanner& scanner,
                          Encoding encoding, const LineProgress& progress = {});

}  // namespace zet
