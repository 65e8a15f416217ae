#pragma once
// Which characters make up words.

#include <array>
#include <cstddef>
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

/// IsWordChar precomputed for one set of allow-flags: which characters may
/// start a word (letters, and "_" when underscores are allowed) and which
/// may continue one.
struct WordCharClasses {
  std::array<bool, 256> starts{};
  std::array<bool, 256> continues{};

  explicit WordCharClasses(const AllowFlags& allow);
  [[nodiscard]] bool StartsWord(char c) const noexcept { return starts[static_cast<unsigned char>(c)]; }
  [[nodiscard]] bool ContinuesWord(char c) const noexcept {
    return continues[static_cast<unsigned char>(c)];
  }
};

}  // namespace zet
