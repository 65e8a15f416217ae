// Counts the words of files the way a file pass does and prints the
// throughput: zet_count_bench [--decide] FILE...
// With --decide each file's encoding is first decided by the whole-file
// check, timed apart, and its cost is shown beside the count's.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    result.decideSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
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
      const double decided = run == 0 ? r.decideSeconds : std::min(best.decideSeconds, r.decideSeconds);
      if (run == 0 || r.seconds < best.seconds) best = r;
      best.decideSeconds = decided;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%-28s %8.1f MB  %6.3f s  %7.1f MB/s  %6.1f M words/s  %9zu distinct  peak %6.1f MiB\n",
                std::strrchr(argv[i], '/') ? std::strrchr(argv[i], '/') + 1 : argv[i],
                static_cast<double>(best.bytes) / 1e6, best.seconds,
                static_cast<double>(best.bytes) / 1e6 / best.seconds,
                static_cast<double>(best.words) / 1e6 / best.seconds, best.distinct,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    if (decide)
      std::printf("%-28s encoding check %7.1f MB/s  %6.3f s  = %4.1f%% of the count\n", "",
                  static_cast<double>(best.bytes) / 1e6 / best.decideSeconds, best.decideSeconds,
                  100.0 * best.decideSeconds / best.seconds);
    const double nsPerByte = best.seconds * 1e9 / static_cast<double>(std::max<std::uint64_t>(best.bytes, 1));
    if (i == firstFile)
      firstNsPerByte = nsPerByte;
    else
      std::printf("%-28s %.2f times the cost per byte of the first file\n", "", nsPerByte / firstNsPerByte);
  }
  return 0;
}
