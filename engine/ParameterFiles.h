#pragma once
// Saving and loading parameter files, shared by both programs.

#include <string>

#include "engine/FileWrites.h"
#include "params/ModelSettings.h"
#include "params/Outcome.h"
#include "params/ParameterSet.h"

namespace zet {

/// Saves `params` to the parameter (or settings) file `path` in the 37-line
/// format by the write policy (params/AtomicFile.h). Refused before
/// anything is written (a SameFile problem naming both files) when `path`
/// is a file the run reads or writes: the input, output or common-words
/// file that `params` names, or any of `alsoRead` (a parameter file the run
/// started from, standard input's file). Any other failure is a CannotWrite
/// problem as SaveState reports it.
/// With `model`, its side file (params/ModelSettings.h) is written after
/// the 37-line file, under the same refusals.
[[nodiscard]] Outcome<Done> SaveParameters(const std::string& path, const ParameterSet& params,
                                           const FilesRead& alsoRead = {},
                                           const ModelSettings* model = nullptr);

}  // namespace zet
