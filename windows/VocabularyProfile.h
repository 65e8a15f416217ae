#pragma once
// How rich a listed vocabulary is: types, tokens and their ratio, the words
// found once and twice, and the rank-frequency curve on log scales with its
// least-squares line (Zipf's law gives a slope near -1).

#include <cstddef>

#include "platform/ProfileFigures.h"
#include "results/ResultsStages.h"
#include "scanner/WordTable.h"

namespace zet {

/// The profile of the entries `results` lists from `table`.
[[nodiscard]] ProfileFigures ProfileOf(const WordTable& table, const ListResults& results,
                                       std::size_t maxCurvePoints = 2000);

}  // namespace zet
