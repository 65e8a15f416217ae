#include "scanner/ScanObserver.h"

#include <gtest/gtest.h>

#include "scanner/Folding.h"
#include "scanner/Scanner.h"
#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

// Counts what WordCounted is told, and the words it should not have been
// told or was told with a key not their own.
class WordCounter final : public ScanObserver {
 public:
  explicit WordCounter(bool wants) : wants_(wants) {}
  [[nodiscard]] bool NeedsPump() const override { return false; }
  [[nodiscard]] bool WantsEachWord() const override { return wants_; }
  void WordCounted(std::string_view word, std::string_view key) override {
    ++calls;
    std::string buffer;
    if (word.size() > WordTable::kMaxWordLength || MakeWordKey(word, buffer) != key) ++wrongWords;
  }
  std::int64_t calls = 0;
  std::int64_t wrongWords = 0;

 private:
  bool wants_;
};

// Every counted word is reported once with its key, also once the table
// has outgrown the caches and words are counted in batches, and a word
// too long to count is not reported. Was: a queued word too long to count
// was reported with the key of an earlier word in its queue slot.
TEST(ScanObserverTest, WordCountedIsToldEachCountedWordWithItsKey) {
  for (const bool wants : {true, false}) {
    ScanSettings scan = test::DefaultSettings();
    scan.blnCaseSignificant = true;
    WordTable table;
    WordCounter counter(wants);
    Scanner scanner(scan, table, counter);
    std::string line;
    for (int i = 0; i < 100000; ++i) {
      std::string word = "W";
      for (int n = i; n > 0; n /= 26) word += static_cast<char>('a' + n % 26);
      line += word + ' ' + word + ' ' + std::string(81, 'L') + ' ';
    }
    scanner.ScanSourceLine(line);
    ASSERT_FALSE(table.FitsInCache());
    EXPECT_EQ(counter.calls, wants ? table.TotalOccurrences() : 0);
    EXPECT_EQ(counter.wrongWords, 0);
  }
}

}  // namespace
}  // namespace zet
