#pragma once
// The counted words of the Unicode model.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "scanner/WordTable.h"
#include "unicode/SpellingTable.h"
#include "unicode/UnicodeSettings.h"
#include "unicode/WordCollator.h"

namespace zet {

/// The words of a Unicode count. Words are counted in an ordinary
/// WordTable whose key is the word's collation key (WordCollator::SortKey),
/// so the table's key order is the locale's alphabetical order and the
/// results stages read it as they read the default model's table; its
/// words are UTF-8. In front of it a SpellingTable turns each spelling into
/// its word and key once.
///
/// A word is counted when its UTF-8 form has at most
/// WordTable::kMaxWordLength bytes (the table's limit) and its key at most
/// 255 bytes; a longer word is not counted, as a too long word of the
/// default model is not.
class UnicodeTable {
 public:
  /// An empty table for counts under `settings` (its locale, case, final-s
  /// and apostrophe rules; see CheckCollationLocale for an unknown
  /// locale), or null when ICU cannot open a collator.
  [[nodiscard]] static std::unique_ptr<UnicodeTable> Create(const UnicodeSettings& settings);

  enum class Counted : std::uint8_t {
    New,       ///< the first spelling of a new word
    Again,     ///< a further occurrence of a word
    NotAWord,  ///< the rules leave nothing to count (an apostrophe fragment, too long)
  };

  /// Counts one spelling as cut from the text (UTF-8, non-empty): lower-
  /// cased by the locale unless case is significant, the final-s rule for
  /// Latin words, apostrophe fragments dropped as the default model drops
  /// them.
  Counted Count(std::string_view spelling);

  /// The word counted for `spelling`, or empty when it counts as nothing.
  [[nodiscard]] std::string_view WordOf(std::string_view spelling);

  /// The collation key of a word as the table keys it (for word lists).
  [[nodiscard]] std::string KeyOf(std::string_view word);

  [[nodiscard]] WordTable& Words() noexcept { return words_; }
  [[nodiscard]] const WordTable& Words() const noexcept { return words_; }
  [[nodiscard]] const UnicodeSettings& Settings() const noexcept { return settings_; }
  [[nodiscard]] WordCollator& Collator() noexcept { return *collator_; }

 private:
  UnicodeTable(const UnicodeSettings& settings, std::unique_ptr<WordCollator> collator);
  const Spelling& Spell(std::string_view spelling);
  Spelling MakeSpelling(std::string_view spelling);

  UnicodeSettings settings_;
  std::unique_ptr<WordCollator> collator_;
  WordTable words_;
  SpellingTable spellings_;
  std::string lower_;
  std::string key_;
};

}  // namespace zet
