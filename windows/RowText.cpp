#include "windows/RowText.h"

#include <algorithm>

#include "scanner/Cp1252.h"

namespace zet {

std::string LowerCp1252(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(cp1252::ToLower(c));
  return lower;
}

bool ContainsFolded(std::string_view word, std::string_view lowerNeedle) {
  if (lowerNeedle.size() > word.size()) return false;
  const auto it = std::search(
      word.begin(), word.end(), lowerNeedle.begin(), lowerNeedle.end(),
      [](char a, char b) { return cp1252::ToLower(a) == static_cast<unsigned char>(b); });
  return it != word.end() || lowerNeedle.empty();
}

std::string RowsAsTsvOf(const TableRows& table, const std::vector<std::size_t>& rows) {
  const std::size_t columns = table.ColumnCount();
  std::string tsv;
  for (std::size_t column = 0; column < columns; ++column) {
    if (column > 0) tsv += '\t';
    tsv += table.Header(column);
  }
  tsv += '\n';
  for (std::size_t row : rows) {
    if (row >= table.RowCount()) continue;
    for (std::size_t column = 0; column < columns; ++column) {
      if (column > 0) tsv += '\t';
      tsv += table.Cell(row, column);
    }
    tsv += '\n';
  }
  return tsv;
}

}  // namespace zet
