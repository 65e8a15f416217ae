#include "windows/ListedWordsTable.h"

#include <algorithm>
#include <cstdio>

#include "scanner/TextCodec.h"
#include "windows/RowText.h"

namespace zet {

bool ResultsMatchTable(const WordTable& table, const ListResults& results) noexcept {
  const std::int64_t size = static_cast<std::int64_t>(table.size());
  if (results.totals.lngNumListed + results.totals.lngNumExcluded != size) return false;
  if (static_cast<std::int64_t>(results.byFrequency.size()) != results.totals.lngNumListed)
    return false;
  return std::all_of(results.byFrequency.begin(), results.byFrequency.end(),
                     [size](std::uint32_t index) { return index < size; });
}

ListedWordsTable::ListedWordsTable(const WordTable& table, const ListResults& results)
    : table_(table),
      totalOccurrences_(results.totals.lngTotalOccurrences),
      byRank_(results.byFrequency),
      shown_(byRank_) {}

std::string ListedWordsTable::Header(std::size_t column) const {
  switch (column) {
    case kRank:
      return "Rank";
    case kWord:
      return "Word";
    case kFrequency:
      return "Frequency";
    case kPercentage:
      return "Percentage";
    default:
      return {};
  }
}

std::string ListedWordsTable::Cell(std::size_t row, std::size_t column) const {
  const WordEntry& entry = table_[shown_[row]];
  switch (column) {
    case kRank:
      return std::to_string(entry.lngRank);
    case kWord:
      return EncodeUtf8(entry.strWord());
    case kFrequency:
      return std::to_string(entry.lngCount);
    case kPercentage: {
      const double share = totalOccurrences_ > 0 ? 100.0 * static_cast<double>(entry.lngCount) /
                                                       static_cast<double>(totalOccurrences_)
                                                 : 0.0;
      char text[32];
      std::snprintf(text, sizeof text, "%.4f", share);
      return text;
    }
    default:
      return {};
  }
}

void ListedWordsTable::Sort(std::size_t column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  Order();
}

// Rank order is the frequency order the results stages made (descending
// count, equal counts in key order), and key order is the table's own: no
// column needs a comparison sort of words, only of table indexes.
void ListedWordsTable::Order() {
  switch (sortColumn_) {
    case kWord:
      std::sort(shown_.begin(), shown_.end());
      break;
    default: {
      // Rank, frequency and percentage all follow the rank order; the
      // filter kept rank order's relative order in byRank_.
      std::vector<std::uint32_t> ordered;
      ordered.reserve(shown_.size());
      if (shown_.size() == byRank_.size()) {
        ordered = byRank_;
      } else {
        std::vector<bool> kept(table_.size(), false);
        for (std::uint32_t index : shown_) kept[index] = true;
        for (std::uint32_t index : byRank_)
          if (kept[index]) ordered.push_back(index);
      }
      shown_ = std::move(ordered);
      // Frequency and percentage read most frequent first when descending.
      if (sortColumn_ != kRank) std::reverse(shown_.begin(), shown_.end());
      break;
    }
  }
  if (!ascending_) std::reverse(shown_.begin(), shown_.end());
}

void ListedWordsTable::Filter(std::string_view text) {
  filter_ = LowerCp1252(DecodeToCp1252(text));
  shown_.clear();
  for (std::uint32_t index : byRank_) {
    if (filter_.empty() || ContainsFolded(table_[index].strWord(), filter_))
      shown_.push_back(index);
  }
  Order();
}

std::string ListedWordsTable::RowsAsTsv(const std::vector<std::size_t>& rows) const {
  return RowsAsTsvOf(*this, rows);
}

}  // namespace zet
