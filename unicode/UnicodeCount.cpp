#include "unicode/UnicodeCount.h"

#include <span>
#include <string_view>

#include "scanner/TextCodec.h"

namespace zet {

ReadOutcome CountUnicode(ByteSource& source, const ScanSettings& settings, UnicodeTable& table,
                         ScanObserver& observer, const LineProgress& progress,
                         std::size_t capacity) {
  UnicodeScanner scanner(settings, table, observer);
  LineReader reader(source, capacity);
  std::span<char> line;
  bool first = true;
  while (reader.NextWritable(line)) {
    if (first) {
      line = line.subspan(Utf8BomLength(std::string_view(line.data(), line.size())));
      first = false;
    }
    scanner.ScanSourceLineInPlace(line);
    if (progress) progress(reader.BytesConsumed());
    if (scanner.StopRequested()) break;
  }
  ReadOutcome outcome;
  outcome.failed = reader.Failed();
  outcome.errorNumber = reader.Failed() ? reader.ErrorNumber() : 0;
  outcome.bytesRead = reader.BytesConsumed();
  return outcome;
}

}  // namespace zet
