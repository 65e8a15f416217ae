// Counts the words of files the way a file pass does and prints the
// throughput: zet_count_bench FILE...
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"

namespace {

struct Result {
  double seconds = 0;
  std::uint64_t bytes = 0;
  std::int64_t words = 0;
  std::size_t distinct = 0;
};

bool CountFile(const char* path, Result& result) {
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
  const auto start = std::chrono::steady_clock::now();
  zet::Scanner scanner(settings, table, quiet);
  zet::FdByteSource source(fd);
  const zet::ReadOutcome outcome = zet::ScanLines(source, scanner);
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
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
    return 2;
  }
  // ZET_BENCH_RUNS=1 gives the peak memory of a single count.
  const char* runsEnv = std::getenv("ZET_BENCH_RUNS");
  const int runs = runsEnv != nullptr && std::atoi(runsEnv) > 0 ? std::atoi(runsEnv) : 3;
  double firstNsPerByte = 0;
  for (int i = 1; i < argc; ++i) {
    Result best;
    for (int run = 0; run < runs; ++run) {
      Result r;
      if (!CountFile(argv[i], r)) return 1;
      if (run == 0 || r.seconds < best.seconds) best = r;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%-28s %8.1f MB  %6.3f s  %7.1f MB/s  %6.1f M words/s  %9zu distinct  peak %6.1f MiB\n",
                std::strrchr(argv[i], '/') ? std::strrchr(argv[i], '/') + 1 : argv[i],
                static_cast<double>(best.bytes) / 1e6, best.seconds,
                static_cast<double>(best.bytes) / 1e6 / best.seconds,
                static_cast<double>(best.words) / 1e6 / best.seconds, best.distinct,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    const double nsPerByte = best.seconds * 1e9 / static_cast<double>(std::max<std::uint64_t>(best.bytes, 1));
    if (i == 1)
      firstNsPerByte = nsPerByte;
    else
      std::printf("%-28s %.2f times the cost per byte of the first file\n", "", nsPerByte / firstNsPerByte);
  }
  return 0;
}
