#pragma once
// Case and accent folding: the comparison key of a word.

#include <string>
#include <string_view>

namespace zet {

/// Replaces each of the ligatures and umlauts OE, AE (from A-umlaut and the
/// AE ligature), O-umlaut, U-umlaut, their lower-case forms and sharp s by
/// two letters ("Oe", "Ae", "Ae", "Oe", "Ue", "ae", "ae", "oe", "ue", "ss").
/// Windows-1252 text in and out.
[[nodiscard]] std::string ExpandLigatures(std::string_view text);

/// Replaces each accented letter of Windows-1252 by its base letter (S, Y,
/// A, C, E, I, D, N, O, U and lower-case forms). Eth, thorn and oe stay.
[[nodiscard]] std::string StripAccents(std::string_view text);

/// StripAccents of ExpandLigatures: the folding that the word key and the
/// exclusion filters share.
[[nodiscard]] std::string FoldAccents(std::string_view text);

/// The word table's key of a word: the lower-case form of FoldAccents.
/// Writes into `buffer` and returns a view of it, or returns `word` itself
/// when folding would not change it (plain lower-case ASCII), so the common
/// case costs no copy.
[[nodiscard]] std::string_view MakeWordKey(std::string_view word, std::string& buffer);

/// True when a character is its own key: no upper case, no accent, no
/// ligature. A word made only of such characters is its own key.
[[nodiscard]] bool IsKeyStable(char c) noexcept;

}  // namespace zet
