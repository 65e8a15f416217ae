#pragma once
// What the fuzz targets share: a failed property aborts with a message (so
// the fuzzer keeps the input), and an independent statement of what a
// counted word may look like.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scanner/ScanSettings.h"

namespace zet::fuzz {

/// Prints `what` and aborts; libFuzzer then saves the input as a crash.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "\nPROPERTY FAILED: %s\n", what.c_str());
  std::abort();
}

/// Fails with `what` unless `condition` holds.
inline void Require(bool condition, const char* what) {
  if (!condition) Fail(what);
}

/// The bytes of `text` as escaped ASCII, for messages.
inline std::string Printable(std::string_view text) {
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += ch;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

/// A letter of counted text: a-z, A-Z and the codes 192-255 but the
/// multiplication and division signs. Written out here rather than taken
/// from the scanner, so the check does not share the code it checks.
inline bool IsLetterByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

/// An upper-case letter of counted text.
inline bool IsUpperByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

/// Whether `c` may stand inside a word under `allow`.
inline bool AllowedInWord(unsigned char c, const AllowFlags& allow) {
  if (IsLetterByte(c)) return true;
  switch (c) {
    case '-':
      return allow.blnAllowHyphens;
    case '\'':
      return allow.blnAllowApostrophes;
    case '_':
      return allow.blnAllowUnderscores;
    case ':':
      return allow.blnAllowColons;
    case '\\':
      return allow.blnAllowBackslashes;
    case '/':
      return allow.blnAllowForwardslashes;
    case '.':
      return allow.blnAllowPeriods;
    case '@':
      return allow.blnAllowAtSigns;
    default:
      return c >= '0' && c <= '9' && allow.blnAllowNumerals;
  }
}

/// Fails unless `word` is a word that may be counted under `allow`:
/// 1 to 80 characters, word characters only, starting with a letter (or
/// with "_" while underscores are allowed); with `lowerCase`, no
/// upper-case letter either.
inline void RequireWord(std::string_view word, const AllowFlags& allow, bool lowerCase,
                        const char* where) {
  const std::string shown = std::string(where) + ": \"" + Printable(word) + "\"";
  if (word.empty()) Fail(shown + " is empty");
  if (word.size() > 80) Fail(shown + " is longer than 80 characters");
  const auto first = static_cast<unsigned char>(word.front());
  if (!IsLetterByte(first) && !(first == '_' && allow.blnAllowUnderscores))
    Fail(shown + " does not start with a letter");
  for (char ch : word) {
    const auto c = static_cast<unsigned char>(ch);
    if (!AllowedInWord(c, allow)) Fail(shown + " holds a character words may not hold");
    if (lowerCase && IsUpperByte(c)) Fail(shown + " holds an upper-case letter");
  }
}

/// Whether `a` comes strictly before `b` in byte order (unsigned bytes, a
/// proper prefix first).
inline bool KeyLess(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

/// Reads the fuzz input front to back: settings bytes first, the rest is
/// the text. Past the end every byte reads as 0.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  /// A length byte (masked by `mask`) and that many bytes.
  std::string Text(std::uint8_t mask) {
    std::size_t n = Byte() & mask;
    if (n > size_ - pos_) n = size_ - pos_;
    std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return out;
  }

  /// Everything not read yet.
  std::string_view Rest() const {
    return {reinterpret_cast<const char*>(data_ + pos_), size_ - pos_};
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

/// The nine allow-flags from the low nine bits of `bits`.
inline AllowFlags AllowFromBits(unsigned bits) {
  AllowFlags a;
  a.blnAllowHyphens = (bits & 1u) != 0;
  a.blnAllowApostrophes = (bits & 2u) != 0;
  a.blnAllowUnderscores = (bits & 4u) != 0;
  a.blnAllowColons = (bits & 8u) != 0;
  a.blnAllowBackslashes = (bits & 16u) != 0;
  a.blnAllowForwardslashes = (bits & 32u) != 0;
  a.blnAllowPeriods = (bits & 64u) != 0;
  a.blnAllowAtSigns = (bits & 128u) != 0;
  a.blnAllowNumerals = (bits & 256u) != 0;
  return a;
}

}  // namespace zet::fuzz
