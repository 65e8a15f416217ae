#include "results/WordLedger.h"

#include <algorithm>

#include "scanner/Folding.h"
#include "scanner/Scanner.h"
#include "scanner/TextCodec.h"

namespace zet {

std::string ExclusionReason(Exclusion exclusion, const FilterSettings& settings,
                            const RangeLimit& limit) {
  // No default: a new test does not compile here until it has its reason.
  switch (exclusion) {
    case Exclusion::None:
      return {};
    case Exclusion::Infrequent:
      return "fewer occurrences than " + std::to_string(settings.lngThresholdFrequency);
    case Exclusion::Short:
      return "shorter than " + std::to_string(settings.intShortWordSize);
    case Exclusion::Long:
      return "longer than " + std::to_string(settings.intLongWordSize);
    case Exclusion::WordsToIgnore:
      return "typed word to ignore";
    case Exclusion::CommonWord:
      return "common word";
    case Exclusion::Repetition:
      return "repetition of one letter";
    case Exclusion::RomanNumeral:
      return "Roman numeral under 40";
    case Exclusion::NoVowel:
      return "no vowel or y";
    case Exclusion::FewFiles:
      return "fewer files than " + std::to_string(limit.minRange);
  }
  return {};
}

Exclusion FindCorpusExclusion(std::string_view word, std::int64_t count, std::int64_t range,
                              const FilterSettings& settings, const RangeLimit& limit,
                              std::string& lowerBuffer) {
  const Exclusion e = FindExclusion(word, count, settings, lowerBuffer);
  if (e == Exclusion::None && limit.minRange > 1 && range < limit.minRange)
    return Exclusion::FewFiles;
  return e;
}

namespace {

// The first test that leaves out entry `i` of `table`.
Exclusion EntryExclusion(const WordTable& table, std::size_t i, const FilterSettings& settings,
                         const RangeLimit& limit, std::string& lowerBuffer) {
  const WordEntry& entry = table[i];
  // Without a range for every entry the results stages applied no range test.
  const std::int64_t range = limit.ranges.size() == table.size() ? limit.ranges[i] : limit.minRange;
  return FindCorpusExclusion(entry.strWord(), entry.lngCount, range, settings, limit, lowerBuffer);
}

}  // namespace

std::vector<LeftOutEntry> ListLeftOut(const WordTable& table, const FilterSettings& settings,
                                      WordOrder order, const RangeLimit& limit) {
  std::vector<LeftOutEntry> leftOut;
  std::string lowerBuffer;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const WordEntry& entry = table[i];
    if (entry.blnIncluded) continue;
    leftOut.push_back(
        {static_cast<std::uint32_t>(i), EntryExclusion(table, i, settings, limit, lowerBuffer)});
  }
  if (order == WordOrder::ByFrequency)
    std::stable_sort(leftOut.begin(), leftOut.end(),
                     [&](const LeftOutEntry& a, const LeftOutEntry& b) {
                       return table[a.entry].lngCount > table[b.entry].lngCount;
                     });
  return leftOut;
}

namespace {

// Collects the words a scan finds, in order, without counting them.
class WordCollector final : public ScanObserver {
 public:
  [[nodiscard]] bool NeedsPump() const override { return false; }
  [[nodiscard]] bool WantsEachWord() const override { return true; }
  void WordCounted(std::string_view word, std::string_view key) override {
    if (words.size() < 2) words.push_back({std::string(word), std::string(key)});
  }
  std::vector<std::pair<std::string, std::string>> words;  // word, key
};

// The entry with `key`, found by binary search in key order. Not the
// table's hash lookup: a second caller of its probe changed how the
// compiler inlined the counting loop (+3% instructions for every count).
const WordEntry* FindByKey(const WordTable& table, std::string_view key) {
  std::size_t low = 0;
  std::size_t high = table.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (table[middle].strKey() < key)
      low = middle + 1;
    else
      high = middle;
  }
  return low < table.size() && table[low].strKey() == key ? &table[low] : nullptr;
}

}  // namespace

WordExplanation ExplainWord(std::string_view typed, const ScanSettings& scan,
                            const WordTable& table, const FilterSettings& filters,
                            const RangeLimit& limit) {
  // A scratch table and scanner: the word is cut exactly as counted text was.
  WordTable scratch;
  WordCollector collector;
  ScanSettings settings = scan;
  settings.blnSuppressWords = true;
  Scanner scanner(settings, scratch, collector);
  scanner.ScanSourceLine(typed);

  WordExplanation answer;
  if (collector.words.empty()) return answer;
  answer.word = collector.words.front().first;
  if (collector.words.size() > 1) {
    answer.kind = WordExplanation::Kind::SeveralWords;
    return answer;
  }
  answer.entry = FindByKey(table, collector.words.front().second);
  if (answer.entry == nullptr) {
    answer.kind = WordExplanation::Kind::NotFound;
    return answer;
  }
  std::string lowerBuffer;
  answer.exclusion = EntryExclusion(table, static_cast<std::size_t>(answer.entry - &table[0]),
                                    filters, limit, lowerBuffer);
  answer.kind =
      answer.entry->blnIncluded ? WordExplanation::Kind::Listed : WordExplanation::Kind::LeftOut;
  return answer;
}

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Times(std::int64_t count) {
  return std::to_string(count) + (count == 1 ? " time" : " times");
}

}  // namespace

std::string ExplanationText(std::string_view typed, const ScanSettings& scan,
                            const WordTable& table, const FilterSettings& filters,
                            const SpellingLedger* spellings, const RangeLimit& limit) {
  using Kind = WordExplanation::Kind;
  const WordExplanation answer = ExplainWord(DecodeToCp1252(typed), scan, table, filters, limit);
  const std::string word = Quoted(EncodeUtf8(answer.word));
  std::string text = Quoted(ToValidUtf8(typed)) + ": ";
  switch (answer.kind) {
    case Kind::NotAWord:
      return text + "not a word under the current rules";
    case Kind::SeveralWords:
      return text + "more than one word under the current rules (the first is " + word + ")";
    case Kind::NotFound:
      return text + "not found (looked up as " + word + ")";
    case Kind::Listed:
    case Kind::LeftOut:
      break;
  }
  const WordEntry& entry = *answer.entry;
  text +=
      "found " + Times(entry.lngCount) + " under the entry " + Quoted(EncodeUtf8(entry.strWord()));
  if (spellings != nullptr) text += " " + SpellingsColumn(*spellings, entry);
  if (answer.kind == Kind::Listed)
    return text + ", listed at rank " + std::to_string(entry.lngRank);
  return text + ", left out: " + ExclusionReason(answer.exclusion, filters, limit);
}

}  // namespace zet
