#pragma once
// The listed words of a count as table rows: rank, word, frequency and
// percentage, sorted and filtered through index vectors so that millions of
// rows cost a few bytes each.

#include <cstdint>
#include <vector>

#include "platform/TableRows.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// The rows of the entries `results` lists from `table` (both must outlive
/// it unchanged). Column 0 is the rank, 1 the word, 2 the frequency and 3
/// its share of every word counted, in per cent. Starts in rank order.
class ListedWordsTable final : public TableRows {
 public:
  enum Column : std::size_t { kRank, kWord, kFrequency, kPercentage, kColumns };

  ListedWordsTable(const WordTable& table, const ListResults& results);

  [[nodiscard]] std::size_t RowCount() const override { return shown_.size(); }
  [[nodiscard]] std::size_t ColumnCount() const override { return kColumns; }
  [[nodiscard]] std::string Header(std::size_t column) const override;
  [[nodiscard]] bool IsNumber(std::size_t column) const override { return column != kWord; }
  [[nodiscard]] std::string Cell(std::size_t row, std::size_t column) const override;
  void Sort(std::size_t column, bool ascending) override;
  void Filter(std::string_view text) override;
  [[nodiscard]] std::string RowsAsTsv(const std::vector<std::size_t>& rows) const override;

  /// The table index of shown row `row`.
  [[nodiscard]] std::uint32_t EntryOf(std::size_t row) const { return shown_[row]; }

 private:
  void Order();

  const WordTable& table_;
  std::int64_t totalOccurrences_;
  std::vector<std::uint32_t> byRank_;  // every listed entry, rank 1 first
  std::vector<std::uint32_t> shown_;   // the filter's rows in the current order
  std::size_t sortColumn_ = kRank;
  bool ascending_ = true;
  std::string filter_;  // Windows-1252, lower case
};

/// Whether `table` and `results` belong together: the results' entries are
/// all in the table, as after the results stages ran on it.
[[nodiscard]] bool ResultsMatchTable(const WordTable& table, const ListResults& results) noexcept;

}  // namespace zet
