// Fuzz target: arbitrary bytes read as a common-words file.
//
// Input: bytes 0 and 1 the word rules (bits 0-8 the allow-flags in the
// order hyphens, apostrophes, underscores, colons, backslashes, forward
// slashes, periods, at-signs, numerals; bit 9 drop final s); the rest is
// the file. Every word read is a word those rules can count, lower-case.

#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/CommonWords.h"
#include "scanner/LineReader.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzText.h"

namespace zet::fuzz {
namespace {

class CountingObserver final : public ScanObserver {
 public:
  void ShowFirstWord(std::string_view) override { Fail("a common word was shown"); }
  void ShowNewWord(std::string_view) override { Fail("a common word was shown"); }
  void NewWordCounted(std::size_t numWords) override {
    Require(numWords == last + 1, "new common words were not numbered in order");
    last = numWords;
  }
  std::size_t last = 1;
};

void Run(const std::uint8_t* data, std::size_t size) {
  InputReader in(data, size);
  const unsigned low = in.Byte();
  const unsigned high = in.Byte();
  WordRules rules;
  rules.allow = AllowFromBits(low | ((high & 1u) << 8));
  rules.blnDropFinalS = (high & 2u) != 0;
  rules.blnCaseSignificant = (high & 4u) != 0;  // never used: common words are lower-cased
  const std::string_view text = in.Rest();

  CommonWordList list;
  list.words.emplace("placeholder");
  CountingObserver observer;
  MemoryByteSource source(text);
  Require(ReadCommonWords(source, rules, list, observer), "reading bytes in memory failed");
  Require(list.rules == rules, "the list does not keep the rules it was read with");
  Require(observer.last == (list.words.empty() ? 1 : list.words.size()),
          "not every common word was announced");
  for (const std::string& word : list.words) RequireWord(word, rules.allow, true, "common word");

  // Read in pieces, the same words.
  CommonWordList pieces;
  CountingObserver quiet;
  MemoryByteSource chunked(text, (low % 13) + 1);
  Require(ReadCommonWords(chunked, rules, pieces, quiet), "reading in pieces failed");
  Require(pieces.words == list.words, "reading in pieces found other common words");
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zet::fuzz::Run(data, size);
  return 0;
}
