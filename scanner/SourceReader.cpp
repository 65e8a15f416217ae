#include "scanner/SourceReader.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "scanner/TextCodec.h"
#include "scanner/Utf16Source.h"

namespace zet {
namespace {

// The UTF-16 bytes behind `consumed` bytes of converted UTF-8, of which
// `line` is all but the (ASCII) terminator: two bytes a character, four for
// a character beyond U+FFFF (the only ones with a four-byte UTF-8 form).
std::uint64_t Utf16BytesOf(std::uint64_t consumed, std::string_view line, bool ascii) {
  std::uint64_t characters = consumed;
  if (!ascii)
    for (char ch : line) {
      const auto c = static_cast<unsigned char>(ch);
      if ((c & 0xC0u) == 0x80u)
        --characters;
      else if (c >= 0xF0)
        ++characters;
    }
  return 2 * characters;
}

// Reads lines already in UTF-8 or Windows-1252; `utf16` is the converter
// they come from when the source is UTF-16, so that progress and the bytes
// read count the source's own bytes.
ReadOutcome ReadLines(ByteSource& source, Scanner& scanner, Encoding encoding,
                      const Utf16ToUtf8Source* utf16, const LineProgress& progress,
                      std::size_t capacity, std::uint64_t offset = 0) {
  LineReader reader(source, capacity);
  ReadOutcome outcome;
  outcome.encoding = encoding;
  std::span<char> line;
  std::uint64_t lineStart = 0;
  std::uint64_t sourceBytes = 0;  // what a UTF-16 source held of the lines read
  // Only the source's own start can hold a byte-order mark.
  bool first = offset == 0;
  // Without comment markers a line's end only separates words: lines are
  // taken as many as the reader holds, for a quarter less time on a text of
  // short lines. A UTF-16 source keeps the line by line count of its bytes.
  const bool manyLines = utf16 == nullptr && scanner.ScansManyLines();
  while (manyLines ? reader.NextLinesWritable(line) : reader.NextWritable(line)) {
    std::size_t skip = 0;
    if (first) {
      // Also when told the source is Windows-1252: a mark is never letters.
      if (utf16 == nullptr) skip = Utf8BomLength(std::string_view(line.data(), line.size()));
      if (utf16 != nullptr) sourceBytes = utf16->MarkLength();
      first = false;
    }
    line = line.subspan(skip);
    const bool ascii = IsAscii(std::string_view(line.data(), line.size()));
    if (utf16 != nullptr)
      sourceBytes += Utf16BytesOf(reader.BytesConsumed() - lineStart - skip,
                                  std::string_view(line.data(), line.size()), ascii);
    // Decoded and prepared where it was read: a line never takes more bytes
    // as Windows-1252 than it came in, and ASCII is already Windows-1252.
    if (!ascii) {
      if (encoding == Encoding::Windows1252) {
        TakeAsCp1252InPlace(line.data(), line.size());
      } else {
        std::size_t invalid = kNoInvalidByte;
        line = line.first(DecodeToCp1252InPlace(line.data(), line.size(), invalid));
        if (invalid != kNoInvalidByte && !outcome.firstInvalidUtf8)
          outcome.firstInvalidUtf8 = offset + lineStart + skip + invalid;
      }
    }
    if (manyLines)
      scanner.ScanSourceLinesInPlace(line);
    else
      scanner.ScanSourceLineInPlace(line);
    lineStart = reader.BytesConsumed();
    // The last character of a UTF-16 source may be an odd byte read as a
    // whole replacement character.
    if (progress) progress(utf16 != nullptr ? std::min(sourceBytes, utf16->BytesIn()) : lineStart);
    if (scanner.StopRequested()) break;
  }
  outcome.failed = reader.Failed();
  outcome.errorNumber = reader.Failed() ? reader.ErrorNumber() : 0;
  outcome.bytesRead = reader.BytesConsumed();
  if (utf16 != nullptr) {
    const bool whole = !reader.Failed() && !scanner.StopRequested();
    outcome.bytesRead = whole ? utf16->BytesIn() : std::min(sourceBytes, utf16->BytesIn());
    // A source of nothing but its mark has no line to report it with.
    if (whole && progress && outcome.bytesRead > std::min(sourceBytes, utf16->BytesIn()))
      progress(outcome.bytesRead);
  }
  return outcome;
}

}  // namespace

ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, Encoding encoding,
                      const LineProgress& progress, std::size_t capacity) {
  switch (encoding) {
    case Encoding::Auto: {
      SourceHead head(source);
      return ScanLines(head, scanner, head.Decide(), progress, capacity);
    }
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
      Utf16ToUtf8Source utf8(source, encoding == Encoding::Utf16BE);
      return ReadLines(utf8, scanner, encoding, &utf8, progress, capacity);
    }
    case Encoding::Utf8:
    case Encoding::Windows1252:
      break;
  }
  return ReadLines(source, scanner, encoding, nullptr, progress, capacity);
}

ReadOutcome ScanLinesFrom(ByteSource& source, std::uint64_t offset, Scanner& scanner,
                          Encoding encoding, const LineProgress& progress) {
  return ReadLines(source, scanner, encoding, nullptr, progress, LineReader::kDefaultCapacity,
                   offset);
}

ReadOutcome ScanLines(ByteSource& source, Scanner& scanner, const LineProgress& progress,
                      std::size_t capacity) {
  return ScanLines(source, scanner, Encoding::Utf8, progress, capacity);
}

}  // namespace zet
