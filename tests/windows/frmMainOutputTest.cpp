// The output stage as the user meets it: the output file, the textbox with
// its capacity, the error report, and the common words in force.

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "tests/support/RunAsUnprivileged.h"
#include "tests/windows/MainWindowFixture.h"

namespace zet::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr const char* kHeader = "   Rank    Freq  Word (longest has 5 characters)\r\n";

class OutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    input = Write("in.txt", "alpha beta beta gamma gamma gamma delta\r\n");
    TypeInputFile(input);
    frm->chkSuppressWords.SetValue(1);
  }
  std::string OutputPath() const { return temp.File("out.txt"); }
  std::string input;
};

TEST_F(OutputTest, FileIsWrittenFirstThenTheTextbox) {
  TypeOutputFile(OutputPath());
  Count();
  const std::string list = std::string(kHeader) +
                           "      1       3  gamma\r\n"
                           "      2       2  beta\r\n"
                           "      3       1  alpha\r\n"
                           "      4       1  delta\r\n";
  EXPECT_EQ(TempDir::Read(OutputPath()), list);
  EXPECT_EQ(frm->txbOutput.Text(), list);
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());  // a new file needs no question
}

TEST_F(OutputTest, OverwriteDeclinedDisablesTheFileAndStillLists) {
  Write("out.txt", "keep me");
  TypeOutputFile(OutputPath());
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Output file exists.  OK to overwrite?", "Output file exists",
                              MessageIcon::kNone, MessageButtons::kYesNo, MessageAnswer::kNo)));
  EXPECT_EQ(frm->chkDisableOutputToFile.Value(), 1);
  EXPECT_EQ(TempDir::Read(OutputPath()), "keep me");
  EXPECT_THAT(frm->txbOutput.Text(), StartsWith(kHeader));
  hp.messageBoxes.ClearShown();
  ASSERT_TRUE(frm->cboDisplayFormat.UserSelect(9));  // "Disable" holds for later runs
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_EQ(TempDir::Read(OutputPath()), "keep me");
}

TEST_F(OutputTest, WithoutTheWarningAnExistingFileIsReplaced) {
  Write("out.txt", "old");
  TypeOutputFile(OutputPath());
  frm->paramsWindow.chkWarnOnOverwrite.SetValue(0);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_THAT(TempDir::Read(OutputPath()), StartsWith(kHeader));
}

// A count that could not be written at its end is not started.
TEST_F(OutputTest, MissingFolderIsRefusedBeforeTheCount) {
  const std::string output = temp.File("no-such-folder/out.txt");
  TypeOutputFile(output);
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Box("Cannot write the output file " + output +
                                                           ": No such file or directory",
                                                       "Error")));
  EXPECT_EQ(frm->txbOutput.Text(), "");
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
}

TEST_F(OutputTest, FailedWriteIsReportedAndNeverPassesForWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TypeOutputFile("/dev/full");
  frm->txbOutput.SetCapacity(60);
  hp.messageBoxes.AnswerOk(2);
  Count();
  // The full textbox must not claim that the results are in the file.
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Error 61: No space left on device\r\n/dev/full", "Error"),
                          Box("Textbox is full.  ", "Error")));
}

// `count` different words of letters only ("aaaa", "aaab", ...), one a line.
std::string DistinctWords(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    for (int n = i, place = 0; place < 4; ++place, n /= 26) text += static_cast<char>('a' + n % 26);
    text += "\r\n";
  }
  return text;
}

// The boxes shown, one "title: text" per line, for checks made in a child.
std::string Describe(const std::vector<ShownMessage>& shown) {
  std::string text;
  for (const ShownMessage& box : shown) text += box.title + ": " + box.text + "\n";
  return text;
}

struct DiskFullRow {
  const char* name;
  int words;  // a short list fails when it is flushed, a long one halfway
  friend void PrintTo(const DiskFullRow& row, std::ostream* os) { *os << row.name; }
};

