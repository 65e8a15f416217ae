#pragma once
// The table in front of the word table: what each spelling found becomes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zet {

/// What one spelling, exactly as it was cut from the text, counts as.
struct Spelling {
  std::string_view word;  ///< the word to count (case and final "s" settled); empty: none
  std::string_view key;   ///< its collation key in the word table
  std::uint32_t keyHash = 0;
};

/// Spellings seen so far, found by a hash of their bytes, so that lower-
/// casing, the word rules and the collation key, which cost far more than
/// the lookup, are worked out once per different spelling rather than once
/// per occurrence. Texts live in blocks that never move; views stay valid
/// until the table is destroyed.
class SpellingTable {
 public:
  /// Longest spelling kept, in bytes.
  static constexpr std::size_t kMaxSpelling = 320;

  SpellingTable();

  /// The spelling `raw` (hash `hash`, from HashWordKey), or null when it
  /// has not been added.
  [[nodiscard]] const Spelling* Find(std::string_view raw, std::uint32_t hash) const noexcept;

  /// Adds `raw` (not present, at most kMaxSpelling bytes) as `spelling`,
  /// copying its texts; returns the stored spelling.
  const Spelling& Add(std::string_view raw, std::uint32_t hash, const Spelling& spelling);

  /// Number of different spellings.
  [[nodiscard]] std::size_t size() const noexcept { return entries_.size(); }

 private:
  struct Entry {
    const char* raw;
    std::uint32_t rawLen;
    Spelling spelling;
  };
  char* Store(std::size_t size);
  void Grow();

  std::vector<Entry> entries_;
  std::vector<std::uint64_t> slots_;  // hash << 32 | entry index + 1, or 0
  std::size_t growAt_ = 0;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockUsed_ = 0;
};

}  // namespace zet
