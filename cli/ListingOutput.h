#pragma once
// Where zet-count puts the list: standard output or the output file.

#include <iosfwd>
#include <string>

#include "params/ParameterSet.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes the list as the output textbox shows it (plain layout) with LF
/// line ends and a final line end. False when `out` failed.
[[nodiscard]] bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                                       const ParameterSet& params, std::ostream& out);

}  // namespace zet
