#pragma once
// Where zet-count puts the list: standard output or the output file.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

#include "engine/ListingFile.h"
#include "params/ParameterSet.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes a listing the way `list` writes it (into the sink it is handed,
/// in the layout of the options it is handed) as the output textbox shows
/// it: plain layout, LF line ends, a final line end. False when `out` failed.
[[nodiscard]] bool WriteStandardOutputWith(const ParameterSet& params, std::ostream& out,
                                           const ListingWriter& list);

/// Writes the list as the output textbox shows it (plain layout) with LF
/// line ends and a final line end, with the range column when `ranges` is
/// not empty. False when `out` failed.
[[nodiscard]] bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                                       const ParameterSet& params,
                                       std::span<const std::int64_t> ranges, std::ostream& out);

}  // namespace zet
