#pragma once
// The hash of a word key, inline: it is computed for every word counted.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace zet {

inline std::uint64_t Load64(const char* p) noexcept {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

inline std::uint32_t Load32(const char* p) noexcept {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

/// A 32-bit hash of a key. Keys are short, so it reads them with at most a
/// few overlapping loads instead of a loop or a library call.
inline std::uint32_t HashWordKey(std::string_view key) noexcept {
  const char* p = key.data();
  std::size_t n = key.size();
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ n;
  for (; n > 16; n -= 8, p += 8) h = (h ^ Load64(p)) * 0xbf58476d1ce4e5b9ULL;
  std::uint64_t a;
  std::uint64_t b;
  if (n >= 8) {
    a = Load64(p);
    b = Load64(p + n - 8);
  } else if (n >= 4) {
    a = Load32(p);
    b = Load32(p + n - 4);
  } else {
    a = n == 0 ? 0
               : static_cast<unsigned char>(p[0]) |
                     (static_cast<unsigned>(static_cast<unsigned char>(p[n / 2])) << 8) |
                     (static_cast<unsigned>(static_cast<unsigned char>(p[n - 1])) << 16);
    b = 0;
  }
  h = (h ^ a) * 0xbf58476d1ce4e5b9ULL;
  h = (h ^ b ^ (h >> 31)) * 0x94d049bb133111ebULL;
  return static_cast<std::uint32_t>(h >> 32);
}

}  // namespace zet
