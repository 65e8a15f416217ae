#include "unicode/SpellingTable.h"

#include <cstring>

namespace zet {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;
constexpr std::uint64_t kIndexMask = 0xFFFFFFFFu;

}  // namespace

SpellingTable::SpellingTable() { Grow(); }

const Spelling* SpellingTable::Find(std::string_view raw, std::uint32_t hash) const noexcept {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t pos = hash & mask;; pos = (pos + 1) & mask) {
    const std::uint64_t s = slots_[pos];
    if (s == 0) return nullptr;
    if ((s >> 32) != hash) continue;
    const Entry& e = entries_[(s & kIndexMask) - 1];
    if (e.rawLen == raw.size() && std::memcmp(e.raw, raw.data(), raw.size()) == 0)
      return &e.spelling;
  }
}

char* SpellingTable::Store(std::size_t size) {
  if (blocks_.empty() || kBlock - blockUsed_ < size) {
    blocks_.push_back(std::make_unique<char[]>(kBlock));
    blockUsed_ = 0;
  }
  char* at = blocks_.back().get() + blockUsed_;
  blockUsed_ += size;
  return at;
}

const Spelling& SpellingTable::Add(std::string_view raw, std::uint32_t hash,
                                   const Spelling& spelling) {
  if (entries_.size() + 1 >= growAt_) Grow();
  char* text = Store(raw.size() + spelling.word.size() + spelling.key.size());
  std::memcpy(text, raw.data(), raw.size());
  char* word = text + raw.size();
  if (!spelling.word.empty()) std::memcpy(word, spelling.word.data(), spelling.word.size());
  char* key = word + spelling.word.size();
  if (!spelling.key.empty()) std::memcpy(key, spelling.key.data(), spelling.key.size());
  entries_.push_back(
      {text,
       static_cast<std::uint32_t>(raw.size()),
       {{word, spelling.word.size()}, {key, spelling.key.size()}, spelling.keyHash}});
  const std::size_t mask = slots_.size() - 1;
  std::size_t pos = hash & mask;
  while (slots_[pos] != 0) pos = (pos + 1) & mask;
  slots_[pos] = (std::uint64_t{hash} << 32) | entries_.size();
  return entries_.back().spelling;
}

void SpellingTable::Grow() {
  std::vector<std::uint64_t> old = std::move(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, 0);
  growAt_ = slots_.size() * 7 / 10;
  const std::size_t mask = slots_.size() - 1;
  for (const std::uint64_t s : old) {
    if (s == 0) continue;
    std::size_t pos = (s >> 32) & mask;
    while (slots_[pos] != 0) pos = (pos + 1) & mask;
    slots_[pos] = s;
  }
}

}  // namespace zet
