#include "unicode/UnicodeWordChecks.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include "results/WordChecks.h"
#include "scanner/Cp1252.h"
#include "scanner/StrProc.h"
#include "scanner/TextCodec.h"
#include "unicode/CharClasses.h"

namespace zet {
namespace {

// Calls `visit` with each code point of `text` until it returns false;
// ill-formed bytes come as negative values.
template <typename Visit>
void ForEachCodePoint(std::string_view text, Visit visit) {
  const auto n = static_cast<std::int32_t>(text.size());
  for (std::int32_t i = 0; i < n;) {
    UChar32 c;
    U8_NEXT(text.data(), i, n, c);
    if (!visit(c)) return;
  }
}

// The Unicode vowel test for Latin letters Windows-1252 lacks.
bool DecomposesToVowel(char32_t c) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  if (U_FAILURE(status)) return false;
  icu::UnicodeString parts;
  if (!nfd->getDecomposition(static_cast<UChar32>(c), parts) || parts.isEmpty()) return false;
  const UChar32 base = parts.char32At(0);
  return base < 0x80 &&
         std::string_view("aeiouAEIOU").find(static_cast<char>(base)) != std::string_view::npos;
}

// Opens ICU's UTF-8 text over `word` for the break iterator.
void SetText(icu::BreakIterator& it, UText& text, std::string_view word) {
  UErrorCode status = U_ZERO_ERROR;
  utext_openUTF8(&text, word.data(), static_cast<std::int64_t>(word.size()), &status);
  it.setText(&text, status);
}

bool IsExemptFromFinalS(std::string_view word) {
  if (word.size() != 11 && word.size() != 5) return false;
  const std::string lower = cp1252::Lower(word);
  return lower == "mathematics" || lower == "maths";
}

}  // namespace

bool IsLatinWord(std::string_view word) noexcept {
  if (IsAscii(word)) return true;
  const UnicodeCharClasses& classes = UnicodeCharClasses::Get();
  bool latin = true;
  ForEachCodePoint(word, [&](UChar32 c) {
    const std::uint8_t f = classes.Of(c);
    latin = (f & UnicodeCharClasses::kLetter) == 0 || (f & UnicodeCharClasses::kLatin) != 0;
    return latin;
  });
  return latin;
}

bool IsLatinVowel(char32_t c, bool withY) noexcept {
  const unsigned char byte = cp1252::FromUnicode(c);
  if (byte != cp1252::kPlaceholder) {
    const char ch = static_cast<char>(byte);
    return withY ? !HasNoVowel({&ch, 1}, true) : StartsWithVowel({&ch, 1});
  }
  return DecomposesToVowel(c);
}

bool HasNoLatinVowel(std::string_view word) noexcept {
  if (IsAscii(word)) return HasNoVowel(word, true);
  bool vowel = false;
  ForEachCodePoint(word, [&](UChar32 c) {
    vowel = c >= 0 && IsLatinVowel(static_cast<char32_t>(c), true);
    return !vowel;
  });
  return !vowel;
}

std::size_t DropFinalS(std::string_view word) noexcept {
  const std::size_t size = word.size();
  if (size < 3 || word.back() != 's') return size;
  // The character before the "s", decoded backwards.
  auto i = static_cast<std::int32_t>(size - 1);
  UChar32 before;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"  // inside ICU's macro
  U8_PREV(word.data(), 0, i, before);
#pragma GCC diagnostic pop
  if (i == 0 || before < 0) return size;  // two characters only, or ill-formed
  if (before == 's' || before == '\'' || IsLatinVowel(static_cast<char32_t>(before), false))
    return size;
  return IsExemptFromFinalS(word) ? size : size - 1;
}

GraphemeCounter::GraphemeCounter() {
  UErrorCode status = U_ZERO_ERROR;
  chars_.reset(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
}

GraphemeCounter::~GraphemeCounter() = default;

std::size_t GraphemeCounter::Count(std::string_view word) {
  if (IsAscii(word)) return word.size();  // no ASCII pair but CR LF joins; words hold none
  UText text = UTEXT_INITIALIZER;
  SetText(*chars_, text, word);
  std::size_t count = 0;
  for (std::int32_t b = chars_->next(); b != icu::BreakIterator::DONE; b = chars_->next()) ++count;
  utext_close(&text);
  return count;
}

bool GraphemeCounter::IsRepetition(std::string_view word) {
  UText text = UTEXT_INITIALIZER;
  SetText(*chars_, text, word);
  const std::int32_t first = chars_->next();
  bool repeated =
      first != icu::BreakIterator::DONE && static_cast<std::size_t>(first) < word.size();
  const auto size = static_cast<std::size_t>(first);
  for (std::int32_t at = first, b = chars_->next(); repeated && b != icu::BreakIterator::DONE;
       at = b, b = chars_->next())
    repeated = static_cast<std::size_t>(b - at) == size &&
               word.compare(static_cast<std::size_t>(at), size, word.substr(0, size)) == 0;
  utext_close(&text);
  return repeated;
}

}  // namespace zet
