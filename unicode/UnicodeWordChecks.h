#pragma once
// Tests of one UTF-8 word: the Unicode model's counterparts of the word
// rules and exclusion tests of the default model.

#include <cstddef>
#include <memory>
#include <string_view>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

namespace zet {

/// True when no letter of `word` belongs to a script other than Latin
/// (digits, marks and allowed punctuation do not matter; a word without
/// letters counts as Latin, as every word of the default model is).
[[nodiscard]] bool IsLatinWord(std::string_view word) noexcept;

/// True when the code point `c` is a vowel as the default model's tests
/// see it: a character of Windows-1252 is judged by those tests (`withY`:
/// the no-vowel filter's set, which adds plain "y"; otherwise the final-s
/// rule's set of lower-case vowels); any other Latin letter is a vowel when
/// its canonical decomposition starts with a, e, i, o or u ("ą", "ě", "ő").
[[nodiscard]] bool IsLatinVowel(char32_t c, bool withY) noexcept;

/// True when `word` holds no vowel or "y" (IsLatinVowel with `withY`).
[[nodiscard]] bool HasNoLatinVowel(std::string_view word) noexcept;

/// The final-s rule on a Latin word: its length without the final "s" when
/// the rule drops it (a word of more than two characters ending in "s"
/// after a character that is neither "s", an apostrophe nor a vowel,
/// "mathematics" and "maths" excepted), else its length. Bytes.
[[nodiscard]] std::size_t DropFinalS(std::string_view word) noexcept;

/// Counts and compares user-perceived characters (grapheme clusters) with
/// ICU's character break iterator. One per thread.
class GraphemeCounter {
 public:
  GraphemeCounter();
  ~GraphemeCounter();
  GraphemeCounter(const GraphemeCounter&) = delete;
  GraphemeCounter& operator=(const GraphemeCounter&) = delete;

  /// Number of grapheme clusters of `word` (UTF-8); 0 for an empty word.
  [[nodiscard]] std::size_t Count(std::string_view word);

  /// True when `word` is one grapheme cluster written two or more times,
  /// byte for byte ("ааа", "哈哈"; "Aa" is not).
  [[nodiscard]] bool IsRepetition(std::string_view word);

 private:
  std::unique_ptr<icu::BreakIterator> chars_;
};

}  // namespace zet
