#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>

#include "tests/platform/TempPath.h"

namespace zet {
namespace {

namespace fs = std::filesystem;

std::string Repeat(std::string_view piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

class CatalogueFileTest : public ::testing::Test {
 protected:
  ~CatalogueFileTest() override { fs::remove(path_); }

  int LoadText(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
    return catalogue_.Load(path_);
  }

  const std::string path_ = test::UniqueTempPath("zet_catalogue.dat");
  Catalogue catalogue_;
};

struct LoadRow {
  const char* name;
  std::string content;
  int result;
  std::map<int, std::string> texts;  // checked with Get on success
  friend void PrintTo(const LoadRow& row, std::ostream* os) { *os << row.name; }
};

class CatalogueLoadTest : public CatalogueFileTest,
                          public ::testing::WithParamInterface<LoadRow> {};

TEST_P(CatalogueLoadTest, ReturnsTheResultForTheFile) {
  const LoadRow& row = GetParam();
  ASSERT_EQ(LoadText(row.content), row.result);
  for (const auto& [number, text] : row.texts) {
    EXPECT_EQ(catalogue_.Get(number), text) << number;
  }
  if (row.result <= 0) {
    EXPECT_EQ(catalogue_.Size(), 0U);
  }
}

// The bytes in memory load exactly as the file holding them does.
TEST_P(CatalogueLoadTest, LoadsTheSameFromMemory) {
  const LoadRow& row = GetParam();
  Catalogue fromMemory;
  ASSERT_EQ(fromMemory.LoadText(row.content), row.result);
  for (const auto& [number, text] : row.texts) {
    EXPECT_EQ(fromMemory.Get(number), text) << number;
  }
  if (row.result <= 0) {
    EXPECT_EQ(fromMemory.Size(), 0U);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueLoadTest,
    ::testing::Values(
        LoadRow{"two_texts", "1=ZET\n9=Copy to clipboard\n", 2,
                {{1, "ZET"}, {9, "Copy to clipboard"}, {2, ""}}},
        LoadRow{"comments_and_blank_lines", "# texts\n\n  \t\n  # indented\n1=A\n", 1,
                {{1, "A"}}},
        LoadRow{"crlf_and_cr", "1=A\r\n2=B\r3=C", 3, {{1, "A"}, {2, "B"}, {3, "C"}}},
        LoadRow{"bom", "\xEF\xBB\xBF" "1=A\n", 1, {{1, "A"}}},
        LoadRow{"text_kept_verbatim", " 14 \t= x=y \n", 1, {{14, " x=y "}}},
        LoadRow{"largest_number", "32767=A\n", 1, {{32767, "A"}}},
        LoadRow{"text_of_1024_characters", "1=" + Repeat("\xC3\xA4", 1024) + "\n", 1, {}},
        LoadRow{"only_comments", "# nothing here\n\n", 0, {}},
        LoadRow{"empty_file", "", -6, {}},
        LoadRow{"missing_string", "1=A\n\n7=\n", -503, {}},
        LoadRow{"number_without_equals", "1=A\n7\n", -502, {}},
        LoadRow{"string_too_long", "# long\n1=" + Repeat("a", 1025) + "\n", -1002, {}},
        LoadRow{"duplicate", "1=A\n# again\n1=B\n", -1503, {}},
        LoadRow{"zero_number", "0=A\n", -5, {}},
        LoadRow{"number_too_big", "32768=A\n", -5, {}},
        LoadRow{"signed_number", "+1=A\n", -5, {}},
        LoadRow{"no_number", "=A\n", -5, {}},
        LoadRow{"not_a_text_line", "1=A\nhello\n", -5, {}},
        LoadRow{"first_failure_decides", "1=\n1=A\n", -501, {}},
        LoadRow{"500_lines", Repeat("#\n", 499) + "1=A\n", 1, {{1, "A"}}},
        LoadRow{"501_lines", Repeat("#\n", 500) + "1=A\n", -3, {}},
        LoadRow{"over_a_mebibyte", "#" + Repeat("a", 1024 * 1024) + "\n", -3, {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(CatalogueFileTest, FailedLoadLeavesNothingOfAnEarlierOne) {
  ASSERT_EQ(LoadText("1=A\n"), 1);
  ASSERT_EQ(LoadText("1=A\n1=B\n"), -1502);
  EXPECT_EQ(catalogue_.Get(1), "");
}

TEST(CatalogueTest, MissingFileCannotBeOpenedAndAFolderCannotBeRead) {
  Catalogue catalogue;
  EXPECT_EQ(catalogue.Load(::testing::TempDir() + "no_such_catalogue.dat"), -1);
  EXPECT_EQ(catalogue.Load(::testing::TempDir()), -7);
}

// The file the program ships, both in the sources and as copied beside the
// programs by the build.
TEST(CatalogueTest, ShippedFileHoldsTheTextsTheWindowsUse) {
  for (const std::string& path :
       {std::string(ZET_SOURCE_DIR) + "/data/zet_text.dat",
        std::string(ZET_RUNTIME_DIR) + "/zet_text.dat"}) {
    SCOPED_TRACE(path);
    Catalogue catalogue;
    ASSERT_GE(catalogue.Load(path), 6);
    EXPECT_EQ(catalogue.Get(1), "ZET");
    EXPECT_EQ(catalogue.Get(9), "Copy to clipboard");
    for (int number : {14, 15}) {
      EXPECT_EQ(catalogue.Get(number).rfind("file://{DOCDIR}/manual.html", 0), 0U) << number;
    }
    EXPECT_FALSE(catalogue.Get(19).empty());
    EXPECT_FALSE(catalogue.Get(20).empty());
  }
}

struct MessageRow {
  int result;
  std::string message;
  friend void PrintTo(const MessageRow& row, std::ostream* os) { *os << row.result; }
};

class LoadProgramTextsMessageTest : public ::testing::TestWithParam<MessageRow> {};

TEST_P(LoadProgramTextsMessageTest, TellsWhyLoadingFailed) {
  EXPECT_EQ(LoadProgramTextsMessage(GetParam().result, "/opt/zet/share/zet/zet_text.dat"),
            GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadProgramTextsMessageTest,
    ::testing::Values(
        MessageRow{3, ""},
        MessageRow{0, "No program text was read."},
        MessageRow{-1, "Cannot open file containing program text.\r\n"
                       "/opt/zet/share/zet/zet_text.dat"},
        MessageRow{-2, "Particular memory allocation error."},
        MessageRow{-3, "Too much program text."},
        MessageRow{-4, "Text not recovered."},
        MessageRow{-5, "Error -5"},
        MessageRow{-6, "File is empty."},
        MessageRow{-7, "Error reading file."},
        MessageRow{-8, "General memory allocation error."},
        MessageRow{-9, "Error -9"},
        MessageRow{-500, "Error -500"},
        MessageRow{-501, "Missing string at line 1."},
        MessageRow{-1000, "Missing string at line 500."},
        MessageRow{-1001, "String too long at line 1."},
        MessageRow{-1500, "String too long at line 500."},
        MessageRow{-1501, "Duplicate in program text at line 1."},
        MessageRow{-2000, "Duplicate in program text at line 500."}),
    [](const auto& p) {
      const int r = p.param.result;
      return r < 0 ? "minus_" + std::to_string(-r) : std::to_string(r);
    });

}  // namespace
}  // namespace zet
