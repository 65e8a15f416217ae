#include "windows/LeftOutWordsTable.h"

#include <algorithm>

#include "scanner/TextCodec.h"
#include "windows/RowText.h"

namespace zet {

LeftOutWordsTable::LeftOutWordsTable(const WordTable& table, FilterSettings filters)
    : table_(table),
      filters_(std::move(filters)),
      byFrequency_(ListLeftOut(table, filters_, WordOrder::ByFrequency)),
      shown_(byFrequency_) {
  Order();
}

std::string LeftOutWordsTable::Header(std::size_t column) const {
  switch (column) {
    case kWord:
      return "Word";
    case kFrequency:
      return "Frequency";
    case kReason:
      return "Left out because";
    default:
      return {};
  }
}

std::string LeftOutWordsTable::Cell(std::size_t row, std::size_t column) const {
  const LeftOutEntry& left = shown_[row];
  const WordEntry& entry = table_[left.entry];
  switch (column) {
    case kWord:
      return EncodeUtf8(entry.strWord());
    case kFrequency:
      return std::to_string(entry.lngCount);
    case kReason:
      return ExclusionReason(left.exclusion, filters_);
    default:
      return {};
  }
}

void LeftOutWordsTable::Sort(std::size_t column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  Order();
}

// Frequency order is the order the ledger made (descending count, equal
// counts in key order) and key order the table's own, so only the reason
// needs a comparison, kept stable within it.
void LeftOutWordsTable::Order() {
  const auto byEntry = [](const LeftOutEntry& a, const LeftOutEntry& b) {
    return a.entry < b.entry;
  };
  const auto rank = [this] {
    std::vector<std::uint32_t> position(table_.size(), 0);
    for (std::uint32_t k = 0; k < byFrequency_.size(); ++k) position[byFrequency_[k].entry] = k;
    return position;
  };
  switch (sortColumn_) {
    case kWord:
      std::sort(shown_.begin(), shown_.end(), byEntry);
      break;
    case kReason: {
      const std::vector<std::uint32_t> position = rank();
      std::sort(shown_.begin(), shown_.end(), [&](const LeftOutEntry& a, const LeftOutEntry& b) {
        if (a.exclusion != b.exclusion) return a.exclusion < b.exclusion;
        return position[a.entry] < position[b.entry];
      });
      break;
    }
    default: {
      // Descending is the ledger's order; ascending its reverse.
      const std::vector<std::uint32_t> position = rank();
      std::sort(shown_.begin(), shown_.end(), [&](const LeftOutEntry& a, const LeftOutEntry& b) {
        return position[a.entry] > position[b.entry];
      });
      break;
    }
  }
  if (!ascending_) std::reverse(shown_.begin(), shown_.end());
}

void LeftOutWordsTable::Filter(std::string_view text) {
  const std::string needle = LowerCp1252(DecodeToCp1252(text));
  shown_.clear();
  for (const LeftOutEntry& left : byFrequency_)
    if (ContainsFolded(table_[left.entry].strWord(), needle)) shown_.push_back(left);
  Order();
}

std::string LeftOutWordsTable::RowsAsTsv(const std::vector<std::size_t>& rows) const {
  return RowsAsTsvOf(*this, rows);
}

}  // namespace zet
