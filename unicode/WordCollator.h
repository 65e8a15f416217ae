#pragma once
// The locale's rules for word identity, order and case.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
class Locale;
U_NAMESPACE_END

namespace zet {

/// Whether ICU knows a locale well enough to sort by it.
enum class LocaleStatus : std::uint8_t {
  Known,    ///< ICU has data for its language (or it names the root)
  Unknown,  ///< ICU would silently fall back to the root collation
};

/// Checks a locale name before a count uses it. "", "root" and "und" name
/// the root collation and are known; otherwise the name must parse and its
/// language must be one ICU has data for ("de_XX" is known: German).
[[nodiscard]] LocaleStatus CheckCollationLocale(std::string_view name);

/// The message for an unknown locale, naming it (UTF-8, one line):
/// the command line prints it and ends with status 2; the desktop shows it
/// as a warning and counts with the root collation.
[[nodiscard]] std::string UnknownLocaleMessage(std::string_view name);

/// The collation locale the environment asks for, given the values of
/// LC_ALL, LC_COLLATE and LANG (empty when unset), the first non-empty
/// winning: "de_DE.UTF-8" gives "de_DE", "sr_RS@latin" gives "sr_RS@latin",
/// and "C", "POSIX" or nothing give "" (the root collation).
[[nodiscard]] std::string CollationLocaleFromEnvironment(std::string_view lcAll,
                                                         std::string_view lcCollate,
                                                         std::string_view lang);

/// A collator at primary strength: spellings that differ only in case or
/// accents are one word, letters the locale keeps apart ("å" and "a" in
/// Swedish, "ı" and "i" in Turkish) are not. Not thread-safe: one per count.
class WordCollator {
 public:
  /// The collator of `locale` (see CheckCollationLocale; an unknown locale
  /// gets the root collation), or null when ICU cannot open one at all.
  [[nodiscard]] static std::unique_ptr<WordCollator> Open(std::string_view locale);

  ~WordCollator();
  WordCollator(const WordCollator&) = delete;
  WordCollator& operator=(const WordCollator&) = delete;

  /// Replaces `key` by the primary sort key of `word` (UTF-8) without its
  /// terminating zero: two words are one word exactly when their keys are
  /// equal, and byte order of keys is the locale's order. The key holds no
  /// zero byte; it is empty when the word has no primary weight at all.
  void SortKey(std::string_view word, std::string& key);

  /// The locale's lower-case form of `word` (UTF-8), replacing `out`.
  void Lower(std::string_view word, std::string& out) const;

  /// True when the locale lower-cases ASCII as ASCII does ("I" to "i"; not
  /// so in Turkish and Azeri), so that ASCII words may skip ICU.
  [[nodiscard]] bool LowersAsciiPlainly() const noexcept { return asciiPlain_; }

  /// The ICU name of the locale in use ("" for the root).
  [[nodiscard]] const std::string& LocaleName() const noexcept { return localeName_; }

 private:
  WordCollator(std::unique_ptr<icu::Collator> collator, std::unique_ptr<icu::Locale> locale);

  std::unique_ptr<icu::Collator> collator_;
  std::unique_ptr<icu::Locale> locale_;
  std::string localeName_;
  bool asciiPlain_ = true;
  std::u16string utf16_;  // reused conversion buffer
};

}  // namespace zet