class DiskFullTest : public OutputTest, public ::testing::WithParamInterface<DiskFullRow> {};

// Was: the output file was truncated first and then written, so a disk that
// filled up halfway left a cut-off list in place of the previous file.
TEST_P(DiskFullTest, FailedWriteKeepsThePreviousFileAndStillLists) {
  TypeInputFile(Write("many.txt", DistinctWords(GetParam().words)));
  const std::string old = "the previous list\r\n";
  Write("out.txt", old);
  TypeOutputFile(OutputPath());
  frm->paramsWindow.chkWarnOnOverwrite.SetValue(0);
  hp.messageBoxes.AnswerOk();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;  // stands for a disk that is full after 100 bytes
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  Count();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Error 61: File too large\r\n" + OutputPath(), "Error")));
  EXPECT_EQ(TempDir::Read(OutputPath()), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 5)
      << "no temporary file is left beside the output file";
  EXPECT_THAT(frm->txbOutput.Text(), StartsWith(std::string(kHeader, 17)));
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_TRUE(frm->cmdFile1.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, DiskFullTest,
                         ::testing::Values(DiskFullRow{"short list", 4},
                                           DiskFullRow{"list larger than a block", 20000}));

TEST_F(OutputTest, LongListToAFullDeviceIsReportedOnce) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TypeInputFile(Write("many.txt", DistinctWords(20000)));
  TypeOutputFile("/dev/full");
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Error 61: No space left on device\r\n/dev/full", "Error")));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
}

