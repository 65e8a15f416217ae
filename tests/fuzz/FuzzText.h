#pragma once
// Byte-level helpers of the fuzz targets: a reference line splitter, a
// UTF-8 validator and a UTF-16 encoder, each written independently of the
// code they check.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scanner/LineReader.h"

namespace zet::fuzz {

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
    if (b < 0x80)
      len = 1;
    else if (b >= 0xC2 && b <= 0xDF)
      len = cont(i + 1, 0x80, 0xBF) ? 2 : 0;
    else if (b == 0xE0)
      len = cont(i + 1, 0xA0, 0xBF) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
    else if (b == 0xED)
      len = cont(i + 1, 0x80, 0x9F) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
    else if (b >= 0xE1 && b <= 0xEF)
      len = cont(i + 1, 0x80, 0xBF) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
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

/// Valid UTF-8 as UTF-16 with its byte-order mark.
inline std::string ReferenceUtf16(std::string_view utf8, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  const auto unit = [&](std::uint32_t u) {
    const char hi = static_cast<char>(u >> 8);
    const char lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  };
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint32_t cp = p[i];
    std::size_t len = 1;
    if (cp >= 0xF0) {
      cp &= 0x07;
      len = 4;
    } else if (cp >= 0xE0) {
      cp &= 0x0F;
      len = 3;
    } else if (cp >= 0xC0) {
      cp &= 0x1F;
      len = 2;
    }
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (p[i + k] & 0x3Fu);
    i += len;
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace zet::fuzz
