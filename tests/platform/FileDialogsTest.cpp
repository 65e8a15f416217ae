#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zet {
namespace {

struct FilterRow {
  const char* name;
  std::string filter;
  std::vector<FileFilterEntry> entries;
  friend void PrintTo(const FilterRow& row, std::ostream* os) { *os << row.name; }
};

class ParseFileFilterTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(ParseFileFilterTest, SplitsDescriptionsAndPatterns) {
  EXPECT_EQ(ParseFileFilter(GetParam().filter), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseFileFilterTest,
    ::testing::Values(
        FilterRow{"empty", "", {}}, FilterRow{"spaces_only", "  ", {}},
        FilterRow{"spaced_pair",
                  "Any file containing only text (*.*) | *.*",
                  {{"Any file containing only text (*.*)", {"*.*"}}}},
        FilterRow{"two_pairs",
                  "Parameter files (*.zet)|*.zet|All files (*.*)|*.*",
                  {{"Parameter files (*.zet)", {"*.zet"}}, {"All files (*.*)", {"*.*"}}}},
        FilterRow{"several_patterns",
                  "Text (*.txt;*.text)|*.txt; *.text",
                  {{"Text (*.txt;*.text)", {"*.txt", "*.text"}}}},
        FilterRow{"description_without_patterns", "Everything", {{"Everything", {"*"}}}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
