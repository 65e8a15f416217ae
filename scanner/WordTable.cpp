#include "scanner/WordTable.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <new>

#include "scanner/Folding.h"
#include "scanner/KeyHash.h"
#include "scanner/KeyOrder.h"

namespace zet {
namespace {

constexpr std::size_t kArenaChunk = HugeBuffer::kHugePage;
constexpr std::size_t kInitialBits = 10;
constexpr std::uint64_t kIndexMask = 0xFFFFFFFFu;


bool SameKey(std::string_view x, std::string_view y) {
  std::size_t n = x.size();
  if (n != y.size()) return false;
  const char* p = x.data();
  const char* q = y.data();
  for (; n > 16; n -= 8, p += 8, q += 8)
    if (Load64(p) != Load64(q)) return false;
  if (n >= 8) return Load64(p) == Load64(q) && Load64(p + n - 8) == Load64(q + n - 8);
  if (n >= 4) return Load32(p) == Load32(q) && Load32(p + n - 4) == Load32(q + n - 4);
  for (; n > 0; --n)
    if (*p++ != *q++) return false;
  return true;
}

}  // namespace

WordTable::WordTable() { Clear(); }
WordTable::~WordTable() = default;

void WordTable::Clear() {
  chunks_.clear();
  count_ = 0;
  total_ = 0;
  slots_ = HugeBuffer();
  slotCount_ = 0;
  growAt_ = 0;
  arena_.clear();
  arenaUsed_ = 0;
  sorted_ = true;
}

const char* WordTable::Store(std::string_view key, std::string_view word) {
  const std::size_t need = key.size() + word.size();
  if (arena_.empty() || kArenaChunk - arenaUsed_ < need) {
    // Small tables stay on small pages; a big one gets huge pages.
    arena_.emplace_back(kArenaChunk, arena_.size() >= 2);
    arenaUsed_ = 0;
  }
  char* dst = static_cast<char*>(arena_.back().data()) + arenaUsed_;
  std::memcpy(dst, key.data(), key.size());
  if (!word.empty()) std::memcpy(dst + key.size(), word.data(), word.size());
  arenaUsed_ += need;
  return dst;
}

std::size_t WordTable::Probe(std::string_view key, std::uint32_t hash) const {
  const auto* slots = static_cast<const std::uint64_t*>(slots_.data());
  const std::size_t mask = slotCount_ - 1;
  for (std::size_t pos = hash >> (32 - slotBits_);; pos = (pos + 1) & mask) {
    const std::uint64_t s = slots[pos];
    if (s == 0) return pos;
    if ((s >> 32) == hash && SameKey(Slot((s & kIndexMask) - 1).strKey(), key)) return pos;
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
    // No index yet, or it was released while key order was built.
    for (std::size_t i = 0; i < count_; ++i)
      place((std::uint64_t{HashWordKey(Slot(i).strKey())} << 32) | (i + 1));
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
    __builtin_prefetch(static_cast<const std::uint64_t*>(slots_.data()) + (hash >> (32 - slotBits_)));
}

WordTable::AddResult WordTable::AddWithKey(std::string_view word, std::string_view key) {
  return AddHashed(word, key, HashWordKey(key));
}

WordTable::AddResult WordTable::AddHashed(std::string_view word, std::string_view key,
                                          std::uint32_t hash) {
  if (word.size() > kMaxWordLength) return AddResult::TooLong;
  if (count_ >= growAt_) Grow();
  const std::size_t pos = Probe(key, hash);
  auto* slots = static_cast<std::uint64_t*>(slots_.data());
  ++total_;
  if (slots[pos] != 0) {
    ++Slot((slots[pos] & kIndexMask) - 1).lngCount;
    return AddResult::Counted;
  }
  if (count_ >= kIndexMask - 1) throw std::bad_alloc();
  if ((count_ & (kChunkSize - 1)) == 0)
    chunks_.emplace_back(kChunkSize * sizeof(WordEntry), chunks_.size() >= 1);
  const bool sameText = key.data() == word.data() || key == word;
  WordEntry* e = new (&Slot(count_)) WordEntry();
  e->key_ = Store(key, sameText ? std::string_view() : word);
  e->keyLen_ = static_cast<std::uint8_t>(key.size());
  e->wordLen_ = static_cast<std::uint8_t>(word.size());
  e->wordOffset_ = sameText ? 0 : static_cast<std::uint8_t>(key.size());
  ++count_;
  slots[pos] = (std::uint64_t{hash} << 32) | count_;
  sorted_ = false;
  return AddResult::New;
}

const WordEntry* WordTable::FindKey(std::string_view key) const {
  if (count_ == 0) return nullptr;
  if (slots_.data() == nullptr) Grow();
  const std::uint64_t s = static_cast<const std::uint64_t*>(slots_.data())[Probe(key, HashWordKey(key))];
  return s == 0 ? nullptr : &Slot((s & kIndexMask) - 1);
}

void WordTable::SortIfNeeded() const {
  if (sorted_) return;
  // The index is not needed for reading and this is the memory peak of a
  // big table: release it, and rebuild it if words are added afterwards.
  slots_ = HugeBuffer();
  slotCount_ = 0;
  growAt_ = 0;
  HugeBuffer buffer(count_ * sizeof(PrefixIndex));
  auto* items = static_cast<PrefixIndex*>(buffer.data());
  for (std::size_t i = 0; i < count_; ++i)
    items[i] = {KeyPrefix(Slot(i).strKey()), static_cast<std::uint32_t>(i)};
  SortByPrefix(items, count_);
  // Keys that share their first eight bytes are put in order by their rest.
  for (std::size_t lo = 0; lo < count_;) {
    std::size_t hi = lo + 1;
    while (hi < count_ && items[hi].prefix == items[lo].prefix) ++hi;
    if (hi - lo > 1)
      std::sort(items + lo, items + hi, [this](const PrefixIndex& a, const PrefixIndex& b) {
        return Slot(a.index).strKey() < Slot(b.index).strKey();
      });
    lo = hi;
  }
  // Copy the entries into new chunks in key order: every later pass over
  // the table (filters, ranks, listing) then reads memory in order instead
  // of jumping about. The reads are scattered but known in advance, so they
  // are prefetched; following the permutation's cycles in place instead
  // cost more than all the passes it saved.
  std::vector<std::uint32_t> from(count_);
  for (std::size_t i = 0; i < count_; ++i) from[i] = items[i].index;
  buffer = HugeBuffer();
  constexpr std::size_t kAhead = 16;
  std::vector<HugeBuffer> sortedChunks;
  for (std::size_t i = 0; i < count_; ++i) {
    if ((i & (kChunkSize - 1)) == 0)
      sortedChunks.emplace_back(kChunkSize * sizeof(WordEntry), !sortedChunks.empty());
    if (i + kAhead < count_) __builtin_prefetch(&Slot(from[i + kAhead]));
    static_cast<WordEntry*>(sortedChunks.back().data())[i & (kChunkSize - 1)] = Slot(from[i]);
  }
  chunks_ = std::move(sortedChunks);
  sorted_ = true;
}

WordEntry& WordTable::operator[](std::size_t i) {
  SortIfNeeded();
  assert(i < count_);
  return Slot(i);
}

const WordEntry& WordTable::operator[](std::size_t i) const {
  SortIfNeeded();
  assert(i < count_);
  return Slot(i);
}

}  // namespace zet
static_assert(sizeof(zet::WordEntry) <= 32, "entries are packed 65536 to a 2 MiB chunk");
