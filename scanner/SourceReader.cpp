#include "scanner/SourceReader.h"

#include <span>
#include <string_view>

#include "scanner/TextCodec.h"

namespace zet {

ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, const LineProgress& progress,
                      std::size_t capacity) {
  LineReader reader(source, capacity);
  std::span<char> line;
  bool first = true;
  while (reader.NextWritable(line)) {
    if (first) {
      line = line.subspan(Utf8BomLength(std::string_view(line.data(), line.size())));
      first = false;
    }
    // Decoded and prepared where it was read: a line never takes more bytes
    // as Windows-1252 than it came in, and ASCII is already Windows-1252.
    if (!IsAscii(std::string_view(line.data(), line.size())))
      line = line.first(DecodeToCp1252InPlace(line.data(), line.size()));
    scanner.ScanSourceLineInPlace(line);
    if (progress) progress(reader.BytesConsumed());
    if (scanner.StopRequested()) break;
  }
  return {reader.Failed(), reader.Failed() ? reader.ErrorNumber() : 0, reader.BytesConsumed()};
}

}  // namespace zet
