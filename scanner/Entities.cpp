#include "scanner/Entities.h"

#include <array>
#include <cstring>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

struct Entity {
  std::string_view name;
  char letter;
};

// In byte order of the names, for binary search.
constexpr std::array<Entity, kEntityCount> kEntities = {{
    {"AElig", '\xC6'},  {"Aacute", '\xC1'}, {"Acirc", '\xC2'},  {"Agrave", '\xC0'},
    {"Aring", '\xC5'},  {"Atilde", '\xC3'}, {"Auml", '\xC4'},   {"Ccedil", '\xC7'},
    {"ETH", '\xD0'},    {"Eacute", '\xC9'}, {"Ecirc", '\xCA'},  {"Egrave", '\xC8'},
    {"Euml", '\xCB'},   {"Iacute", '\xCD'}, {"Icirc", '\xCE'},  {"Igrave", '\xCC'},
    {"Iuml", '\xCF'},   {"Ntilde", '\xD1'}, {"Oacute", '\xD3'}, {"Ocirc", '\xD4'},
    {"Ograve", '\xD2'}, {"Oslash", '\xD8'}, {"Otilde", '\xD5'}, {"Ouml", '\xD6'},
    {"THORN", '\xDE'},  {"Uacute", '\xDA'}, {"Ucirc", '\xDB'},  {"Ugrave", '\xD9'},
    {"Uuml", '\xDC'},   {"Yacute", '\xDD'}, {"aacute", '\xE1'}, {"acirc", '\xE2'},
    {"aelig", '\xE6'},  {"agrave", '\xE0'}, {"aring", '\xE5'},  {"atilde", '\xE3'},
    {"auml", '\xE4'},   {"ccedil", '\xE7'}, {"eacute", '\xE9'}, {"ecirc", '\xEA'},
    {"egrave", '\xE8'}, {"eth", '\xF0'},    {"euml", '\xEB'},   {"iacute", '\xED'},
    {"icirc", '\xEE'},  {"igrave", '\xEC'}, {"iuml", '\xEF'},   {"ntilde", '\xF1'},
    {"oacute", '\xF3'}, {"ocirc", '\xF4'},  {"ograve", '\xF2'}, {"oslash", '\xF8'},
    {"otilde", '\xF5'}, {"ouml", '\xF6'},   {"szlig", '\xDF'},  {"thorn", '\xFE'},
    {"uacute", '\xFA'}, {"ucirc", '\xFB'},  {"ugrave", '\xF9'}, {"uuml", '\xFC'},
    {"yacute", '\xFD'}, {"yuml", '\xFF'},
}};

constexpr bool NamesSorted() {
  for (std::size_t i = 1; i < kEntities.size(); ++i)
    if (!(kEntities[i - 1].name < kEntities[i].name)) return false;
  return true;
}
static_assert(NamesSorted());

constexpr std::size_t kLongestEntity = 8;  // "&Aacute;"

}  // namespace

char LookUpEntity(std::string_view entity) noexcept {
  if (entity.size() < 3 || entity.size() > kLongestEntity || entity.front() != '&' ||
      entity.back() != ';')
    return 0;
  const std::string_view name = entity.substr(1, entity.size() - 2);
  std::size_t lo = 0;
  std::size_t hi = kEntities.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi) / 2;
    if (kEntities[mid].name < name)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < kEntities.size() && kEntities[lo].name == name ? kEntities[lo].letter : 0;
}

std::size_t DecodeEntities(char* text, std::size_t size) noexcept {
  // Decoded text is written behind the search, which reads only ahead of it.
  const std::string_view in(text, size);
  std::size_t out = 0;     // end of the decoded text
  std::size_t copied = 0;  // text before this position is decoded
  for (std::size_t a = in.find('&'); a != std::string_view::npos; a = in.find('&', a)) {
    const std::size_t semi = in.find(';', a);
    if (semi == std::string_view::npos) break;
    const char letter = LookUpEntity(in.substr(a, semi - a + 1));
    if (letter != 0) {
      if (out != copied) std::memmove(text + out, text + copied, a - copied);
      out += a - copied;
      text[out++] = letter;
      copied = semi + 1;
    }
    a = semi + 1;
  }
  if (out == copied) return size;
  std::memmove(text + out, text + copied, size - copied);
  return out + (size - copied);
}

void DecodeEntities(std::string& text) { text.resize(DecodeEntities(text.data(), text.size())); }

std::size_t IsEntityAt(std::string_view text) noexcept {
  if (text.size() <= 3 || text[0] != '&') return 0;
  // Only the first 20 characters can hold the semicolon; searching further
  // would make a long run of ampersands quadratic.
  const std::size_t semi = text.substr(0, 20).find(';');
  if (semi == std::string_view::npos || semi + 1 > 20) return 0;
  if (std::memchr(text.data(), ' ', semi) != nullptr) return 0;
  if (!cp1252::IsLetter(text[1]) && text[1] != '#') return 0;
  return semi + 1;
}

}  // namespace zet
