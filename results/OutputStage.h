#pragma once
// The output stage: the output file's content, the textbox listing and the
// texts that explain an empty, stopped or unwritten list.
//
// Nothing here opens a file or touches a window. The caller decides, with
// these rules, whether to write the file, opens it, and hands the stream.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "results/DisplayFormat.h"
#include "results/Listing.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

inline constexpr std::string_view kNowWritingToOutputFile = "Now writing to output file ...";
inline constexpr std::string_view kOutputToFileTerminated = "Output to file was terminated.";
inline constexpr std::string_view kListingStopped = "Listing stopped.";
inline constexpr std::string_view kNoWordsFound = "No words satisfying the conditions were found.";
inline constexpr std::string_view kOverwriteQuestion = "Output file exists.  OK to overwrite?";
inline constexpr std::string_view kOverwriteTitle = "Output file exists";

/// The textbox text after the file listing was stopped:
/// kOutputToFileTerminated and CR LF. The textbox listing is then skipped.
[[nodiscard]] std::string TextboxAfterFileStopped();

/// Completes the textbox text `text` after its listing ended with
/// `outcome`: a stopped listing gets CR LF, kListingStopped and CR LF;
/// otherwise, in format 9, the final ", " is removed (only from a text of
/// more than two characters).
void FinishTextboxListing(std::string& text, ListingOutcome outcome, DisplayFormat format);

/// Writes the output file's whole content to `file` (opened by the caller,
/// binary): the header and one line per listed word, each ending with
/// CR LF, in the plain or, with `blnOutputWithCommas`, the comma layout;
/// in format 9 the words joined by ", " on one line with no line end.
/// UTF-8, no byte-order mark. Stopped: the lines written so far stay.
/// Failed: the stream refused a write.
ListingOutcome WriteOutputFile(const WordTable& table, const ListResults& results, WordOrder order,
                               DisplayFormat format, bool blnOutputWithCommas, std::ostream& file,
                               const ListingPump& pump = {});

/// The textbox text for the list: the plain layout with CR LF line ends,
/// completed by FinishTextboxListing (so a stop via `pump` ends it with
/// "Listing stopped."). UTF-8.
[[nodiscard]] std::string RenderTextboxListing(const WordTable& table, const ListResults& results,
                                               WordOrder order, DisplayFormat format,
                                               const ListingPump& pump = {});

}  // namespace zet
