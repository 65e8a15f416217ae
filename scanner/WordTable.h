#pragma once
// The word table: one entry per different word, with its count.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/HugeBuffer.h"
#include "scanner/KeyHash.h"

namespace zet {

// The layout of a word's record while it is counted (see WordTable).
namespace word_record {
inline constexpr std::size_t kHeader = 10;         // count and the two length bytes
inline constexpr std::size_t kMaxKeyLength = 255;  // one length byte
}  // namespace word_record

/// One different word, as the table shows it once it is read. The texts live
/// in the table's own storage (see WordTable for how long).
class WordEntry {
 private:
  friend class WordTable;
  // The key's address in the low 48 bits (all a process's addresses fit),
  // then the key's length, the word's length and, in the top bit, whether
  // the word follows the key (it differs). Reading the texts so needs no
  // memory but the entry's own.
  std::uint64_t text_ = 0;
  static constexpr std::uint64_t kAddressMask = (std::uint64_t{1} << 48) - 1;
  [[nodiscard]] const char* key() const noexcept {
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(text_ & kAddressMask));
  }
  [[nodiscard]] std::size_t keyLength() const noexcept { return (text_ >> 48) & 0xFF; }

 public:
  /// The word as it was first found (after normalisation).
  [[nodiscard]] std::string_view strWord() const noexcept {
    return {(text_ >> 63) != 0 ? key() + keyLength() : key(), (text_ >> 56) & 0x7F};
  }
  /// The comparison key: the lower-cased, accent-folded word. Unique.
  [[nodiscard]] std::string_view strKey() const noexcept { return {key(), keyLength()}; }

  std::int64_t lngCount = 1;  ///< occurrences, at least 1
  // The rank and the flag share eight bytes: at 24 bytes an entry, a table
  // of four million words and its keys stay under 60 bytes a word.
  std::int64_t lngRank : 63 = 0;  ///< position in frequency order (results)
  bool blnIncluded : 1 = true;    ///< survives the exclusion filters (results)
};

