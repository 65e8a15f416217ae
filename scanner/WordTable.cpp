#include "scanner/WordTable.h"

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <new>
#include <random>

#include "scanner/Folding.h"
#include "scanner/KeyOrder.h"

namespace zet {
namespace {

constexpr unsigned kInitialBits = 10;
constexpr std::uint64_t kUnitMask = 0xFFFFFFFFu;
// Units kept free at the end of a block, so that the first eight bytes of
// any key can be loaded at once.
constexpr std::size_t kBlockSlack = 2;
constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - 18);

std::size_t RecordUnits(std::size_t keyLen, std::size_t wordBytes) {
  return (word_record::kHeader + keyLen + wordBytes + 7) / 8;
}

std::size_t RecordUnits(const char* record) {
  const auto keyLen = static_cast<unsigned char>(record[8]);
  const auto w = static_cast<unsigned char>(record[9]);
  return RecordUnits(keyLen, (w & 0x80) != 0 ? (w & 0x7Fu) : 0);
}

std::int64_t RecordCount(const char* record) {
  std::int64_t count;
  std::memcpy(&count, record, 8);
  return count;
}

void SetRecordCount(char* record, std::int64_t count) { std::memcpy(record, &count, 8); }

std::string_view RecordKey(const char* record) {
  return {record + word_record::kHeader, static_cast<unsigned char>(record[8])};
}

// The word of a record: its key unless the word follows the key.
std::string_view RecordWord(const char* record) {
  const auto w = static_cast<unsigned char>(record[9]);
  if ((w & 0x80) == 0) return RecordKey(record);
  return {record + word_record::kHeader + static_cast<unsigned char>(record[8]), w & 0x7Fu};
}

constexpr std::size_t kFileTagUnits = 2;

// A tracking table's tag: files holding the key, then the first one's ordinal.
std::int64_t TagFiles(const char* record) {
  std::int64_t files;
  std::memcpy(&files, record - kFileTagUnits * 8, 8);
  return files;
}

// KeyPrefix of a key stored in a record: eight bytes may be read from its
// start (the block keeps slack), the bytes past the key are masked off.
std::uint64_t StoredKeyPrefix(const char* record) {
  const std::size_t n = static_cast<unsigned char>(record[8]);
  const std::uint64_t v = __builtin_bswap64(Load64(record + word_record::kHeader));
  return n >= 8 ? v : v & ~(~std::uint64_t{0} >> (8 * n));
}

HashKey DrawHashKey() noexcept {
  HashKey key;
  std::uint64_t words[3] = {};
  if (::getrandom(words, sizeof words, 0) != static_cast<ssize_t>(sizeof words)) {
    std::random_device device;  // getrandom is missing or was interrupted
    for (auto& w : words) w = (std::uint64_t{device()} << 32) ^ device();
  }
  key.k0 = words[0];
  key.k1 = words[1];
  key.k2 = words[2];
  return key;
}

}  // namespace

const HashKey& RunHashKey() noexcept {
  static const HashKey key = DrawHashKey();
  return key;
}

WordTable::WordTable() : secret_(RunHashKey()) { Clear(); }
WordTable::~WordTable() = default;

void WordTable::Clear() {
  count_ = 0;
  total_ = 0;
  slots_ = HugeBuffer();
  slotCount_ = 0;
  slotBits_ = 0;
  growAt_ = 0;
  blocks_.clear();
  blockUsed_.clear();
  entries_ = HugeBuffer();
  sorted_ = true;
  tagUnits_ = 0;
}

void WordTable::ClearToReuse() {
  if (blocks_.size() != 1 || slotCount_ == 0 || slotCount_ > kCacheSlots || TracksFiles()) {
    Clear();
    return;
  }
  std::memset(slots_.data(), 0, slotCount_ * sizeof(std::uint64_t));
  blockUsed_[0] = 1;  // unit 0 is never a record
  count_ = 0;
  total_ = 0;
  entries_ = HugeBuffer();
  sorted_ = true;
}

void WordTable::TrackFiles() {
  assert(count_ == 0);
  tagUnits_ = kFileTagUnits;
}

