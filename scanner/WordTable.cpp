#include "scanner/WordTable.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <new>

#include "scanner/Folding.h"

namespace zet {
namespace {

constexpr std::size_t kArenaChunk = std::size_t{1} << 20;
constexpr std::size_t kInitialSlots = 1024;
constexpr std::uint64_t kIndexMask = 0xFFFFFFFFu;

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

std::uint64_t HashKey(std::string_view key) {
  const char* p = key.data();
  std::size_t n = key.size();
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ n;
  while (n >= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    h = (h ^ w) * 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 29;
    p += 8;
    n -= 8;
  }
  if (n > 0) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, n);
    h = (h ^ w) * 0x94d049bb133111ebULL;
  }
  return Mix(h);
}

// The first eight key bytes as a big-endian number: comparing two of these
// compares the keys' first eight bytes in byte order. Keys never hold a
// zero byte, so zero padding puts a proper prefix first.
std::uint64_t KeyPrefix(std::string_view key) {
  std::uint64_t v = 0;
  const std::size_t n = std::min<std::size_t>(key.size(), 8);
  for (std::size_t i = 0; i < 8; ++i)
    v = (v << 8) | (i < n ? static_cast<unsigned char>(key[i]) : 0u);
  return v;
}

#pragma pack(push, 4)
struct PrefixIndex {
  std::uint64_t prefix;
  std::uint32_t index;
};
#pragma pack(pop)

// Least-significant-digit radix sort on the prefix, a byte per pass; passes
// over a byte that all elements share are skipped.
void RadixSortByPrefix(std::vector<PrefixIndex>& items) {
  std::vector<PrefixIndex> tmp(items.size());
  for (unsigned shift = 0; shift < 64; shift += 8) {
    std::array<std::size_t, 257> counts{};
    for (const PrefixIndex& it : items) ++counts[((it.prefix >> shift) & 0xFF) + 1];
    if (std::any_of(counts.begin() + 1, counts.end(),
                    [&](std::size_t c) { return c == items.size(); }))
      continue;
    for (std::size_t b = 1; b < counts.size(); ++b) counts[b] += counts[b - 1];
    for (const PrefixIndex& it : items) tmp[counts[(it.prefix >> shift) & 0xFF]++] = it;
    items.swap(tmp);
  }
}

}  // namespace

WordTable::WordTable() { Clear(); }
WordTable::~WordTable() = default;

void WordTable::Clear() {
  chunks_.clear();
  count_ = 0;
  total_ = 0;
  slots_.assign(kInitialSlots, 0);
  arena_.clear();
  arenaUsed_ = arenaSize_ = 0;
  order_.clear();
  order_.shrink_to_fit();
  sorted_ = true;
}

const char* WordTable::Store(std::string_view text) {
  if (arenaSize_ - arenaUsed_ < text.size()) {
    arena_.push_back(std::make_unique<char[]>(kArenaChunk));
    arenaUsed_ = 0;
    arenaSize_ = kArenaChunk;
  }
  char* dst = arena_.back().get() + arenaUsed_;
  std::memcpy(dst, text.data(), text.size());
  arenaUsed_ += text.size();
  return dst;
}

std::size_t WordTable::Probe(std::string_view key, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t tag = hash >> 32;
  for (std::size_t pos = hash & mask;; pos = (pos + 1) & mask) {
    const std::uint64_t s = slots_[pos];
    if (s == 0) return pos;
    if ((s >> 32) == tag && Slot((s & kIndexMask) - 1).strKey() == key) return pos;
  }
}

void WordTable::Grow() {
  std::vector<std::uint64_t> old = std::move(slots_);
  slots_.assign(std::max(old.size() * 2, kInitialSlots), 0);
  const std::size_t mask = slots_.size() - 1;
  auto place = [&](std::uint64_t s, std::uint64_t hash) {
    std::size_t pos = hash & mask;
    while (slots_[pos] != 0) pos = (pos + 1) & mask;
    slots_[pos] = s;
  };
  if (old.empty()) {
    // The index was released after sorting: rebuild it from the entries.
    for (std::size_t i = 0; i < count_; ++i) {
      const std::uint64_t hash = HashKey(Slot(i).strKey());
      place(((hash >> 32) << 32) | (i + 1), hash);
    }
    return;
  }
  for (std::uint64_t s : old)
    if (s != 0) place(s, HashKey(Slot((s & kIndexMask) - 1).strKey()));
}

WordTable::AddResult WordTable::Add(std::string_view word) {
  assert(!word.empty());
  if (word.size() > kMaxWordLength) return AddResult::TooLong;
  const std::string_view key = MakeWordKey(word, keyBuffer_);
  if (slots_.empty() || (count_ + 1) * 10 > slots_.size() * 7) Grow();
  const std::uint64_t hash = HashKey(key);
  const std::size_t pos = Probe(key, hash);
  ++total_;
  if (slots_[pos] != 0) {
    ++Slot((slots_[pos] & kIndexMask) - 1).lngCount;
    return AddResult::Counted;
  }
  if (count_ >= kIndexMask - 1) throw std::bad_alloc();
  if ((count_ & (kChunkSize - 1)) == 0) chunks_.push_back(std::make_unique<WordEntry[]>(kChunkSize));
  WordEntry& e = Slot(count_);
  e.key_ = Store(key);
  e.word_ = key.data() == word.data() ? e.key_ : Store(word);
  e.keyLen_ = static_cast<std::uint8_t>(key.size());
  e.wordLen_ = static_cast<std::uint8_t>(word.size());
  ++count_;
  slots_[pos] = ((hash >> 32) << 32) | count_;
  sorted_ = false;
  return AddResult::New;
}

const WordEntry* WordTable::FindKey(std::string_view key) const {
  if (slots_.empty()) return nullptr;  // released after sorting
  const std::uint64_t s = slots_[Probe(key, HashKey(key))];
  return s == 0 ? nullptr : &Slot((s & kIndexMask) - 1);
}

void WordTable::SortIfNeeded() const {
  if (sorted_) return;
  std::vector<PrefixIndex> items(count_);
  for (std::size_t i = 0; i < count_; ++i)
    items[i] = {KeyPrefix(Slot(i).strKey()), static_cast<std::uint32_t>(i)};
  RadixSortByPrefix(items);
  // Keys that share their first eight bytes are put in order by their rest.
  for (std::size_t lo = 0; lo < items.size();) {
    std::size_t hi = lo + 1;
    while (hi < items.size() && items[hi].prefix == items[lo].prefix) ++hi;
    if (hi - lo > 1)
      std::sort(items.begin() + static_cast<std::ptrdiff_t>(lo),
                items.begin() + static_cast<std::ptrdiff_t>(hi),
                [this](const PrefixIndex& a, const PrefixIndex& b) {
                  return Slot(a.index).strKey() < Slot(b.index).strKey();
                });
    lo = hi;
  }
  order_.resize(count_);
  for (std::size_t i = 0; i < count_; ++i) order_[i] = items[i].index;
  sorted_ = true;
}

WordEntry& WordTable::operator[](std::size_t i) {
  SortIfNeeded();
  assert(i < count_);
  return Slot(order_[i]);
}

const WordEntry& WordTable::operator[](std::size_t i) const {
  SortIfNeeded();
  assert(i < count_);
  return Slot(order_[i]);
}

}  // namespace zet
