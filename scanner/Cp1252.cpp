#include "scanner/Cp1252.h"

namespace zet::cp1252 {
namespace {

// Code points of 0x80-0x9F; 0 marks the five codes the page leaves undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t ToUnicode(unsigned char c) noexcept {
  if (c < 0x80 || c >= 0xA0) return c;
  char32_t cp = kHighControls[c - 0x80u];
  return cp == 0 ? char32_t{0xFFFD} : cp;
}

unsigned char FromUnicode(char32_t cp) noexcept {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (unsigned i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp && cp != 0) return static_cast<unsigned char>(0x80 + i);
  return kPlaceholder;
}

void LowerInPlace(std::string& text) noexcept {
  for (char& c : text) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

std::string Lower(std::string_view text) {
  std::string out(text);
  LowerInPlace(out);
  return out;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace zet::cp1252
