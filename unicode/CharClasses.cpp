#include "unicode/CharClasses.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <array>

namespace zet {
namespace {

// Scripts whose text ICU's word break cuts with a dictionary. Script
// extensions count, so the prolonged sound mark and the iteration marks
// shared by Hiragana and Katakana stay inside their words.
constexpr std::array<UScriptCode, 7> kNoSpaceScripts = {
    USCRIPT_HAN, USCRIPT_HIRAGANA, USCRIPT_KATAKANA, USCRIPT_THAI,
    USCRIPT_LAO, USCRIPT_KHMER,    USCRIPT_MYANMAR};

}  // namespace

const UnicodeCharClasses& UnicodeCharClasses::Get() {
  static const UnicodeCharClasses classes;
  return classes;
}

UnicodeCharClasses::UnicodeCharClasses() : bmp_(0x10000) {
  for (std::int32_t c = 0; c < 0x10000; ++c) bmp_[static_cast<std::size_t>(c)] = Compute(c);
}

std::uint8_t UnicodeCharClasses::Compute(std::int32_t c) noexcept {
  const auto mask = U_GET_GC_MASK(c);
  std::uint8_t f = 0;
  if ((mask & U_GC_L_MASK) != 0) f |= kLetter;
  if ((mask & U_GC_M_MASK) != 0) f |= kMark;
  if ((mask & U_GC_ND_MASK) != 0) f |= kDigit;
  if (u_hasBinaryProperty(c, UCHAR_WHITE_SPACE)) f |= kSpace;
  if ((f & (kLetter | kMark)) != 0) {
    for (const UScriptCode script : kNoSpaceScripts)
      if (uscript_hasScript(c, script)) f |= kNoSpace;
    UErrorCode status = U_ZERO_ERROR;
    if ((f & kLetter) != 0 && uscript_getScript(c, &status) == USCRIPT_LATIN) f |= kLatin;
  }
  return f;
}

}  // namespace zet
