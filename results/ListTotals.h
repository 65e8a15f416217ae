#pragma once
// The totals of a list: what the counters show and the columns are sized by.

#include <cstdint>

#include "scanner/WordTable.h"

namespace zet {

/// Totals over the word table after the exclusion filters. Always
/// lngNumListed + lngNumExcluded == the table size.
struct ListTotals {
  std::int64_t lngNumListed = 0;          ///< entries with blnIncluded
  std::int64_t lngNumExcluded = 0;        ///< entries without it
  std::int64_t lngListedOccurrences = 0;  ///< sum of the listed entries' counts
  std::int64_t lngTotalOccurrences = 0;   ///< sum of every entry's count
  std::int64_t lngMaxCount = 0;           ///< highest listed count; 0 when none
  std::int64_t intLongestWord = 0;        ///< longest listed word in characters; 0 when none

  friend bool operator==(const ListTotals&, const ListTotals&) = default;
};

/// The totals of `table` as its blnIncluded flags stand. An empty table
/// gives all zeros. Sums are 64-bit: a table cannot hold enough
/// occurrences to overflow them.
[[nodiscard]] ListTotals ComputeListTotals(const WordTable& table);

}  // namespace zet
