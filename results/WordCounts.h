#pragma once
// The four counters shown under the output textbox after a count.

#include <cstdint>
#include <string>
#include <string_view>

#include "results/ListTotals.h"

namespace zet {

inline constexpr std::string_view kNumberOfWordsCaption = "Number of words in this list:";
inline constexpr std::string_view kNumWordsExcludedCaption = "Number of words excluded:";
inline constexpr std::string_view kNumOccurrencesCaption =
    "No. of occurrences in file of words in this list:";
inline constexpr std::string_view kTotalNumOccurrencesCaption = "Total number of words in file:";

/// The captions of the four counter labels. An empty caption leaves its
/// label blank (but shown).
struct WordCountCaptions {
  std::string lblNumberOfWords;
  std::string lblNumWordsExcluded;
  std::string lblNumOccurrences;
  std::string lblTotalNumOccurrences;

  friend bool operator==(const WordCountCaptions&, const WordCountCaptions&) = default;
};

/// The captions for `totals`: each prefix followed by its grouped value,
/// right-aligned in one more character than the grouped total has. A
/// stopped count (`blnCountIncomplete`) leaves both occurrence captions
/// empty; no listed occurrences leave lblNumOccurrences empty.
[[nodiscard]] WordCountCaptions ShowWordCounts(const ListTotals& totals, bool blnCountIncomplete);

}  // namespace zet
