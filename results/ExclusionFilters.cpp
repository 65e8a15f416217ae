#include "results/ExclusionFilters.h"

#include "results/TablePrefetch.h"
#include "results/WordChecks.h"
#include "scanner/Cp1252.h"

namespace zet {
namespace {

// The tests that compare the lower-case form with a word list.
Exclusion FindListExclusion(std::string_view word, const FilterSettings& settings,
                            std::string& lowerBuffer) {
  const bool useCommon = settings.commonWords && !settings.commonWords->empty();
  if (settings.wordsToIgnore.empty() && !useCommon) return Exclusion::None;
  lowerBuffer.assign(word);
  cp1252::LowerInPlace(lowerBuffer);
  if (IsInWordList(lowerBuffer, settings.wordsToIgnore)) return Exclusion::WordsToIgnore;
  if (useCommon && IsInWordList(lowerBuffer, *settings.commonWords)) return Exclusion::CommonWord;
  return Exclusion::None;
}

}  // namespace

Exclusion FindExclusion(std::string_view word, std::int64_t count, const FilterSettings& settings,
                        std::string& lowerBuffer) {
  const std::size_t length = word.size();
  if (settings.blnIgnoreInfrequentWords && count < settings.lngThresholdFrequency)
    return Exclusion::Infrequent;
  if (settings.blnIgnoreShortWords && length < settings.intShortWordSize) return Exclusion::Short;
  if (length > settings.intLongWordSize) return Exclusion::Long;
  if (const Exclusion e = FindListExclusion(word, settings, lowerBuffer); e != Exclusion::None)
    return e;
  if (settings.blnIgnoreRepetitions && length > 1 && IsRepeatedLetter(word))
    return Exclusion::Repetition;
  if (settings.blnIgnoreRomNum40 && IsRomanNumeralBelow40(word)) return Exclusion::RomanNumeral;
  if (settings.blnIgnoreNoVowelOrY && HasNoVowel(word, true)) return Exclusion::NoVowel;
  return Exclusion::None;
}

void ApplyExclusionFilters(WordTable& table, const FilterSettings& settings) {
  std::string lowerBuffer;
  for (std::size_t i = 0; i < table.size(); ++i) {
    PrefetchAhead(table, i, table.size(), KeyOrder, PrefetchWord::Yes);
    WordEntry& entry = table[i];
    entry.blnIncluded =
        FindExclusion(entry.strWord(), entry.lngCount, settings, lowerBuffer) == Exclusion::None;
  }
}

}  // namespace zet
