#include "results/ResultsStages.h"

#include "results/ExclusionFilters.h"

namespace zet {

ListResults RunResultsStages(WordTable& table, const FilterSettings& settings) {
  return RunResultsStages(table, settings, {}, 0);
}

ListResults RunResultsStages(WordTable& table, const FilterSettings& settings,
                             std::span<const std::int64_t> ranges, std::int64_t minRange) {
  ApplyExclusionFilters(table, settings);
  if (minRange > 1 && ranges.size() == table.size())
    for (std::size_t i = 0; i < table.size(); ++i)
      if (ranges[i] < minRange) table[i].blnIncluded = false;
  ListResults results;
  results.totals = ComputeListTotals(table);
  results.byFrequency = AssignRanks(table);
  return results;
}

}  // namespace zet
