#include "results/ListTotals.h"

#include <algorithm>

#include "results/TablePrefetch.h"

namespace zet {

ListTotals ComputeListTotals(const WordTable& table) {
  ListTotals t;
  for (std::size_t i = 0; i < table.size(); ++i) {
    PrefetchAhead(table, i, table.size(), KeyOrder, PrefetchWord::No);
    const WordEntry& entry = table[i];
    t.lngTotalOccurrences += entry.lngCount;
    if (!entry.blnIncluded) {
      ++t.lngNumExcluded;
      continue;
    }
    ++t.lngNumListed;
    t.lngListedOccurrences += entry.lngCount;
    t.lngMaxCount = std::max(t.lngMaxCount, entry.lngCount);
    const auto length = static_cast<std::int64_t>(entry.strWord().size());
    t.intLongestWord = std::max(t.intLongestWord, length);
  }
  return t;
}

}  // namespace zet
