#include "results/Ranking.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "results/TablePrefetch.h"

namespace zet {
namespace {

// Counts from this up share the top bucket of the counting sort: the
// buckets stay small (256 KiB), and a comparison sort orders the top bucket,
// which at most total / kTopBucket entries can reach.
constexpr std::uint32_t kTopBucket = 65535;

}  // namespace

FrequencyOrder AssignRanks(WordTable& table) {
  assert(table.size() < std::numeric_limits<std::uint32_t>::max());
  const std::size_t n = table.size();
  const auto cap = static_cast<std::uint32_t>(std::min<std::size_t>(n, kTopBucket));
  auto bucketOf = [cap](const WordEntry& e) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(e.lngCount, 0, cap));
  };
  // A counting sort by descending count, stable, so equal counts stay in
  // key order; it reads the table twice in order and needs no more memory
  // than the order it returns (an earlier version held three more arrays
  // of the table's size, the peak of a huge table's results).
  std::vector<std::uint32_t> start(std::size_t{cap} + 2, 0);
  std::size_t listed = 0;
  for (std::size_t i = 0; i < n; ++i) {
    PrefetchAhead(table, i, n, KeyOrder, PrefetchWord::No);
    WordEntry& entry = table[i];
    entry.lngRank = 0;
    if (!entry.blnIncluded) continue;
    ++start[bucketOf(entry)];
    ++listed;
  }
  std::uint32_t position = 0;  // buckets from the highest down
  for (std::size_t b = start.size(); b-- > 0;) {
    const std::uint32_t size = start[b];
    start[b] = position;
    position += size;
  }
  FrequencyOrder order(listed);
  for (std::size_t i = 0; i < n; ++i) {
    PrefetchAhead(table, i, n, KeyOrder, PrefetchWord::No);
    const WordEntry& entry = table[i];
    if (entry.blnIncluded) order[start[bucketOf(entry)]++] = static_cast<std::uint32_t>(i);
  }
  const auto topEnd = order.begin() + static_cast<std::ptrdiff_t>(start[cap]);
  std::stable_sort(order.begin(), topEnd, [&](std::uint32_t a, std::uint32_t b) {
    return table[a].lngCount > table[b].lngCount;
  });
  // In rank order: equal counts are runs of ascending key order, so this
  // mostly walks the table forwards.
  for (std::size_t r = 0; r < order.size(); ++r) {
    PrefetchAhead(
        table, r, order.size(), [&](std::size_t k) { return order[k]; }, PrefetchWord::No);
    table[order[r]].lngRank = static_cast<std::int64_t>(r + 1);
  }
  return order;
}

std::size_t PacingStep(std::size_t lngNumWords) noexcept {
  std::size_t step = lngNumWords / 10;
  const std::size_t rest = lngNumWords % 10;
  if (rest > 5 || (rest == 5 && step % 2 == 1)) ++step;
  return std::max<std::size_t>(step, 10);
}

}  // namespace zet
