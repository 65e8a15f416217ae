#include "results/Ranking.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "results/TablePrefetch.h"

namespace zet {
namespace {

// The listed entries in key order, each with its count clamped to `cap`:
// the bucket of a counting sort. Clears every entry's rank on the way.
struct ListedEntries {
  std::vector<std::uint32_t> index;   // key-order table index
  std::vector<std::uint32_t> bucket;  // min(count, cap)
};

ListedEntries CollectListed(WordTable& table, std::uint32_t cap) {
  ListedEntries listed;
  for (std::size_t i = 0; i < table.size(); ++i) {
    PrefetchAhead(table, i, table.size(), KeyOrder, PrefetchWord::No);
    WordEntry& entry = table[i];
    entry.lngRank = 0;
    if (!entry.blnIncluded) continue;
    listed.index.push_back(static_cast<std::uint32_t>(i));
    const std::int64_t bucket = std::clamp<std::int64_t>(entry.lngCount, 0, cap);
    listed.bucket.push_back(static_cast<std::uint32_t>(bucket));
  }
  return listed;
}

// Positions in `listed` sorted stably by descending count. A counting sort
// on the buckets does nearly all of it; counts of at least `cap` share the
// top bucket, which a stable comparison sort then orders by their counts.
// So the work stays linear however high the counts are: at most
// total / cap entries can reach the top bucket.
std::vector<std::uint32_t> SortByDescendingCount(const WordTable& table,
                                                 const ListedEntries& listed, std::uint32_t cap) {
  std::vector<std::uint32_t> start(std::size_t{cap} + 2, 0);
  for (const std::uint32_t b : listed.bucket) ++start[b];
  std::uint32_t position = 0;  // buckets from the highest down
  for (std::size_t b = start.size(); b-- > 0;) {
    const std::uint32_t size = start[b];
    start[b] = position;
    position += size;
  }
  std::vector<std::uint32_t> byRank(listed.index.size());
  for (std::uint32_t j = 0; j < byRank.size(); ++j) byRank[start[listed.bucket[j]]++] = j;
  const auto topEnd = byRank.begin() + static_cast<std::ptrdiff_t>(start[cap]);
  std::stable_sort(byRank.begin(), topEnd, [&](std::uint32_t a, std::uint32_t b) {
    return table[listed.index[a]].lngCount > table[listed.index[b]].lngCount;
  });
  return byRank;
}

}  // namespace

FrequencyOrder AssignRanks(WordTable& table) {
  assert(table.size() < std::numeric_limits<std::uint32_t>::max());
  const auto cap = static_cast<std::uint32_t>(table.size());
  ListedEntries listed = CollectListed(table, cap);
  FrequencyOrder order = SortByDescendingCount(table, listed, cap);
  // Ranks are written in key order, which visits the table more cheaply
  // than rank order does; the bucket array is reused for them.
  std::vector<std::uint32_t>& rankOf = listed.bucket;
  for (std::uint32_t r = 0; r < order.size(); ++r) rankOf[order[r]] = r + 1;
  const auto n = listed.index.size();
  for (std::size_t j = 0; j < n; ++j) {
    PrefetchAhead(table, j, n, [&](std::size_t k) { return listed.index[k]; }, PrefetchWord::No);
    table[listed.index[j]].lngRank = rankOf[j];
  }
  for (std::uint32_t& position : order) position = listed.index[position];
  return order;
}

std::size_t PacingStep(std::size_t lngNumWords) noexcept {
  std::size_t step = lngNumWords / 10;
  const std::size_t rest = lngNumWords % 10;
  if (rest > 5 || (rest == 5 && step % 2 == 1)) ++step;
  return std::max<std::size_t>(step, 10);
}

}  // namespace zet
