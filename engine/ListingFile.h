#pragma once
// Writing the list to the output file, shared by both programs.

#include <string>

#include "engine/FileWrites.h"
#include "engine/Outcome.h"
#include "params/ParameterSet.h"
#include "results/Listing.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

inline constexpr std::string_view kOutputFile = "output file";

/// Writes the output file as both programs write it (CR LF lines, format 9
/// as one line, the comma layout when chosen; no list is an empty file) by
/// the write policy (params/AtomicFile.h), so a replaced target is replaced
/// only by a whole list or by the lines written before `pump` stopped the
/// listing; a failure at any point (the file cannot be created, a full
/// disk) is a CannotWrite problem "Cannot write the output file PATH: ...".
/// Refused before anything is written (a SameFile problem naming both
/// files) when `path` is the input or common-words file `params` names, or
/// one of `alsoRead`. Returns how the listing ended: Completed or Stopped.
[[nodiscard]] Outcome<ListingOutcome> WriteListingFile(const std::string& path,
                                                       const WordTable& table,
                                                       const ListResults& results,
                                                       const ParameterSet& params,
                                                       const ListingPump& pump = {},
                                                       const FilesRead& alsoRead = {});

}  // namespace zet
