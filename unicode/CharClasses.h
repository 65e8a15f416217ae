#pragma once
// What the Unicode model asks of a code point, in one lookup.

#include <cstdint>
#include <vector>

namespace zet {

/// The classes of every code point, taken from ICU's character properties
/// once per process. Code points outside the Basic Multilingual Plane (and
/// invalid ones) are answered by ICU on each call; they are rare in text.
class UnicodeCharClasses {
 public:
  static constexpr std::uint8_t kLetter = 1;  ///< general category L*
  static constexpr std::uint8_t kMark = 2;    ///< general category M*
  static constexpr std::uint8_t kDigit = 4;   ///< decimal digit (Nd)
  static constexpr std::uint8_t kNoSpace =
      8;  ///< a letter or mark of a script written without spaces
  static constexpr std::uint8_t kLatin = 16;  ///< a letter of the Latin script
  static constexpr std::uint8_t kSpace = 32;  ///< White_Space

  /// The process-wide table (built on first use, thread-safe).
  [[nodiscard]] static const UnicodeCharClasses& Get();

  /// The classes of `c`; 0 for a negative (ill-formed) value.
  [[nodiscard]] std::uint8_t Of(std::int32_t c) const noexcept {
    if (c >= 0 && c < 0x10000) return bmp_[static_cast<std::size_t>(c)];
    return c < 0 ? 0 : Compute(c);
  }

 private:
  UnicodeCharClasses();
  [[nodiscard]] static std::uint8_t Compute(std::int32_t c) noexcept;

  std::vector<std::uint8_t> bmp_;
};

}  // namespace zet
