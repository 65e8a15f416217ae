#pragma once
// Which characters make up words.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/ScanSettings.h"

namespace zet {

/// Longest run of word characters taken at once; a longer run is taken as
/// pieces of this length.
inline constexpr std::size_t kMaxWordRun = 65000;

/// The character test. A letter (a-z, A-Z, codes 192-255 but 215 and 247)
/// is always a word character; a digit when `numerals` is true; an ASCII
/// character when it occurs in `extra`. Codes 128-191, 215 and 247 never
/// are, whatever `extra` holds.
[[nodiscard]] bool IsWordChar(char ch, bool numerals, std::string_view extra) noexcept;

/// Number of consecutive word characters of `text` from `start` (0-based),
/// at most kMaxWordRun.
[[nodiscard]] std::size_t WordLength(std::string_view text, std::size_t start, bool numerals,
                                     std::string_view extra) noexcept;

/// The extra characters that the allow-flags admit, in the order
/// "-", "'", "_", ":", "\", "/", ".", "@".
[[nodiscard]] std::string GetExtraWordChars(const AllowFlags& allow);

/// IsWordChar precomputed for one set of allow-flags, with what the scanner
/// needs to know of each character in one table lookup.
class WordCharClasses {
 public:
  static constexpr std::uint8_t kStarts = 1;      ///< may start a word
  static constexpr std::uint8_t kContinues = 2;   ///< may continue a word
  static constexpr std::uint8_t kKeyChanges = 4;  ///< folding changes it
  static constexpr std::uint8_t kTrailing = 8;    ///< trimmed from a word's end

  explicit WordCharClasses(const AllowFlags& allow);

  [[nodiscard]] std::uint8_t Of(char c) const noexcept {
    return flags_[static_cast<unsigned char>(c)];
  }
  [[nodiscard]] bool StartsWord(char c) const noexcept { return (Of(c) & kStarts) != 0; }
  [[nodiscard]] bool ContinuesWord(char c) const noexcept { return (Of(c) & kContinues) != 0; }

 private:
  std::array<std::uint8_t, 256> flags_{};
};

}  // namespace zet
