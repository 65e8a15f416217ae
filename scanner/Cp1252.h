#pragma once
// The Windows-1252 character model of counted text.
//
// Counted text is held one byte per character in Windows-1252, so that the
// character classes, the folding tables and the key order are exact and a
// line can be scanned without decoding. These tables answer the questions
// the scanner asks of a byte; they are constexpr so that lookups compile to
// a single load.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zet::cp1252 {

/// The character that stands for anything Windows-1252 cannot represent
/// (and for its five undefined codes). It is never a word character and is
/// written back out as U+FFFD.
inline constexpr unsigned char kPlaceholder = 0x81;

/// The Unicode code point of a Windows-1252 byte; U+FFFD for the undefined
/// codes 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
char32_t ToUnicode(unsigned char c) noexcept;

/// The Windows-1252 byte of a code point, or kPlaceholder when the code page
/// has no such character (C1 controls included).
unsigned char FromUnicode(char32_t cp) noexcept;

namespace detail {
constexpr std::array<unsigned char, 256> MakeLowerTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c)
    t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 32);
  t[0x8A] = 0x9A;  // S caron
  t[0x8C] = 0x9C;  // OE ligature
  t[0x8E] = 0x9E;  // Z caron
  t[0x9F] = 0xFF;  // Y diaeresis
  return t;
}
constexpr std::array<unsigned char, 256> MakeUpperTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c)
    t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
  for (int c = 0xE0; c <= 0xFE; ++c)
    if (c != 0xF7) t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
  t[0x9A] = 0x8A;
  t[0x9C] = 0x8C;
  t[0x9E] = 0x8E;
  t[0xFF] = 0x9F;
  return t;
}
constexpr std::array<bool, 256> MakeLetterTable() {
  std::array<bool, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = 0xC0; c <= 0xFF; ++c)
    if (c != 0xD7 && c != 0xF7) t[static_cast<std::size_t>(c)] = true;
  return t;
}
}  // namespace detail

inline constexpr std::array<unsigned char, 256> kLower = detail::MakeLowerTable();
inline constexpr std::array<unsigned char, 256> kUpper = detail::MakeUpperTable();
/// Letters: a-z, A-Z and the codes 192-255 except 215 (multiply) and 247
/// (divide). Codes 128-191 are never letters, even where they look like one.
inline constexpr std::array<bool, 256> kIsLetter = detail::MakeLetterTable();

inline unsigned char ToLower(char c) noexcept { return kLower[static_cast<unsigned char>(c)]; }
inline unsigned char ToUpper(char c) noexcept { return kUpper[static_cast<unsigned char>(c)]; }
inline bool IsLetter(char c) noexcept { return kIsLetter[static_cast<unsigned char>(c)]; }

/// Lower-cases Windows-1252 text in place.
void LowerInPlace(std::string& text) noexcept;
/// The lower-case form of Windows-1252 text.
std::string Lower(std::string_view text);
/// The upper-case form of Windows-1252 text.
std::string Upper(std::string_view text);

}  // namespace zet::cp1252
