#pragma once
// The listings of a Unicode table, in the display formats of the default
// model.

#include "results/Listing.h"
#include "unicode/UnicodeResults.h"

namespace zet {

/// WriteListing for a Unicode table: the same header, lines, separators,
/// pacing and pump as the default model's listing, with the words in UTF-8
/// as they are and the word column padded by grapheme clusters. `results`
/// must come from the last RunUnicodeResultsStages on `table`. An
/// alphabetical listing follows `results.alphabetical` when it is set.
ListingOutcome WriteUnicodeListing(const UnicodeTable& table, const UnicodeListResults& results,
                                   const ListingOptions& options, ListingSink& sink,
                                   const ListingPump& pump = {});

}  // namespace zet