// Was: the rename went round the file's own permission and replaced it.
TEST_F(OutputTest, WriteProtectedFileIsRefusedBeforeTheCount) {
  const std::string folder = temp.File("locked");
  std::filesystem::create_directory(folder);
  const std::string path = temp.Write("locked/out.txt", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);  // only the file's own mode forbids the write
  test::LetEveryoneIn(temp.Path());
  TypeOutputFile(path);
  frm->paramsWindow.chkWarnOnOverwrite.SetValue(0);
  const auto outcome = test::RunAsUnprivileged([&] {
    hp.messageBoxes.AnswerOk();
    frm->cmdListWords.UserClick();
    return Describe(hp.messageBoxes.Shown()) + frm->txbOutput.Text() + "|" +
           frm->cmdListWords.Caption();
  });
  ::chmod(folder.c_str(), 0700);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, "Error: Cannot write the output file " + path +
                          ": Permission denied\n|Count word frequencies");
  EXPECT_EQ(TempDir::Read(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

struct FullRow {
  const char* name;
  bool namedFile;
  bool disabled;
  const char* message;
  friend void PrintTo(const FullRow& row, std::ostream* os) { *os << row.name; }
};

class TextboxFullTest : public OutputTest, public ::testing::WithParamInterface<FullRow> {};

TEST_P(TextboxFullTest, KeepsTheLinesThatFittedAndAdvises) {
  const FullRow& row = GetParam();
  if (row.namedFile) TypeOutputFile(OutputPath());
  if (row.disabled) frm->chkDisableOutputToFile.SetValue(1);
  frm->txbOutput.SetCapacity(std::string(kHeader).size() + 25);
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Box(row.message, "Error")));
  EXPECT_EQ(frm->txbOutput.Text(), std::string(kHeader) + "      1       3  gamma\r\n");
  EXPECT_EQ(frm->lblTwirler.Caption(), " ");
  if (row.namedFile && !row.disabled) {
    EXPECT_THAT(TempDir::Read(OutputPath()), EndsWith("delta\r\n"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextboxFullTest,
    ::testing::Values(
        FullRow{"no file", false, false, "Textbox is full.  Try writing output to a file."},
        FullRow{"file disabled", true, true,
                "Textbox is full.  Try repeating with output to file enabled."},
        FullRow{"file written", true, false,
                "Textbox is full.  \r\nResults have been written to the output file."}));

TEST_F(OutputTest, StopWhileWritingTheFileKeepsWhatWasWritten) {
  TypeOutputFile(OutputPath());
  // Seven words' pumps, then the file listing's: stop after its second line.
  hp.eventPump.At(9, [&] { EXPECT_TRUE(frm->cmdListWords.UserClick()); });
  Count();
  EXPECT_EQ(frm->txbOutput.Text(), "Output to file was terminated.\r\n");
  EXPECT_EQ(TempDir::Read(OutputPath()),
            std::string(kHeader) + "      1       3  gamma\r\n      2       2  beta\r\n");
}

TEST_F(OutputTest, EmptyListsAreExplained) {
  frm->paramsWindow.txbWordsToIgnore.SetText("alpha beta gamma delta");
  frm->paramsWindow.txbWordsToIgnore_LostFocus();
  TypeOutputFile(OutputPath());
  Count();
  EXPECT_EQ(frm->txbOutput.Text(), "No words with more than 2 letters\r\noccur at least once.");
  EXPECT_FALSE(std::filesystem::exists(OutputPath()));
  EXPECT_EQ(frm->lblNumOccurrences.Caption(), "");
  EXPECT_THAT(frm->lblTotalNumOccurrences.Caption(), StartsWith("Total number of words in file:"));
  TypeInputFile(Write("empty.txt", ""));
  Count();
  EXPECT_EQ(frm->txbOutput.Text(), "No words satisfying the conditions were found.");
}

TEST_F(OutputTest, TwirlerTurnsWhileListingTheTextboxOnly) {
  std::set<std::string> seen;
  hp.eventPump.onEveryPump = [&] { seen.insert(frm->lblTwirler.Caption()); };
  Count();
  hp.eventPump.onEveryPump = nullptr;
  EXPECT_EQ(seen, (std::set<std::string>{" ", "\u2584", "\u258C", "\u2580", "\u2590"}));
  EXPECT_EQ(frm->lblTwirler.Caption(), " ");
}

TEST_F(OutputTest, NewFormatDuringTheListingListsAgainInIt) {
  // Seven words' pumps, then the listing: change the format at its first entry.
  hp.eventPump.At(8, [&] { EXPECT_TRUE(frm->cboDisplayFormat.UserSelect(8)); });
  Count();
  EXPECT_EQ(frm->txbOutput.Text(),
            "Word (longest has 5 characters)\r\ngamma\r\nbeta\r\nalpha\r\ndelta\r\n");
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_FALSE(frm->Running());
}

TEST_F(OutputTest, ListingAgainIsStoppedByTheCountButton) {
  Count();
  hp.eventPump.ResetCounts();
  hp.eventPump.At(2, [&] {
    EXPECT_EQ(frm->cmdListWords.Caption(), "Stop");
    EXPECT_FALSE(frm->cmdClearOutput.Enabled());
    EXPECT_TRUE(frm->cmdListWords.UserClick());
  });
  ASSERT_TRUE(frm->cboWordOrder.UserSelect(1));
  EXPECT_THAT(frm->txbOutput.Text(), EndsWith("\r\nListing stopped.\r\n"));
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_TRUE(frm->cmdClearOutput.Enabled());
}

TEST_F(OutputTest, ListingAgainNeverWritesOverTheInputFile) {
  Count();
  frm->txbFile1.SetText(input);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->cboWordOrder.UserSelect(1));
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Output file cannot be the same as the input file.", "Error")));
  EXPECT_EQ(TempDir::Read(input), "alpha beta beta gamma gamma gamma delta\r\n");
  EXPECT_THAT(frm->txbOutput.Text(), StartsWith(kHeader));
}

TEST_F(OutputTest, ClearAndCopyTheTextbox) {
  Count();
  ASSERT_TRUE(frm->cmdCopyToClipboard.UserClick());
  EXPECT_THAT(hp.clipboard.Text(), StartsWith(kHeader));
  EXPECT_TRUE(frm->optInTextBox.Value());
  EXPECT_EQ(frm->txbOutput.Text(), "");  // a shown list makes way for pasted text
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(),
            "Contents of clipboard:   " + std::to_string(hp.clipboard.Text().size()) + " bytes");
  EXPECT_FALSE(frm->blnWordsGot);

  frm->optInFile.SetValue(true);
  frm->lblSizeOfClipboardContents.SetCaption("");
  ASSERT_TRUE(frm->cmdCopyToClipboard.UserClick());  // an empty textbox
  EXPECT_EQ(hp.clipboard.Text(), "");
  EXPECT_TRUE(frm->optInFile.Value());
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(), "");

  Count();
  ASSERT_TRUE(frm->cmdClearOutput.UserClick());
  EXPECT_EQ(frm->txbOutput.Text(), "");
  EXPECT_FALSE(frm->lblNumberOfWords.Visible());
  EXPECT_FALSE(frm->blnWordsGot);
}

class CommonWordsTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    words = Write("common.txt", "e-mail\r\n");
    frm->strCommonWordsFile = words;
    frm->paramsWindow.blnSettingValues = true;  // ticked quietly; read below
    frm->paramsWindow.chkIgnoreCommonWords.SetValue(1);
    frm->paramsWindow.blnSettingValues = false;
    hp.messageBoxes.AnswerOk();
    frm->AttemptToReadCommonWords();
    hp.messageBoxes.ClearShown();
    frm->txbFile0.SetText(Write("mail.txt", "e-mail mail post\r\n"));
  }
  std::string words;
};

TEST_F(CommonWordsTest, ReadAgainSilentlyWhenTheWordRulesChange) {
  Count();
  EXPECT_EQ(frm->lblNumWordsExcluded.Caption(), "Number of words excluded: 1");  // e-mail
  hp.messageBoxes.Answer(MessageAnswer::kYes);  // "Changing this entails reading the file anew."
  frm->paramsWindow.chkAllowWordsWithHyphens.SetValue(0);
  hp.messageBoxes.ClearShown();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_THAT(*frm->CommonWords(), ::testing::UnorderedElementsAre("e", "mail"));
  EXPECT_EQ(frm->txbOutput.Text(),
            "   Rank    Freq  Word (longest has 4 characters)\r\n      1       1  post\r\n");
}

TEST_F(CommonWordsTest, FailedReadingLeavesThePreviousWordsInForce) {
  std::filesystem::remove(words);
  frm->paramsWindow.chkAllowWordsWithHyphens.SetValue(0);
  hp.messageBoxes.AnswerOk(2);
  Count();
  EXPECT_THAT(
      hp.messageBoxes.Shown(),
      ElementsAre(Box("Error 53: No such file or directory", "Common words", MessageIcon::kNone),
                  Box("Error when attempting to load common words from " + words, "Common words")));
  EXPECT_THAT(*frm->CommonWords(), ElementsAre("e-mail"));
  EXPECT_FALSE(frm->blnCommonWordsLoaded);
}

TEST_F(CommonWordsTest, AttemptReportsMissingAndNonTextFiles) {
  frm->strCommonWordsFile = temp.File("gone.txt");
  hp.messageBoxes.AnswerOk(2);
  frm->AttemptToReadCommonWords();
  frm->strCommonWordsFile = Write("bin.txt", std::string("a\0b", 3));
  hp.messageBoxes.AnswerOk(2);
  frm->AttemptToReadCommonWords();
  EXPECT_THAT(
      hp.messageBoxes.Shown(),
      ElementsAre(Box("File for common words not found.", "File not found"),
                  Box("Error when attempting to load common words from " + temp.File("gone.txt"),
                      "Common words"),
                  Box("This is not a text file.", "Invalid input"),
                  Box("Error when attempting to load common words from " + temp.File("bin.txt"),
                      "Common words")));
  EXPECT_THAT(*frm->CommonWords(), ElementsAre("e-mail"));
}

}  // namespace
}  // namespace zet::test
