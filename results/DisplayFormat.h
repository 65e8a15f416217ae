#pragma once
// The display formats of a listing.

#include <cstdint>

namespace zet {

/// The ten display formats, in list order.
enum class DisplayFormat : std::uint8_t {
  RankFrequencyWord,
  RankWordFrequency,
  RankFrequency,
  RankWord,
  FrequencyRank,
  FrequencyWord,
  WordRank,
  WordFrequency,
  Word,
  WordCommas,
};
inline constexpr int kDisplayFormatCount = 10;

}  // namespace zet
