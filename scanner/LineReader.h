#pragma once
// Reads lines from a byte stream one at a time.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string_view>

#include "scanner/HugeBuffer.h"

namespace zet {

/// Where a LineReader gets its bytes. The reader never opens anything
/// itself: the caller hands it a source over a stream or descriptor it owns.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  /// Reads up to `size` bytes into `buffer`. Returns the number read, 0 at
  /// the end of the input, or -1 on a read error (the error number is then
  /// available from ErrorNumber()).
  virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
  /// The system error number of the last failed Read, or 0.
  [[nodiscard]] virtual int ErrorNumber() const { return 0; }
};

/// A ByteSource over an open file descriptor (not closed by the source).
class FdByteSource final : public ByteSource {
 public:
  explicit FdByteSource(int fd) : fd_(fd) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;
  [[nodiscard]] int ErrorNumber() const override { return error_; }

 private:
  int fd_;
  int error_ = 0;
};

/// A ByteSource over a std::istream (not owned).
class StreamByteSource final : public ByteSource {
 public:
  explicit StreamByteSource(std::istream& in) : in_(in) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;

 private:
  std::istream& in_;
};

/// A ByteSource over bytes already in memory (not owned). With `maxRead`,
/// no read hands out more than that many bytes, as a pipe may do.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes,
                            std::size_t maxRead = static_cast<std::size_t>(-1))
      : bytes_(bytes), maxRead_(maxRead) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view bytes_;
  std::size_t maxRead_;
};

/// Splits a byte stream into lines. A line ends at CR LF, at CR or at LF;
/// the terminator is not part of the line. A final line without a terminator
/// is still a line; an input that ends with a terminator has no empty line
/// after it. Only one line (and one buffer of look-ahead) is held at a time,
/// so memory follows the longest line, not the input.
class LineReader {
 public:
  static constexpr std::size_t kDefaultCapacity = 64 * 1024;

  /// `capacity` is the size of each read; results never depend on it.
  explicit LineReader(ByteSource& source, std::size_t capacity = kDefaultCapacity);

  /// Gets the next line. The view stays valid until the next call. Returns
  /// false at the end of the input or when the source failed (see Failed()).
  [[nodiscard]] bool Next(std::string_view& line);

  /// Next, with the line left writable where it was read, so that it can be
  /// decoded and prepared without a copy: a line as long as the file then
  /// costs its size once, not two or three times. The byte just after the
  /// line (its terminator, or spare room) is writable as well. Writing there
  /// or into the line never changes the lines that follow.
  [[nodiscard]] bool NextWritable(std::span<char>& line);

  /// NextWritable for a reader that only needs words apart: every whole line
  /// held (at least one), terminators between them included, the last one's
  /// not. Its byte just after is writable too. A CR LF may be cut in two
  /// between calls: its LF then starts the next lines as an empty line.
  [[nodiscard]] bool NextLinesWritable(std::span<char>& lines);

  /// Bytes of input consumed so far, terminators included.
  [[nodiscard]] std::uint64_t BytesConsumed() const noexcept { return consumed_; }

  /// True when reading stopped because the source reported an error.
  [[nodiscard]] bool Failed() const noexcept { return failed_; }
  /// The source's error number after a failure.
  [[nodiscard]] int ErrorNumber() const noexcept { return source_.ErrorNumber(); }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  // Where the next CR or LF is known to be, so that a file with only one
  // kind of terminator is not searched to the end of the buffer for the
  // other kind on every line.
  struct Finder {
    std::size_t pos = kNone;     // a terminator found earlier, or kNone
    std::size_t searchedTo = 0;  // with kNone: none below this position
  };

  // Reads more bytes after the data held, always leaving at least one byte
  // of room after them; false at end of input or error.
  bool Refill();
  std::size_t Find(Finder& finder, char c, std::size_t from);
  // What NextWritable promises a scanner that writes its sentinel space
  // after the line: that byte is still inside the buffer.
  [[nodiscard]] bool HasWritableByteAfter(std::span<const char> line) const noexcept {
    return line.data() + line.size() < buffer_.chars() + buffer_.size();
  }

  ByteSource& source_;
  std::size_t capacity_;
  // Taken straight from the system: a line of a gigabyte grows it without
  // zero-filling and, past 2 MiB, on huge pages (a few hundred page faults
  // instead of a quarter of a million).
  HugeBuffer buffer_;
  std::size_t begin_ = 0;  // start of unconsumed data
  std::size_t end_ = 0;    // end of valid data
  bool eof_ = false;
  bool failed_ = false;
  std::uint64_t consumed_ = 0;
  Finder cr_;
  Finder lf_;
};

}  // namespace zet
