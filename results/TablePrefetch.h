#pragma once
// Fetching word-table entries ahead of a pass over them.
//
// A pass over the table, in key order or in frequency order, finds each
// entry and its word at scattered addresses, so it is bound by memory
// latency. Asking for the entry a few steps ahead, and for its word once
// the entry has had time to arrive, overlaps those misses: a listing of a
// million words took half the time.

#include <cstddef>

#include "scanner/WordTable.h"

namespace zet {

enum class PrefetchWord : bool { No, Yes };

/// Before step `k` of `n` of a pass whose step j visits entry indexOf(j):
/// fetches the entry 16 steps ahead and, with PrefetchWord::Yes, the word
/// of the entry 8 steps ahead. Only a hint; it changes no result.
template <typename IndexOf>
inline void PrefetchAhead(const WordTable& table, std::size_t k, std::size_t n, IndexOf indexOf,
                          PrefetchWord word) {
  constexpr std::size_t kEntryAhead = 16;
  constexpr std::size_t kWordAhead = 8;
  if (k + kEntryAhead < n) __builtin_prefetch(&table[indexOf(k + kEntryAhead)]);
  if (word == PrefetchWord::Yes && k + kWordAhead < n)
    __builtin_prefetch(table[indexOf(k + kWordAhead)].strWord().data());
}

/// The index of step j of a pass in key order.
inline std::size_t KeyOrder(std::size_t j) noexcept { return j; }

}  // namespace zet
