#pragma once
// The figures of a vocabulary profile, as a view shows them.

#include <cstdint>
#include <vector>

namespace zet {

/// One point of the rank-frequency curve: base-10 logarithms of a rank and
/// of its frequency.
struct ZipfPoint {
  double logRank = 0;
  double logFrequency = 0;
};

struct ProfileFigures {
  std::int64_t types = 0;     ///< different words listed
  std::int64_t tokens = 0;    ///< their occurrences
  double typeTokenRatio = 0;  ///< types / tokens; 0 when nothing is listed
  std::int64_t onceOnly = 0;  ///< words found once (hapax legomena)
  std::int64_t twice = 0;     ///< words found twice
  /// The curve, thinned: every rank at the head, then ranks evenly spread
  /// on the log scale, the last rank always.
  std::vector<ZipfPoint> curve;
  /// The least-squares line through every rank's point (not only the
  /// thinned curve): logFrequency = slope * logRank + intercept. Zero with
  /// fewer than two ranks.
  double slope = 0;
  double intercept = 0;
};

}  // namespace zet
