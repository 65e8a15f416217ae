#include "scanner/WordChars.h"

#include "scanner/Cp1252.h"
#include "scanner/Folding.h"

namespace zet {

bool IsWordChar(char ch, bool numerals, std::string_view extra) noexcept {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 128) return cp1252::kIsLetter[c];
  if (cp1252::kIsLetter[c]) return true;
  if (c >= '0' && c <= '9' && numerals) return true;
  return extra.find(ch) != std::string_view::npos;
}

std::size_t WordLength(std::string_view text, std::size_t start, bool numerals,
                       std::string_view extra) noexcept {
  std::size_t i = 0;
  while (start + i < text.size() && IsWordChar(text[start + i], numerals, extra)) {
    if (++i == kMaxWordRun) break;
  }
  return i;
}

std::string GetExtraWordChars(const AllowFlags& allow) {
  std::string extra;
  if (allow.blnAllowHyphens) extra += '-';
  if (allow.blnAllowApostrophes) extra += '\'';
  if (allow.blnAllowUnderscores) extra += '_';
  if (allow.blnAllowColons) extra += ':';
  if (allow.blnAllowBackslashes) extra += '\\';
  if (allow.blnAllowForwardslashes) extra += '/';
  if (allow.blnAllowPeriods) extra += '.';
  if (allow.blnAllowAtSigns) extra += '@';
  return extra;
}

WordCharClasses::WordCharClasses(const AllowFlags& allow) {
  const std::string extra = GetExtraWordChars(allow);
  const std::string startExtra = allow.blnAllowUnderscores ? "_" : "";
  for (int c = 0; c < 256; ++c) {
    const auto ch = static_cast<char>(c);
    std::uint8_t f = 0;
    if (IsWordChar(ch, false, startExtra)) f |= kStarts;
    if (IsWordChar(ch, allow.blnAllowNumerals, extra)) f |= kContinues;
    if (!IsKeyStable(ch)) f |= kKeyChanges;
    if (ch == '-' || ch == '\'' || ch == '_' || ch == ':' || ch == '.') f |= kTrailing;
    flags_[static_cast<std::size_t>(c)] = f;
  }
}

}  // namespace zet
