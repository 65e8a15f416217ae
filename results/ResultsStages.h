#pragma once
// The results stages that follow a count: filters, totals and ranks.

#include <cstdint>
#include <span>

#include "results/FilterSettings.h"
#include "results/ListTotals.h"
#include "results/Ranking.h"
#include "scanner/WordTable.h"

namespace zet {

/// What the results stages leave for the listings. Valid for the table
/// they ran on until its entries change; re-listing in another order or
/// format reuses it unchanged.
struct ListResults {
  ListTotals totals;
  FrequencyOrder byFrequency;  ///< listed entries, rank 1 first
};

/// Runs ApplyExclusionFilters, ComputeListTotals and AssignRanks on `table`
/// in that order: sets blnIncluded and lngRank of every entry and returns
/// the totals and the frequency order. An empty table gives zero totals and
/// an empty order.
[[nodiscard]] ListResults RunResultsStages(WordTable& table, const FilterSettings& settings);

/// RunResultsStages for a corpus whose `ranges` (files each entry was found
/// in, by key-order index; as many as the table has entries) are known:
/// after the filters of `settings`, entries found in fewer than `minRange`
/// files are left out too, before the totals and ranks.
[[nodiscard]] ListResults RunResultsStages(WordTable& table, const FilterSettings& settings,
                                           std::span<const std::int64_t> ranges,
                                           std::int64_t minRange);

}  // namespace zet
