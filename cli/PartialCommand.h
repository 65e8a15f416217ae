#pragma once
// zet-count's partial counts: --partial, --merge, --map and --reduce.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CountOptions.h"
#include "engine/CountFiles.h"
#include "engine/FileWrites.h"
#include "scanner/WordTable.h"

namespace zet {

/// The usage error of a combination of the partial-count options that
/// makes no sense, or empty.
[[nodiscard]] std::string PartialOptionError(const CountOptions& options);

/// Runs the partial-count step `options` asks for (options.partial.Active()).
/// Returns the exit status when the run ends here; nothing when the merged
/// or counted words are in `table` (with their ranges and, for a corpus or
/// a merge, the files counted and skipped in `counted`), to be listed as a count's
/// are. `read` holds the files the run reads (the partial counts among them).
[[nodiscard]] std::optional<int> RunPartialModes(const CountOptions& options,
                                                 const CountInputRequest& request,
                                                 const FilesRead& read, std::istream& in,
                                                 std::ostream& out, std::ostream& err,
                                                 WordTable& table, CorpusCount& counted);

}  // namespace zet
