#pragma once
// A plain, slow statement of how lines are cut into words, for comparing
// with the scanner: prepare the line, take each run of word characters from
// a word start, trim trailing punctuation, drop a final "s", discard
// apostrophe fragments, leave out words over 80 characters. It covers text
// without comment markers; entities are looked up in the scanner's own table.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "scanner/Entities.h"
#include "scanner/ScanSettings.h"
#include "tests/fuzz/FuzzCheck.h"

namespace zet::fuzz {

/// Words by key: the first spelling found and the count.
using ReferenceCounts = std::map<std::string, std::pair<std::string, std::int64_t>>;

inline unsigned char ReferenceLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

inline std::string ReferenceLower(std::string_view s) {
  std::string out;
  for (char c : s) out += static_cast<char>(ReferenceLower(static_cast<unsigned char>(c)));
  return out;
}

/// Each "&...;" that names a Latin-1 letter replaced by the letter; the
/// search goes on after each candidate's semicolon.
inline std::string ReferenceEntities(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '&') {
      out += text[i++];
      continue;
    }
    const std::size_t semi = text.find(';', i);
    if (semi == std::string::npos) {
      out += text.substr(i);
      break;
    }
    const std::string candidate = text.substr(i, semi - i + 1);
    const char letter = LookUpEntity(candidate);
    out += letter != 0 ? std::string(1, letter) : candidate;
    i = semi + 1;
  }
  return out;
}

/// The line as the scanner sees it: trimmed of spaces, lower-cased unless
/// case is significant, white space made spaces, "--" made one space,
/// entities decoded, one space appended; empty when the line is blank.
inline std::string ReferencePrepare(std::string_view line, bool caseSignificant) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  line = line.substr(first, line.find_last_not_of(' ') - first + 1);
  std::string prepared;
  for (std::size_t i = 0; i < line.size(); ++i) {
    auto c = static_cast<unsigned char>(line[i]);
    if (c == '\t' || c == '\n' || c == '\r' || c == 0xA0) c = ' ';
    if (!caseSignificant) c = ReferenceLower(c);
    prepared += static_cast<char>(c);
  }
  std::string out;
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    if (prepared[i] == '-' && i + 1 < prepared.size() && prepared[i + 1] == '-') {
      out += ' ';
      ++i;
    } else {
      out += prepared[i];
    }
  }
  return ReferenceEntities(out) + ' ';
}

inline bool ReferenceLowerVowel(unsigned char c) {
  static constexpr std::string_view kVowels =
      "aeiou\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF5\xF6\xF8"
      "\xF9\xFA\xFB\xFC";
  return kVowels.find(static_cast<char>(c)) != std::string_view::npos;
}

/// The normalised word of a run of word characters, possibly empty.
inline std::string ReferenceNormalize(std::string word, const ScanSettings& s) {
  while (!word.empty() && std::string_view("-'_:.").find(word.back()) != std::string_view::npos)
    word.pop_back();
  const std::string lower = ReferenceLower(word);
  if (s.blnDropFinalS && lower != "mathematics" && lower != "maths" && word.size() > 2 &&
      word.back() == 's') {
    const char before = word[word.size() - 2];
    if (before != 's' && before != '\'' && !ReferenceLowerVowel(static_cast<unsigned char>(before)))
      word.pop_back();
  }
  if (!s.allow.blnAllowApostrophes) {
    const std::string l = ReferenceLower(word);
    if (l == "s" || l == "t") return {};
    static constexpr std::string_view kStems =
        "aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn ";
    if (kStems.find(l + ' ') != std::string_view::npos) return {};
  }
  return word;
}

/// Counts the words of one prepared line into `counts`, keyed by `key`.
template <typename KeyOf>
void ReferenceScanLine(const std::string& line, const ScanSettings& s, KeyOf key,
                       ReferenceCounts& counts) {
  const std::size_t last = line.size() - 1;  // the appended space
  std::size_t pos = 0;
  while (pos < last) {
    const auto c = static_cast<unsigned char>(line[pos]);
    if (!IsLetterByte(c) && !(c == '_' && s.allow.blnAllowUnderscores)) {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < line.size() && end - pos < 65000 &&
           AllowedInWord(static_cast<unsigned char>(line[end]), s.allow))
      ++end;
    const std::string word = ReferenceNormalize(line.substr(pos, end - pos), s);
    pos = end;
    if (word.empty() || word.size() > 80) continue;
    auto [it, added] = counts.try_emplace(key(word), word, 0);
    ++it->second.second;
  }
}

}  // namespace zet::fuzz
