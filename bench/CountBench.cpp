// Counts the words of files the way a file pass does and prints the
// throughput: zet_count_bench [--decide] FILE...
// With --decide each file's encoding is first decided by the whole-file
// check, timed apart, and its cost is shown beside the count's.
// With ZET_BENCH_LIST=PATH it then lists the last file's words (default
// filters, format 0 by frequency, the output file's layout) to PATH through
// the atomic file writer, and to standard output (run it into a pipe), and
// prints how fast each listing was written (to stderr).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "engine/AtomicFileSink.h"
#include "params/AtomicFile.h"
#include "results/Listing.h"
#include "results/StreamSink.h"
#include "scanner/Encoding.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"

namespace {

struct Result {
  double decideSeconds = 0;
  double seconds = 0;
  std::uint64_t bytes = 0;
  std::int64_t words = 0;
  std::size_t distinct = 0;
};

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of the process so far (user + system), in seconds: on a
// shared machine steadier than the wall clock.
double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts `path` once more and lists it to `listPath` and to standard output.
bool ListFile(const char* path, const char* listPath) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) return false;
  zet::ScanSettings settings;
  settings.allow.blnAllowHyphens = true;
  settings.blnSuppressWords = true;
  zet::WordTable table;
  zet::QuietObserver quiet;
  zet::Scanner scanner(settings, table, quiet);
  zet::FdByteSource source(fd);
  (void)zet::ScanLines(source, scanner);
  ::close(fd);
  auto start = std::chrono::steady_clock::now();
  const zet::ListResults results = zet::RunResultsStages(table, zet::FilterSettings{});
  const double stages = Since(start);
  const zet::ListingOptions options{zet::WordOrder::ByFrequency,
                                    zet::DisplayFormat::RankFrequencyWord,
                                    false,
                                    zet::ListingTarget::OutputFile,
                                    zet::kMinColumnWidth,
                                    {}};
  zet::AtomicFileWriter writer;
  if (writer.Open(listPath) != 0) return false;
  start = std::chrono::steady_clock::now();
  double cpuStart = CpuSeconds();
  zet::AtomicFileSink fileSink(writer);
  if (zet::WriteListing(table, results, options, fileSink) != zet::ListingOutcome::Completed)
    return false;
  const double toFile = Since(start);
  const double toFileCpu = CpuSeconds() - cpuStart;
  start = std::chrono::steady_clock::now();
  if (writer.Commit() != 0) return false;
  const double commit = Since(start);
  struct stat listed {};
  if (::stat(listPath, &listed) != 0) return false;
  const auto bytes = static_cast<double>(listed.st_size);
  start = std::chrono::steady_clock::now();
  cpuStart = CpuSeconds();
  zet::StreamSink streamSink(std::cout);
  if (zet::WriteListing(table, results, options, streamSink) != zet::ListingOutcome::Completed)
    return false;
  std::cout.flush();
  const double toStream = Since(start);
  const double toStreamCpu = CpuSeconds() - cpuStart;
  std::fprintf(
      stderr,
      "listing %.1f MB, %zu words: results stages %.3f s; to the file %.3f s (%.0f MB/s; "
      "%.3f s cpu, %.0f MB/s) + flush to disk %.3f s; to standard output %.3f s (%.0f MB/s; "
      "%.3f s cpu, %.0f MB/s)\n",
      bytes / 1e6, table.size(), stages, toFile, bytes / 1e6 / toFile, toFileCpu,
      bytes / 1e6 / toFileCpu, commit, toStream, bytes / 1e6 / toStream, toStreamCpu,
      bytes / 1e6 / toStreamCpu);
  return true;
}

bool CountFile(const char* path, bool decide, Result& result) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) {
    std::fprintf(stderr, "%s: %s\n", path, std::strerror(errno));
    return false;
  }
  zet::ScanSettings settings;
  settings.allow.blnAllowHyphens = true;
  settings.blnSuppressWords = true;
  zet::WordTable table;
  zet::QuietObserver quiet;
  zet::Encoding encoding = zet::Encoding::Auto;
  if (decide) {
    const auto before = std::chrono::steady_clock::now();
    encoding = zet::DecideFileEncoding(fd).encoding;
    result.decideSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
  }
  const auto start = std::chrono::steady_clock::now();
  zet::Scanner scanner(settings, table, quiet);
  zet::FdByteSource source(fd);
  const zet::ReadOutcome outcome = zet::ScanLines(source, scanner, encoding);
  if (!table.empty()) (void)table[0];  // key order is part of the work
  const auto stop = std::chrono::steady_clock::now();
  ::close(fd);
  result.seconds = std::chrono::duration<double>(stop - start).count();
  result.bytes = outcome.bytesRead;
  result.words = table.TotalOccurrences();
  result.distinct = table.size();
  return !outcome.failed;
}

}  // namespace

int main(int argc, char** argv) {
  const bool decide = argc > 1 && std::strcmp(argv[1], "--decide") == 0;
  const int firstFile = decide ? 2 : 1;
  if (argc <= firstFile) {
    std::fprintf(stderr, "usage: %s [--decide] FILE...\n", argv[0]);
    return 2;
  }
  // ZET_BENCH_RUNS=1 gives the peak memory of a single count.
  const char* runsEnv = std::getenv("ZET_BENCH_RUNS");
  const int runs = runsEnv != nullptr && std::atoi(runsEnv) > 0 ? std::atoi(runsEnv) : 3;
  double firstNsPerByte = 0;
  for (int i = firstFile; i < argc; ++i) {
    Result best;
    for (int run = 0; run < runs; ++run) {
      Result r;
      if (!CountFile(argv[i], decide, r)) return 1;
      const double decided =
          run == 0 ? r.decideSeconds : std::min(best.decideSeconds, r.decideSeconds);
      if (run == 0 || r.seconds < best.seconds) best = r;
      best.decideSeconds = decided;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%-28s %8.1f MB  %6.3f s  %7.1f MB/s  %6.1f M words/s  %9zu distinct  peak %6.1f MiB\n",
        std::strrchr(argv[i], '/') ? std::strrchr(argv[i], '/') + 1 : argv[i],
        static_cast<double>(best.bytes) / 1e6, best.seconds,
        static_cast<double>(best.bytes) / 1e6 / best.seconds,
        static_cast<double>(best.words) / 1e6 / best.seconds, best.distinct,
        static_cast<double>(usage.ru_maxrss) / 1024.0);
    if (decide)
      std::printf("%-28s encoding check %7.1f MB/s  %6.3f s  = %4.1f%% of the count\n", "",
                  static_cast<double>(best.bytes) / 1e6 / best.decideSeconds, best.decideSeconds,
                  100.0 * best.decideSeconds / best.seconds);
    const double nsPerByte =
        best.seconds * 1e9 / static_cast<double>(std::max<std::uint64_t>(best.bytes, 1));
    if (i == firstFile)
      firstNsPerByte = nsPerByte;
    else
      std::printf("%-28s %.2f times the cost per byte of the first file\n", "",
                  nsPerByte / firstNsPerByte);
  }
  if (const char* listPath = std::getenv("ZET_BENCH_LIST"))
    if (!ListFile(argv[argc - 1], listPath)) return 1;
  return 0;
}
