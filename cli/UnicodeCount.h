#pragma once
// zet-count under the Unicode word model (--unicode).

#include <iosfwd>

#include "cli/CountCommand.h"
#include "cli/CountOptions.h"
#include "engine/UnicodeRun.h"
#include "params/ParameterSet.h"

namespace zet {

/// Counts the input of `options` under the Unicode word model, with the
/// resolved `params`, and runs the results stages: letters of every script,
/// words of scripts written without spaces cut by ICU's dictionary word
/// break, one word per primary collation key of the locale (--locale, or
/// LC_ALL / LC_COLLATE / LANG), listed alphabetically in that locale's
/// order or, with --order codepoint, by code point. Returns 0, or the exit
/// status after writing the reason to `err`: 2 for a locale ICU does not
/// know, 1 for an input or common-words file that cannot be used.
[[nodiscard]] int CountUnicodeInput(const CountOptions& options, const ParameterSet& params,
                                    std::istream& in, const CountEnvironment& env,
                                    UnicodeCounted& counted, std::ostream& err);

}  // namespace zet
