#include "scanner/TextCodec.h"

#include <cstdint>
#include <cstring>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

// Length of the valid UTF-8 sequence starting at p (1 to 4), with its code
// point, or 0 when the bytes there are not a valid sequence (overlong forms,
// surrogates and code points above U+10FFFF are invalid).
std::size_t DecodeSequence(const unsigned char* p, std::size_t avail, char32_t& cp) {
  const unsigned char b0 = p[0];
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    cp = b0 & 0x1Fu;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    cp = b0 & 0x0Fu;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    cp = b0 & 0x07u;
    min = 0x10000;
  } else {
    return 0;
  }
  if (avail < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    if ((p[i] & 0xC0u) != 0x80u) return 0;
    cp = (cp << 6) | (p[i] & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool IsUndefined(unsigned char c) {
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

void AppendUtf8CodePoint(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool IsAscii(std::string_view bytes) noexcept {
  const char* p = bytes.data();
  std::size_t n = bytes.size();
  // Eight bytes at a time: ASCII-only lines are the common case.
  while (n >= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    if (w & 0x8080808080808080ull) return false;
    p += 8;
    n -= 8;
  }
  for (; n > 0; --n, ++p)
    if (static_cast<unsigned char>(*p) & 0x80u) return false;
  return true;
}

std::size_t DecodeToCp1252InPlace(char* bytes, std::size_t size,
                                  std::size_t& firstInvalid) noexcept {
  auto* p = reinterpret_cast<unsigned char*>(bytes);
  firstInvalid = kNoInvalidByte;
  // Nothing moves before the first byte that is not ASCII.
  std::size_t i = 0;
  while (i < size && p[i] < 0x80) ++i;
  std::size_t out = i;  // never ahead of i: a character never grows
  while (i < size) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      p[out++] = b;
      ++i;
      continue;
    }
    char32_t cp = 0;
    const std::size_t len = DecodeSequence(p + i, size - i, cp);
    if (len == 0) {
      if (firstInvalid == kNoInvalidByte) firstInvalid = i;
      p[out++] = IsUndefined(b) ? cp1252::kPlaceholder : b;
      ++i;
    } else {
      p[out++] = cp1252::FromUnicode(cp);
      i += len;
    }
  }
  return out;
}

std::size_t DecodeToCp1252InPlace(char* bytes, std::size_t size) noexcept {
  std::size_t firstInvalid = 0;
  return DecodeToCp1252InPlace(bytes, size, firstInvalid);
}

void TakeAsCp1252InPlace(char* bytes, std::size_t size) noexcept {
  for (std::size_t i = 0; i < size; ++i)
    if (IsUndefined(static_cast<unsigned char>(bytes[i])))
      bytes[i] = static_cast<char>(cp1252::kPlaceholder);
}

void DecodeToCp1252(std::string_view bytes, std::string& out) {
  out.assign(bytes);
  if (!IsAscii(bytes)) out.resize(DecodeToCp1252InPlace(out.data(), out.size()));
}

std::string DecodeToCp1252(std::string_view bytes) {
  std::string out;
  DecodeToCp1252(bytes, out);
  return out;
}

void AppendUtf8(std::string_view cp1252Text, std::string& out) {
  for (char c : cp1252Text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      out.push_back(c);
    else
      AppendUtf8CodePoint(cp1252::ToUnicode(b), out);
  }
}

std::string EncodeUtf8(std::string_view cp1252Text) {
  std::string out;
  out.reserve(cp1252Text.size());
  AppendUtf8(cp1252Text, out);
  return out;
}

std::string ToValidUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    char32_t cp = 0;
    const std::size_t len = p[i] < 0x80 ? 1 : DecodeSequence(p + i, n - i, cp);
    if (len == 0) {
      AppendUtf8CodePoint(cp1252::ToUnicode(p[i]), out);
      ++i;
    } else {
      out.append(bytes.substr(i, len));
      i += len;
    }
  }
  return out;
}

std::size_t Utf8BomLength(std::string_view bytes) noexcept {
  return bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

}  // namespace zet
