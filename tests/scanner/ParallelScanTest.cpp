// A file counted in parts on several threads gives the table one pass
// gives: every count and every first spelling, also when comments, tags
// and entities cross the cuts.

#include "scanner/ParallelScan.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>

#include "scanner/CommentMarkers.h"
#include "scanner/LineReader.h"
#include "scanner/Scanner.h"
#include "tests/support/ScanHelpers.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

// Text of words, spellings, comments, tags and entities, on lines of random
// length, so the cuts fall everywhere.
std::string MixedText(unsigned seed) {
  static const char* const pieces[] = {
      "alpha", "Alpha",        "beta",         "Caf\xE9", "cafe", "don't", "x-ray", "/*",
      "*/",    "//",           "<b>",          "</b>",    "<",    ">",     "&amp;", "&eacute;t\xE9",
      "--",    "\xEF\xBB\xBF", "r\xE9sum\xE9s"};
  std::mt19937 random(seed);
  std::string text;
  for (int line = 0; line < 400; ++line) {
    const int words = static_cast<int>(random() % 9);
    for (int w = 0; w < words; ++w) {
      text += pieces[random() % std::size(pieces)];
      text += random() % 5 == 0 ? "" : " ";
    }
    text += random() % 7 == 0 ? "\r\n" : "\n";
  }
  return text;
}

struct Marked {
  const char* name;
  const char* markerType;  // "HTML", "C", or the user's
  Encoding encoding;
  friend void PrintTo(const Marked& row, std::ostream* os) { *os << row.name; }
};

class ParallelScanTest : public ::testing::TestWithParam<Marked> {};

TEST_P(ParallelScanTest, PartsGiveWhatOnePassGives) {
  test::TempDir dir;
  ScanSettings settings = test::DefaultSettings();
  settings.chkAllowCommentMarkers = true;
  const std::string type = GetParam().markerType;
  settings.blnIsCodeFile = type == "HTML" || type == "C";
  CommentMarkers user;
  user.strStartComment = {"/*", "//"};
  user.strEndComment = {"*/", ""};
  settings.markers = SetCommentMarkers(type, user);
  for (unsigned seed = 1; seed <= 12; ++seed) {
    const std::string text = MixedText(seed);
    const std::string path = dir.Write("t.txt", text);
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    WordTable one;
    QuietObserver quiet;
    Scanner scanner(settings, one, quiet);
    FdByteSource source(fd);
    (void)ScanLines(source, scanner, GetParam().encoding);
    for (unsigned jobs : {2U, 3U, 7U}) {
      WordTable parts;
      const ReadOutcome outcome = ScanFileParallel(fd, text.size(), settings, GetParam().encoding,
                                                   jobs, parts, {}, nullptr, 64);
      EXPECT_EQ(outcome.bytesRead, text.size());
      EXPECT_EQ(test::Entries(parts), test::Entries(one))
          << "seed " << seed << ", " << jobs << " jobs";
    }
    ::close(fd);
  }
}

INSTANTIATE_TEST_SUITE_P(Markers, ParallelScanTest,
                         ::testing::Values(Marked{"user", "user", Encoding::Windows1252},
                                           Marked{"html", "HTML", Encoding::Windows1252},
                                           Marked{"c", "C", Encoding::Utf8}),
                         [](const auto& row) { return std::string(row.param.name); });

// A stop ends every part; what was counted stays, and nothing is counted
// twice.
TEST(ParallelScanStopTest, AStopEndsTheCount) {
  test::TempDir dir;
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "one two three\n";
  const std::string path = dir.Write("t.txt", text);
  const int fd = ::open(path.c_str(), O_RDONLY);
  std::atomic<bool> stop{true};
  WordTable table;
  (void)ScanFileParallel(fd, text.size(), test::DefaultSettings(), Encoding::Utf8, 4, table, {},
                         &stop, 64);
  ::close(fd);
  EXPECT_LE(table.TotalOccurrences(), 4);
}

}  // namespace
}  // namespace zet
