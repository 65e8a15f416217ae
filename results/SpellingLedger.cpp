#include "results/SpellingLedger.h"

#include <algorithm>

#include "scanner/Folding.h"
#include "scanner/TextCodec.h"

namespace zet {

void SpellingLedger::WordCounted(std::string_view word, std::string_view key) {
  if (word.data() == key.data() || word == key) return;
  (void)others_.AddHashed(word, word, others_.KeyHash(word));
  grouped_ = false;
}

std::vector<CountedSpelling> SpellingLedger::SpellingsOf(const WordEntry& entry) const {
  if (!grouped_) {
    byKey_.clear();
    std::string buffer;
    for (std::size_t i = 0; i < others_.size(); ++i) {
      const WordEntry& other = others_[i];
      byKey_[std::string(MakeWordKey(other.strWord(), buffer))].push_back(
          {std::string(other.strWord()), other.lngCount});
    }
    grouped_ = true;
  }
  std::vector<CountedSpelling> spellings;
  std::int64_t others = 0;
  if (const auto it = byKey_.find(entry.strKey()); it != byKey_.end()) {
    spellings = it->second;
    for (const CountedSpelling& s : spellings) others += s.count;
  }
  if (entry.lngCount > others)
    spellings.push_back({std::string(entry.strKey()), entry.lngCount - others});
  std::sort(spellings.begin(), spellings.end(),
            [](const CountedSpelling& a, const CountedSpelling& b) {
              return a.count != b.count ? a.count > b.count : a.text < b.text;
            });
  return spellings;
}

std::string FormatSpellings(const std::vector<CountedSpelling>& spellings) {
  std::string text;
  for (const CountedSpelling& s : spellings) {
    if (!text.empty()) text += ", ";
    text += s.text + ' ' + std::to_string(s.count);
  }
  return text;
}

std::string SpellingsColumn(const SpellingLedger& spellings, const WordEntry& entry) {
  return "[" + EncodeUtf8(FormatSpellings(spellings.SpellingsOf(entry))) + "]";
}

}  // namespace zet
