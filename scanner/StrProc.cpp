#include "scanner/StrProc.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

std::size_t ReplaceDoubleHyphens(char* text, std::size_t size) noexcept {
  const std::string_view in(text, size);  // read only ahead of what is written
  std::size_t pos = in.find("--");
  if (pos == std::string_view::npos) return size;
  std::size_t out = pos;
  while (pos < size) {
    if (text[pos] == '-' && pos + 1 < size && text[pos + 1] == '-') {
      text[out++] = ' ';
      pos += 2;
    } else {
      text[out++] = text[pos++];
    }
  }
  return out;
}

bool ReplaceDoubleHyphens(std::string& text) {
  const std::size_t size = ReplaceDoubleHyphens(text.data(), text.size());
  if (size == text.size()) return false;
  text.resize(size);
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

namespace {

// Every trailing part of every stem, lower-case, packed into a number
// (first character in the lowest byte) and sorted, so that a word is
// looked up without building a string.
constexpr std::uint64_t Pack(std::string_view text) {
  std::uint64_t v = 0;
  for (std::size_t i = text.size(); i-- > 0;) v = (v << 8) | static_cast<unsigned char>(text[i]);
  return v;
}

constexpr std::size_t kStemTailCount = [] {
  std::size_t n = 0;
  for (char c : kContractionStems) n += c != ' ';
  return n;
}();

constexpr std::array<std::uint64_t, kStemTailCount> MakeStemTails() {
  std::array<std::uint64_t, kStemTailCount> tails{};
  std::size_t n = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < kContractionStems.size(); ++i) {
    if (kContractionStems[i] != ' ') continue;
    for (std::size_t from = start; from < i; ++from)
      tails[n++] = Pack(kContractionStems.substr(from, i - from));
    start = i + 1;
  }
  std::sort(tails.begin(), tails.end());
  return tails;
}
constexpr std::array<std::uint64_t, kStemTailCount> kStemTails = MakeStemTails();

// The characters before the final "n" of the tails longer than one: most
// words that end in "n" (in, on, an, upon) are told apart by it at once.
constexpr std::array<bool, 256> MakeBeforeLastTable() {
  std::array<bool, 256> t{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < kContractionStems.size(); ++i) {
    if (kContractionStems[i] != ' ') continue;
    if (i - start >= 2) t[static_cast<unsigned char>(kContractionStems[i - 2])] = true;
    start = i + 1;
  }
  return t;
}
constexpr std::array<bool, 256> kBeforeLastOfTail = MakeBeforeLastTable();

constexpr std::array<bool, 256> MakeVowelTable() {
  std::array<bool, 256> t{};
  for (char c : kLowerVowels) t[static_cast<unsigned char>(c)] = true;
  return t;
}
constexpr std::array<bool, 256> kIsLowerVowel = MakeVowelTable();

}  // namespace

bool IsContractionStem(std::string_view word) {
  // The word followed by a space occurs in the list exactly when it is a
  // trailing part of a stem (the space marks each stem's end).
  if (word.empty()) return true;
  if (word.size() > 7 || cp1252::ToLower(word.back()) != 'n') return false;
  if (word.size() >= 2 && !kBeforeLastOfTail[cp1252::ToLower(word[word.size() - 2])]) return false;
  std::uint64_t packed = 0;
  for (std::size_t i = word.size(); i-- > 0;) packed = (packed << 8) | cp1252::ToLower(word[i]);
  return std::binary_search(kStemTails.begin(), kStemTails.end(), packed);
}

bool StartsWithVowel(std::string_view text) noexcept {
  return !text.empty() && kIsLowerVowel[static_cast<unsigned char>(text.front())];
}

std::string GroupDigits(std::int64_t number, char separator) {
  // Unsigned, so that the most negative number has a magnitude too.
  std::uint64_t magnitude =
      number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  std::string reversed;
  int digits = 0;
  do {
    if (digits > 0 && digits % 3 == 0) reversed += separator;
    reversed += static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    ++digits;
  } while (magnitude != 0);
  if (number < 0) reversed += '-';
  return {reversed.rbegin(), reversed.rend()};
}

}  // namespace zet