std::uint32_t WordTable::StoreRecord(std::string_view key, std::string_view word,
                                     std::int64_t count) {
  const std::size_t units = tagUnits_ + RecordUnits(key.size(), word.size());
  if (blocks_.empty() || kBlockUnits - kBlockSlack - blockUsed_.back() < units) {
    if (blocks_.size() == kMaxBlocks) throw std::bad_alloc();
    // Small tables stay on small pages; a big one gets huge pages.
    HugeBuffer block(kBlockUnits * 8, blocks_.size() >= 2);
    // An entry keeps 48 bits of a key's address: the system gives a process
    // no higher address unless it asks for one.
    if (((reinterpret_cast<std::uintptr_t>(block.data()) + block.size()) >> 48) != 0)
      throw std::bad_alloc();
    blocks_.push_back(std::move(block));
    blockUsed_.push_back(blocks_.size() == 1 ? 1 : 0);
  }
  const std::size_t at = blockUsed_.back() + tagUnits_;
  char* record = blocks_.back().chars() + at * 8;
  if (tagUnits_ != 0) {
    const std::int64_t tag[kFileTagUnits] = {1, static_cast<std::int64_t>(file_)};
    std::memcpy(record - sizeof tag, tag, sizeof tag);
  }
  SetRecordCount(record, count);
  record[8] = static_cast<char>(key.size());
  record[9] = static_cast<char>(word.empty() ? key.size() : word.size() | 0x80);
  std::memcpy(record + word_record::kHeader, key.data(), key.size());
  if (!word.empty())
    std::memcpy(record + word_record::kHeader + key.size(), word.data(), word.size());
  blockUsed_.back() = at + units - tagUnits_;
  return static_cast<std::uint32_t>(((blocks_.size() - 1) << kBlockUnitBits) | at);
}

template <typename Visit>
void WordTable::ForEachRecord(Visit visit) const {
  for (std::size_t b = 0; b < blocks_.size(); ++b) {
    const char* base = blocks_[b].chars();
    for (std::size_t at = (b == 0 ? 1 : 0) + tagUnits_; at < blockUsed_[b];) {
      visit(static_cast<std::uint32_t>((b << kBlockUnitBits) | at), base + at * 8);
      at += RecordUnits(base + at * 8) + tagUnits_;
    }
  }
}

void WordTable::Grow() const {
  HugeBuffer old = std::move(slots_);
  const std::size_t oldCount = slotCount_;
  // Twice the slots needed now, so that the load stays low.
  unsigned bits = kInitialBits;
  while ((std::size_t{1} << bits) < (count_ + 1) * 2) ++bits;
  slotBits_ = bits;
  slotCount_ = std::size_t{1} << bits;
  slots_ = HugeBuffer(slotCount_ * sizeof(std::uint64_t));
  growAt_ = slotCount_ * 7 / 10;  // keeps the load below 0.7
  auto* slots = static_cast<std::uint64_t*>(slots_.data());
  const std::size_t mask = slotCount_ - 1;
  auto place = [&](std::uint64_t s) {
    std::size_t pos = (s >> 32) >> (32 - slotBits_);
    while (slots[pos] != 0) pos = (pos + 1) & mask;
    slots[pos] = s;
  };
  if (old.data() == nullptr) {
    // No index yet, or it was released when key order was built.
    ForEachRecord([&](std::uint32_t unit, const char* record) {
      place((std::uint64_t{KeyHash(RecordKey(record))} << 32) | unit);
    });
    return;
  }
  // Old slots in order land in nearly ascending new positions: a sweep.
  const auto* oldSlots = static_cast<const std::uint64_t*>(old.data());
  for (std::size_t i = 0; i < oldCount; ++i)
    if (oldSlots[i] != 0) place(oldSlots[i]);
}

WordTable::AddResult WordTable::Add(std::string_view word) {
  assert(!word.empty());
  if (word.size() > kMaxWordLength) return AddResult::TooLong;
  return AddWithKey(word, MakeWordKey(word, keyBuffer_));
}

