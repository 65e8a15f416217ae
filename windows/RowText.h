#pragma once
// What the tables of words share: the case-blind filter test and the rows
// as tab-separated values.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TableRows.h"

namespace zet {

/// `text` (Windows-1252) in lower case, as a filter compares it.
[[nodiscard]] std::string LowerCp1252(std::string_view text);

/// Whether `word` (Windows-1252) holds `lowerNeedle` (lower case), case
/// aside; an empty needle is in every word.
[[nodiscard]] bool ContainsFolded(std::string_view word, std::string_view lowerNeedle);

/// The shown rows `rows` of `table` (those past its end skipped), one line
/// each with the cells separated by tabs, after a line of headers.
[[nodiscard]] std::string RowsAsTsvOf(const TableRows& table, const std::vector<std::size_t>& rows);

}  // namespace zet
