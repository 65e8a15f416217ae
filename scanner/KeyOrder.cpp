#include "scanner/KeyOrder.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zet {
namespace {

constexpr std::size_t kSmall = 48;  // below this a comparison sort is faster

unsigned Digit(const PrefixIndex& item, unsigned shift) {
  return static_cast<unsigned>((item.prefix >> shift) & 0xFF);
}

void SortRange(PrefixIndex* a, std::size_t n, unsigned shift) {
  if (n < kSmall) {
    std::sort(a, a + n,
              [](const PrefixIndex& x, const PrefixIndex& y) { return x.prefix < y.prefix; });
    return;
  }
  std::array<std::size_t, 256> counts{};
  for (std::size_t i = 0; i < n; ++i) ++counts[Digit(a[i], shift)];
  if (std::find(counts.begin(), counts.end(), n) != counts.end()) {
    if (shift > 0) SortRange(a, n, shift - 8);  // all share this byte
    return;
  }
  std::array<std::size_t, 256> next{};
  std::array<std::size_t, 256> end{};
  std::size_t sum = 0;
  for (unsigned b = 0; b < 256; ++b) {
    next[b] = sum;
    sum += counts[b];
    end[b] = sum;
  }
  // Put every item into its bucket by following cycles of swaps.
  for (unsigned b = 0; b < 256; ++b) {
    while (next[b] < end[b]) {
      PrefixIndex v = a[next[b]];
      unsigned d = Digit(v, shift);
      while (d != b) {
        std::swap(v, a[next[d]++]);
        d = Digit(v, shift);
      }
      a[next[b]++] = v;
    }
  }
  if (shift == 0) return;
  std::size_t start = 0;
  for (unsigned b = 0; b < 256; ++b) {
    if (counts[b] > 1) SortRange(a + start, counts[b], shift - 8);
    start += counts[b];
  }
}

}  // namespace

std::uint64_t KeyPrefix(std::string_view key) noexcept {
  std::uint64_t v = 0;
  const std::size_t n = std::min<std::size_t>(key.size(), 8);
  for (std::size_t i = 0; i < 8; ++i)
    v = (v << 8) | (i < n ? static_cast<unsigned char>(key[i]) : 0u);
  return v;
}

void SortByPrefix(PrefixIndex* items, std::size_t count) noexcept { SortRange(items, count, 56); }

}  // namespace zet
