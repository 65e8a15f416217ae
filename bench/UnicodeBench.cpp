// Counts files with the default word model and with the Unicode model, the
// way a file pass does, and prints the throughput of each:
//   zet_unicode_bench [--unicode-only] [--locale NAME] FILE...
// With --unicode-only only the Unicode model runs (one count, for the
// hostile-text timings and peak memory).
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"
#include "unicode/UnicodeCount.h"

namespace {

struct Result {
  double seconds = 0;
  std::uint64_t bytes = 0;
  std::int64_t words = 0;
  std::size_t distinct = 0;
};

zet::ScanSettings BenchSettings() {
  zet::ScanSettings settings;
  settings.allow.blnAllowHyphens = true;
  settings.blnSuppressWords = true;
  return settings;
}

template <typename Count>
bool Timed(const char* path, Result& result, Count count) {
  const int fd = ::open(path, O_RDONLY);
  if (fd < 0) {
    std::fprintf(stderr, "%s: %s\n", path, std::strerror(errno));
    return false;
  }
  zet::FdByteSource source(fd);
  const auto start = std::chrono::steady_clock::now();
  const bool ok = count(source, result);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::close(fd);
  return ok;
}

bool CountDefault(const char* path, Result& result) {
  return Timed(path, result, [](zet::ByteSource& source, Result& r) {
    zet::WordTable table;
    zet::QuietObserver quiet;
    zet::Scanner scanner(BenchSettings(), table, quiet);
    const zet::ReadOutcome outcome = zet::ScanLines(source, scanner);
    if (!table.empty()) (void)table[0];  // key order is part of the work
    r = {0, outcome.bytesRead, table.TotalOccurrences(), table.size()};
    return !outcome.failed;
  });
}

bool CountUnicodeModel(const char* path, const std::string& locale, Result& result) {
  return Timed(path, result, [&](zet::ByteSource& source, Result& r) {
    zet::UnicodeSettings settings;
    settings.scan = BenchSettings();
    settings.locale = locale;
    const auto table = zet::UnicodeTable::Create(settings);
    if (!table) return false;
    zet::QuietObserver quiet;
    const zet::ReadOutcome outcome = zet::CountUnicode(source, settings.scan, *table, quiet);
    if (!table->Words().empty()) (void)table->Words()[0];
    r = {0, outcome.bytesRead, table->Words().TotalOccurrences(), table->Words().size()};
    return !outcome.failed;
  });
}

void Print(const char* model, const char* path, const Result& r) {
  const char* name = std::strrchr(path, '/') ? std::strrchr(path, '/') + 1 : path;
  std::printf("%-8s %-24s %8.1f MB  %6.3f s  %7.1f MB/s  %9lld words  %8zu distinct\n", model, name,
              static_cast<double>(r.bytes) / 1e6, r.seconds,
              static_cast<double>(r.bytes) / 1e6 / r.seconds, static_cast<long long>(r.words),
              r.distinct);
}

}  // namespace

int main(int argc, char** argv) {
  bool unicodeOnly = false;
  std::string locale;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--unicode-only") == 0)
      unicodeOnly = true;
    else if (std::strcmp(argv[i], "--locale") == 0 && i + 1 < argc)
      locale = argv[++i];
    else
      files.push_back(argv[i]);
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s [--unicode-only] [--locale NAME] FILE...\n", argv[0]);
    return 2;
  }
  const int runs = unicodeOnly ? 1 : 3;
  for (const char* path : files) {
    Result bestDefault;
    Result bestUnicode;
    for (int run = 0; run < runs; ++run) {
      Result d;
      Result u;
      if (!unicodeOnly && !CountDefault(path, d)) return 1;
      if (!CountUnicodeModel(path, locale, u)) return 1;
      if (run == 0 || d.seconds < bestDefault.seconds) bestDefault = d;
      if (run == 0 || u.seconds < bestUnicode.seconds) bestUnicode = u;
    }
    if (!unicodeOnly) Print("default", path, bestDefault);
    Print("unicode", path, bestUnicode);
    if (!unicodeOnly)
      std::printf("%-33s unicode/default time: %.2f\n", "",
                  bestUnicode.seconds / bestDefault.seconds);
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::printf("peak %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
