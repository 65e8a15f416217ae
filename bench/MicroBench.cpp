// Micro-benchmarks of the scanner's hot path.
#include <benchmark/benchmark.h>

#include <string>

#include "scanner/Folding.h"
#include "scanner/Scanner.h"
#include "scanner/TextCodec.h"

namespace {

const std::string kVerse =
    "1:3 And God said, Let there be light: and there was light. And the evening "
    "and the morning were the first day.";

void BM_ScanSourceLine(benchmark::State& state) {
  zet::ScanSettings settings;
  settings.allow.blnAllowHyphens = true;
  zet::WordTable table;
  zet::QuietObserver quiet;
  zet::Scanner scanner(settings, table, quiet);
  for (auto _ : state) scanner.ScanSourceLine(kVerse);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kVerse.size()));
}
BENCHMARK(BM_ScanSourceLine);

void BM_DecodeAscii(benchmark::State& state) {
  std::string out;
  for (auto _ : state) {
    zet::DecodeToCp1252(kVerse, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kVerse.size()));
}
BENCHMARK(BM_DecodeAscii);

void BM_DecodeLatin1(benchmark::State& state) {
  const std::string text = zet::EncodeUtf8("\xC9t\xE9 \xE0 la caf\xE9t\xE9ria, na\xEFve fa\xE7" "ade");
  std::string out;
  for (auto _ : state) {
    zet::DecodeToCp1252(text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeLatin1);

void BM_AddNewWords(benchmark::State& state) {
  std::vector<std::string> words;
  for (int i = 0; i < 100000; ++i) words.push_back("w" + std::to_string(i * 7919));
  for (auto _ : state) {
    zet::WordTable table;
    for (const auto& w : words) table.Add(w);
    benchmark::DoNotOptimize(table[0]);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * words.size()));
}
BENCHMARK(BM_AddNewWords);

}  // namespace

BENCHMARK_MAIN();
