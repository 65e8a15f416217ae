#pragma once
// Rows a table view shows, cell by cell, without copying them: the view
// asks only for the rows on screen.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zet {

/// A table of rows and columns behind a view. The rows shown are those the
/// filter kept, in the order of the last sort. Texts are UTF-8.
class TableRows {
 public:
  virtual ~TableRows() = default;

  [[nodiscard]] virtual std::size_t RowCount() const = 0;
  [[nodiscard]] virtual std::size_t ColumnCount() const = 0;
  [[nodiscard]] virtual std::string Header(std::size_t column) const = 0;
  /// Numbers are right-aligned.
  [[nodiscard]] virtual bool IsNumber(std::size_t column) const = 0;
  /// The text of shown row `row`, column `column`.
  [[nodiscard]] virtual std::string Cell(std::size_t row, std::size_t column) const = 0;
  /// Orders the shown rows by `column`.
  virtual void Sort(std::size_t column, bool ascending) = 0;
  /// Shows only the rows whose text column holds `text` (any case); an
  /// empty text shows every row. The order of the last sort stays.
  virtual void Filter(std::string_view text) = 0;
  /// The shown rows `rows`, in the order given, one line each with the
  /// cells separated by tabs, after a line of headers.
  [[nodiscard]] virtual std::string RowsAsTsv(const std::vector<std::size_t>& rows) const = 0;
};

}  // namespace zet
