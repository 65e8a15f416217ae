#pragma once
// Helpers shared by the results tests: filling a word table and comparing
// text with golden files.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "scanner/WordTable.h"

namespace zet::test {

struct WordCount {
  std::string word;  // Windows-1252
  std::int64_t count;
};

/// Adds each word `count` times.
inline void FillTable(WordTable& table, std::initializer_list<WordCount> words) {
  for (const WordCount& w : words)
    for (std::int64_t i = 0; i < w.count; ++i) static_cast<void>(table.Add(w.word));
}

/// Shows control characters so that line ends and trailing spaces are seen.
inline std::string Visible(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r')
      out += "<CR>";
    else if (c == '\n')
      out += "<LF>\n";
    else
      out += c;
  }
  return out;
}

/// Fails with both texts printed as blocks when they differ.
inline void ExpectSameText(std::string_view expected, std::string_view actual) {
  EXPECT_TRUE(expected == actual) << "--- expected ---\n"
                                  << Visible(expected) << "|\n--- actual ---\n"
                                  << Visible(actual) << "|\n";
}

inline std::string GoldenPath(std::string_view name) {
  return std::string(ZET_SOURCE_DIR) + "/tests/data/results/" + std::string(name);
}

/// Compares `actual` with the golden file `name` under tests/data/results.
/// With ZET_UPDATE_GOLDEN set in the environment the file is rewritten
/// instead (review the difference before committing it).
inline void ExpectMatchesGolden(std::string_view name, std::string_view actual) {
  const std::string path = GoldenPath(name);
  if (std::getenv("ZET_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing golden file " << path;
  std::ostringstream expected;
  expected << in.rdbuf();
  SCOPED_TRACE(path);
  ExpectSameText(expected.str(), actual);
}

}  // namespace zet::test
