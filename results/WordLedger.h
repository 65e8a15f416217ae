#pragma once
// Why a word is or is not in the list: the left-out entries with their
// reasons, and the answer for one word typed by the user.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/ExclusionFilters.h"
#include "results/FilterSettings.h"
#include "results/Ranking.h"
#include "results/SpellingLedger.h"
#include "scanner/ScanSettings.h"
#include "scanner/WordTable.h"

namespace zet {

/// A corpus count's files per entry and the fewest a listed word must be
/// found in, as the results stages applied them.
struct RangeLimit {
  std::span<const std::int64_t> ranges;  ///< by key-order index; empty: not counted
  std::int64_t minRange = 0;             ///< 0 or 1: no word is left out for its range
};

/// The reason a user reads for an exclusion, with the limit that applied:
/// "common word", "shorter than 3", "fewer occurrences than 2", "fewer
/// files than 2" ... Empty for Exclusion::None.
[[nodiscard]] std::string ExclusionReason(Exclusion exclusion, const FilterSettings& settings,
                                          const RangeLimit& limit = {});

/// FindExclusion for a word found in `range` files, with the range test of
/// `limit` after all the others (the order the results stages apply them).
[[nodiscard]] Exclusion FindCorpusExclusion(std::string_view word, std::int64_t count,
                                            std::int64_t range, const FilterSettings& settings,
                                            const RangeLimit& limit, std::string& lowerBuffer);

/// One entry the filters left out and the first test that did.
struct LeftOutEntry {
  std::uint32_t entry = 0;  ///< key-order index in the table
  Exclusion exclusion = Exclusion::None;
};

/// The entries of `table` that the last results stages left out
/// (blnIncluded false), in the order a list of `order` would show them:
/// descending count with equal counts in key order, or key order. Each with
/// the first of the tests of `settings` and `limit` (those the stages ran
/// with) that leaves it out.
[[nodiscard]] std::vector<LeftOutEntry> ListLeftOut(const WordTable& table,
                                                    const FilterSettings& settings, WordOrder order,
                                                    const RangeLimit& limit = {});

/// What became of a word the user typed.
struct WordExplanation {
  enum class Kind : std::uint8_t {
    NotAWord,      ///< the rules find no word in it
    SeveralWords,  ///< the rules find more than one word in it
    NotFound,      ///< a word, never counted
    Listed,        ///< counted and listed
    LeftOut,       ///< counted and left out by `exclusion`
  };
  Kind kind = Kind::NotAWord;
  std::string word;  ///< the word as the rules cut it (Windows-1252); empty for NotAWord
  const WordEntry* entry = nullptr;  ///< the entry it was counted under (Listed, LeftOut)
  Exclusion exclusion = Exclusion::None;
};

/// Cuts `typed` (Windows-1252) into words by the same rules the count used
/// (`scan`: case, final "s", word characters, entities) and looks the one
/// word it holds up by key in `table`, whose results stages ran with
/// `filters` and `limit`. The entry of the answer belongs to `table`; it
/// stays valid as long as the table is not changed.
[[nodiscard]] WordExplanation ExplainWord(std::string_view typed, const ScanSettings& scan,
                                          const WordTable& table, const FilterSettings& filters,
                                          const RangeLimit& limit = {});

/// The answer for one word `typed` (UTF-8, as the user gave it), one line
/// of UTF-8: "\"typed\": " then not a word, more than one word, not found
/// (and what it was looked up as), or the count and entry it was found
/// under, its spellings when `spellings` is not null, and its rank or the
/// reason it was left out. Cut and looked up as ExplainWord does.
[[nodiscard]] std::string ExplanationText(std::string_view typed, const ScanSettings& scan,
                                          const WordTable& table, const FilterSettings& filters,
                                          const SpellingLedger* spellings,
                                          const RangeLimit& limit = {});

}  // namespace zet
