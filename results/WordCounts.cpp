#include "results/WordCounts.h"

#include "scanner/StrProc.h"

namespace zet {
namespace {

std::string Caption(std::string_view prefix, std::int64_t value, std::size_t width) {
  const std::string grouped = GroupDigits(value);
  std::string caption(prefix);
  if (grouped.size() < width) caption.append(width - grouped.size(), ' ');
  caption += grouped;
  return caption;
}

}  // namespace

WordCountCaptions ShowWordCounts(const ListTotals& totals, bool blnCountIncomplete) {
  const std::size_t width = GroupDigits(totals.lngTotalOccurrences).size() + 1;
  WordCountCaptions c;
  c.lblNumberOfWords = Caption(kNumberOfWordsCaption, totals.lngNumListed, width);
  c.lblNumWordsExcluded = Caption(kNumWordsExcludedCaption, totals.lngNumExcluded, width);
  if (blnCountIncomplete) return c;
  if (totals.lngListedOccurrences > 0)
    c.lblNumOccurrences = Caption(kNumOccurrencesCaption, totals.lngListedOccurrences, width);
  c.lblTotalNumOccurrences =
      Caption(kTotalNumOccurrencesCaption, totals.lngTotalOccurrences, width);
  return c;
}

}  // namespace zet
