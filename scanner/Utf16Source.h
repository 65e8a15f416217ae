#pragma once
// UTF-16 text handed on as UTF-8, so that the line reader and the decoder
// that follow see the one form they know.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/LineReader.h"

namespace zet {

/// Converts UTF-16 code units to UTF-8, appending to `out`. A code unit
/// pair may be split between two calls: `high` carries a high surrogate
/// from one call to the next (0 when none). An unpaired surrogate becomes
/// U+FFFD.
void AppendUtf16AsUtf8(std::string_view bytes, bool bigEndian, char16_t& high, std::string& out);

/// UTF-16 bytes in memory as UTF-8, without a leading byte-order mark. An
/// unpaired surrogate and an odd byte at the end become U+FFFD.
[[nodiscard]] std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

/// Reads UTF-16 (little- or big-endian) from another source and hands out
/// the same text as UTF-8, a block at a time. A leading byte-order mark is
/// dropped; an unpaired surrogate, and an odd byte at the very end, become
/// U+FFFD. Code units and pairs may be split between the inner reads.
class Utf16ToUtf8Source final : public ByteSource {
 public:
  Utf16ToUtf8Source(ByteSource& inner, bool bigEndian) : inner_(inner), bigEndian_(bigEndian) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;
  [[nodiscard]] int ErrorNumber() const override { return inner_.ErrorNumber(); }

  /// Bytes read from the inner source so far.
  [[nodiscard]] std::uint64_t BytesIn() const noexcept { return bytesIn_; }
  /// Bytes of the byte-order mark dropped (2, or 0 when there was none).
  [[nodiscard]] std::size_t MarkLength() const noexcept { return markLength_; }

 private:
  static constexpr std::size_t kBlock = 64 * 1024;

  // Converts the next block of the inner source into out_.
  void Fill();

  ByteSource& inner_;
  bool bigEndian_;
  std::string in_;
  std::string out_;
  std::size_t outPos_ = 0;
  bool hasOdd_ = false;  // the first byte of a code unit the last read cut off
  char oddByte_ = 0;
  char16_t high_ = 0;
  bool started_ = false;
  bool eof_ = false;
  bool failed_ = false;
  std::uint64_t bytesIn_ = 0;
  std::size_t markLength_ = 0;
};

}  // namespace zet
