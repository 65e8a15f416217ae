#pragma once
// A count under the Unicode word model, as both programs run it: the
// table, the sources read into it, its filters and its output file.

#include <memory>
#include <string>

#include "engine/ListingFile.h"
#include "params/Outcome.h"
#include "params/ParameterSet.h"
#include "results/Listing.h"
#include "scanner/Encoding.h"
#include "scanner/LineReader.h"
#include "scanner/ScanObserver.h"
#include "scanner/ScanSettings.h"
#include "scanner/SourceReader.h"
#include "unicode/UnicodeResults.h"
#include "unicode/UnicodeSettings.h"
#include "unicode/UnicodeTable.h"

namespace zet {

/// The collation locale the process's environment asks for (LC_ALL, then
/// LC_COLLATE, then LANG; see CollationLocaleFromEnvironment).
[[nodiscard]] std::string CollationLocaleOfEnvironment();

/// The settings of a Unicode count under `params` (user markers, which a
/// source's kind may replace), in `locale`, listed in `order`.
[[nodiscard]] UnicodeSettings UnicodeSettingsFor(const ParameterSet& params, std::string locale,
                                                 UnicodeOrder order);

/// A Unicode count and its results stages.
struct UnicodeCounted {
  std::unique_ptr<UnicodeTable> table;
  UnicodeListResults results;
};

/// An empty table for a count under `settings`; a CannotRead problem when
/// ICU cannot open a collator for the locale at all.
[[nodiscard]] Outcome<std::unique_ptr<UnicodeTable>> OpenUnicodeTable(
    const UnicodeSettings& settings);

/// Counts `source`, read in `encoding` (UTF-8, UTF-16 or Windows-1252, all
/// decoded to UTF-8), into `table`. `scan` is the source's settings as the
/// default model has them (ScanSettingsFor with the markers its kind
/// chooses, written in Windows-1252).
ReadOutcome CountUnicodeSource(ByteSource& source, Encoding encoding, ScanSettings scan,
                               UnicodeTable& table, ScanObserver& observer,
                               const LineProgress& progress = {});

/// The filters of a listing of a table counted under `settings`: the
/// thresholds and boxes of `params`, its typed words to ignore and, when
/// common words are ignored, the words of its common-words file, cut and
/// folded as the count cut its words. A common-words file that cannot be
/// used is the problem that says why, naming it.
[[nodiscard]] Outcome<UnicodeFilterSettings> UnicodeFiltersFor(const ParameterSet& params,
                                                               const UnicodeSettings& settings);

/// The listing of `counted` (its words in UTF-8, laid out as the default
/// model's), for WriteListingFileWith or a face's own sink; `counted` must
/// outlive it.
[[nodiscard]] ListingWriter UnicodeListingWriter(const UnicodeCounted& counted,
                                                 const ListingPump& pump = {});

}  // namespace zet
