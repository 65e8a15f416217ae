#pragma once
// Reading the common-words file, shared by both programs.

#include <memory>
#include <string>
#include <string_view>

#include "engine/FileProc.h"
#include "params/Outcome.h"
#include "results/WordChecks.h"
#include "scanner/ScanObserver.h"
#include "scanner/ScanSettings.h"

namespace zet {

/// The name a common-words file is read under: `name` trimmed of spaces,
/// as typed in a box or stored in a parameter file.
[[nodiscard]] std::string CommonWordsPath(std::string_view name);

/// The checks before reading: a name is given (CommonWordsNotNamed), the
/// file exists (CommonWordsMissing, "File for common words not found.") and
/// is text (NotText). Returns the text check, whose line endings the caller
/// may warn about. `path` is taken as it is: trim it with CommonWordsPath.
[[nodiscard]] Outcome<TextCheck> CheckCommonWordsFile(const std::string& path);

/// Reads the common words of `path` cut by `rules` (see ReadCommonWords);
/// `observer` sees the count of different words as they are found. A file
/// that cannot be opened or read is a CannotRead problem whose message is
/// "Error", the number, ": " and the system's description. Only regular
/// files are opened, so a named pipe put in place of a checked name cannot
/// hang the program.
[[nodiscard]] Outcome<std::shared_ptr<const WordSet>> ReadCommonWordsFile(const std::string& path,
                                                                          const WordRules& rules,
                                                                          ScanObserver& observer);

}  // namespace zet
