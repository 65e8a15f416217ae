#pragma once
// Where zet-count puts the list: standard output or the output file.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

#include "params/ParameterSet.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes the list as the output textbox shows it (plain layout) with LF
/// line ends and a final line end, with the range column when `ranges` is
/// not empty. False when `out` failed.
[[nodiscard]] bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                                       const ParameterSet& params,
                                       std::span<const std::int64_t> ranges, std::ostream& out);

}  // namespace zet
