#include "scanner/Encoding.h"

#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <span>

#include "scanner/TextCodec.h"
#include "scanner/Utf16Source.h"
#include "scanner/Utf8Validator.h"

namespace zet {
namespace {

// Large enough to read a file at full speed, small enough to stay in the
// cache while it is validated.
constexpr std::size_t kDecideBlock = 256 * 1024;

bool IsUtf16(Encoding e) { return e == Encoding::Utf16LE || e == Encoding::Utf16BE; }

// Reads a regular file from an offset with pread, leaving the descriptor's
// own offset where it is.
class PreadByteSource final : public ByteSource {
 public:
  explicit PreadByteSource(int fd) : fd_(fd) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::pread(fd_, buffer, size, offset_);
      if (n >= 0) {
        offset_ += n;
        return n;
      }
      if (errno == EINTR) continue;
      error_ = errno;
      return -1;
    }
  }
  [[nodiscard]] int ErrorNumber() const override { return error_; }

 private:
  int fd_;
  off_t offset_ = 0;
  int error_ = 0;
};

}  // namespace

std::string_view EncodingName(Encoding encoding) noexcept {
  switch (encoding) {
    case Encoding::Auto: return "automatic";
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Windows1252: return "Windows-1252";
    case Encoding::Utf16LE: return "UTF-16LE";
    case Encoding::Utf16BE: return "UTF-16BE";
  }
  return {};
}

ByteOrderMark FindByteOrderMark(std::string_view bytes) noexcept {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {Encoding::Utf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {Encoding::Utf16LE, 2};
  if (bytes.starts_with("\xFE\xFF")) return {Encoding::Utf16BE, 2};
  return {};
}

Encoding DecideEncoding(std::string_view firstBytes, bool wholeSource) noexcept {
  const ByteOrderMark mark = FindByteOrderMark(firstBytes);
  if (mark.encoding != Encoding::Auto) return mark.encoding;
  Utf8Validator validator;
  validator.Feed(firstBytes);
  const bool valid = wholeSource ? validator.Finish() : validator.ValidSoFar();
  return valid ? Encoding::Utf8 : Encoding::Windows1252;
}

EncodingDecision DecideSourceEncoding(ByteSource& source) {
  // Not zeroed: every byte looked at is read into it first, and clearing a
  // quarter of a MiB cost more than deciding a small file of a corpus.
  const std::unique_ptr<char[]> buffer(new char[kDecideBlock]);
  const std::span<char> block(buffer.get(), kDecideBlock);
  Utf8Validator validator;
  const auto failed = [&] {
    return EncodingDecision{validator.ValidSoFar() ? Encoding::Utf8 : Encoding::Windows1252, true,
                            source.ErrorNumber()};
  };
  // A mark may come in over more than one read.
  std::size_t got = 0;
  bool ended = false;
  while (got < 3 && !ended) {
    const std::ptrdiff_t n = source.Read(block.data() + got, block.size() - got);
    if (n < 0) return failed();
    ended = n == 0;
    got += static_cast<std::size_t>(n);
  }
  std::string_view piece(block.data(), got);
  const Encoding marked = FindByteOrderMark(piece).encoding;
  if (marked != Encoding::Auto) return {marked, false, 0};
  for (;;) {
    if (!validator.Feed(piece)) return {Encoding::Windows1252, false, 0};
    if (ended) break;
    const std::ptrdiff_t n = source.Read(block.data(), block.size());
    if (n < 0) return failed();
    ended = n == 0;
    piece = std::string_view(block.data(), static_cast<std::size_t>(n));
  }
  return {validator.Finish() ? Encoding::Utf8 : Encoding::Windows1252, false, 0};
}

EncodingDecision DecideFileEncoding(int fd) {
  PreadByteSource source(fd);
  return DecideSourceEncoding(source);
}

SourceHead::SourceHead(ByteSource& source, std::size_t limit) : rest_(source) {
  head_.resize(limit);
  std::size_t got = 0;
  while (got < limit) {
    const std::ptrdiff_t n = source.Read(head_.data() + got, limit - got);
    if (n < 0) {
      failed_ = true;
      break;
    }
    if (n == 0) {
      ended_ = true;
      break;
    }
    got += static_cast<std::size_t>(n);
  }
  head_.resize(got);
}

std::ptrdiff_t SourceHead::Read(char* buffer, std::size_t size) {
  if (served_ < head_.size()) {
    const std::size_t n = std::min(size, head_.size() - served_);
    std::memcpy(buffer, head_.data() + served_, n);
    served_ += n;
    return static_cast<std::ptrdiff_t>(n);
  }
  if (failed_) return -1;
  if (ended_) return 0;
  return rest_.Read(buffer, size);
}

TextCheckResult CheckDecodedText(std::string_view firstBytes, Encoding encoding) {
  if (encoding == Encoding::Auto) encoding = DecideEncoding(firstBytes, false);
  std::string converted;
  if (IsUtf16(encoding)) {
    converted = Utf16ToUtf8(firstBytes, encoding == Encoding::Utf16BE);
    firstBytes = converted;
  }
  // Neither UTF-8 nor Windows-1252 gives a byte below 32 another meaning.
  TextCheckResult result;
  for (char ch : firstBytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 32 || c == '\t') continue;
    if (c == '\n') result.lfSeen = true;
    else if (c == '\r') result.crSeen = true;
    else return {false, result.crSeen, result.lfSeen};
  }
  return result;
}

std::string DecodeText(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Auto) encoding = DecideEncoding(bytes, true);
  switch (encoding) {
    case Encoding::Windows1252: {
      std::string out(bytes);
      TakeAsCp1252InPlace(out.data(), out.size());
      return out;
    }
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: return DecodeToCp1252(Utf16ToUtf8(bytes, encoding == Encoding::Utf16BE));
    default: return DecodeToCp1252(bytes.substr(Utf8BomLength(bytes)));
  }
}

std::string TextToUtf8(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Auto) encoding = DecideEncoding(bytes, true);
  switch (encoding) {
    case Encoding::Windows1252: return EncodeUtf8(bytes);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: return Utf16ToUtf8(bytes, encoding == Encoding::Utf16BE);
    default: return ToValidUtf8(bytes.substr(Utf8BomLength(bytes)));
  }
}

}  // namespace zet
