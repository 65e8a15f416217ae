#pragma once
// The line tokenizer of the Unicode model.

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include <unicode/utext.h>

#include "scanner/ScanObserver.h"
#include "unicode/CharClasses.h"
#include "unicode/UnicodeTable.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

namespace zet {

/// Longest run of word characters taken at once, in bytes; a longer run is
/// taken as pieces of this length (cut between code points), so that a
/// huge word or an endless run of combining marks costs linear time and
/// bounded memory.
inline constexpr std::size_t kMaxUnicodeRun = 65000;

/// Cuts UTF-8 lines into words and counts them in a UnicodeTable.
///
/// A word starts with a letter (general category L; "_" too when
/// underscores are allowed) and goes on over letters, combining marks,
/// decimal digits of any script when numerals are allowed, and the ASCII
/// characters the allow-flags admit; a trailing "-", "'", "_", ":" or "."
/// is removed, as in the default model. Text of scripts written without
/// spaces (Han, Hiragana, Katakana, Thai, Lao, Khmer, Myanmar) is cut by
/// ICU's dictionary-based word break, which keeps its letter words.
/// Anything else, U+FFFD and ill-formed bytes included, separates words.
///
/// Comment markers (UTF-8) work as in the default model; ASCII letters in
/// them match either case, other letters only exactly. "--" becomes a
/// space and the 62 Latin-1 entities become their letters.
///
/// The observer sees the words in UTF-8. A scanner is made for one source,
/// like the default scanner: `settings` are that source's (its markers);
/// how a spelling becomes a word (case, final "s", apostrophes, locale) is
/// the table's, and should be the same snapshot.
class UnicodeScanner {
 public:
  /// `table` and `observer` must outlive the scanner.
  UnicodeScanner(const ScanSettings& settings, UnicodeTable& table, ScanObserver& observer);
  ~UnicodeScanner();
  UnicodeScanner(const UnicodeScanner&) = delete;
  UnicodeScanner& operator=(const UnicodeScanner&) = delete;

  /// A line of a file (UTF-8, without its terminator): trimmed of spaces,
  /// skipped when empty, then scanned.
  void ScanSourceLine(std::string_view line);

  /// ScanSourceLine without a copy: the line is rewritten where it is and
  /// its contents are lost.
  void ScanSourceLineInPlace(std::span<char> line);

  /// The clipboard pass: the whole text as one line, line breaks
  /// separating words.
  void ScanWholeText(std::string_view text);

  /// True once the observer asked to stop; nothing more is scanned.
  [[nodiscard]] bool StopRequested() const noexcept { return stopRequested_; }

 private:
  void Scan(char* line, std::size_t size);
  void ScanPrepared(std::string_view text);
  [[nodiscard]] std::size_t WordStartLength(std::string_view text, std::size_t pos) const;
  std::size_t TakeRun(std::string_view text, std::size_t pos);
  void CutPlain(std::string_view part);
  void CutMixed(std::string_view run);
  void CutNoSpace(std::string_view span);
  void AddToken(std::string_view token);
  [[nodiscard]] int FindCommentStart(std::string_view line, std::size_t pos) const;
  // Moves `pos` past the end of the open comment; false when it is still
  // open at the end of the line.
  bool SkipComment(std::string_view line, std::size_t& pos);

  ScanSettings settings_;
  UnicodeTable& table_;
  ScanObserver& observer_;
  const UnicodeCharClasses& classes_;
  std::array<std::uint8_t, 128> ascii_{};
  bool numerals_ = false;
  bool processComments_ = false;
  std::array<std::string, 2> lowerStart_;
  std::array<std::string, 2> lowerEnd_;
  int openComment_ = -1;
  bool stopRequested_ = false;
  bool showWords_ = true;
  bool pumps_ = true;
  std::unique_ptr<icu::BreakIterator> words_;
  UText text_ = UTEXT_INITIALIZER;
  std::u16string utf16_;  // the span the break iterator walks
  std::string line_;
};

}  // namespace zet
