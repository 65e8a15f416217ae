#include "scanner/StrProc.h"

#include <array>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

constexpr std::string_view kContractionStems =
    "aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn ";

// The lower-case form of the vowel list: a e i o u and their accented
// forms, with the ae ligature. Upper-case vowels do not count.
constexpr std::string_view kLowerVowels =
    "aeiou\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF5\xF6\xF8"
    "\xF9\xFA\xFB\xFC";

}  // namespace

void NormalizeWhitespace(std::string& text) noexcept {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r' || c == '\xA0') c = ' ';
}

bool ReplaceDoubleHyphens(std::string& text) {
  std::size_t pos = text.find("--");
  if (pos == std::string::npos) return false;
  std::size_t out = pos;
  while (pos < text.size()) {
    if (text[pos] == '-' && pos + 1 < text.size() && text[pos + 1] == '-') {
      text[out++] = ' ';
      pos += 2;
    } else {
      text[out++] = text[pos++];
    }
  }
  text.resize(out);
  return true;
}

void TrimTrailing(std::string& text, std::string_view suffix) {
  while (!suffix.empty() && text.size() >= suffix.size() &&
         std::string_view(text).substr(text.size() - suffix.size()) == suffix)
    text.resize(text.size() - suffix.size());
}

std::string_view TrimSpaces(std::string_view text) noexcept {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool IsContractionStem(std::string_view word) {
  std::string probe = cp1252::Lower(word);
  probe.push_back(' ');
  return kContractionStems.find(probe) != std::string_view::npos;
}

bool StartsWithVowel(std::string_view text) noexcept {
  return !text.empty() && kLowerVowels.find(text.front()) != std::string_view::npos;
}

std::string GroupDigits(long long value) {
  const bool negative = value < 0;
  unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(value)
                                  : static_cast<unsigned long long>(value);
  std::string digits;
  int n = 0;
  do {
    if (n > 0 && n % 3 == 0) digits.push_back(',');
    digits.push_back(static_cast<char>('0' + v % 10));
    v /= 10;
    ++n;
  } while (v != 0);
  if (negative) digits.push_back('-');
  return {digits.rbegin(), digits.rend()};
}

}  // namespace zet
