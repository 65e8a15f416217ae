#pragma once
// The exclusion filters: which entries of the word table are listed.

#include <cstdint>
#include <string>
#include <string_view>

#include "results/FilterSettings.h"
#include "scanner/WordTable.h"

namespace zet {

/// The test that leaves a word out, in the order the tests are tried, or
/// None when the word is listed.
enum class Exclusion : std::uint8_t {
  None,
  Infrequent,
  Short,
  Long,
  WordsToIgnore,
  CommonWord,
  Repetition,
  RomanNumeral,
  NoVowel,
  /// Found in fewer files than a corpus count asks for (--min-range); only
  /// the ledger names it, since the range is known beside the table, and it
  /// is tried after every test above.
  FewFiles,
};

/// The first test of `settings` that leaves out `word` (Windows-1252)
/// counted `count` times, or Exclusion::None. Lengths are in characters.
/// `lowerBuffer` is scratch space for the word's lower-case form, reused
/// across calls so that testing a table allocates nothing per word.
[[nodiscard]] Exclusion FindExclusion(std::string_view word, std::int64_t count,
                                      const FilterSettings& settings, std::string& lowerBuffer);

/// Sets blnIncluded of every entry of `table`: false when any test of
/// `settings` leaves it out, true otherwise. Entries keep their place and
/// count. Linear in the table size; the word lists are hash sets.
void ApplyExclusionFilters(WordTable& table, const FilterSettings& settings);

}  // namespace zet
