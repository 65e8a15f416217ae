#pragma once
// The exclusion parameters of one run of the results stages.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "results/WordChecks.h"

namespace zet {

/// Which words the exclusion filters leave out. The defaults are those of a
/// fresh parameter set with no words to ignore and no common words. Taken
/// once per run, so every entry is tested against the same values.
struct FilterSettings {
  /// Leave out words with fewer than lngThresholdFrequency occurrences.
  bool blnIgnoreInfrequentWords = false;
  std::int64_t lngThresholdFrequency = 2;
  /// Leave out words with fewer than intShortWordSize characters.
  bool blnIgnoreShortWords = false;
  std::size_t intShortWordSize = 3;
  /// Words with more than this many characters are always left out.
  std::size_t intLongWordSize = 50;
  /// Lower-case words to ignore; a word is left out when its lower-case
  /// form is one of them.
  WordSet wordsToIgnore;
  /// Lower-case common words, or null when common words are not ignored.
  /// Shared, not copied: the list belongs to whoever loaded it.
  std::shared_ptr<const WordSet> commonWords;
  bool blnIgnoreRepetitions = true;
  bool blnIgnoreRomNum40 = true;
  bool blnIgnoreNoVowelOrY = true;
};

/// The words of a words-to-ignore list, lower-cased (Windows-1252 tables).
/// Accepts the stored form (words each followed by a comma; "," is the
/// empty list) as well as the text typed into the box: spaces and commas
/// separate words, and every other character belongs to a word, so "x;y"
/// is one word. Only whole words are kept: "bathe" never matches "the".
[[nodiscard]] WordSet MakeWordsToIgnoreSet(std::string_view strWordsToIgnore);

}  // namespace zet