void WordTable::Prefetch(std::uint32_t hash) const noexcept {
  if (slotCount_ != 0)
    __builtin_prefetch(static_cast<const std::uint64_t*>(slots_.data()) +
                       (hash >> (32 - slotBits_)));
}

WordTable::AddResult WordTable::AddWithKey(std::string_view word, std::string_view key) {
  return AddHashed(word, key, KeyHash(key));
}

WordTable::AddResult WordTable::Count(std::string_view word, std::string_view key,
                                      std::uint32_t hash, std::int64_t count) {
  if (key.size() > word_record::kMaxKeyLength)
    return AddResult::TooLong;  // folding at most doubles a word
  if (entries_.data() != nullptr) Unsort();
  if (count_ >= growAt_) Grow();
  return Probe(word, key, hash, count);
}

WordTable::AddResult WordTable::Insert(std::size_t pos, std::string_view word, std::string_view key,
                                       std::uint32_t hash, std::int64_t count) {
  if (count_ >= kUnitMask - 1) throw std::bad_alloc();
  const bool sameText = key.data() == word.data() || key == word;
  const std::uint32_t unit = StoreRecord(key, sameText ? std::string_view() : word, count);
  static_cast<std::uint64_t*>(slots_.data())[pos] = (std::uint64_t{hash} << 32) | unit;
  ++count_;
  total_ += count;
  sorted_ = false;
  return AddResult::New;
}

void WordTable::MergeFrom(const WordTable& later) {
  assert(&later != this);
  if (later.entries_.data() != nullptr) {
    // Being read: its counts are in the entries, which may have changed them.
    for (std::size_t i = 0; i < later.size(); ++i) {
      const WordEntry& e = later[i];
      Count(e.strWord(), e.strKey(), KeyHash(e.strKey()), e.lngCount);
    }
    return;
  }
  // Still counting: its records are taken in the order they were stored.
  // Putting them in key order first cost a sort and 24 bytes a word, and
  // made counting the distinct text on two threads slower than on one
  // (1.76 s of processor time against 0.95 s). The order changes nothing:
  // keys are unique and a shared key keeps this table's spelling. Each
  // key's slot is asked for a few keys ahead, since most of a big merge's
  // keys are new and their slots are nowhere in the caches.
  struct Pending {
    std::string_view word;
    std::string_view key;
    std::uint32_t hash = 0;
    std::int64_t count = 0;
  };
  constexpr std::size_t kAhead = 8;
  std::array<Pending, kAhead> ring{};
  std::size_t n = 0;
  auto count = [this](const Pending& p) { Count(p.word, p.key, p.hash, p.count); };
  later.ForEachRecord([&](std::uint32_t, const char* record) {
    Pending& p = ring[n % kAhead];
    if (n >= kAhead) count(p);
    p.key = RecordKey(record);
    p.word = RecordWord(record);
    p.hash = KeyHash(p.key);
    p.count = RecordCount(record);
    Prefetch(p.hash);
    ++n;
  });
  for (std::size_t i = n > kAhead ? n - kAhead : 0; i < n; ++i) count(ring[i % kAhead]);
}

char* WordTable::FindRecord(std::string_view key, std::uint32_t hash) const noexcept {
  if (slotCount_ == 0) return nullptr;
  const auto* slots = static_cast<const std::uint64_t*>(slots_.data());
  const std::size_t mask = slotCount_ - 1;
  for (std::size_t pos = hash >> (32 - slotBits_); slots[pos] != 0; pos = (pos + 1) & mask) {
    const std::uint64_t s = slots[pos];
    if ((s >> 32) != hash) continue;
    char* record = Record(static_cast<std::uint32_t>(s & kUnitMask));
    if (SameWordKey(RecordKey(record), key)) return record;
  }
  return nullptr;
}

