#include "scanner/SourceReader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "scanner/ScanObserver.h"
#include "tests/support/ScanHelpers.h"
#include "tests/support/TempDir.h"

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
  s.outcome = ScanLines(
      source, scanner, [&](std::uint64_t done) { s.progress.push_back(done); }, capacity);
  s.words = test::Entries(table);
  return s;
}

class ScanLinesTest : public ::testing::TestWithParam<std::tuple<SourceRow, std::size_t>> {};

// The words do not depend on the reader's buffer: a capacity of one byte
// splits every line and every CR LF pair, one of 4096 holds every line at
// once. Progress comes as many lines at
// a time as the buffer holds, so only its steps depend on it: each ends a
// line, and the last ends the text.
TEST_P(ScanLinesTest, CountsTheSameWhateverTheCapacity) {
  const auto& [row, capacity] = GetParam();
  const Scanned s = Scan(row.bytes, capacity);
  EXPECT_EQ(s.words, row.words);
  EXPECT_FALSE(s.outcome.failed);
  EXPECT_EQ(s.outcome.bytesRead, row.bytes.size());
  for (std::size_t i = 0; i < s.progress.size(); ++i) {
    const std::uint64_t at = s.progress[i];
    EXPECT_TRUE(at == row.bytes.size() ||
                (at > 0 && (row.bytes[at - 1] == '\n' || row.bytes[at - 1] == '\r')))
        << "progress to " << at << " does not end a line";
    if (i > 0) {
      EXPECT_GT(at, s.progress[i - 1]);
    }
  }
  if (!row.bytes.empty()) {
    EXPECT_EQ(s.progress.back(), row.bytes.size());
  }
}

const SourceRow kSourceRows[] = {
    {"empty", "", {}},
    {"crlf_lines", "cat dog\r\ncat\r\n", Words({{"cat", 2}, {"dog", 1}})},
    {"cr_only_lines", "cat\rdog\r", Words({{"cat", 1}, {"dog", 1}})},
    {"byte_order_mark",
     "\xEF\xBB\xBF"
     "cat",
     Words({{"cat", 1}})},
    // Read as UTF-8 when the encoding was not decided: a stray byte is
    // taken as its Windows-1252 character.
    {"utf8_and_latin1", "caf\xC3\xA9 caf\xE9\n", Words({{"caf\xE9", 2}})},
    {"word_over_a_line_break", "do\r\ng", Words({{"do", 1}, {"g", 1}})},
    // An entity's semicolon is looked for on its own line only, even when
    // lines are scanned many at a time.
    {"entity_search_stops_at_the_line_end", "AT&T\ncaf&eacute;\n",
     Words({{"at", 1}, {"caf\xE9", 1}})},
    // Lines are decoded and rewritten where they were read; each shrinks and
    // gets its closing space there, and the next line must come out whole.
    {"rewritten_lines_leave_the_next_intact",
     "Caf&eacute;--Bar \nNa\xC3\xAFve--caf\xC3\xA9\r\n  DOG\tcat  \rend",
     Words({{"bar", 1}, {"caf\xE9", 2}, {"cat", 1}, {"dog", 1}, {"end", 1}, {"na\xEFve", 1}})},
};

INSTANTIATE_TEST_SUITE_P(Rows, ScanLinesTest,
                         ::testing::Combine(::testing::ValuesIn(kSourceRows),
                                            ::testing::Values(1, 2, 3, 7, 4096)),
                         [](const auto& p) {
                           return std::string(std::get<0>(p.param).name) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

// Lines of one four-letter word and LF: 5 bytes a line.
std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(4, static_cast<char>('a' + i % 26)) + "\n";
  return text;
}

struct ChangeRow {
  const char* name;
  std::function<void(const std::string&)> change;  // done after the first line
  std::uint64_t bytes;                             // what there was to read
  friend void PrintTo(const ChangeRow& row, std::ostream* os) { *os << row.name; }
};

class ChangingSourceTest : public ::testing::TestWithParam<ChangeRow> {};

constexpr int kLines = 40000;  // 200,000 bytes: four reads

// A file that changes under the reader: the words of the bytes actually
// read are counted, and the bytes reported are the bytes read.
TEST_P(ChangingSourceTest, CountsTheBytesActuallyRead) {
  test::TempDir dir;
  const std::string path = dir.Write("in.txt", Lines(kLines));
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  FdByteSource source(fd);
  WordTable table;
  QuietObserver quiet;
  Scanner scanner(test::DefaultSettings(), table, quiet);
  bool changed = false;
  std::uint64_t previous = 0;
  const ReadOutcome outcome = ScanLines(source, scanner, [&](std::uint64_t done) {
    EXPECT_GE(done, previous);
    previous = done;
    if (!changed) GetParam().change(path);
    changed = true;
  });
  ::close(fd);
  EXPECT_FALSE(outcome.failed);
  EXPECT_EQ(outcome.bytesRead, GetParam().bytes);
  std::int64_t words = 0;
  for (std::size_t i = 0; i < table.size(); ++i) words += table[i].lngCount;
  EXPECT_EQ(static_cast<std::uint64_t>(words), (GetParam().bytes + 4) / 5);  // a cut line counts
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangingSourceTest,
    ::testing::Values(
        ChangeRow{"shrinks", [](const std::string& p) { std::filesystem::resize_file(p, 100000); },
                  100000},
        ChangeRow{"emptied", [](const std::string& p) { std::filesystem::resize_file(p, 0); },
                  LineReader::kDefaultCapacity},
        ChangeRow{"grows",
                  [](const std::string& p) {
                    std::ofstream(p, std::ios::app | std::ios::binary) << Lines(1000);
                  },
                  (kLines + 1000) * 5}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
