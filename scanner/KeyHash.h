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

/// True when two keys hold the same bytes: a few overlapping loads instead
/// of a call, since keys are short and compared once per word counted.
[[gnu::always_inline]] inline bool SameWordKey(std::string_view x, std::string_view y) noexcept {
  std::size_t n = x.size();
  if (n != y.size()) return false;
  const char* p = x.data();
  const char* q = y.data();
  for (; n > 16; n -= 8, p += 8, q += 8)
    if (Load64(p) != Load64(q)) return false;
  if (n >= 8) return Load64(p) == Load64(q) && Load64(p + n - 8) == Load64(q + n - 8);
  if (n >= 4) return Load32(p) == Load32(q) && Load32(p + n - 4) == Load32(q + n - 4);
  // The first, middle and last bytes are every byte of a key of 1 to 3 (a
  // third of English words): no loop, whose exit the processor mispredicts.
  return n == 0 || (p[0] == q[0] && p[n / 2] == q[n / 2] && p[n - 1] == q[n - 1]);
}

/// The secret that makes the hash of a run unpredictable. Without it a text
/// can be made of words whose hashes share their top bits, which turns each
/// lookup into a walk along one long cluster of slots (quadratic work).
struct HashKey {
  std::uint64_t k0 = 0;
  std::uint64_t k1 = 0;
  std::uint64_t k2 = 0;
};

/// A key drawn once per process from the system's random source, so that
/// every table of a run hashes alike (tables can be merged by hash).
[[nodiscard]] const HashKey& RunHashKey() noexcept;

/// The 128-bit product of two numbers, its halves folded together.
inline std::uint64_t MixProduct(std::uint64_t a, std::uint64_t b) noexcept {
  const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(p) ^ static_cast<std::uint64_t>(p >> 64);
}

/// A 32-bit keyed hash of a word key. Keys are short, so it reads them with
/// at most a few overlapping loads instead of a byte loop or a library call,
/// and mixes each sixteen bytes with one wide multiplication.
[[gnu::always_inline]] inline std::uint32_t HashWordKey(std::string_view key,
                                                        const HashKey& secret) noexcept {
  const char* p = key.data();
  std::size_t n = key.size();
  const bool longKey = n > 16;
  std::uint64_t seed = secret.k0 ^ n;
  for (; n > 16; n -= 16, p += 16) seed = MixProduct(Load64(p) ^ secret.k1, Load64(p + 8) ^ seed);
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
  // A key of up to 16 bytes (nearly every word) is all in a and b: one
  // wide product of the two, each masked by the secret, mixes every bit of
  // them into the high half. A longer key's chain gets one more round.
  const std::uint64_t h = MixProduct(a ^ secret.k1, b ^ seed);
  if (!longKey) return static_cast<std::uint32_t>(h >> 32);
  return static_cast<std::uint32_t>(MixProduct(h ^ secret.k2, secret.k1 ^ n) >> 32);
}

}  // namespace zet