/// The table of different words. A word is found by hash on its key, so a
/// repeated word costs one lookup and a new word amortised constant time.
/// Readers see the entries in strictly ascending key order (byte order, a
/// proper prefix first); that order is produced once, when the table is
/// first read after words were added.
///
/// What stays valid for how long:
///   - the texts of an entry (strWord, strKey views) until Clear or the
///     table's destruction: they are never moved;
///   - a WordEntry reference or pointer (operator[], FindKey) only until the
///     next Add, AddWithKey, AddHashed, MergeFrom or Clear. While words are
///     counted there are no entries at all (counts live beside the keys);
///     the first read after adding builds them anew in key order, and an add
///     after a read writes their counts back and drops them.
/// Changes made through an entry (lngCount, lngRank, blnIncluded) last as
/// long as the entry; only lngCount survives a later add.
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
  /// Clear for a small table about to count again (a corpus's table of one
  /// file): its first block and its index stay, emptied. Giving them back
  /// and mapping them anew cost more than the words of a file of a few KB.
  void ClearToReuse();

  enum class AddResult : std::uint8_t { Counted, New, TooLong };

  /// Counts one occurrence of `word` (Windows-1252, non-empty). A word of
  /// more than kMaxWordLength characters is dropped (TooLong). The first
  /// spelling found of a key is the one kept.
  AddResult Add(std::string_view word);

  /// Add for a caller that already knows the word's key (MakeWordKey).
  AddResult AddWithKey(std::string_view word, std::string_view key);

  /// The hash AddHashed expects for a key. Keyed with a secret drawn once
  /// per process: no order the table shows depends on it.
  [[nodiscard, gnu::always_inline]] std::uint32_t KeyHash(std::string_view key) const noexcept {
    return HashWordKey(key, secret_);
  }
  /// Hints that a key of this hash will be added soon, so that the memory
  /// it needs is on its way while other work is done. A huge table is far
  /// bigger than the caches: this hides most of each new word's miss.
  void Prefetch(std::uint32_t hash) const noexcept;
  /// Hints that the key of this hash, whose slot was prefetched a while
  /// ago, will be compared soon: asks for the record its home slot names.
  void PrefetchRecord(std::uint32_t hash) const noexcept {
    if (slotCount_ == 0) return;
    const std::uint64_t s =
        static_cast<const std::uint64_t*>(slots_.data())[hash >> (32 - slotBits_)];
    if ((s >> 32) == hash) __builtin_prefetch(Record(static_cast<std::uint32_t>(s)));
  }
  /// True while the index is small enough to stay in the caches, so that
  /// prefetching for a batch of words would gain nothing.
  [[nodiscard]] bool FitsInCache() const noexcept { return slotCount_ <= kCacheSlots; }

  /// AddWithKey with the key's hash already computed (KeyHash; checked in
  /// builds with assertions).
  [[gnu::always_inline]] AddResult AddHashed(std::string_view word, std::string_view key,
                                             std::uint32_t hash) {
    assert(hash == KeyHash(key) && "the hash was made for another key or table");
    if (word.size() > kMaxWordLength) return AddResult::TooLong;
    // Inline, because nearly every word of a text is one already counted:
    // a call with its checks cost more than the probe (12% of the
    // instructions of a scan of kjvbible x10). Growing, a table being read
    // and over-long keys take the full path.
    if (count_ >= growAt_ || key.size() > word_record::kMaxKeyLength)
      return Count(word, key, hash, 1);
    return Probe(word, key, hash, 1);
  }

  /// Adds every word of `later` with its count, as if the text it counted
  /// came after this table's: counts of a key add up, and a key both tables
  /// hold keeps this table's spelling. `later` is not changed (a table still
  /// counting is not put in key order either); it must not be this table.
  void MergeFrom(const WordTable& later);

  /// Makes an empty table of a corpus keep, beside each key, how many of
  /// the corpus's files hold it and which file held it first. Its words
  /// then come only through MergeFileFrom.
  void TrackFiles();
  [[nodiscard]] bool TracksFiles() const noexcept { return tagUnits_ != 0; }
  /// MergeFrom for `file`, the table of one file of the corpus, whose
  /// ordinal is `ordinal` (files merged in ascending ordinals): each of its
  /// keys counts this file once more, and a key new here remembers it. The
  /// file's table is not put in key order, so it costs no more than its keys.
  void MergeFileFrom(const WordTable& file, std::uint64_t ordinal);
  /// For a table that tracks files: the number of files that hold the
  /// entry at position `i`, and the ordinal of the first.
  [[nodiscard]] std::int64_t FilesOf(std::size_t i) const;
  [[nodiscard]] std::uint64_t FirstFileOf(std::size_t i) const;

  /// Number of different words (entries).
  [[nodiscard]] std::size_t size() const noexcept { return count_; }
  [[nodiscard]] bool empty() const noexcept { return count_ == 0; }

  /// The entry at position `i` (0-based) of ascending key order. Inline:
  /// the results stages read every entry several times, and a call each
  /// cost 4% of listing four million different words.
  [[nodiscard]] WordEntry& operator[](std::size_t i) {
    SortIfNeeded();
    assert(i < count_);
    return Entries()[i];
  }
  [[nodiscard]] const WordEntry& operator[](std::size_t i) const {
    SortIfNeeded();
    assert(i < count_);
    return Entries()[i];
  }

  /// The entry with this key, or nullptr. A read: it puts the table in key
  /// order and then searches it by halves.
  [[nodiscard]] const WordEntry* FindKey(std::string_view key) const;

  /// Sum of all counts.
  [[nodiscard]] std::int64_t TotalOccurrences() const noexcept { return total_; }

 private:
  // Each different word is a record in the arena while words are counted:
  // its count (8 bytes), the two length bytes a WordEntry reads, the key and,
  // when it differs, the word; records are 8-byte aligned and a slot of the
  // index names one by its position in 8-byte units. A repeated word so
  // costs the slot and one record, usually one cache line each.
  static constexpr unsigned kBlockUnitBits = 18;  // 2 MiB blocks of 8-byte units
  static constexpr std::size_t kBlockUnits = std::size_t{1} << kBlockUnitBits;
  static constexpr std::size_t kCacheSlots = std::size_t{1} << 16;  // 512 KiB of slots

  [[nodiscard]] char* Record(std::uint32_t unit) const noexcept {
    return blocks_[unit >> kBlockUnitBits].chars() + (std::size_t{unit} & (kBlockUnits - 1)) * 8;
  }
  std::uint32_t StoreRecord(std::string_view key, std::string_view word, std::int64_t count);
  [[nodiscard]] char* FindRecord(std::string_view key, std::uint32_t hash) const noexcept;
  [[nodiscard]] const char* RecordAt(std::size_t i) const;
  AddResult Count(std::string_view word, std::string_view key, std::uint32_t hash,
                  std::int64_t count);
  // Counts `count` more of the key, or stores it in the empty slot its probe
  // ends at; the index must be built and have room. The slot's hash is
  // compared first; a record is read only when the 32 bits agree, which for
  // a word already counted is nearly always the one record that holds it.
  [[gnu::always_inline]] AddResult Probe(std::string_view word, std::string_view key,
                                         std::uint32_t hash, std::int64_t count) {
    assert(entries_.data() == nullptr && count_ < growAt_ && "the index is built and has room");
    auto* slotArray = static_cast<std::uint64_t*>(slots_.data());
    const std::size_t mask = slotCount_ - 1;
    for (std::size_t pos = hash >> (32 - slotBits_);; pos = (pos + 1) & mask) {
      const std::uint64_t s = slotArray[pos];
      if (s == 0) return Insert(pos, word, key, hash, count);
      if ((s >> 32) != hash) continue;
      char* record = Record(static_cast<std::uint32_t>(s));
      const std::string_view stored(record + word_record::kHeader,
                                    static_cast<unsigned char>(record[8]));
      if (!SameWordKey(stored, key)) continue;
      std::int64_t n;
      std::memcpy(&n, record, 8);
      n += count;
      std::memcpy(record, &n, 8);
      total_ += count;
      return AddResult::Counted;
    }
  }
  // Stores a new key in the empty slot `pos` its probe ended at. Out of
  // line, so that the probe stays small enough to inline.
  [[gnu::noinline]] AddResult Insert(std::size_t pos, std::string_view word, std::string_view key,
                                     std::uint32_t hash, std::int64_t count);
  template <typename Visit>
  void ForEachRecord(Visit visit) const;
  void Grow() const;
  void SortIfNeeded() const {
    if (!sorted_) Sort();
  }
  [[gnu::noinline]] void Sort() const;
  void Unsort();
  WordEntry* Entries() const noexcept { return static_cast<WordEntry*>(entries_.data()); }

  HashKey secret_;
  std::size_t count_ = 0;
  std::int64_t total_ = 0;

  // Open-addressing index while counting: each slot holds the key's 32-bit
  // hash above the record's unit, or 0. A slot's home position is the top
  // bits of that hash, so growing never needs to look at the keys again.
  // Released when key order is built.
  mutable HugeBuffer slots_;
  mutable std::size_t slotCount_ = 0;
  mutable unsigned slotBits_ = 0;
  mutable std::size_t growAt_ = 0;  // records at which the index grows

  // The records, in blocks taken whole from the system, and the units used
  // in each; unit 0 is never a record, so a slot of 0 is empty.
  std::vector<HugeBuffer> blocks_;
  std::vector<std::size_t> blockUsed_;

  // The entries in key order, built on the first read after words were
  // added; empty while counting.
  mutable HugeBuffer entries_;
  mutable bool sorted_ = true;

  std::string keyBuffer_;

  // A table that tracks files puts before each record a tag of two units:
  // the number of files holding the key, then the ordinal of the first.
  std::size_t tagUnits_ = 0;
  std::uint64_t file_ = 0;  // the file being merged
};

}  // namespace zet
