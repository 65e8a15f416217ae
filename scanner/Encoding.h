#pragma once
// The one encoding each source is read in.
//
// A source (an input file, standard input, a common-words file, a settings
// file) is decoded in a single encoding, decided before it is read: a UTF-8
// byte-order mark means UTF-8, a UTF-16 one UTF-16; otherwise the source is
// UTF-8 when it is valid UTF-8 throughout and Windows-1252 when it is not.
// Deciding per byte instead misreads ordinary Windows-1252 text, which is
// full of byte pairs that happen to be valid UTF-8 ("ß" then a closing
// quote is one character the code page lacks).
//
// A regular file is checked whole before it is counted (DecideFileEncoding);
// a stream is decided on its first MiB (SourceHead). A byte-order mark is
// never read as text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/LineReader.h"

namespace zet {

enum class Encoding : std::uint8_t {
  Auto,         ///< not decided yet: decide on the source's first MiB
  Utf8,         ///< UTF-8; a stray invalid byte is taken as Windows-1252
  Windows1252,  ///< one byte, one character, no decoding
  Utf16LE,
  Utf16BE,
};

/// The encoding's name for messages: "UTF-8", "Windows-1252", "UTF-16LE"...
[[nodiscard]] std::string_view EncodingName(Encoding encoding) noexcept;

/// How much of a stream decides its encoding.
inline constexpr std::size_t kEncodingSample = std::size_t{1} << 20;

/// A byte-order mark at the start of a source.
struct ByteOrderMark {
  Encoding encoding = Encoding::Auto;  ///< Auto when there is none
  std::size_t length = 0;
};

/// The byte-order mark `bytes` start with: EF BB BF (UTF-8), FF FE (UTF-16
/// little-endian) or FE FF (UTF-16 big-endian).
[[nodiscard]] ByteOrderMark FindByteOrderMark(std::string_view bytes) noexcept;

/// Decides a source's encoding from its first bytes. With `wholeSource`
/// they are all of it; otherwise they are a sample of a longer source, and a
/// UTF-8 sequence cut off by the sample's end is not held against it.
/// Never returns Auto.
[[nodiscard]] Encoding DecideEncoding(std::string_view firstBytes, bool wholeSource) noexcept;

/// A decision on a whole source, or why it could not be made.
struct EncodingDecision {
  Encoding encoding = Encoding::Utf8;
  bool failed = false;  ///< reading the source failed; encoding is then a guess
  int errorNumber = 0;
};

/// Reads `source` until its encoding is known (to its end when it holds no
/// byte-order mark and is valid UTF-8) and decides it. The caller reads the
/// source again from its start to count it.
[[nodiscard]] EncodingDecision DecideSourceEncoding(ByteSource& source);

/// DecideSourceEncoding over an open regular file, read with pread from its
/// start: the descriptor's offset does not move, so the same descriptor can
/// then be counted. A big file is checked on up to `jobs` threads (0: one
/// per core, as a count's --jobs has it).
[[nodiscard]] EncodingDecision DecideFileEncoding(int fd, unsigned jobs = 0);

/// The first bytes of a source, read to decide its encoding, and then a
/// source that hands out those bytes followed by the rest. A read error met
/// while reading the head is reported again after the head's bytes, so the
/// words before it are still counted.
class SourceHead final : public ByteSource {
 public:
  /// Reads up to `limit` bytes of `source`.
  explicit SourceHead(ByteSource& source, std::size_t limit = kEncodingSample);

  std::ptrdiff_t Read(char* buffer, std::size_t size) override;
  [[nodiscard]] int ErrorNumber() const override { return rest_.ErrorNumber(); }

  /// The bytes read ahead.
  [[nodiscard]] std::string_view Bytes() const noexcept { return head_; }
  /// True when the source ended within them.
  [[nodiscard]] bool Whole() const noexcept { return ended_; }
  /// True when reading them met an error.
  [[nodiscard]] bool Failed() const noexcept { return failed_; }
  /// DecideEncoding on the bytes read ahead.
  [[nodiscard]] Encoding Decide() const noexcept { return DecideEncoding(head_, ended_); }

 private:
  ByteSource& rest_;
  std::string head_;
  std::size_t served_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

/// What the text check saw in a source's first bytes.
struct TextCheckResult {
  bool isText = true;  ///< false: a character below 32 other than tab, LF, CR
  bool crSeen = false;
  bool lfSeen = false;
};

/// Checks a source's first bytes (callers pass the first 16384) as the text
/// they are in `encoding`: for UTF-16 the characters are checked, not the
/// bytes (whose every other one is 0 in English text). Auto decides on the
/// bytes given, as a sample.
[[nodiscard]] TextCheckResult CheckDecodedText(std::string_view firstBytes, Encoding encoding);

/// A whole text in memory decoded to counted (Windows-1252) text, without
/// its byte-order mark. Auto decides on the whole text.
[[nodiscard]] std::string DecodeText(std::string_view bytes, Encoding encoding);

/// A whole text in memory as valid UTF-8, without its byte-order mark.
/// Windows-1252 characters become their code points (the undefined codes
/// U+FFFD); UTF-8 is kept, with stray invalid bytes taken as Windows-1252.
/// Auto decides on the whole text.
[[nodiscard]] std::string TextToUtf8(std::string_view bytes, Encoding encoding);

}  // namespace zet
