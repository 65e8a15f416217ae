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
constexpr std::size_t kInitialSlots = 1024;  // 2^10
constexpr std::uint64_t kIndexMask = 0xFFFFFFFFu;

std::uint64_t Load64(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}
std::uint32_t Load32(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// Keys are short, so both the hash and the comparison read them with at
// most a few overlapping loads instead of a loop or a library call.
std::uint32_t HashKey(std::string_view key) {
  const char* p = key.data();
  std::size_t n = key.size();
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ n;
  for (; n > 16; n -= 8, p += 8) h = (h ^ Load64(p)) * 0xbf58476d1ce4e5b9ULL;
  std::uint64_t a;
  std::uint64_t b;
  if (n >= 8) {
    a = Load64(p);
    b = Load64(p + n - 8);
  } else if (n >= 4) {
    a = Load32(p);
    b = Load32(p + n - 4);
  } else {
    a = n == 0 ? 0
               : static_cast<unsigned char>(p[0]) | (static_cast<unsigned>(static_cast<unsigned char>(p[n / 2])) << 8) |
                     (static_cast<unsigned>(static_cast<unsigned char>(p[n - 1])) << 16);
    b = 0;
  }
  h = (h ^ a) * 0xbf58476d1ce4e5b9ULL;
  h = (h ^ b ^ (h >> 31)) * 0x94d049bb133111ebULL;
  return static_cast<std::uint32_t>(h >> 32);
}

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
  slotBits_ = 10;
  growAt_ = kInitialSlots * 7 / 10;
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

std::size_t WordTable::Probe(std::string_view key, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t pos = hash >> (32 - slotBits_);; pos = (pos + 1) & mask) {
    const std::uint64_t s = slots_[pos];
    if (s == 0) return pos;
    if ((s >> 32) == hash && SameKey(Slot((s & kIndexMask) - 1).strKey(), key)) return pos;
  }
}

void WordTable::Grow() const {
  std::vector<std::uint64_t> old = std::move(slots_);
  // Twice the slots needed now, so that the load stays low.
  unsigned bits = 10;
  while ((std::size_t{1} << bits) < (count_ + 1) * 2) ++bits;
  slotBits_ = bits;
  slots_.assign(std::size_t{1} << bits, 0);
  growAt_ = slots_.size() * 7 / 10;  // keeps the load below 0.7
  const std::size_t mask = slots_.size() - 1;
  auto place = [&](std::uint64_t s) {
    std::size_t pos = (s >> 32) >> (32 - slotBits_);
    while (slots_[pos] != 0) pos = (pos + 1) & mask;
    slots_[pos] = s;
  };
  if (old.empty()) {
    // The index was released while key order was built: rebuild it.
    for (std::size_t i = 0; i < count_; ++i)
      place((std::uint64_t{HashKey(Slot(i).strKey())} << 32) | (i + 1));
    return;
  }
  for (std::uint64_t s : old)
    if (s != 0) place(s);
}

WordTable::AddResult WordTable::Add(std::string_view word) {
  assert(!word.empty());
  if (word.size() > kMaxWordLength) return AddResult::TooLong;
  return AddWithKey(word, MakeWordKey(word, keyBuffer_));
}

WordTable::AddResult WordTable::AddWithKey(std::string_view word, std::string_view key) {
  if (word.size() > kMaxWordLength) return AddResult::TooLong;
  if (count_ >= growAt_) Grow();
  const std::uint32_t hash = HashKey(key);
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
  slots_[pos] = (std::uint64_t{hash} << 32) | count_;
  sorted_ = false;
  return AddResult::New;
}

const WordEntry* WordTable::FindKey(std::string_view key) const {
  if (slots_.empty()) Grow();
  const std::uint64_t s = slots_[Probe(key, HashKey(key))];
  return s == 0 ? nullptr : &Slot((s & kIndexMask) - 1);
}

void WordTable::SortIfNeeded() const {
  if (sorted_) return;
  slots_ = {};  // rebuilt on demand; this is the memory peak of a big table
  growAt_ = 0;
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
