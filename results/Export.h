#pragma once
// The list as data for other programs: tab- or comma-separated values, or
// JSON with the totals and the parameters in force.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "results/ListingSink.h"
#include "results/Ranking.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

enum class ExportFormat : std::uint8_t { Tsv, Csv, Json };

/// "tsv", "csv" or "json", or nothing.
[[nodiscard]] std::optional<ExportFormat> ExportFormatNamed(std::string_view name) noexcept;

/// What an export holds besides the listed words.
struct ExportRequest {
  ExportFormat format = ExportFormat::Tsv;
  WordOrder order = WordOrder::ByFrequency;
  /// Files each entry was found in, by key-order index; empty: no range
  /// column.
  std::span<const std::int64_t> ranges;
  /// The parameters in force, by the names the command line gives them
  /// (JSON only), in this order.
  std::vector<std::pair<std::string, std::string>> parameters;
};

/// Writes the listed entries of `table` (`results` from the last results
/// stages on it) in `request.order` to `sink`: UTF-8, LF line ends. TSV and
/// CSV have a header row and the columns rank, word, frequency, percentage
/// of the listed occurrences and, when counted, range; CSV quotes as RFC
/// 4180 does. JSON is one object: "totals", "parameters" and "words" (each
/// an object with those columns). False when the sink refused a piece.
[[nodiscard]] bool WriteExport(const WordTable& table, const ListResults& results,
                               const ExportRequest& request, ListingSink& sink);

}  // namespace zet
