// Fuzz target: arbitrary bytes through the Unicode model's file pass, under
// settings chosen by the input's first bytes.
//
// Input: byte 0 the first eight allow-flags (hyphens, apostrophes,
// underscores, colons, backslashes, forward slashes, periods, at-signs);
// byte 1 bit 0 numerals, bit 1 case significant, bit 2 drop final s, bits
// 3-4 the locale (root, Polish, Turkish, Japanese), bit 5 C comments; byte
// 2 the read size of the second pass less one; the rest is the text.
//
// Properties: every word is valid UTF-8 of at most 80 bytes, starts with a
// letter (or "_" while underscores are allowed) and holds only letters,
// marks, digits while numerals are allowed and the allowed ASCII
// characters; keys ascend strictly; the counts add up to the total; a
// second pass reading a few bytes at a time counts the same.

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/CommentMarkers.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzText.h"
#include "unicode/UnicodeCount.h"

namespace zet::fuzz {
namespace {

void RequireUnicodeWord(std::string_view word, const AllowFlags& allow) {
  const std::string shown = "\"" + Printable(word) + "\"";
  if (word.empty() || word.size() > 80) Fail(shown + " is empty or longer than 80 bytes");
  if (!IsValidUtf8(word)) Fail(shown + " is not UTF-8");
  const auto n = static_cast<std::int32_t>(word.size());
  for (std::int32_t i = 0; i < n;) {
    const bool first = i == 0;
    UChar32 c;
    U8_NEXT(word.data(), i, n, c);
    const std::int32_t type = u_charType(c);
    const bool letter = (U_MASK(type) & U_GC_L_MASK) != 0;
    if (first) {
      if (!letter && !(c == '_' && allow.blnAllowUnderscores))
        Fail(shown + " does not start with a letter");
      continue;
    }
    if (letter || (U_MASK(type) & U_GC_M_MASK) != 0) continue;
    if (type == U_DECIMAL_DIGIT_NUMBER && allow.blnAllowNumerals) continue;
    if (c < 0x80 && c != '_' && AllowedInWord(static_cast<unsigned char>(c), allow)) continue;
    if (c == '_' && allow.blnAllowUnderscores) continue;
    Fail(shown + " holds a character words may not hold");
  }
}

std::unique_ptr<UnicodeTable> Count(std::string_view text, const UnicodeSettings& settings,
                                    std::size_t chunk) {
  auto table = UnicodeTable::Create(settings);
  Require(table != nullptr, "no collator");
  MemoryByteSource source(text, chunk);
  QuietObserver quiet;
  (void)CountUnicode(source, settings.scan, *table, quiet);
  return table;
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zet;
  using namespace zet::fuzz;
  InputReader in(data, size);
  const unsigned allow = in.Byte();
  const unsigned mode = in.Byte();
  const std::size_t chunk = std::size_t{in.Byte()} + 1;
  UnicodeSettings settings;
  settings.scan.allow = AllowFromBits(allow | ((mode & 1u) << 8));
  settings.scan.blnCaseSignificant = (mode & 2u) != 0;
  settings.scan.blnDropFinalS = (mode & 4u) != 0;
  static constexpr const char* kLocales[] = {"", "pl", "tr", "ja"};
  settings.locale = kLocales[(mode >> 3) & 3u];
  if ((mode & 32u) != 0) {
    settings.scan.markers = SetCommentMarkers("C", {});
    settings.scan.blnIsCodeFile = true;
  }
  settings.scan.blnSuppressWords = true;
  const std::string_view text = in.Rest();

  const auto table = Count(text, settings, 65536);
  const WordTable& words = table->Words();
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    RequireUnicodeWord(words[i].strWord(), settings.scan.allow);
    Require(words[i].lngCount >= 1, "a count below one");
    sum += words[i].lngCount;
    if (i > 0) Require(KeyLess(words[i - 1].strKey(), words[i].strKey()), "keys do not ascend");
  }
  Require(sum == words.TotalOccurrences(), "the counts do not add up to the total");

  const auto pieces = Count(text, settings, chunk);
  Require(pieces->Words().size() == words.size(), "a small read size counted other words");
  for (std::size_t i = 0; i < words.size(); ++i)
    Require(pieces->Words()[i].strKey() == words[i].strKey() &&
                pieces->Words()[i].lngCount == words[i].lngCount,
            "a small read size counted other words");
  return 0;
}
