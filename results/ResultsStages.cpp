#include "results/ResultsStages.h"

#include "results/ExclusionFilters.h"

namespace zet {

ListResults RunResultsStages(WordTable& table, const FilterSettings& settings) {
  ApplyExclusionFilters(table, settings);
  ListResults results;
  results.totals = ComputeListTotals(table);
  results.byFrequency = AssignRanks(table);
  return results;
}

}  // namespace zet
