#pragma once
// Checks that bytes are valid UTF-8, fast enough to run over a whole file
// before it is counted (ASCII is checked sixteen bytes at a time).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zet {

/// Length of the longest prefix of `bytes` made of whole, valid UTF-8
/// sequences: the offset of the first byte that does not start one, or the
/// size when all of it is valid. Overlong forms, surrogates, code points
/// above U+10FFFF and a sequence cut off by the end are not valid.
[[nodiscard]] std::size_t ValidUtf8Prefix(std::string_view bytes) noexcept;

/// True when all of `bytes` is valid UTF-8.
[[nodiscard]] inline bool IsValidUtf8(std::string_view bytes) noexcept {
  return ValidUtf8Prefix(bytes) == bytes.size();
}

/// Validates a source handed over in pieces: a sequence may be split
/// between two pieces. Stops looking once it has found an invalid byte.
class Utf8Validator {
 public:
  static constexpr std::uint64_t kValid = ~std::uint64_t{0};

  /// Checks the next piece; false once the bytes seen are not valid UTF-8.
  bool Feed(std::string_view piece) noexcept;
  /// Ends the source (a sequence left unfinished is invalid); true when all
  /// of it was valid UTF-8.
  bool Finish() noexcept;
  /// Ends a sample of a longer source: a sequence cut off by the sample's
  /// end is not held against it. True when the sample was valid UTF-8.
  [[nodiscard]] bool ValidSoFar() const noexcept { return firstInvalid_ == kValid; }
  /// Offset of the first invalid byte in the source, or kValid.
  [[nodiscard]] std::uint64_t FirstInvalid() const noexcept { return firstInvalid_; }

 private:
  unsigned char pending_[4] = {};
  std::size_t pendingSize_ = 0;     // bytes of a sequence begun in an earlier piece
  std::uint64_t pendingStart_ = 0;  // its lead byte's offset in the source
  std::uint64_t offset_ = 0;        // bytes fed so far
  std::uint64_t firstInvalid_ = kValid;
};

}  // namespace zet
