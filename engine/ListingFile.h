#pragma once
// Writing the list to the output file, shared by both programs.

#include <cstdint>
#include <span>
#include <string>

#include "engine/Outcome.h"
#include "params/ParameterSet.h"
#include "results/Export.h"
#include "results/Listing.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes the output file as both programs write it (CR LF lines, format 9
/// as one line, the comma layout when chosen) through a temporary file, so
/// the target is replaced only by a whole list or by the lines written
/// before `pump` stopped the listing; a failure at any point (the file
/// cannot be created, a full disk) leaves a previous file as it was and is
/// a CannotWrite problem naming `path`. Returns how the listing ended:
/// Completed or Stopped.
[[nodiscard]] Outcome<ListingOutcome> WriteListingFile(const std::string& path,
                                                       const WordTable& table,
                                                       const ListResults& results,
                                                       const ParameterSet& params,
                                                       const ListingPump& pump = {},
                                                       std::span<const std::int64_t> ranges = {});

/// Writes an export (WriteExport) to `path` through the same temporary file
/// as WriteListingFile: a failure leaves a previous file as it was and is a
/// CannotWrite problem naming `path`.
[[nodiscard]] Outcome<Done> WriteExportFile(const std::string& path, const WordTable& table,
                                            const ListResults& results,
                                            const ExportRequest& request);

}  // namespace zet
