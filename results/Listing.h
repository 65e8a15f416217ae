#pragma once
// The two traversals that emit a list: alphabetical and by frequency.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "results/DisplayFormat.h"
#include "results/LineLayout.h"
#include "results/ListingSink.h"
#include "results/Ranking.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// How one listing is written.
struct ListingOptions {
  WordOrder order = WordOrder::ByFrequency;
  DisplayFormat format = DisplayFormat::RankFrequencyWord;
  /// "Include commas in output file": the comma layout, for the file only.
  bool blnOutputWithCommas = false;
  ListingTarget target = ListingTarget::Textbox;
  int intMinColumnWidth = kMinColumnWidth;
  /// When not empty, the number of files each entry was found in, by
  /// key-order index: written as a trailing column ("word (N)" in format 9).
  std::span<const std::int64_t> ranges;
};

/// What a traversal reports after each entry it visits.
struct ListingProgress {
  /// Key-order index (0-based) of the entry just visited.
  std::size_t entry = 0;
  /// The 1-based number the pacing step is tested on: the table position
  /// in an alphabetical listing, the line number in a frequency listing.
  std::size_t position = 0;
  /// Whether the entry produced a line (an alphabetical listing also visits
  /// the entries that are left out).
  bool blnLineWritten = false;
  /// A line was written and `position` is a multiple of the pacing step:
  /// time to scroll the newest lines into view.
  bool blnScrollDue = false;
};

/// Called after every visited entry, once its line (if any) is in the sink:
/// the place to let the window process its events. Returning false stops
/// the listing after this entry; the lines already written stay.
using ListingPump = std::function<bool(const ListingProgress&)>;

enum class ListingOutcome : std::uint8_t {
  Completed,  ///< every listed entry was written
  Stopped,    ///< the pump asked to stop
  Failed,     ///< the sink refused a piece or could not finish
};

/// Writes the header and then every listed entry of `table` in key order to
/// `sink`, in the layout of `options`. `results` must come from the last
/// RunResultsStages on `table`. Format 9 writes bare words: to the output
/// file joined by ", " with no line end, to the textbox each followed by
/// ", " (FinishTextboxListing removes the last one). Every other line ends
/// with CR LF. An empty `pump` never stops.
ListingOutcome ListAlphabetically(const WordTable& table, const ListResults& results,
                                  const ListingOptions& options, ListingSink& sink,
                                  const ListingPump& pump = {});

/// As ListAlphabetically, but the listed entries in rank order.
ListingOutcome ListByFrequency(const WordTable& table, const ListResults& results,
                               const ListingOptions& options, ListingSink& sink,
                               const ListingPump& pump = {});

/// ListAlphabetically or ListByFrequency, as `options.order` says.
ListingOutcome WriteListing(const WordTable& table, const ListResults& results,
                            const ListingOptions& options, ListingSink& sink,
                            const ListingPump& pump = {});

}  // namespace zet
