// The main window's list exported through a Save dialog: written by the
// output file's policy, never over a file the count read, a failure named.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/windows/MainWindowFixture.h"
#include "windows/ListedLedger.h"
#include "windows/MainDrops.h"
#include "windows/MainExports.h"

namespace zet {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class MainExportsTest : public test::MainWindowTest {
 protected:
  // Counts `text` from the input file, as the exports' owner sees it.
  void CountText(const std::string& text) {
    input = Write("book.txt", text);
    TypeInputFile(input);
    Count();
    exports.Listed();
  }
  std::string input;
  MainExports exports{*frm, hp.platform};
};

TEST_F(MainExportsTest, TheListIsWrittenInTheFormatChosen) {
  Start();
  CountText("apple banana apple cherry apple banana\n");
  struct Row {
    ExportFormat format;
    std::string file;
    std::string begins;
    std::string filter;
  };
  const std::vector<Row> rows = {
      {ExportFormat::Tsv, "w.tsv", "rank\tword\tfrequency\tpercentage\n1\tapple\t3\t",
       "Tab-separated values (*.tsv)|*.tsv|All files (*.*)|*.*"},
      {ExportFormat::Csv, "w.csv", "rank,word,frequency,percentage\n1,apple,3,",
       "Comma-separated values (*.csv)|*.csv|All files (*.*)|*.*"},
      {ExportFormat::Json, "w.json", "{", "JSON (*.json)|*.json|All files (*.*)|*.*"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const std::string path = temp.File(row.file);
    hp.fileDialogs.Answer(path);
    ASSERT_EQ(exports.Export(row.format), path);
    EXPECT_THAT(ReadFile(path), StartsWith(row.begins));
    ASSERT_FALSE(hp.fileDialogs.Shown().empty());
    EXPECT_EQ(hp.fileDialogs.Shown().back().request.filter, row.filter);
    EXPECT_TRUE(hp.fileDialogs.Shown().back().request.flags.overwritePrompt);
  }
  // The parameters in force go with the JSON, by zet-count's names.
  EXPECT_THAT(ReadFile(temp.File("w.json")), HasSubstr("\"max-length\": \"50\""));
  EXPECT_THAT(hp.messageBoxes.Shown(), ::testing::IsEmpty());
}

// A list of the Unicode model is not exported as an empty list of the
// default one, nor explained from it: each says why instead.
TEST_F(MainExportsTest, AUnicodeListIsNeitherExportedEmptyNorExplained) {
  Start();
  frm->paramsWindow.chkUnicodeLetters.SetValue(CheckBox::kChecked);
  CountText("łódź łódź kot\n");
  ListedLedger ledger(*frm);
  ledger.Listed();
  hp.messageBoxes.AnswerOk();
  EXPECT_EQ(exports.Export(ExportFormat::Csv), std::nullopt);
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("cannot be exported yet"));
  EXPECT_TRUE(hp.fileDialogs.Shown().empty());
  EXPECT_THAT(ledger.Explain("kot"), HasSubstr("counted with 'Unicode letters"));
  EXPECT_EQ(ledger.LeftOutRows(), nullptr);
}

// Each refusal is a box naming the file, and the file is left as it was.
TEST_F(MainExportsTest, RefusedOrFailedExportsNameTheFileAndChangeNothing) {
  Start();
  hp.messageBoxes.AnswerOk();
  EXPECT_EQ(exports.Export(ExportFormat::Csv), std::nullopt);  // no list yet
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("no list"));
  hp.messageBoxes.ClearShown();
  CountText("apple banana apple\n");
  std::filesystem::create_directory(temp.File("folder"));
  std::filesystem::create_directories(temp.File("config/zet"));
  const std::string settings = Write("config/zet/zet.usr", "kept\n");
  struct Row {
    std::string target;
    std::string says;
  };
  const std::vector<Row> rows = {
      {input, "cannot be the same as the input file"},
      {settings, "cannot be the same as the settings file"},
      {temp.File("folder"), "Cannot write"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.target);
    const std::string before = ReadFile(row.target);
    hp.fileDialogs.Answer(row.target);
    hp.messageBoxes.AnswerOk();
    EXPECT_EQ(exports.Export(ExportFormat::Tsv), std::nullopt);
    ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
    EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr(row.says));
    EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr(row.target));
    EXPECT_EQ(ReadFile(row.target), before);
    hp.messageBoxes.ClearShown();
  }
  // Cancelled: nothing written, nothing said.
  hp.fileDialogs.AnswerCancel();
  EXPECT_EQ(exports.Export(ExportFormat::Json), std::nullopt);
  EXPECT_THAT(hp.messageBoxes.Shown(), ::testing::IsEmpty());
  // A new count lets go of the list until it is listed.
  exports.ResultsChanging();
  EXPECT_FALSE(exports.Available());
}

TEST_F(MainExportsTest, NeverOverAFileOfTheCorpusCounted) {
  Start();
  const std::string a = Write("a.txt", "apple banana\n");
  const std::string b = Write("b.txt", "cherry apple\n");
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({a, b}));
  exports.Listed();
  hp.fileDialogs.Answer(b);
  hp.messageBoxes.AnswerOk();
  EXPECT_EQ(exports.Export(ExportFormat::Csv), std::nullopt);
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("input file"));
  EXPECT_EQ(ReadFile(b), "cherry apple\n");
}

}  // namespace
}  // namespace zet
