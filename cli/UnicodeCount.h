#pragma once
// zet-count under the Unicode word model (--unicode).

#include <iosfwd>

#include "cli/CountCommand.h"
#include "cli/CountOptions.h"
#include "params/ParameterSet.h"

namespace zet {

/// Counts and lists the input of `options` under the Unicode word model,
/// with the resolved `params`: letters of every script, words of scripts
/// written without spaces cut by ICU's dictionary word break, one word per
/// primary collation key of the locale (--locale, or LC_ALL / LC_COLLATE /
/// LANG), listed alphabetically in that locale's order or, with
/// --order codepoint, by code point. Returns the exit status: 2 for a
/// locale ICU does not know.
[[nodiscard]] int RunUnicodeCount(const CountOptions& options, const ParameterSet& params,
                                  std::istream& in, std::ostream& out, std::ostream& err,
                                  const CountEnvironment& env);

}  // namespace zet
