#include "unicode/WordCollator.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

namespace zet {
namespace {

bool NamesRoot(std::string_view name) { return name.empty() || name == "root" || name == "und"; }

bool LanguageIsAvailable(const char* language) {
  std::int32_t count = 0;
  const icu::Locale* available = icu::Locale::getAvailableLocales(count);
  for (std::int32_t i = 0; i < count; ++i)
    if (std::string_view(available[i].getLanguage()) == language) return true;
  return false;
}

}  // namespace

LocaleStatus CheckCollationLocale(std::string_view name) {
  if (NamesRoot(name)) return LocaleStatus::Known;
  const icu::Locale locale = icu::Locale::createCanonical(std::string(name).c_str());
  if (locale.isBogus() || *locale.getLanguage() == '\0') return LocaleStatus::Unknown;
  return LanguageIsAvailable(locale.getLanguage()) ? LocaleStatus::Known : LocaleStatus::Unknown;
}

std::string UnknownLocaleMessage(std::string_view name) {
  return "Unknown locale for sorting words: \"" + std::string(name) + "\".";
}

std::string CollationLocaleFromEnvironment(std::string_view lcAll, std::string_view lcCollate,
                                           std::string_view lang) {
  std::string_view value = !lcAll.empty() ? lcAll : !lcCollate.empty() ? lcCollate : lang;
  // "ll_CC.codeset@modifier": the code set says nothing about collation.
  std::string name(value.substr(0, value.find('.')));
  if (const std::size_t at = value.find('@');
      at != std::string_view::npos && name.find('@') == std::string::npos)
    name.append(value.substr(at));
  if (name == "C" || name == "POSIX") return {};
  return name;
}

std::unique_ptr<WordCollator> WordCollator::Open(std::string_view locale) {
  auto loc = std::make_unique<icu::Locale>(
      CheckCollationLocale(locale) == LocaleStatus::Known && !NamesRoot(locale)
          ? icu::Locale::createCanonical(std::string(locale).c_str())
          : icu::Locale::getRoot());
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(*loc, status));
  if (U_FAILURE(status) || !collator) return nullptr;
  collator->setStrength(icu::Collator::PRIMARY);
  // Decomposed and precomposed spellings must get the same key.
  collator->setAttribute(UCOL_NORMALIZATION_MODE, UCOL_ON, status);
  if (U_FAILURE(status)) return nullptr;
  return std::unique_ptr<WordCollator>(new WordCollator(std::move(collator), std::move(loc)));
}

WordCollator::WordCollator(std::unique_ptr<icu::Collator> collator,
                           std::unique_ptr<icu::Locale> locale)
    : collator_(std::move(collator)), locale_(std::move(locale)), localeName_(locale_->getName()) {
  std::string lower;
  Lower("ABCDEFGHIJKLMNOPQRSTUVWXYZ", lower);
  asciiPlain_ = lower == "abcdefghijklmnopqrstuvwxyz";
}

WordCollator::~WordCollator() = default;

void WordCollator::SortKey(std::string_view word, std::string& key) {
  utf16_.resize(word.size());  // UTF-16 never needs more units than UTF-8 has bytes
  std::int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(utf16_.data(), static_cast<std::int32_t>(utf16_.size()), &length,
                       word.data(), static_cast<std::int32_t>(word.size()), 0xFFFD, nullptr,
                       &status);
  if (U_FAILURE(status)) length = 0;
  key.resize(std::max<std::size_t>(key.capacity(), 64));
  for (;;) {
    auto* out = reinterpret_cast<std::uint8_t*>(key.data());
    const std::int32_t need =
        collator_->getSortKey(utf16_.data(), length, out, static_cast<std::int32_t>(key.size()));
    if (need <= static_cast<std::int32_t>(key.size())) {
      key.resize(need > 0 ? static_cast<std::size_t>(need) - 1 : 0);
      return;
    }
    key.resize(static_cast<std::size_t>(need));
  }
}

void WordCollator::Lower(std::string_view word, std::string& out) const {
  out.clear();
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(word.data(), static_cast<std::int32_t>(word.size())));
  text.toLower(*locale_);
  text.toUTF8String(out);
}

}  // namespace zet
