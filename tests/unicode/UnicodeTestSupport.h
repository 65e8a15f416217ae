#pragma once
// What the Unicode model's tests share: counting a text, and ICU's own
// answers to compare with.

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/LineReader.h"
#include "unicode/UnicodeCount.h"

namespace zet::test {

/// Settings that leave every letter word as ICU cuts it: no final-s rule.
inline UnicodeSettings PlainSettings(std::string locale) {
  UnicodeSettings s;
  s.locale = std::move(locale);
  s.scan.blnDropFinalS = false;
  s.scan.blnSuppressWords = true;
  return s;
}

/// Counts `text` as a file under `settings`, reading `capacity` bytes at a time.
inline std::unique_ptr<UnicodeTable> CountText(
    std::string_view text, const UnicodeSettings& settings,
    std::size_t capacity = LineReader::kDefaultCapacity) {
  auto table = UnicodeTable::Create(settings);
  MemoryByteSource source(text);
  QuietObserver quiet;
  (void)CountUnicode(source, settings.scan, *table, quiet, {}, capacity);
  return table;
}

inline icu::UnicodeString U16(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
}

inline std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

/// ICU's word break of `text` in `locale`, kept to letter, kana and
/// ideographic words.
inline std::vector<std::string> IcuLetterWords(std::string_view text, const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> it(
      icu::BreakIterator::createWordInstance(icu::Locale(locale), status));
  const icu::UnicodeString u = U16(text);
  it->setText(u);
  std::vector<std::string> words;
  for (std::int32_t from = it->first(), to = it->next(); to != icu::BreakIterator::DONE;
       from = to, to = it->next())
    if (it->getRuleStatus() >= UBRK_WORD_LETTER)
      words.push_back(Utf8(u.tempSubString(from, to - from)));
  return words;
}

/// A collator of `locale` at primary strength, as ICU gives it.
inline std::unique_ptr<icu::Collator> PrimaryCollator(const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale(locale), status));
  c->setStrength(icu::Collator::PRIMARY);
  return c;
}

}  // namespace zet::test
