#pragma once
// The words a count left out of its list, with the reason for each, as
// table rows beside the listed words.

#include <cstdint>
#include <vector>

#include "platform/TableRows.h"
#include "results/FilterSettings.h"
#include "results/WordLedger.h"
#include "scanner/WordTable.h"

namespace zet {

/// The entries of `table` the results stages left out under `filters`
/// (the settings they ran with), as zet-count --excluded lists them: column
/// 0 the word, 1 its frequency, 2 the reason. The table must outlive the
/// rows unchanged. Starts in word order, as a table's first column.
class LeftOutWordsTable final : public TableRows {
 public:
  enum Column : std::size_t { kWord, kFrequency, kReason, kColumns };

  LeftOutWordsTable(const WordTable& table, FilterSettings filters);

  [[nodiscard]] std::size_t RowCount() const override { return shown_.size(); }
  [[nodiscard]] std::size_t ColumnCount() const override { return kColumns; }
  [[nodiscard]] std::string Header(std::size_t column) const override;
  [[nodiscard]] bool IsNumber(std::size_t column) const override { return column == kFrequency; }
  [[nodiscard]] std::string Cell(std::size_t row, std::size_t column) const override;
  void Sort(std::size_t column, bool ascending) override;
  void Filter(std::string_view text) override;
  [[nodiscard]] std::string RowsAsTsv(const std::vector<std::size_t>& rows) const override;

 private:
  void Order();

  const WordTable& table_;
  FilterSettings filters_;
  std::vector<LeftOutEntry> byFrequency_;  // every left-out entry, most frequent first
  std::vector<LeftOutEntry> shown_;        // the filter's rows in the current order
  std::size_t sortColumn_ = kWord;
  bool ascending_ = true;
};

}  // namespace zet
