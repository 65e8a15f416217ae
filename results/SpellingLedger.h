#pragma once
// Which spellings a count folded into each entry, collected while it scans.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scanner/ScanObserver.h"
#include "scanner/WordTable.h"

namespace zet {

/// One spelling of an entry and how often it was counted.
struct CountedSpelling {
  std::string text;  ///< Windows-1252, as counted (after normalisation)
  std::int64_t count = 0;

  friend bool operator==(const CountedSpelling&, const CountedSpelling&) = default;
};

/// A scan observer that notes every spelling counted. A spelling that is
/// its own key (plain lower-case text, nearly every word) is not stored: it
/// gets the rest of its entry's count, so the common word costs one call
/// and one comparison. Shows nothing and never stops the scan.
class SpellingLedger final : public ScanObserver {
 public:
  [[nodiscard]] bool NeedsPump() const override { return false; }
  [[nodiscard]] bool WantsEachWord() const override { return true; }
  void WordCounted(std::string_view word, std::string_view key) override;

  /// Every spelling counted under `entry` (an entry of the table the scan
  /// filled), most frequent first, equal counts in byte order; their counts
  /// add up to the entry's. Never empty.
  [[nodiscard]] std::vector<CountedSpelling> SpellingsOf(const WordEntry& entry) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept {
      return std::hash<std::string_view>{}(s);
    }
  };
  // Spellings that differ from their key, each its own key, with their
  // counts: the word table's hashing is several times faster than a
  // node-based map on a text where most words are capitalised.
  WordTable others_;
  // The same, grouped under their keys; built on first use.
  mutable std::unordered_map<std::string, std::vector<CountedSpelling>, Hash, std::equal_to<>>
      byKey_;
  mutable bool grouped_ = false;
};

/// "cafe 5, café 3" (Windows-1252): the spellings with their counts.
[[nodiscard]] std::string FormatSpellings(const std::vector<CountedSpelling>& spellings);

/// The spellings of `entry` as listings and answers show them: "[" then
/// FormatSpellings in UTF-8, then "]".
[[nodiscard]] std::string SpellingsColumn(const SpellingLedger& spellings, const WordEntry& entry);

}  // namespace zet
