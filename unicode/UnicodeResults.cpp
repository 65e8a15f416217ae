#include "unicode/UnicodeResults.h"

#include <algorithm>

#include "results/ListTotals.h"
#include "results/Ranking.h"
#include "results/WordChecks.h"
#include "scanner/CommentMarkers.h"
#include "unicode/UnicodeCount.h"
#include "unicode/UnicodeWordChecks.h"

namespace zet {
namespace {

WordSet KeysOf(const WordTable& table) {
  WordSet keys;
  keys.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) keys.emplace(table[i].strKey());
  return keys;
}

// The settings a word list is cut with: the count's rules, no display.
UnicodeSettings ListSettings(const UnicodeSettings& settings) {
  UnicodeSettings list = settings;
  list.scan.blnSuppressWords = true;
  list.scan.chkAllowCommentMarkers = false;
  list.scan.blnIsCodeFile = false;
  list.scan.markers = {};
  return list;
}

}  // namespace

WordSet MakeUnicodeWordKeys(std::string_view text, const UnicodeSettings& settings) {
  const UnicodeSettings list = ListSettings(settings);
  const std::unique_ptr<UnicodeTable> table = UnicodeTable::Create(list);
  if (!table) return {};
  QuietObserver quiet;
  UnicodeScanner scanner(list.scan, *table, quiet);
  scanner.ScanWholeText(text);
  return KeysOf(table->Words());
}

std::optional<WordSet> ReadUnicodeCommonWords(ByteSource& source, const UnicodeSettings& settings,
                                              ScanObserver& observer) {
  UnicodeSettings list = ListSettings(settings);
  list.scan.blnCaseSignificant = false;  // common words are always lower-cased
  list.scan.markers = SetCommentMarkers("C", {});
  list.scan.chkAllowCommentMarkers = true;
  const std::unique_ptr<UnicodeTable> table = UnicodeTable::Create(list);
  if (!table) return std::nullopt;
  if (CountUnicode(source, list.scan, *table, observer).failed) return std::nullopt;
  return KeysOf(table->Words());
}

Exclusion FindUnicodeExclusion(std::string_view word, std::string_view key, std::int64_t count,
                               std::size_t length, const UnicodeFilterSettings& settings,
                               GraphemeCounter& graphemes) {
  const FilterSettings& s = settings.limits;
  if (s.blnIgnoreInfrequentWords && count < s.lngThresholdFrequency) return Exclusion::Infrequent;
  if (s.blnIgnoreShortWords && length < s.intShortWordSize) return Exclusion::Short;
  if (length > s.intLongWordSize) return Exclusion::Long;
  if (IsInWordList(key, settings.wordsToIgnore)) return Exclusion::WordsToIgnore;
  if (settings.commonWords && IsInWordList(key, *settings.commonWords))
    return Exclusion::CommonWord;
  if (s.blnIgnoreRepetitions && length > 1 && graphemes.IsRepetition(word))
    return Exclusion::Repetition;
  if ((s.blnIgnoreRomNum40 || s.blnIgnoreNoVowelOrY) && IsLatinWord(word)) {
    if (s.blnIgnoreRomNum40 && IsRomanNumeralBelow40(word)) return Exclusion::RomanNumeral;
    if (s.blnIgnoreNoVowelOrY && HasNoLatinVowel(word)) return Exclusion::NoVowel;
  }
  return Exclusion::None;
}

UnicodeListResults RunUnicodeResultsStages(UnicodeTable& table,
                                           const UnicodeFilterSettings& settings) {
  WordTable& words = table.Words();
  UnicodeListResults results;
  results.lengths.resize(words.size());
  GraphemeCounter graphemes;
  std::int64_t longest = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    WordEntry& entry = words[i];
    const std::size_t length = graphemes.Count(entry.strWord());
    results.lengths[i] = static_cast<std::uint8_t>(length);  // words are at most 80 bytes
    entry.blnIncluded = FindUnicodeExclusion(entry.strWord(), entry.strKey(), entry.lngCount,
                                             length, settings, graphemes) == Exclusion::None;
    if (entry.blnIncluded) longest = std::max(longest, static_cast<std::int64_t>(length));
  }
  results.list.totals = ComputeListTotals(words);
  results.list.totals.intLongestWord = longest;  // characters, not bytes
  results.list.byFrequency = AssignRanks(words);
  if (table.Settings().order == UnicodeOrder::CodePoint) {
    results.alphabetical.resize(words.size());
    for (std::uint32_t i = 0; i < results.alphabetical.size(); ++i) results.alphabetical[i] = i;
    std::stable_sort(
        results.alphabetical.begin(), results.alphabetical.end(),
        [&](std::uint32_t a, std::uint32_t b) { return words[a].strWord() < words[b].strWord(); });
  }
  return results;
}

}  // namespace zet
