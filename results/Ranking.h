#pragma once
// Frequency ranks and the two orders in which a list is shown.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scanner/WordTable.h"

namespace zet {

/// The word order list: by frequency (index 0) or alphabetical (index 1).
enum class WordOrder : std::uint8_t { ByFrequency, Alphabetical };

/// The listed entries in frequency order: key-order table indexes (0-based),
/// rank 1 first. The first element is the entry the frequency listing
/// starts with (lngFirstByFrequency); empty when nothing is listed.
using FrequencyOrder = std::vector<std::uint32_t>;

/// Gives the listed entries of `table` (blnIncluded) the ranks 1 to N in
/// frequency order: descending count, equal counts in key order, so ranks
/// are never shared. Entries that are not listed get rank 0, even when
/// their count is the highest. Returns the frequency order. Linear in the
/// table size apart from sorting the few entries whose count is at least
/// the smaller of N and 65,535 (at most the total of all counts divided by
/// that number).
[[nodiscard]] FrequencyOrder AssignRanks(WordTable& table);

/// How often a listing lets the window scroll to its newest line: every
/// `lngNumWords` / 10 lines (rounded to nearest, halves to even), but no
/// more often than every 10. Depends on the table size, not on how many
/// words are listed: 95 gives 10, 125 gives 12, 135 gives 14.
[[nodiscard]] std::size_t PacingStep(std::size_t lngNumWords) noexcept;

}  // namespace zet
