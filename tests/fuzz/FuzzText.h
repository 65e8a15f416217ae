#pragma once
// Byte-level helpers of the fuzz targets: a source that hands out its
// bytes a few at a time, a reference line splitter and a UTF-8 validator,
// each written independently of the code they check.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scanner/LineReader.h"

namespace zet::fuzz {

/// Bytes in memory, at most `chunk` of them per read, so that lines and
/// CR LF pairs are split across reads.
class ChunkedSource final : public ByteSource {
 public:
  ChunkedSource(std::string_view bytes, std::size_t chunk) : bytes_(bytes), chunk_(chunk) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    std::size_t n = size < chunk_ ? size : chunk_;
    if (n > bytes_.size()) n = bytes_.size();
    if (n > 0) std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::string_view bytes_;
  std::size_t chunk_;
};

/// A line and the bytes consumed once it was read (terminator included).
using SplitLine = std::pair<std::string_view, std::uint64_t>;

/// The lines of `text`, ended by CR LF, CR or LF; a last line without a
/// terminator counts, an empty one after the last terminator does not.
inline std::vector<SplitLine> ReferenceLines(std::string_view text) {
  std::vector<SplitLine> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    const std::size_t end = i;
    i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    lines.emplace_back(text.substr(start, end - start), i);
    start = i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start), text.size());
  return lines;
}

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing above U+10FFFF).
inline bool IsValidUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  auto cont = [&](std::size_t at, unsigned char lo, unsigned char hi) {
    return at < n && p[at] >= lo && p[at] <= hi;
  };
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    std::size_t len = 0;
    if (b < 0x80) len = 1;
    else if (b >= 0xC2 && b <= 0xDF) len = cont(i + 1, 0x80, 0xBF) ? 2 : 0;
    else if (b == 0xE0) len = cont(i + 1, 0xA0, 0xBF) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
    else if (b == 0xED) len = cont(i + 1, 0x80, 0x9F) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
    else if (b >= 0xE1 && b <= 0xEF) len = cont(i + 1, 0x80, 0xBF) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
    else if (b == 0xF0)
      len = cont(i + 1, 0x90, 0xBF) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
    else if (b >= 0xF1 && b <= 0xF3)
      len = cont(i + 1, 0x80, 0xBF) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
    else if (b == 0xF4)
      len = cont(i + 1, 0x80, 0x8F) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
    if (len == 0) return false;
    i += len;
  }
  return true;
}

}  // namespace zet::fuzz
