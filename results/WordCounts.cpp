#include "results/WordCounts.h"

#include <charconv>

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

std::string GroupDigits(std::int64_t value) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const char* first = digits + (value < 0 ? 1 : 0);
  std::string out(value < 0 ? "-" : "");
  for (const char* p = first; p != end; ++p) {
    if (p != first && (end - p) % 3 == 0) out += ',';
    out += *p;
  }
  return out;
}

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
