#include "scanner/LineReader.h"

#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <utility>

namespace zet {

std::ptrdiff_t FdByteSource::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return n;
    if (errno == EINTR) continue;
    error_ = errno;
    return -1;
  }
}

std::ptrdiff_t StreamByteSource::Read(char* buffer, std::size_t size) {
  in_.read(buffer, static_cast<std::streamsize>(size));
  const std::streamsize n = in_.gcount();
  if (n == 0 && in_.bad()) return -1;
  return n;
}

std::ptrdiff_t MemoryByteSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min({size, maxRead_, bytes_.size()});
  if (n > 0) std::memcpy(buffer, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return static_cast<std::ptrdiff_t>(n);
}

LineReader::LineReader(ByteSource& source, std::size_t capacity)
    : source_(source), capacity_(std::max<std::size_t>(capacity, 1)) {
  buffer_ = HugeBuffer(capacity_ + 1);
}

bool LineReader::Refill() {
  if (eof_ || failed_) return false;
  // Move the unfinished line to the front; grow only when that line alone
  // leaves no room for another read.
  if (begin_ > 0) {
    std::memmove(buffer_.chars(), buffer_.chars() + begin_, end_ - begin_);
    end_ -= begin_;
    for (Finder* f : {&cr_, &lf_}) {
      if (f->pos != kNone) f->pos -= std::min(f->pos, begin_);
      f->searchedTo -= std::min(f->searchedTo, begin_);
    }
    begin_ = 0;
  }
  if (buffer_.size() - end_ <= capacity_) {
    HugeBuffer bigger(std::max(buffer_.size() * 2, end_ + capacity_ + 1));
    std::memcpy(bigger.chars(), buffer_.chars(), end_);
    buffer_ = std::move(bigger);
  }
  const std::ptrdiff_t n = source_.Read(buffer_.chars() + end_, capacity_);
  if (n < 0) {
    failed_ = true;
    return false;
  }
  if (n == 0) {
    eof_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(n);
  return true;
}

std::size_t LineReader::Find(Finder& f, char c, std::size_t from) {
  if (f.pos != kNone && f.pos >= from) return f.pos;
  const std::size_t start = f.pos == kNone ? std::max(from, f.searchedTo) : from;
  f.pos = kNone;
  f.searchedTo = end_;
  if (start >= end_) return kNone;
  const void* hit = std::memchr(buffer_.chars() + start, c, end_ - start);
  if (hit != nullptr)
    f.pos = static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.chars());
  return f.pos;
}

bool LineReader::Next(std::string_view& line) {
  std::span<char> writable;
  if (!NextWritable(writable)) return false;
  line = std::string_view(writable.data(), writable.size());
  return true;
}

bool LineReader::NextWritable(std::span<char>& line) {
  for (;;) {
    std::size_t t = std::min(Find(cr_, '\r', begin_), Find(lf_, '\n', begin_));
    if (t != kNone) {
      if (buffer_.chars()[t] == '\r' && t + 1 == end_) {
        // A CR at the end of the held data may be the first half of CR LF.
        const std::size_t offset = t - begin_;
        if (!Refill() && failed_) return false;
        t = begin_ + offset;
      }
      const std::size_t termLen =
          buffer_.chars()[t] == '\r' && t + 1 < end_ && buffer_.chars()[t + 1] == '\n' ? 2 : 1;
      line = std::span<char>(buffer_.chars() + begin_, t - begin_);
      assert(HasWritableByteAfter(line));
      consumed_ += (t - begin_) + termLen;
      begin_ = t + termLen;
      return true;
    }
    if (Refill()) continue;
    if (failed_ || begin_ == end_) return false;
    // End of input: whatever is left is the last line; Refill left room
    // after it.
    line = std::span<char>(buffer_.chars() + begin_, end_ - begin_);
    assert(HasWritableByteAfter(line));
    consumed_ += end_ - begin_;
    begin_ = end_;
    return true;
  }
}

bool LineReader::NextLinesWritable(std::span<char>& lines) {
  // Nothing below begin_ is searched again: what the line search knew
  // before is past or stale.
  cr_ = Finder{kNone, begin_};
  lf_ = Finder{kNone, begin_};
  if (begin_ == end_ && !Refill()) return false;
  const char* held = buffer_.chars() + begin_;
  const std::size_t size = end_ - begin_;
  // The last terminator held: the last LF, or a CR after it.
  const auto* lf = static_cast<const char*>(::memrchr(held, '\n', size));
  const char* from = lf != nullptr ? lf + 1 : held;
  const auto* cr =
      static_cast<const char*>(::memrchr(from, '\r', static_cast<std::size_t>(held + size - from)));
  const char* last = cr != nullptr ? cr : lf;
  // No line ends in what is held: one line, grown as long as it is.
  if (last == nullptr) return NextWritable(lines);
  const std::size_t t = static_cast<std::size_t>(last - buffer_.chars());
  lines = std::span<char>(buffer_.chars() + begin_, t - begin_);
  consumed_ += t + 1 - begin_;
  begin_ = t + 1;
  return true;
}

}  // namespace zet
