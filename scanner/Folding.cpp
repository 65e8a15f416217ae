#include "scanner/Folding.h"

#include <array>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

// Each ligature with the two letters it becomes.
constexpr std::string_view kLigatures = "\x8C\xC4\xC6\xD6\xDC\xE4\xE6\xF6\xFC\xDF";
constexpr std::string_view kLigatureLetters = "OeAeAeOeUeaeaeoeuess";
static_assert(kLigatures.size() * 2 == kLigatureLetters.size());

constexpr std::string_view kAccented =
    "\x8A\x9F\xC0\xC1\xC2\xC3\xC4\xC5\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4"
    "\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\x9A\xFF\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC"
    "\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD";
constexpr std::string_view kUnaccented =
    "SYAAAAAACEEEEIIIIDNOOOOOOUUUUYsyaaaaaaceeeeiiiinoooooouuuuy";
static_assert(kAccented.size() == 59 && kUnaccented.size() == 59);

constexpr std::array<unsigned char, 256> MakeStripTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
  for (std::size_t i = 0; i < kAccented.size(); ++i)
    t[static_cast<unsigned char>(kAccented[i])] = static_cast<unsigned char>(kUnaccented[i]);
  return t;
}
constexpr std::array<unsigned char, 256> kStrip = MakeStripTable();

// Position + 1 of each ligature in kLigatures, 0 for other characters.
constexpr std::array<unsigned char, 256> MakeLigatureTable() {
  std::array<unsigned char, 256> t{};
  for (std::size_t i = 0; i < kLigatures.size(); ++i)
    t[static_cast<unsigned char>(kLigatures[i])] = static_cast<unsigned char>(i + 1);
  return t;
}
constexpr std::array<unsigned char, 256> kLigatureIndex = MakeLigatureTable();

// The key of a character is itself exactly for these: no ligature, no
// accent, no upper case.
constexpr std::array<bool, 256> MakeKeyStableTable() {
  std::array<bool, 256> t{};
  for (int i = 0; i < 256; ++i) {
    const auto c = static_cast<std::size_t>(i);
    t[c] = kLigatureIndex[c] == 0 && kStrip[c] == c && cp1252::kLower[c] == c;
  }
  return t;
}
constexpr std::array<bool, 256> kKeyStable = MakeKeyStableTable();

void AppendExpanded(std::string_view text, std::string& out) {
  for (char c : text) {
    const unsigned idx = kLigatureIndex[static_cast<unsigned char>(c)];
    if (idx == 0) {
      out.push_back(c);
    } else {
      out.push_back(kLigatureLetters[2 * (idx - 1)]);
      out.push_back(kLigatureLetters[2 * (idx - 1) + 1]);
    }
  }
}

}  // namespace

std::string ExpandLigatures(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendExpanded(text, out);
  return out;
}

std::string StripAccents(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kStrip[static_cast<unsigned char>(c)]);
  return out;
}

std::string FoldAccents(std::string_view text) { return StripAccents(ExpandLigatures(text)); }

bool IsKeyStable(char c) noexcept { return kKeyStable[static_cast<unsigned char>(c)]; }

std::string_view MakeWordKey(std::string_view word, std::string& buffer) {
  bool stable = true;
  for (char c : word) stable &= kKeyStable[static_cast<unsigned char>(c)];
  if (stable) return word;
  buffer.clear();
  AppendExpanded(word, buffer);
  for (char& c : buffer)
    c = static_cast<char>(cp1252::kLower[kStrip[static_cast<unsigned char>(c)]]);
  return buffer;
}

}  // namespace zet
