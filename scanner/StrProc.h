#pragma once
// String procedures the scanner shares with its callers. All work on
// Windows-1252 text; positions are 0-based.

#include <cstdint>
#include <string>
#include <string_view>

namespace zet {

/// Replaces every tab, line feed, carriage return and no-break space
/// (code 160) by one space. The length never changes.
void NormalizeWhitespace(std::string& text) noexcept;

/// Replaces every "--" by one space, left to right without overlap ("---"
/// becomes a space and a hyphen). Returns true when anything was replaced.
bool ReplaceDoubleHyphens(std::string& text);

/// ReplaceDoubleHyphens over `size` characters at `text`; returns the new
/// length.
std::size_t ReplaceDoubleHyphens(char* text, std::size_t size) noexcept;

/// While `text` ends with `suffix` (non-empty), removes it.
void TrimTrailing(std::string& text, std::string_view suffix);

/// `text` without leading and trailing spaces (the space character only).
[[nodiscard]] std::string_view TrimSpaces(std::string_view text) noexcept;

/// True when the lower-cased word followed by one space occurs anywhere in
/// the list of negative-contraction stems ("aren couldn didn doesn hadn hasn
/// isn shouldn wasn weren wouldn "), so a trailing part of a stem counts too.
[[nodiscard]] bool IsContractionStem(std::string_view word);

/// True when the first character of `text` is a lower-case vowel (a, e, i,
/// o, u or one of their accented forms, ae ligature included; not "y").
[[nodiscard]] bool StartsWithVowel(std::string_view text) noexcept;

/// The decimal digits of `number` grouped by `separator` every three digits
/// ("12,345"), whatever the locale.
[[nodiscard]] std::string GroupDigits(std::int64_t number, char separator = ',');

}  // namespace zet
