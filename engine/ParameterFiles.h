#pragma once
// Saving and loading parameter files, shared by both programs.

#include <span>
#include <string>

#include "engine/Outcome.h"
#include "params/ParameterSet.h"

namespace zet {

/// Saves `params` to the parameter (or settings) file `path` in the 37-line
/// format, replaced whole or not at all. Refused before anything is
/// written (a SameFile problem naming both files) when `path` is a file the
/// run reads or writes: the input, output or common-words file that
/// `params` names, or any of `alsoRead` (a parameter file the run started
/// from). Any other failure is a CannotWrite problem with SaveState's text.
[[nodiscard]] Outcome<Done> SaveParameters(const std::string& path, const ParameterSet& params,
                                           std::span<const std::string> alsoRead = {});

/// Reads the parameter file `path` into `params` (RestoreSavedState); a
/// file that does not read is a BadFile problem with its text, and the
/// lines before the unusable one stay applied.
[[nodiscard]] Outcome<Done> RestoreParameters(const std::string& path, ParameterSet& params);

}  // namespace zet
