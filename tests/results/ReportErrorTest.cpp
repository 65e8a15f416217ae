#include "params/ListingParams.h"
#include "results/ReportError.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

struct ErrorRow {
  const char* name;
  int number;
  const char* description;
  ErrorReportContext context;
  std::string expected;
  friend void PrintTo(const ErrorRow& row, std::ostream* os) { *os << row.name; }
};

class ReportErrorTextTest : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(ReportErrorTextTest, BuildsMessage) {
  const ErrorRow& row = GetParam();
  EXPECT_EQ(ReportErrorText(row.number, row.description, row.context), row.expected);
}

// Context: named, disabled, written.
INSTANTIATE_TEST_SUITE_P(
    Rows, ReportErrorTextTest,
    ::testing::Values(ErrorRow{"full_no_file",
                               7,
                               "Out of memory",
                               {false, false, false},
                               "Textbox is full.  Try writing output to a file."},
                      ErrorRow{"full_file_disabled",
                               7,
                               "Out of memory",
                               {true, true, false},
                               "Textbox is full.  Try repeating with output to file enabled."},
                      ErrorRow{
                          "full_file_written",
                          7,
                          "Out of memory",
                          {true, false, true},
                          "Textbox is full.  \r\nResults have been written to the output file."},
                      ErrorRow{"full_file_not_written",
                               7,
                               "Out of memory",
                               {true, false, false},
                               "Textbox is full.  "},
                      ErrorRow{"file_not_found",
                               53,
                               "File not found",
                               {false, false, false},
                               "Error 53: File not found"},
                      ErrorRow{"other_after_file_written",
                               75,
                               "Path/File access error",
                               {true, false, true},
                               "Error 75: Path/File access error\r\n"
                               "Results have been written to the output file."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(MakeErrorReportContextTest, ReadsOutputFileSettings) {
  ParameterSet params;
  EXPECT_FALSE(MakeErrorReportContext(params, false).blnOutputFileNamed);
  params.SetText(ParamId::txbFileOutput, "out.txt");
  ASSERT_TRUE(params.SetValue(ParamId::chkDisableOutputToFile, 1));
  const ErrorReportContext c = MakeErrorReportContext(params, true);
  EXPECT_TRUE(c.blnOutputFileNamed);
  EXPECT_TRUE(c.blnOutputDisabled);
  EXPECT_TRUE(c.blnOutputFileWritten);
}

}  // namespace
}  // namespace zet
