#include "scanner/SourceReader.h"

#include <string>

#include "scanner/TextCodec.h"

namespace zet {

ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, const LineProgress& progress,
                      std::size_t capacity) {
  LineReader reader(source, capacity);
  std::string decoded;
  std::string_view line;
  bool first = true;
  while (reader.Next(line)) {
    if (first) {
      line.remove_prefix(Utf8BomLength(line));
      first = false;
    }
    if (IsAscii(line)) {
      scanner.ScanSourceLine(line);  // ASCII is already Windows-1252
    } else {
      DecodeToCp1252(line, decoded);
      scanner.ScanSourceLine(decoded);
    }
    if (progress) progress(reader.BytesConsumed());
    if (scanner.StopRequested()) break;
  }
  return {reader.Failed(), reader.Failed() ? reader.ErrorNumber() : 0, reader.BytesConsumed()};
}

}  // namespace zet
