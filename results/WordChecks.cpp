#include "results/WordChecks.h"

#include <array>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

// The vowels without Y and y: ASCII, then the Windows-1252 letters
// A-grave to AE (C0-C6), E-grave to I-diaeresis (C8-CF), O-grave to
// O-diaeresis (D2-D6), O-slash to U-diaeresis (D8-DC) and the same ranges
// in lower case (E0-E6, E8-EF, F2-F6, F8-FC).
constexpr std::array<bool, 256> MakeVowelTable() {
  std::array<bool, 256> t{};
  for (const char c : std::string_view("AEIOUaeiou")) t[static_cast<unsigned char>(c)] = true;
  constexpr std::array<std::array<int, 2>, 8> kRanges{{{0xC0, 0xC6},
                                                       {0xC8, 0xCF},
                                                       {0xD2, 0xD6},
                                                       {0xD8, 0xDC},
                                                       {0xE0, 0xE6},
                                                       {0xE8, 0xEF},
                                                       {0xF2, 0xF6},
                                                       {0xF8, 0xFC}}};
  for (const auto& [first, last] : kRanges)
    for (int c = first; c <= last; ++c) t[static_cast<std::size_t>(c)] = true;
  return t;
}

constexpr std::array<bool, 256> kIsVowel = MakeVowelTable();

}  // namespace

bool HasNoVowel(std::string_view word, bool withY) noexcept {
  for (const char c : word) {
    if (kIsVowel[static_cast<unsigned char>(c)]) return false;
    if (withY && (c == 'Y' || c == 'y')) return false;
  }
  return true;
}

bool IsRepeatedLetter(std::string_view word) noexcept {
  if (word.empty()) return false;
  return word.find_first_not_of(word.front()) == std::string_view::npos;
}

bool IsRomanNumeralBelow40(std::string_view word) noexcept {
  for (const char c : word) {
    const unsigned char upper = cp1252::ToUpper(c);
    if (upper != 'I' && upper != 'V' && upper != 'X') return false;
  }
  return true;
}

bool IsInWordList(std::string_view word, const WordSet& list) {
  if (word.empty() || list.empty()) return false;
  return list.find(word) != list.end();
}

}  // namespace zet
