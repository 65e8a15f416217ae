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

  Outcome<std::size_t> LoadText(const std::string& content) {
    std::ofstream(path_, std::ios::binary) << content;
    return catalogue_.Load(path_);
  }

  const std::string path_ = test::UniqueTempPath("zet_catalogue.dat");
  Catalogue catalogue_;
};

struct LoadRow {
  const char* name;
  std::string content;
  std::size_t count;                 // texts read; 0 for a failure
  std::string message;               // the failure's message box text
  std::map<int, std::string> texts;  // checked with Get on success
  friend void PrintTo(const LoadRow& row, std::ostream* os) { *os << row.name; }
};

// What a load ended with: the count, or the message.
void ExpectLoaded(const Outcome<std::size_t>& loaded, const LoadRow& row,
                  const Catalogue& catalogue, const std::string& file) {
  if (row.count > 0) {
    ASSERT_TRUE(loaded.ok()) << loaded.problem().message;
    EXPECT_EQ(loaded.value(), row.count);
  } else {
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.problem().message, row.message);
    EXPECT_EQ(loaded.problem().kind, ProblemKind::BadFile);
    EXPECT_EQ(loaded.problem().file, file);
    EXPECT_EQ(catalogue.Size(), 0U);
  }
  for (const auto& [number, text] : row.texts) {
    EXPECT_EQ(catalogue.Get(number), text) << number;
  }
}

class CatalogueLoadTest : public CatalogueFileTest,
                          public ::testing::WithParamInterface<LoadRow> {};

TEST_P(CatalogueLoadTest, ReturnsTheOutcomeForTheFile) {
  const Outcome<std::size_t> loaded = LoadText(GetParam().content);
  ExpectLoaded(loaded, GetParam(), catalogue_, path_);
}

