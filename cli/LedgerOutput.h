#pragma once
// zet-count's answers to "why is this word not listed?" and "which
// spellings were folded together?": --excluded, --explain, --spellings.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CountOptions.h"
#include "engine/ListingFile.h"
#include "params/ParameterSet.h"
#include "results/FilterSettings.h"
#include "results/Ranking.h"
#include "results/ResultsStages.h"
#include "results/SpellingLedger.h"
#include "results/WordLedger.h"
#include "scanner/ScanSettings.h"
#include "scanner/WordTable.h"

namespace zet {

/// Prints the entries the filters left out, one a line in the order of
/// `order`: word, count and reason, separated by tabs; UTF-8, LF line ends.
/// `filters` and `limit` are those the results stages ran with.
void PrintLeftOut(const WordTable& table, const FilterSettings& filters, const RangeLimit& limit,
                  WordOrder order, std::ostream& out);

/// Prints one line for each word of `typed` (UTF-8, as given on the command
/// line): what the count made of it, cut by `scan`'s rules. `spellings`
/// may be null (the spellings were not collected).
void PrintExplanations(const std::vector<std::string>& typed, const ScanSettings& scan,
                       const WordTable& table, const FilterSettings& filters,
                       const RangeLimit& limit, const SpellingLedger* spellings, std::ostream& out);

/// A listing of `table` as WriteListing writes it, each entry's line
/// followed by "  [" its spellings "]".
[[nodiscard]] ListingWriter ListWithSpellings(const WordTable& table, const ListResults& results,
                                              const SpellingLedger& spellings);

/// True when `options` ask for a report (--excluded, --explain) that
/// standard output shows instead of the list.
[[nodiscard]] bool WantsLedgerReport(const CountOptions& options) noexcept;

/// The reports `options` ask for, --explain's answers first, for a count
/// under `params` whose results stages ran with `filters` and `limit`.
void PrintLedgerReports(const CountOptions& options, const ParameterSet& params,
                        const WordTable& table, const FilterSettings& filters,
                        const RangeLimit& limit, const SpellingLedger* spellings,
                        std::ostream& out);

}  // namespace zet
