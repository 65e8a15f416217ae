#include "windows/VocabularyProfile.h"

#include <algorithm>
#include <cmath>

namespace zet {

ProfileFigures ProfileOf(const WordTable& table, const ListResults& results,
                         std::size_t maxCurvePoints) {
  ProfileFigures profile;
  const FrequencyOrder& order = results.byFrequency;
  profile.types = static_cast<std::int64_t>(order.size());
  // Sums in the loop, so that the profile does not rely on the totals.
  double sumX = 0;
  double sumY = 0;
  double sumXX = 0;
  double sumXY = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::int64_t count = table[order[i]].lngCount;
    profile.tokens += count;
    if (count == 1) ++profile.onceOnly;
    if (count == 2) ++profile.twice;
    const double x = std::log10(static_cast<double>(i + 1));
    const double y = std::log10(static_cast<double>(count));
    sumX += x;
    sumY += y;
    sumXX += x * x;
    sumXY += x * y;
  }
  if (profile.tokens > 0)
    profile.typeTokenRatio =
        static_cast<double>(profile.types) / static_cast<double>(profile.tokens);
  const double n = static_cast<double>(order.size());
  const double spread = n * sumXX - sumX * sumX;
  if (order.size() >= 2 && spread > 0) {
    profile.slope = (n * sumXY - sumX * sumY) / spread;
    profile.intercept = (sumY - profile.slope * sumX) / n;
  }
  if (order.empty() || maxCurvePoints == 0) return profile;
  // Half the points for the head rank by rank, half spread on the log scale
  // over the rest: a million ranks still draw as a curve of a few thousand.
  const std::size_t head = std::min(order.size(), std::max<std::size_t>(1, maxCurvePoints / 2));
  std::size_t previous = 0;
  auto add = [&](std::size_t rank) {
    if (rank <= previous || rank > order.size()) return;
    previous = rank;
    profile.curve.push_back({std::log10(static_cast<double>(rank)),
                             std::log10(static_cast<double>(table[order[rank - 1]].lngCount))});
  };
  for (std::size_t rank = 1; rank <= head; ++rank) add(rank);
  const std::size_t tailPoints = maxCurvePoints - head;
  if (order.size() > head && tailPoints > 0) {
    const double from = std::log10(static_cast<double>(head));
    const double to = std::log10(static_cast<double>(order.size()));
    for (std::size_t k = 1; k < tailPoints; ++k) {
      const double logRank =
          from + (to - from) * static_cast<double>(k) / static_cast<double>(tailPoints);
      add(static_cast<std::size_t>(std::llround(std::pow(10.0, logRank))));
    }
    add(order.size());
  }
  return profile;
}

}  // namespace zet
