#include "scanner/ParallelScan.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "scanner/Scanner.h"

namespace zet {
namespace {

// The bytes [begin, end) of a file, read with pread.
class FileRangeSource final : public ByteSource {
 public:
  FileRangeSource(int fd, std::uint64_t begin, std::uint64_t end)
      : fd_(fd), at_(begin), end_(end) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::uint64_t left = end_ - at_;
    if (left == 0) return 0;
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, left));
    for (;;) {
      const ssize_t n = ::pread(fd_, buffer, want, static_cast<off_t>(at_));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        error_ = errno;
        return -1;
      }
      at_ += static_cast<std::uint64_t>(n);
      if (n == 0) end_ = at_;  // the file shrank: its end is here
      return n;
    }
  }
  [[nodiscard]] int ErrorNumber() const override { return error_; }

 private:
  int fd_;
  std::uint64_t at_;
  std::uint64_t end_;
  int error_ = 0;
};

// Stops a part when the caller's flag is set; counts nothing else.
class StopObserver final : public ScanObserver {
 public:
  explicit StopObserver(const std::atomic<bool>* stop) : stop_(stop) {}
  bool Pump() override { return !stop_->load(std::memory_order_relaxed); }
  [[nodiscard]] bool NeedsPump() const override { return stop_ != nullptr; }

 private:
  const std::atomic<bool>* stop_;
};

// Where the part that starts near `at` begins: just after the first line
// feed at or after `at`, or `size` when there is none.
std::uint64_t LineStartAfter(int fd, std::uint64_t at, std::uint64_t size) {
  char block[4096];
  while (at < size) {
    const ssize_t n = ::pread(fd, block, sizeof block, static_cast<off_t>(at));
    if (n <= 0) return size;
    const auto* lf =
        static_cast<const char*>(std::memchr(block, '\n', static_cast<std::size_t>(n)));
    if (lf != nullptr) return at + static_cast<std::uint64_t>(lf - block) + 1;
    at += static_cast<std::uint64_t>(n);
  }
  return size;
}

struct Part {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  WordTable own;
  WordTable* table = &own;  // the first part counts into the caller's table
  ReadOutcome outcome;
  int openComment = -1;  // the comment open at the part's end
  std::atomic<std::uint64_t> done{0};
};

// Scans `part` with `scanner`, which counts into the part's table.
void ScanPartWith(int fd, Part& part, Scanner& scanner, Encoding encoding) {
  FileRangeSource source(fd, part.begin, part.end);
  part.outcome = ScanLinesFrom(source, part.begin, scanner, encoding, [&](std::uint64_t bytes) {
    part.done.store(bytes, std::memory_order_relaxed);
  });
  part.openComment = scanner.intOpenComment();
}

void ScanPart(int fd, Part& part, const ScanSettings& settings, Encoding encoding,
              const std::atomic<bool>* stop, int startInComment) {
  part.table->Clear();
  StopObserver observer(stop);
  Scanner scanner(settings, *part.table, observer);
  if (startInComment >= 0) scanner.ContinueInComment(startInComment);
  ScanPartWith(fd, part, scanner, encoding);
}

// The start of the file scanned on the calling thread before it is cut:
// enough words to tell a text of mostly different words.
constexpr std::uint64_t kSampleBytes = std::uint64_t{256} << 10;
constexpr std::int64_t kSampleWords = 10000;

// True when the words of the sample are mostly different ones. Each part's
// table then holds nearly every word it saw, and merging the tables costs
// about what scanning the parts saved: one thread does it with one table
// (on the 40 MB text of different words, 1.1 s of processor time and 205
// MiB instead of 1.4 s and 240 MiB on two).
bool MostlyDifferent(const WordTable& sample) {
  return sample.TotalOccurrences() >= kSampleWords &&
         static_cast<std::int64_t>(sample.size()) * 3 > sample.TotalOccurrences();
}

void AddOutcome(ReadOutcome& whole, const ReadOutcome& part) {
  whole.bytesRead += part.bytesRead;
  if (part.failed && !whole.failed) {
    whole.failed = true;
    whole.errorNumber = part.errorNumber;
  }
  if (part.firstInvalidUtf8 && !whole.firstInvalidUtf8)
    whole.firstInvalidUtf8 = part.firstInvalidUtf8;
}

}  // namespace

