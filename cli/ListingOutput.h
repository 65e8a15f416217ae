#pragma once
// Where zet-count puts the list: standard output or the output file.

#include <iosfwd>
#include <optional>
#include <string>

#include "engine/RunTimeError.h"
#include "params/ParameterSet.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// Writes the output file exactly as the desktop program does (CR LF lines,
/// format 9 as one line, the comma layout when chosen), replacing `path`
/// whole or not at all. Returns the failure, if any.
[[nodiscard]] std::optional<RunTimeError> WriteOutputFileAtomically(const std::string& path,
                                                                    const WordTable& table,
                                                                    const ListResults& results,
                                                                    const ParameterSet& params);

/// Writes the list as the output textbox shows it (plain layout) with LF
/// line ends and a final line end. False when `out` failed.
[[nodiscard]] bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                                       const ParameterSet& params, std::ostream& out);

}  // namespace zet
