#include "scanner/Utf16Source.h"

#include <algorithm>
#include <cstring>

#include "scanner/TextCodec.h"

namespace zet {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

constexpr char32_t kReplacement = 0xFFFD;

char16_t UnitAt(const unsigned char* p, bool bigEndian) {
  return static_cast<char16_t>(bigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0]);
}

}  // namespace

void AppendUtf16AsUtf8(std::string_view bytes, bool bigEndian, char16_t& high, std::string& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t u = UnitAt(p + 2 * i, bigEndian);
    if (high != 0) {
      if (u >= 0xDC00 && u <= 0xDFFF) {
        AppendUtf8CodePoint(0x10000 + ((char32_t{high} - 0xD800) << 10) + (char32_t{u} - 0xDC00),
                            out);
        high = 0;
        continue;
      }
      AppendUtf8CodePoint(kReplacement, out);
      high = 0;
    }
    if (u >= 0xD800 && u <= 0xDBFF)
      high = u;
    else if (u >= 0xDC00 && u <= 0xDFFF)
      AppendUtf8CodePoint(kReplacement, out);
    else
      AppendUtf8CodePoint(u, out);
  }
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  if (bytes.size() >= 2 &&
      UnitAt(reinterpret_cast<const unsigned char*>(bytes.data()), bigEndian) == kByteOrderMark)
    bytes.remove_prefix(2);
  std::string out;
  out.reserve(bytes.size());
  char16_t high = 0;
  AppendUtf16AsUtf8(bytes, bigEndian, high, out);
  if (high != 0) AppendUtf8CodePoint(kReplacement, out);
  if (bytes.size() % 2 != 0) AppendUtf8CodePoint(kReplacement, out);
  return out;
}

std::ptrdiff_t Utf16ToUtf8Source::Read(char* buffer, std::size_t size) {
  for (;;) {
    if (outPos_ < out_.size()) {
      const std::size_t n = std::min(size, out_.size() - outPos_);
      std::memcpy(buffer, out_.data() + outPos_, n);
      outPos_ += n;
      return static_cast<std::ptrdiff_t>(n);
    }
    if (failed_) return -1;
    if (eof_) return 0;
    Fill();
  }
}

void Utf16ToUtf8Source::Fill() {
  out_.clear();
  outPos_ = 0;
  in_.resize(kBlock + 1);
  const std::size_t have = hasOdd_ ? 1 : 0;
  if (hasOdd_) in_[0] = oddByte_;
  const std::ptrdiff_t n = inner_.Read(in_.data() + have, kBlock);
  if (n < 0) {
    failed_ = true;
    return;
  }
  if (n == 0) {
    eof_ = true;
    if (high_ != 0) AppendUtf8CodePoint(kReplacement, out_);
    if (hasOdd_) AppendUtf8CodePoint(kReplacement, out_);
    high_ = 0;
    hasOdd_ = false;
    return;
  }
  bytesIn_ += static_cast<std::uint64_t>(n);
  const std::size_t total = have + static_cast<std::size_t>(n);
  hasOdd_ = total % 2 != 0;
  if (hasOdd_) oddByte_ = in_[total - 1];
  std::string_view units(in_.data(), total - (hasOdd_ ? 1 : 0));
  if (!started_ && !units.empty()) {
    started_ = true;
    if (UnitAt(reinterpret_cast<const unsigned char*>(units.data()), bigEndian_) ==
        kByteOrderMark) {
      units.remove_prefix(2);
      markLength_ = 2;
    }
  }
  AppendUtf16AsUtf8(units, bigEndian_, high_, out_);
}

}  // namespace zet
