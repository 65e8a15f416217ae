#pragma once
// The results stages of the Unicode model: word lists, filters, totals,
// ranks and the listing order.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "results/ExclusionFilters.h"
#include "results/FilterSettings.h"
#include "results/ResultsStages.h"
#include "scanner/LineReader.h"
#include "scanner/ScanObserver.h"
#include "unicode/UnicodeTable.h"
#include "unicode/UnicodeWordChecks.h"

namespace zet {

/// The exclusion parameters of a Unicode list. The thresholds and check
/// boxes of `limits` keep their meaning, lengths counted in grapheme
/// clusters; its two word sets (Windows-1252 words) are not used: the
/// Unicode lists hold collation keys of the counting table's locale.
struct UnicodeFilterSettings {
  FilterSettings limits;
  WordSet wordsToIgnore;
  std::shared_ptr<const WordSet> commonWords;  ///< null when not ignored
};

/// The collation keys of the words of `text` (UTF-8), cut and folded by
/// the rules of `settings` as a count would cut them: typed words to ignore
/// ("Łódź, są" or one a line) and the words of a common-words text. Only
/// spaces and commas separated typed words in the default model; here
/// anything that is not part of a word does.
[[nodiscard]] WordSet MakeUnicodeWordKeys(std::string_view text, const UnicodeSettings& settings);

/// The keys of a common-words file (UTF-8) read from `source`, cut by the
/// rules of `settings` with "/*" ... "*/" and "//" comments skipped, as the
/// default model reads such a file. Empty on a read error.
[[nodiscard]] std::optional<WordSet> ReadUnicodeCommonWords(ByteSource& source,
                                                            const UnicodeSettings& settings,
                                                            ScanObserver& observer);

/// The first test of `settings` that leaves out `word` (UTF-8) counted
/// `count` times with key `key` and `length` grapheme clusters, or
/// Exclusion::None. The final-s rule, Roman numerals and "no vowel or y"
/// concern Latin words only; a repeated grapheme cluster any script.
/// `graphemes` is the caller's, reused across words.
[[nodiscard]] Exclusion FindUnicodeExclusion(std::string_view word, std::string_view key,
                                             std::int64_t count, std::size_t length,
                                             const UnicodeFilterSettings& settings,
                                             GraphemeCounter& graphemes);

/// What the listings of a Unicode table need beyond ListResults.
struct UnicodeListResults {
  /// Totals (intLongestWord in grapheme clusters) and the frequency order.
  ListResults list;
  /// Grapheme clusters of each entry's word, by key-order index.
  std::vector<std::uint8_t> lengths;
  /// Key-order indexes in the alphabetical order of the listing: the
  /// table's own order (empty) for UnicodeOrder::Collation, the words' code
  /// points for UnicodeOrder::CodePoint.
  std::vector<std::uint32_t> alphabetical;
};

/// The results stages on a Unicode table: sets blnIncluded and lngRank of
/// every entry (ranks as AssignRanks gives them: equal counts in the
/// locale's order) and returns what the listings need.
[[nodiscard]] UnicodeListResults RunUnicodeResultsStages(UnicodeTable& table,
                                                         const UnicodeFilterSettings& settings);

}  // namespace zet
