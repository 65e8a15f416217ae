#include "scanner/Utf8Validator.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zet {
namespace {

constexpr int kIncomplete = -1;

// Checks the sequence led by the byte at p (not ASCII): its length when it
// is valid, 0 when it is not, kIncomplete when the bytes there are valid so
// far but end before the sequence does. The ranges of the second byte rule
// out overlong forms, surrogates and code points above U+10FFFF.
int CheckSequence(const unsigned char* p, std::size_t avail) noexcept {
  const unsigned char b0 = p[0];
  int len;
  unsigned char lo = 0x80;
  unsigned char hi = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (avail < 2) return kIncomplete;
  if (p[1] < lo || p[1] > hi) return 0;
  for (int i = 2; i < len; ++i) {
    if (static_cast<std::size_t>(i) >= avail) return kIncomplete;
    if ((p[i] & 0xC0u) != 0x80u) return 0;
  }
  return len;
}

// The position of the first byte at or after i that is not ASCII, or n.
std::size_t SkipAscii(const unsigned char* p, std::size_t i, std::size_t n) noexcept {
#if defined(__SSE2__)
  while (i + 64 <= n) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 16));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 32));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 48));
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) != 0) break;
    i += 64;
  }
  while (i + 16 <= n) {
    const int mask = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    i += 16;
  }
#else
  while (i + 8 <= n) {
    std::uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ull) break;
    i += 8;
  }
#endif
  while (i < n && p[i] < 0x80) ++i;
  return i;
}

}  // namespace

std::size_t ValidUtf8Prefix(std::string_view bytes) noexcept {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  for (;;) {
    i = SkipAscii(p, i, n);
    if (i == n) return n;
    // Letters with accents come one or a few at a time: check the sequences
    // here until ASCII resumes.
    do {
      const int len = CheckSequence(p + i, n - i);
      if (len <= 0) return i;
      i += static_cast<std::size_t>(len);
    } while (i < n && p[i] >= 0x80);
  }
}

bool Utf8Validator::Feed(std::string_view piece) noexcept {
  if (firstInvalid_ != kValid) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
  const std::size_t n = piece.size();
  const std::uint64_t start = offset_;
  offset_ += n;
  std::size_t i = 0;
  // Finish the sequence the last piece began.
  while (pendingSize_ > 0 && i < n) {
    pending_[pendingSize_++] = p[i++];
    const int len = CheckSequence(pending_, pendingSize_);
    if (len == 0) {
      firstInvalid_ = pendingStart_;
      return false;
    }
    if (len > 0) pendingSize_ = 0;
  }
  if (i == n) return true;
  const std::size_t valid = i + ValidUtf8Prefix(piece.substr(i));
  if (valid == n) return true;
  if (CheckSequence(p + valid, n - valid) == kIncomplete) {
    pendingSize_ = n - valid;
    std::memcpy(pending_, p + valid, pendingSize_);
    pendingStart_ = start + valid;
    return true;
  }
  firstInvalid_ = start + valid;
  return false;
}

bool Utf8Validator::Finish() noexcept {
  if (pendingSize_ > 0 && firstInvalid_ == kValid) firstInvalid_ = pendingStart_;
  pendingSize_ = 0;
  return firstInvalid_ == kValid;
}

}  // namespace zet
