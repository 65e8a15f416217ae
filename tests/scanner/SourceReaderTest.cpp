#include "scanner/SourceReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

using test::Counted;
using test::Words;

struct SourceRow {
  const char* name;
  std::string bytes;
  Counted words;
  friend void PrintTo(const SourceRow& row, std::ostream* os) { *os << row.name; }
};

struct Scanned {
  Counted words;
  std::vector<std::uint64_t> progress;
  ReadOutcome outcome;
};

Scanned Scan(std::string_view bytes, std::size_t capacity) {
  WordTable table;
  QuietObserver quiet;
  Scanner scanner(test::DefaultSettings(), table, quiet);
  MemoryByteSource source(bytes);
  Scanned s;
  s.outcome = ScanLines(source, scanner, [&](std::uint64_t done) { s.progress.push_back(done); },
                        capacity);
  s.words = test::Entries(table);
  return s;
}

class ScanLinesTest : public ::testing::TestWithParam<std::tuple<SourceRow, std::size_t>> {};

// The words and the progress reported do not depend on the reader's buffer:
// a capacity of one byte splits every line and every CR LF pair.
TEST_P(ScanLinesTest, CountsTheSameWhateverTheCapacity) {
  const auto& [row, capacity] = GetParam();
  const Scanned s = Scan(row.bytes, capacity);
  EXPECT_EQ(s.words, row.words);
  EXPECT_FALSE(s.outcome.failed);
  EXPECT_EQ(s.outcome.bytesRead, row.bytes.size());
  EXPECT_EQ(s.progress, Scan(row.bytes, LineReader::kDefaultCapacity).progress);
  if (!row.bytes.empty()) {
    EXPECT_EQ(s.progress.back(), row.bytes.size());
  }
}

const SourceRow kSourceRows[] = {
    {"empty", "", {}},
    {"crlf_lines", "cat dog\r\ncat\r\n", Words({{"cat", 2}, {"dog", 1}})},
    {"cr_only_lines", "cat\rdog\r", Words({{"cat", 1}, {"dog", 1}})},
    {"byte_order_mark", "\xEF\xBB\xBF" "cat", Words({{"cat", 1}})},
    {"utf8_and_latin1", "caf\xC3\xA9 caf\xE9\n", Words({{"caf\xE9", 2}})},
    {"word_over_a_line_break", "do\r\ng", Words({{"do", 1}, {"g", 1}})},
};

INSTANTIATE_TEST_SUITE_P(Rows, ScanLinesTest,
                         ::testing::Combine(::testing::ValuesIn(kSourceRows),
                                            ::testing::Values(1, 2, 3, 7)),
                         [](const auto& p) {
                           return std::string(std::get<0>(p.param).name) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

}  // namespace
}  // namespace zet
