#include "scanner/LineReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace zet {
namespace {

struct ReadResult {
  std::vector<std::string> lines;
  std::uint64_t consumed = 0;
};

ReadResult ReadAll(std::string_view bytes, std::size_t capacity) {
  MemoryByteSource source(bytes);
  LineReader reader(source, capacity);
  ReadResult result;
  std::string_view line;
  while (reader.Next(line)) result.lines.emplace_back(line);
  result.consumed = reader.BytesConsumed();
  return result;
}

struct LineRow {
  const char* name;
  std::string input;
  std::vector<std::string> lines;
  friend void PrintTo(const LineRow& row, std::ostream* os) { *os << row.name; }
};

class LineReaderTest : public ::testing::TestWithParam<std::tuple<LineRow, std::size_t>> {};

// Results must not depend on how the input arrives: every row is read with
// capacities from one byte up, which splits CR LF pairs across reads.
TEST_P(LineReaderTest, SplitsLinesWhateverTheCapacity) {
  const auto& [row, capacity] = GetParam();
  const ReadResult r = ReadAll(row.input, capacity);
  EXPECT_EQ(r.lines, row.lines);
  EXPECT_EQ(r.consumed, row.input.size());
}

const LineRow kRows[] = {
    {"empty", "", {}},
    {"crlf", "a\r\nbb\r\n", {"a", "bb"}},
    {"lf", "a\nbb\n", {"a", "bb"}},
    {"cr", "a\rbb\r", {"a", "bb"}},
    {"no_final_terminator", "a\nlast", {"a", "last"}},
    {"empty_lines", "\r\n\n\r\r\n", {"", "", "", ""}},
    {"mixed", "one\rtwo\nthree\r\nfour", {"one", "two", "three", "four"}},
    {"lf_cr_is_two_endings", "a\n\rb", {"a", "", "b"}},
    {"lone_cr_at_end", "x\r", {"x"}},
    {"nul_inside", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, LineReaderTest,
                         ::testing::Combine(::testing::ValuesIn(kRows),
                                            ::testing::Values(1, 2, 3, 7, 64 * 1024)),
                         [](const auto& p) {
                           return std::string(std::get<0>(p.param).name) + "_cap" +
                                  std::to_string(std::get<1>(p.param));
                         });

// A writable line may be overwritten, with the byte after it, without
// changing any line that follows (run under ASan, this also shows the byte
// after the last line is inside the buffer).
TEST_P(LineReaderTest, WritableLinesCanBeOverwritten) {
  const auto& [row, capacity] = GetParam();
  MemoryByteSource source(row.input);
  LineReader reader(source, capacity);
  std::vector<std::string> lines;
  std::span<char> line;
  while (reader.NextWritable(line)) {
    lines.emplace_back(line.data(), line.size());
    std::fill(line.begin(), line.end(), '\n');
    line.data()[line.size()] = '\r';
  }
  EXPECT_EQ(lines, row.lines);
  EXPECT_EQ(reader.BytesConsumed(), row.input.size());
}

TEST(LineReaderLongLines, HoldsALineLongerThanTheBuffer) {
  const std::string big(3 * 1024 * 1024 + 17, 'x');
  const ReadResult r = ReadAll(big + "\r\n" + "tail", 4096);
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[0], big);
  EXPECT_EQ(r.lines[1], "tail");
}

TEST(LineReaderLongLines, ManyShortLinesOfOneTerminatorKind) {
  // A file with only LF endings must not be searched for CR to the end of
  // the buffer on every line; the result is what matters here.
  std::string input;
  for (int i = 0; i < 20000; ++i) input += "line " + std::to_string(i) + "\n";
  const ReadResult r = ReadAll(input, 64 * 1024);
  ASSERT_EQ(r.lines.size(), 20000u);
  EXPECT_EQ(r.lines.back(), "line 19999");
}

class FailingSource final : public ByteSource {
 public:
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (served_) return -1;
    served_ = true;
    const std::string_view first = "complete\npartial";
    const std::size_t n = std::min(size, first.size());
    std::copy_n(first.data(), n, buffer);
    return static_cast<std::ptrdiff_t>(n);
  }
  [[nodiscard]] int ErrorNumber() const override { return 5; }

 private:
  bool served_ = false;
};

TEST(LineReaderErrors, ReadErrorEndsReadingAndIsReported) {
  FailingSource source;
  LineReader reader(source);
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "complete");
  // The unfinished line is not passed off as a complete one.
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.Failed());
  EXPECT_EQ(reader.ErrorNumber(), 5);
}

}  // namespace
}  // namespace zet
