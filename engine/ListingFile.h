#pragma once
// Writing the list to the output file, shared by both programs.

#include <functional>
#include <string>

#include "engine/FileWrites.h"
#include "params/Outcome.h"
#include "params/ParameterSet.h"
#include "results/Export.h"
#include "results/Listing.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes a listing in the layout of `options` into `sink`: the default
/// model's WriteListing, or another model's listing.
using ListingWriter =
    std::function<ListingOutcome(const ListingOptions& options, ListingSink& sink)>;

inline constexpr std::string_view kOutputFile = "output file";

/// Writes the output file as both programs write it (CR LF lines, format 9
/// as one line, the comma layout when chosen) by the write policy
/// (params/AtomicFile.h): `list` writes the lines, with the output file's
/// layout in the options it is handed, and an empty `list` writes an empty
/// file, for a list with nothing in it. A replaced target is replaced only
/// by a whole list or by the lines written before the listing was stopped;
/// a failure at any point (the file cannot be created, a full disk) is a
/// CannotWrite problem "Cannot write the output file PATH: ...". Refused
/// before anything is written (a SameFile problem naming both files) when
/// `path` is the input or common-words file `params` names, or one of
/// `alsoRead`. Returns how the listing ended: Completed or Stopped.
[[nodiscard]] Outcome<ListingOutcome> WriteListingFileWith(const std::string& path,
                                                           const ParameterSet& params,
                                                           const ListingWriter& list,
                                                           const FilesRead& alsoRead = {});

/// Writes an export (WriteExport) to `path` by the same write policy as
/// WriteListingFileWith, refused over the files the run reads.
[[nodiscard]] Outcome<Done> WriteExportFile(const std::string& path, const WordTable& table,
                                            const ListResults& results,
                                            const ExportRequest& request,
                                            const ParameterSet& params,
                                            const FilesRead& alsoRead = {});

}  // namespace zet