unsigned DefaultJobs() noexcept {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) == 0)
    return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1U, std::thread::hardware_concurrency());
}

std::uint64_t ParallelParts(std::uint64_t size, Encoding encoding, unsigned jobs,
                            std::uint64_t minPart) noexcept {
  const bool byteOriented = encoding == Encoding::Utf8 || encoding == Encoding::Windows1252;
  if (!byteOriented) return 1;
  return std::max<std::uint64_t>(
      1, std::min<std::uint64_t>(jobs, size / std::max<std::uint64_t>(minPart, 1)));
}

ReadOutcome ScanFileParallel(int fd, std::uint64_t size, const ScanSettings& settings,
                             Encoding encoding, unsigned jobs, WordTable& table,
                             const LineProgress& progress, const std::atomic<bool>* stop,
                             std::uint64_t minPart) {
  const std::uint64_t parts = ParallelParts(size, encoding, jobs, minPart);
  if (parts <= 1) {
    StopObserver observer(stop);
    Scanner scanner(settings, table, observer);
    FileRangeSource source(fd, 0, size);
    return ScanLines(source, scanner, encoding, progress);
  }
  // The first part counts into the caller's table and the others are merged
  // into it, so at most one more table than the result is held. Its start
  // is scanned first, on this thread, as a sample.
  table.Clear();
  StopObserver observer(stop);
  Scanner first(settings, table, observer);
  Part sample;
  sample.end = LineStartAfter(fd, std::min(kSampleBytes, size / parts / 2), size);
  sample.table = &table;
  ScanPartWith(fd, sample, first, encoding);
  ReadOutcome whole;
  whole.encoding = encoding;
  AddOutcome(whole, sample.outcome);
  if (sample.outcome.failed || first.StopRequested() || sample.end >= size) {
    if (progress) progress(whole.bytesRead);
    return whole;
  }
  const std::uint64_t rest = size - sample.end;
  const std::uint64_t cuts = MostlyDifferent(table) ? 1 : parts;
  std::vector<std::unique_ptr<Part>> cut;
  std::uint64_t begin = sample.end;
  for (std::uint64_t i = 1; i <= cuts && begin < size; ++i) {
    const std::uint64_t end =
        i == cuts ? size : LineStartAfter(fd, sample.end + rest * i / cuts, size);
    if (end <= begin) continue;
    auto part = std::make_unique<Part>();
    part->begin = begin;
    part->end = end;
    cut.push_back(std::move(part));
    begin = end;
  }
  // The first part goes on with the sample's scanner, in whatever comment
  // the sample ended.
  cut.front()->table = &table;
  std::vector<std::future<void>> running;
  running.push_back(std::async(std::launch::async, ScanPartWith, fd, std::ref(*cut.front()),
                               std::ref(first), encoding));
  for (std::size_t i = 1; i < cut.size(); ++i)
    running.push_back(std::async(std::launch::async, ScanPart, fd, std::ref(*cut[i]),
                                 std::cref(settings), encoding, stop, -1));
  for (auto& job : running) {
    while (job.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
      if (!progress) continue;
      std::uint64_t done = whole.bytesRead;
      for (const auto& part : cut) done += part->done.load(std::memory_order_relaxed);
      progress(done);
    }
    job.get();
  }
  // A part that began inside a comment is scanned again, now that the comment
  // open at its start is known. Rare: comments seldom span a cut.
  for (std::size_t i = 1; i < cut.size(); ++i)
    if (cut[i - 1]->openComment >= 0)
      ScanPart(fd, *cut[i], settings, encoding, stop, cut[i - 1]->openComment);

  for (const auto& part : cut) {
    if (part->table != &table) {
      table.MergeFrom(*part->table);
      part->own.Clear();
    }
    AddOutcome(whole, part->outcome);
  }
  if (progress) progress(whole.bytesRead);
  return whole;
}

}  // namespace zet
