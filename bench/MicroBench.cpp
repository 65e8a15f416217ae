// Micro-benchmarks of the scanner's hot path.
#include <benchmark/benchmark.h>

#include <string>

#include "scanner/Folding.h"
#include "scanner/Scanner.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf8Validator.h"

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
  const std::string text = zet::EncodeUtf8(
      "\xC9t\xE9 \xE0 la caf\xE9t\xE9ria, na\xEFve fa\xE7"
      "ade");
  std::string out;
  for (auto _ : state) {
    zet::DecodeToCp1252(text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeLatin1);

// The whole-file check before a count: English (ASCII) and German text
// with its accented letters, a MiB at a time as a file is read.
std::string Repeated(std::string_view line) {
  std::string text;
  while (text.size() < (std::size_t{1} << 20)) text += line;
  return text;
}

void BM_ValidateUtf8Ascii(benchmark::State& state) {
  const std::string text = Repeated(kVerse + "\n");
  for (auto _ : state) benchmark::DoNotOptimize(zet::ValidUtf8Prefix(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ValidateUtf8Ascii);

void BM_ValidateUtf8German(benchmark::State& state) {
  const std::string text =
      Repeated(zet::EncodeUtf8("\x84"
                               "Er ist gro\xDF\x93, sagte die F\xE4hrfrau \xFC"
                               "ber den Flu\xDF; \xC4rger mit dem "
                               "\xD6l der Fu\xDFg\xE4nger bleibt.\n"));
  for (auto _ : state) benchmark::DoNotOptimize(zet::ValidUtf8Prefix(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ValidateUtf8German);

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

// Repeated words of a vocabulary that fits the caches, in a skewed order,
// the common case of a text: each add is a hit.
void BM_CountRepeatedWords(benchmark::State& state) {
  std::vector<std::string> vocabulary;
  for (int i = 0; i < 12000; ++i) vocabulary.push_back("w" + std::to_string(i * 7919));
  std::vector<const std::string*> text;
  for (int i = 0; i < 200000; ++i)
    text.push_back(&vocabulary[(i * 2654435761u >> 7) % (1 + i % 12000)]);
  zet::WordTable table;
  for (const auto& w : vocabulary) table.Add(w);
  for (auto _ : state)
    for (const std::string* w : text) table.AddWithKey(*w, *w);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CountRepeatedWords);

}  // namespace

BENCHMARK_MAIN();
