#pragma once
// The file pass of the Unicode model.

#include <cstddef>

#include "scanner/LineReader.h"
#include "scanner/SourceReader.h"
#include "unicode/UnicodeScanner.h"

namespace zet {

/// Reads `source` (UTF-8) line by line (CR LF, CR or LF), skips a
/// byte-order mark at its start and scans each line with
/// UnicodeScanner::ScanSourceLineInPlace into `table`, under the source's
/// `settings`. Ill-formed bytes separate words, as U+FFFD would. Stops
/// after the line in which `observer` asked to stop; the words found before
/// a read error stay counted. Results never depend on `capacity`.
ReadOutcome CountUnicode(ByteSource& source, const ScanSettings& settings, UnicodeTable& table,
                         ScanObserver& observer, const LineProgress& progress = {},
                         std::size_t capacity = LineReader::kDefaultCapacity);

}  // namespace zet
