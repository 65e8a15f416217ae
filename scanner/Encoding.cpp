#include "scanner/Encoding.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <memory>
#include <span>
#include <vector>

#include "scanner/ParallelScan.h"
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
  explicit PreadByteSource(int fd, off_t from = 0, off_t end = -1)
      : fd_(fd), offset_(from), end_(end) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (end_ >= 0)
      size = static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(size), end_ - offset_));
    if (size == 0) return 0;
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
  off_t offset_;
  off_t end_;  // -1: the file's end
  int error_ = 0;
};

// A file at least this big is checked on several threads.
constexpr off_t kParallelCheck = off_t{8} << 20;
constexpr off_t kMinCheckPart = off_t{4} << 20;

// Where a part of the check may begin near `at`: at the first byte that
// does not continue a sequence (at most three are skipped: more in a row
// are invalid anyway, and the part that starts on one finds it).
off_t CheckCut(int fd, off_t at) {
  char bytes[3];
  const ssize_t n = ::pread(fd, bytes, sizeof bytes, at);
  for (ssize_t i = 0; i < n; ++i)
    if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return at + i;
  return at + std::max<ssize_t>(n, 0);
}

// Whether the bytes [from, end) of the file are valid UTF-8 on their own.
EncodingDecision CheckPart(int fd, off_t from, off_t end) {
  PreadByteSource source(fd, from, end);
  const std::unique_ptr<char[]> buffer(new char[kDecideBlock]);
  Utf8Validator validator;
  for (;;) {
    const std::ptrdiff_t n = source.Read(buffer.get(), kDecideBlock);
    if (n < 0) return {Encoding::Windows1252, true, source.ErrorNumber()};
    if (n == 0) break;
    if (!validator.Feed(std::string_view(buffer.get(), static_cast<std::size_t>(n))))
      return {Encoding::Windows1252, false, 0};
  }
  return {validator.Finish() ? Encoding::Utf8 : Encoding::Windows1252, false, 0};
}

// DecideFileEncoding for a big file with no mark, on `parts` threads: it is
// UTF-8 exactly when every part, cut where no sequence goes on, is valid
// and ends no sequence unfinished. The check then costs a part's time of
// the whole count's wall time, not all of it.
EncodingDecision DecideInParts(int fd, off_t size, unsigned parts) {
  std::vector<off_t> cuts{0};
  for (unsigned i = 1; i < parts; ++i)
    cuts.push_back(std::max(cuts.back(), CheckCut(fd, size * i / parts)));
  cuts.push_back(size);
  std::vector<std::future<EncodingDecision>> running;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
    running.push_back(std::async(std::launch::async, CheckPart, fd, cuts[i], cuts[i + 1]));
  EncodingDecision whole;
  for (auto& part : running) {
    const EncodingDecision d = part.get();
    if (d.failed && !whole.failed) whole = d;
    if (!whole.failed && d.encoding != Encoding::Utf8) whole.encoding = d.encoding;
  }
  return whole;
}

}  // namespace

std::string_view EncodingName(Encoding encoding) noexcept {
  switch (encoding) {
    case Encoding::Auto:
      return "automatic";
    case Encoding::Utf8:
      return "UTF-8";
    case Encoding::Windows1252:
      return "Windows-1252";
    case Encoding::Utf16LE:
      return "UTF-16LE";
    case Encoding::Utf16BE:
      return "UTF-16BE";
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

EncodingDecision DecideFileEncoding(int fd, unsigned jobs) {
  struct stat st {};
  if (jobs == 0) jobs = DefaultJobs();
  if (jobs > 1 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= kParallelCheck) {
    char head[3];
    if (::pread(fd, head, sizeof head, 0) == static_cast<ssize_t>(sizeof head) &&
        FindByteOrderMark(std::string_view(head, sizeof head)).encoding == Encoding::Auto)
      return DecideInParts(
          fd, st.st_size, static_cast<unsigned>(std::min<off_t>(jobs, st.st_size / kMinCheckPart)));
  }
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
    if (c == '\n')
      result.lfSeen = true;
    else if (c == '\r')
      result.crSeen = true;
    else
      return {false, result.crSeen, result.lfSeen};
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
    case Encoding::Utf16BE:
      return DecodeToCp1252(Utf16ToUtf8(bytes, encoding == Encoding::Utf16BE));
    default:
      return DecodeToCp1252(bytes.substr(Utf8BomLength(bytes)));
  }
}

std::string TextToUtf8(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Auto) encoding = DecideEncoding(bytes, true);
  switch (encoding) {
    case Encoding::Windows1252:
      return EncodeUtf8(bytes);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
      return Utf16ToUtf8(bytes, encoding == Encoding::Utf16BE);
    default:
      return ToValidUtf8(bytes.substr(Utf8BomLength(bytes)));
  }
}

}  // namespace zet