void WordTable::MergeFileFrom(const WordTable& file, std::uint64_t ordinal) {
  assert(&file != this && TracksFiles() && !file.TracksFiles());
  if (entries_.data() != nullptr) Unsort();
  if (slotCount_ == 0 && count_ != 0) Grow();  // the index went when key order was built
  file_ = ordinal;
  file.ForEachRecord([&](std::uint32_t, const char* from) {
    const std::string_view key = RecordKey(from);
    const std::uint32_t hash = KeyHash(key);
    const std::int64_t count = RecordCount(from);
    char* record = FindRecord(key, hash);
    if (record == nullptr) {
      (void)Count(RecordWord(from), key, hash, count);  // a new tag: this file, one file
      return;
    }
    SetRecordCount(record, RecordCount(record) + count);
    total_ += count;
    const std::int64_t files = TagFiles(record) + 1;
    std::memcpy(record - kFileTagUnits * 8, &files, 8);
  });
}

const char* WordTable::RecordAt(std::size_t i) const {
  assert(TracksFiles());
  return (*this)[i].key() - word_record::kHeader;
}

std::int64_t WordTable::FilesOf(std::size_t i) const { return TagFiles(RecordAt(i)); }

std::uint64_t WordTable::FirstFileOf(std::size_t i) const {
  std::uint64_t first;
  std::memcpy(&first, RecordAt(i) - 8, 8);
  return first;
}

const WordEntry* WordTable::FindKey(std::string_view key) const {
  SortIfNeeded();
  const WordEntry* begin = Entries();
  const WordEntry* end = begin + count_;
  const WordEntry* at = std::lower_bound(
      begin, end, key, [](const WordEntry& e, std::string_view k) { return e.strKey() < k; });
  return at != end && at->strKey() == key ? at : nullptr;
}

void WordTable::Sort() const {
  // The index is not needed for reading: release it before the memory peak.
  slots_ = HugeBuffer();
  slotCount_ = 0;
  slotBits_ = 0;
  growAt_ = 0;
  // One buffer serves for the (prefix, record) pairs and then, expanded in
  // place, for the entries: a table of millions of words never holds both.
  static_assert(sizeof(WordEntry) >= 2 * sizeof(PrefixIndex) && alignof(WordEntry) <= 8);
  HugeBuffer buffer(count_ * sizeof(WordEntry));
  auto* items = static_cast<PrefixIndex*>(buffer.data());
  std::size_t n = 0;
  ForEachRecord([&](std::uint32_t unit, const char* record) {
    items[n++] = {StoredKeyPrefix(record), unit};
  });
  assert(n == count_);
  SortByPrefix(items, n);
  // Keys that share their first eight bytes are put in order by their rest.
  for (std::size_t lo = 0; lo < n;) {
    std::size_t hi = lo + 1;
    while (hi < n && items[hi].prefix == items[lo].prefix) ++hi;
    if (hi - lo > 1)
      std::sort(items + lo, items + hi, [this](const PrefixIndex& a, const PrefixIndex& b) {
        return RecordKey(Record(a.index)) < RecordKey(Record(b.index));
      });
    lo = hi;
  }
  // Entry i takes the bytes of pairs 2i and 2i+1, which are read by then
  // when the entries are made from the last one down. The records are read
  // in scattered places known in advance, so they are prefetched.
  auto* entries = static_cast<WordEntry*>(buffer.data());
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = n; i-- > 0;) {
    if (i >= kAhead) __builtin_prefetch(Record(items[i - kAhead].index));
    char* record = Record(items[i].index);
    WordEntry* e = new (&entries[i]) WordEntry();
    e->text_ = reinterpret_cast<std::uintptr_t>(record + word_record::kHeader) |
               (std::uint64_t{static_cast<unsigned char>(record[8])} << 48) |
               (std::uint64_t{static_cast<unsigned char>(record[9])} << 56);
    e->lngCount = RecordCount(record);
  }
  entries_ = std::move(buffer);
  sorted_ = true;
}

void WordTable::Unsort() {
  // Counts may have been changed through the entries: they go back to the
  // records, which are counted again from here on.
  const WordEntry* entries = Entries();
  for (std::size_t i = 0; i < count_; ++i)
    SetRecordCount(const_cast<char*>(entries[i].key()) - word_record::kHeader, entries[i].lngCount);
  entries_ = HugeBuffer();
  sorted_ = false;
}

}  // namespace zet
static_assert(sizeof(zet::WordEntry) == 24, "an entry is a key pointer and two 64-bit fields");