// The bytes in memory load exactly as the file holding them does.
TEST_P(CatalogueLoadTest, LoadsTheSameFromMemory) {
  Catalogue fromMemory;
  const Outcome<std::size_t> loaded = fromMemory.LoadText(GetParam().content);
  ExpectLoaded(loaded, GetParam(), fromMemory, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueLoadTest,
    ::testing::Values(
        LoadRow{"two_texts",
                "1=ZET\n9=Copy to clipboard\n",
                2,
                "",
                {{1, "ZET"}, {9, "Copy to clipboard"}, {2, ""}}},
        LoadRow{
            "comments_and_blank_lines", "# texts\n\n  \t\n  # indented\n1=A\n", 1, "", {{1, "A"}}},
        LoadRow{"crlf_and_cr", "1=A\r\n2=B\r3=C", 3, "", {{1, "A"}, {2, "B"}, {3, "C"}}},
        LoadRow{"bom",
                "\xEF\xBB\xBF"
                "1=A\n",
                1,
                "",
                {{1, "A"}}},
        LoadRow{"text_kept_verbatim", " 14 \t= x=y \n", 1, "", {{14, " x=y "}}},
        LoadRow{"largest_number", "32767=A\n", 1, "", {{32767, "A"}}},
        LoadRow{"text_of_1024_characters", "1=" + Repeat("\xC3\xA4", 1024) + "\n", 1, "", {}},
        LoadRow{"only_comments", "# nothing here\n\n", 0, "No program text was read.", {}},
        LoadRow{"empty_file", "", 0, "File is empty.", {}},
        LoadRow{"missing_string", "1=A\n\n7=\n", 0, "Missing string at line 3.", {}},
        LoadRow{"number_without_equals", "1=A\n7\n", 0, "Missing string at line 2.", {}},
        LoadRow{"string_too_long",
                "# long\n1=" + Repeat("a", 1025) + "\n",
                0,
                "String too long at line 2.",
                {}},
        LoadRow{"duplicate", "1=A\n# again\n1=B\n", 0, "Duplicate in program text at line 3.", {}},
        LoadRow{"zero_number", "0=A\n", 0, "Error -5", {}},
        LoadRow{"number_too_big", "32768=A\n", 0, "Error -5", {}},
        LoadRow{"signed_number", "+1=A\n", 0, "Error -5", {}},
        LoadRow{"no_number", "=A\n", 0, "Error -5", {}},
        LoadRow{"not_a_text_line", "1=A\nhello\n", 0, "Error -5", {}},
        LoadRow{"first_failure_decides", "1=\n1=A\n", 0, "Missing string at line 1.", {}},
        LoadRow{"500_lines", Repeat("#\n", 499) + "1=A\n", 1, "", {{1, "A"}}},
        LoadRow{"missing_string_on_the_last_line",
                Repeat("#\n", 499) + "1=\n",
                0,
                "Missing string at line 500.",
                {}},
        LoadRow{"too_long_on_the_last_line",
                Repeat("#\n", 499) + "1=" + Repeat("a", 1025),
                0,
                "String too long at line 500.",
                {}},
        LoadRow{"duplicate_on_the_last_line",
                "1=A\n" + Repeat("#\n", 498) + "1=B\n",
                0,
                "Duplicate in program text at line 500.",
                {}},
        LoadRow{"501_lines", Repeat("#\n", 500) + "1=A\n", 0, "Too much program text.", {}},
        LoadRow{"over_a_mebibyte",
                "#" + Repeat("a", 1024 * 1024) + "\n",
                0,
                "Too much program text.",
                {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(CatalogueFileTest, FailedLoadLeavesNothingOfAnEarlierOne) {
  ASSERT_TRUE(LoadText("1=A\n").ok());
  ASSERT_FALSE(LoadText("1=A\n1=B\n").ok());
  EXPECT_EQ(catalogue_.Get(1), "");
}

// A file the system will not give is a read failure naming the file, with
// the system's reason when opening it failed.
TEST(CatalogueTest, MissingFileCannotBeOpenedAndAFolderCannotBeRead) {
  Catalogue catalogue;
  const std::string missing = ::testing::TempDir() + "no_such_catalogue.dat";
  const Outcome<std::size_t> notOpened = catalogue.Load(missing);
  ASSERT_FALSE(notOpened.ok());
  EXPECT_EQ(notOpened.problem().message, "Cannot open file containing program text.\r\n" + missing);
  EXPECT_EQ(notOpened.problem().kind, ProblemKind::CannotRead);
  EXPECT_EQ(notOpened.problem().file, missing);
  EXPECT_EQ(notOpened.problem().error.number, errnum::kFileNotFound);
  const Outcome<std::size_t> notRead = catalogue.Load(::testing::TempDir());
  ASSERT_FALSE(notRead.ok());
  EXPECT_EQ(notRead.problem().message, "Error reading file.");
  EXPECT_EQ(notRead.problem().kind, ProblemKind::CannotRead);
}

// The file the program ships, both in the sources and as copied beside the
// programs by the build.
TEST(CatalogueTest, ShippedFileHoldsTheTextsTheWindowsUse) {
  for (const std::string& path : {std::string(ZET_SOURCE_DIR) + "/data/zet_text.dat",
                                  std::string(ZET_RUNTIME_DIR) + "/zet_text.dat"}) {
    SCOPED_TRACE(path);
    Catalogue catalogue;
    const Outcome<std::size_t> loaded = catalogue.Load(path);
    ASSERT_TRUE(loaded.ok());
    ASSERT_GE(loaded.value(), 6U);
    EXPECT_EQ(catalogue.Get(1), "ZET");
    EXPECT_EQ(catalogue.Get(9), "Copy to clipboard");
    for (int number : {14, 15}) {
      EXPECT_EQ(catalogue.Get(number).rfind("file://{DOCDIR}/manual.html", 0), 0U) << number;
    }
    EXPECT_FALSE(catalogue.Get(19).empty());
    EXPECT_FALSE(catalogue.Get(20).empty());
  }
}

}  // namespace
}  // namespace zet
