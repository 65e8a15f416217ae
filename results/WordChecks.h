#pragma once
// Tests of a single word that the exclusion filters apply.
//
// Words are Windows-1252 text, one byte per character, and every test
// compares bytes exactly unless it says otherwise.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace zet {

/// Hash of text that lets a WordSet be searched with a std::string_view.
struct WordHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    return std::hash<std::string_view>{}(text);
  }
};

/// A set of Windows-1252 words, compared exactly, byte for byte. Searching
/// it with a std::string_view copies nothing.
using WordSet = std::unordered_set<std::string, WordHash, std::equal_to<>>;

/// True when no character of `word` is a vowel. The vowels are A E I O U,
/// their lower-case forms and the accented forms with grave, acute,
/// circumflex, tilde or diaeresis, ring, slash and the AE ligature (60
/// characters); with `withY` also "Y" and "y". Y-acute, y-diaeresis and the
/// OE ligature are not vowels here. An empty word has no vowel.
[[nodiscard]] bool HasNoVowel(std::string_view word, bool withY) noexcept;

/// True when `word` is one character repeated, compared exactly ("Aa" is
/// not a repetition). A single character counts as a repetition; the
/// filter asks only about words of two or more. False for an empty word.
[[nodiscard]] bool IsRepeatedLetter(std::string_view word) noexcept;

/// True when `word` consists only of the letters I, V and X in either case.
/// Roman syntax is not checked: "IIII", "VV" and "XXXX" all count. An empty
/// word counts too (nothing is left once the letters are removed).
[[nodiscard]] bool IsRomanNumeralBelow40(std::string_view word) noexcept;

/// True when `word` equals one of the words of `list` exactly. False for an
/// empty word or an empty list.
[[nodiscard]] bool IsInWordList(std::string_view word, const WordSet& list);

}  // namespace zet
