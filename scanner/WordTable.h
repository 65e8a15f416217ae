#pragma once
// The word table: one entry per different word, with its count.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/HugeBuffer.h"
#include "scanner/KeyHash.h"

namespace zet {

/// One different word. The texts live in the table's own storage and stay
/// valid until the table is cleared or destroyed.
class WordEntry {
 private:
  friend class WordTable;
  const char* key_ = nullptr;  // the key, followed by the word when they differ

 public:
  /// The word as it was first found (after normalisation).
  [[nodiscard]] std::string_view strWord() const noexcept { return {key_ + wordOffset_, wordLen_}; }
  /// The comparison key: the lower-cased, accent-folded word. Unique.
  [[nodiscard]] std::string_view strKey() const noexcept { return {key_, keyLen_}; }

  std::int64_t lngCount = 1;  ///< occurrences, at least 1
  std::int64_t lngRank = 0;   ///< position in frequency order (results)
  bool blnIncluded = true;    ///< survives the exclusion filters (results)

 private:
  std::uint8_t keyLen_ = 0;
  std::uint8_t wordLen_ = 0;
  std::uint8_t wordOffset_ = 0;  // 0 when the word is its own key
};

/// The table of different words. A word is found by hash on its key, so a
/// repeated word costs one lookup and a new word amortised constant time.
/// Readers see the entries in strictly ascending key order (byte order, a
/// proper prefix first); that order is produced once, when the table is
/// first read after words were added.
class WordTable {
 public:
  /// Words longer than this many characters are not counted at all.
  static constexpr std::size_t kMaxWordLength = 80;

  WordTable();
  ~WordTable();
  WordTable(const WordTable&) = delete;
  WordTable& operator=(const WordTable&) = delete;

  /// Empties the table, as each pass does before it scans.
  void Clear();

  enum class AddResult : std::uint8_t { Counted, New, TooLong };

  /// Counts one occurrence of `word` (Windows-1252, non-empty). A word of
  /// more than kMaxWordLength characters is dropped (TooLong). The first
  /// spelling found of a key is the one kept.
  AddResult Add(std::string_view word);

  /// Add for a caller that already knows the word's key (MakeWordKey).
  AddResult AddWithKey(std::string_view word, std::string_view key);

  /// The hash AddHashed expects for a key.
  [[nodiscard]] static std::uint32_t KeyHash(std::string_view key) noexcept {
    return HashWordKey(key);
  }
  /// Hints that a key of this hash will be added soon, so that the memory
  /// it needs is on its way while other work is done. A huge table is far
  /// bigger than the caches: this hides most of each new word's miss.
  void Prefetch(std::uint32_t hash) const noexcept;
  /// True while the index is small enough to stay in the caches, so that
  /// prefetching for a batch of words would gain nothing.
  [[nodiscard]] bool FitsInCache() const noexcept { return slotCount_ <= kCacheSlots; }

  /// AddWithKey with the key's hash already computed (KeyHash).
  AddResult AddHashed(std::string_view word, std::string_view key, std::uint32_t hash);

  /// Number of different words (entries).
  [[nodiscard]] std::size_t size() const noexcept { return count_; }
  [[nodiscard]] bool empty() const noexcept { return count_ == 0; }

  /// The entry at position `i` (0-based) of ascending key order.
  [[nodiscard]] WordEntry& operator[](std::size_t i);
  [[nodiscard]] const WordEntry& operator[](std::size_t i) const;

  /// The entry with this key, or nullptr.
  [[nodiscard]] const WordEntry* FindKey(std::string_view key) const;

  /// Sum of all counts.
  [[nodiscard]] std::int64_t TotalOccurrences() const noexcept { return total_; }

 private:
  // 32-byte entries in chunks of 2 MiB, so growing never copies them.
  static constexpr unsigned kChunkBits = 16;
  static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkBits;
  static constexpr std::size_t kCacheSlots = std::size_t{1} << 16;  // 512 KiB of slots

  WordEntry& Slot(std::size_t insertion) const {
    return static_cast<WordEntry*>(chunks_[insertion >> kChunkBits].data())[insertion & (kChunkSize - 1)];
  }
  const char* Store(std::string_view key, std::string_view word);
  void Grow() const;
  void SortIfNeeded() const;
  std::size_t Probe(std::string_view key, std::uint32_t hash) const;

  mutable std::vector<HugeBuffer> chunks_;  // the entries
  std::size_t count_ = 0;
  std::int64_t total_ = 0;

  // Open-addressing index: each slot holds the entry's insertion index + 1
  // in its low 32 bits and the key's 32-bit hash above, or 0. A slot's
  // home position is the top bits of that hash, so growing never needs to
  // look at the keys again. Released while key order is built (the memory
  // peak of a huge table) and rebuilt if words are added afterwards.
  mutable HugeBuffer slots_;
  mutable std::size_t slotCount_ = 0;
  mutable unsigned slotBits_ = 0;
  mutable std::size_t growAt_ = 0;  // entries at which the index grows

  // Text storage for keys and words, in blocks taken whole from the system.
  std::vector<HugeBuffer> arena_;
  std::size_t arenaUsed_ = 0;

  // Entries are in key order (they are moved there when the table is first
  // read after words were added; the index is rebuilt if more come).
  mutable bool sorted_ = true;

  std::string keyBuffer_;
};

}  // namespace zet
