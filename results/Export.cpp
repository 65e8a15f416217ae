#include "results/Export.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "scanner/TextCodec.h"

namespace zet {
namespace {

// Percentages with four decimals: enough to tell the rarest words of a
// big corpus apart, and the same text in every format.
std::string Percentage(std::int64_t count, std::int64_t listed) {
  char text[32];
  const double share =
      listed > 0 ? 100.0 * static_cast<double>(count) / static_cast<double>(listed) : 0.0;
  std::snprintf(text, sizeof text, "%.4f", share);
  return text;
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  return field + '"';
}

// Calls `visit(index)` for every listed entry in `order`.
template <typename Visit>
bool ForEachListed(const WordTable& table, const ListResults& results, WordOrder order,
                   Visit&& visit) {
  if (order == WordOrder::ByFrequency) {
    for (const std::size_t e : results.byFrequency)
      if (!visit(e)) return false;
    return true;
  }
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].blnIncluded && !visit(i)) return false;
  return true;
}

bool WriteSeparated(const WordTable& table, const ListResults& results,
                    const ExportRequest& request, ListingSink& sink) {
  const bool csv = request.format == ExportFormat::Csv;
  const char separator = csv ? ',' : '\t';
  const bool ranged = !request.ranges.empty();
  std::string line = csv ? "rank,word,frequency,percentage" : "rank\tword\tfrequency\tpercentage";
  line += ranged ? (csv ? ",range\n" : "\trange\n") : "\n";
  if (!sink.Write(line)) return false;
  const std::int64_t listed = results.totals.lngListedOccurrences;
  return ForEachListed(table, results, request.order, [&](std::size_t i) {
    const WordEntry& entry = table[i];
    std::string word = EncodeUtf8(entry.strWord());
    line = std::to_string(entry.lngRank);
    line += separator;
    line += csv ? CsvField(word) : word;  // a word never holds a tab or a line break
    line += separator;
    line += std::to_string(entry.lngCount);
    line += separator;
    line += Percentage(entry.lngCount, listed);
    if (ranged) {
      line += separator;
      line += std::to_string(request.ranges[i]);
    }
    line += '\n';
    return sink.Write(line);
  });
}

bool WriteJson(const WordTable& table, const ListResults& results, const ExportRequest& request,
               ListingSink& sink) {
  using nlohmann::ordered_json;
  ordered_json doc;
  const ListTotals& t = results.totals;
  doc["totals"] = {{"listed", t.lngNumListed},
                   {"excluded", t.lngNumExcluded},
                   {"listedOccurrences", t.lngListedOccurrences},
                   {"totalOccurrences", t.lngTotalOccurrences}};
  ordered_json parameters = ordered_json::object();
  for (const auto& [name, value] : request.parameters) parameters[name] = value;
  doc["parameters"] = std::move(parameters);
  ordered_json words = ordered_json::array();
  ForEachListed(table, results, request.order, [&](std::size_t i) {
    const WordEntry& entry = table[i];
    ordered_json word = {
        {"rank", entry.lngRank},
        {"word", EncodeUtf8(entry.strWord())},
        {"frequency", entry.lngCount},
        {"percentage", std::stod(Percentage(entry.lngCount, t.lngListedOccurrences))}};
    if (!request.ranges.empty()) word["range"] = request.ranges[i];
    words.push_back(std::move(word));
    return true;
  });
  doc["words"] = std::move(words);
  return sink.Write(doc.dump(1, '\t', false, nlohmann::json::error_handler_t::replace) + "\n");
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) noexcept {
  if (name == "tsv") return ExportFormat::Tsv;
  if (name == "csv") return ExportFormat::Csv;
  if (name == "json") return ExportFormat::Json;
  return std::nullopt;
}

bool WriteExport(const WordTable& table, const ListResults& results, const ExportRequest& request,
                 ListingSink& sink) {
  const bool written = request.format == ExportFormat::Json
                           ? WriteJson(table, results, request, sink)
                           : WriteSeparated(table, results, request, sink);
  return sink.Finish() && written;
}

}  // namespace zet
