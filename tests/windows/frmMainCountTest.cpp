// The count command with a file as the source: the refusals and questions
// before a file is read, stopping, and listing again without reading.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>

#include "scanner/StrProc.h"
#include "tests/support/ProblemText.h"
#include "tests/windows/MainWindowFixture.h"
#include "windows/MainTexts.h"

namespace zet::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr const char* kList3 =
    "   Rank    Freq  Word (longest has 3 characters)\r\n"
    "      1       2  the\r\n"
    "      2       1  cat\r\n"
    "      3       1  dog\r\n";

class CountTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    input = Write("in.txt", "the cat and the dog\r\n");
    TypeInputFile(input);
  }
  std::string input;
};

TEST_F(CountTest, CountsTheFileAndListsByFrequency) {
  frm->chkSuppressWords.SetValue(1);
  frm->paramsWindow.txbWordsToIgnore.SetText("And");
  frm->paramsWindow.txbWordsToIgnore_LostFocus();
  Count();
  EXPECT_EQ(frm->txbOutput.Text(), kList3);
  EXPECT_TRUE(frm->blnWordsGot);
  EXPECT_TRUE(frm->ListShown());
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_EQ(frm->lblNumberOfWords.Caption(), "Number of words in this list: 3");
  EXPECT_EQ(frm->lblNumWordsExcluded.Caption(), "Number of words excluded: 1");
  EXPECT_EQ(frm->lblTotalNumOccurrences.Caption(), "Total number of words in file: 5");
  EXPECT_TRUE(frm->lblNumOccurrences.Visible());
  EXPECT_EQ(frm->lblTwirler.Caption(), " ");
  EXPECT_TRUE(frm->cmdFile0.Enabled());
  EXPECT_TRUE(frm->paramsWindow.form.Enabled());
  EXPECT_FALSE(frm->Running());
  EXPECT_EQ(frm->chkSuppressWords.Value(), 1);
}

TEST_F(CountTest, RefusalsBeforeReadingLeaveTheTableAlone) {
  struct Case {
    std::string name;
    std::function<void()> arrange;
    ShownMessage expected;
  };
  const std::string link = temp.File("link.txt");
  std::filesystem::create_symlink(input, link);
  std::filesystem::current_path(temp.Path());
  const std::vector<Case> cases = {
      {"empty name", [&] { frm->txbFile0.SetText("   "); },
       Box("Input file not specified.", "Error")},
      {"same name", [&] { frm->txbFile1.SetText(input); },
       Box("Output file cannot be the same as the input file.", "Error")},
      {"through a link", [&] { frm->txbFile1.SetText(link); },
       Box("Output file cannot be the same as the input file.", "Error")},
      {"relative name", [&] { frm->txbFile1.SetText("./in.txt"); },
       Box("Output file cannot be the same as the input file.", "Error")},
      {"missing file", [&] { frm->txbFile0.SetText(temp.File("gone.txt")); },
       Box("Input file does not exist.", "File not found")},
  };
  for (const Case& c : cases) {
    frm->txbFile0.SetText(input);
    frm->txbFile1.SetText("");
    c.arrange();
    hp.messageBoxes.ClearShown();
    hp.messageBoxes.AnswerOk();
    Count();
    EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(c.expected)) << c.name;
    EXPECT_FALSE(frm->blnWordsGot) << c.name;
    EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies") << c.name;
    EXPECT_TRUE(frm->Words().empty()) << c.name;
  }
}

class LargeFileTest : public CountTest {
 protected:
  void SetUp() override {
    CountTest::SetUp();
    std::string text;
    while (text.size() <= 200000) text += "alpha beta gamma\r\n";
    large = Write("large.txt", text);
    frm->txbFile0.SetText(large);
    frm->chkSuppressWords.SetValue(1);
  }
  ShownMessage Question(MessageAnswer answer) const {
    return Box(
        "The input file is quite large.  It is advisable to specify an output file before "
        "continuing,\r\nin case the text window will not hold the result. Do you wish to specify "
        "an output file?",
        "Large input file", MessageIcon::kNone, MessageButtons::kYesNoCancel, answer);
  }
  std::string large;
};

TEST_F(LargeFileTest, CancelRefusesAndNoCountsWithoutAFile) {
  hp.messageBoxes.Answer(MessageAnswer::kCancel);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Question(MessageAnswer::kCancel)));
  EXPECT_TRUE(frm->Words().empty());
  hp.messageBoxes.ClearShown();
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Question(MessageAnswer::kNo)));
  EXPECT_EQ(frm->Words().size(), 3U);
}

TEST_F(LargeFileTest, YesAsksForAnOutputFileAndRefusesTheInputItself) {
  const std::string link = temp.File("large-link.txt");
  std::filesystem::create_symlink(large, link);
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  hp.fileDialogs.Answer(link);
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Question(MessageAnswer::kYes),
                          Box("Output file cannot be the same as the input file.", "Error")));
  EXPECT_TRUE(frm->Words().empty());

  frm->txbFile1.SetText("");
  hp.messageBoxes.ClearShown();
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  hp.fileDialogs.Answer(temp.File("result.txt"));
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Question(MessageAnswer::kYes)));
  EXPECT_THAT(TempDir::Read(temp.File("result.txt")), StartsWith("   Rank    Freq  Word"));
}

TEST_F(CountTest, NotATextFileIsExplainedInTheTextbox) {
  frm->txbFile0.SetText(Write("bin.dat", std::string("text\0more", 9)));
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("This is not a text file.", "Invalid input")));
  EXPECT_EQ(frm->txbOutput.Text(),
            "This file contains bytes indicating that it \r\n"
            "does not consist solely of text.\r\n\r\n"
            "You could try reading the file with its associated\r\n"
            "application, then copying the text and pasting it\r\n"
            "into this textbox.");
}

TEST_F(CountTest, LoneCarriageReturnsAreWarnedOfAndCanBeDeclined) {
  frm->txbFile0.SetText(Write("mac.txt", "one two\rthree\r"));
  const ShownMessage warning = Box("This file has Macintosh line endings.\r\n\r\n", "Warning");
  const auto slow = [](MessageAnswer answer) {
    return Box("Processing will continue but may be slow.", "Warning", MessageIcon::kNone,
               MessageButtons::kOkCancel, answer);
  };
  hp.messageBoxes.AnswerOk();
  hp.messageBoxes.Answer(MessageAnswer::kCancel);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(warning, slow(MessageAnswer::kCancel)));
  EXPECT_EQ(frm->txbOutput.Text(), "");
  EXPECT_TRUE(frm->Words().empty());

  hp.messageBoxes.ClearShown();
  hp.messageBoxes.AnswerOk(2);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(warning, slow(MessageAnswer::kOk)));
  EXPECT_EQ(frm->Words().size(), 3U);
}

TEST_F(CountTest, LineFeedsAloneAreThisSystemsOwnAndPassSilently) {
  frm->txbFile0.SetText(Write("unix.txt", "one two\nthree\n"));
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_EQ(frm->Words().size(), 3U);
}

TEST_F(CountTest, RejectedCommentMarkersShowTheParametersWindow) {
  frm->paramsWindow.chkAllowCommentMarkers.SetValue(1);
  frm->paramsWindow.txbStartComment1.SetText("");
  hp.messageBoxes.AnswerOk();
  Count();
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text,
              StartsWith("If comment markers are allowed then at least one"));
  EXPECT_EQ(hp.messageBoxes.Shown()[0].title, "Error");
  EXPECT_TRUE(frm->paramsWindow.form.Visible());
  EXPECT_TRUE(frm->Words().empty());
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
}

TEST_F(CountTest, HtmlExtensionInAnyCaseSkipsTags) {
  frm->txbFile0.SetText(Write("page.HTM", "<p class=x>Hello</p> world"));
  Count();
  EXPECT_TRUE(frm->blnIsCodeFile);
  EXPECT_EQ(frm->Words().size(), 2U);
}

struct StopRow {
  const char* text;
  const char* note;
  friend void PrintTo(const StopRow& row, std::ostream* os) { *os << row.note; }
};

class StopTest : public MainWindowTest, public ::testing::WithParamInterface<StopRow> {};

TEST_P(StopTest, StoppedCountOffersThePartialList) {
  Start();
  TypeInputFile(Write("in.txt", GetParam().text));
  // The first word's own pump delivers the click.
  hp.eventPump.At(1, [&] { EXPECT_TRUE(frm->cmdListWords.UserClick()); });
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  Count();
  const std::string question =
      "The operation was stopped before all words were counted.\r\n"
      "Do you wish to list the words which were found?";
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box(question, "Counting interrupted", MessageIcon::kNone,
                              MessageButtons::kYesNo, MessageAnswer::kNo)));
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::EndsWith(GetParam().note));
  EXPECT_EQ(frm->txbOutput.SelStart(), frm->txbOutput.Length());
  EXPECT_FALSE(frm->blnWordsGot);
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_TRUE(frm->cmdFile0.Enabled());

  hp.eventPump.ResetCounts();
  hp.eventPump.At(1, [&] { EXPECT_TRUE(frm->cmdListWords.UserClick()); });
  hp.messageBoxes.ClearShown();
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  Count();
  EXPECT_TRUE(frm->CountIncomplete());
  EXPECT_FALSE(frm->blnWordsGot);  // a partial count is never reused
  EXPECT_EQ(frm->lblNumOccurrences.Caption(), "");
  EXPECT_EQ(frm->lblTotalNumOccurrences.Caption(), "");
  EXPECT_TRUE(frm->lblTotalNumOccurrences.Visible());
}

INSTANTIATE_TEST_SUITE_P(Rows, StopTest,
                         ::testing::Values(StopRow{"alpha beta gamma",
                                                   "Stopped with 1 word found."},
                                           // "s" alone gives no word, but is a word's pump.
                                           StopRow{"s alpha beta", "Stopped with 0 words found."}));

TEST_F(CountTest, StopDuringTheListingKeepsTheLinesListed) {
  std::string text;
  for (int i = 0; i < 50; ++i)
    text += "w" + std::string(1, static_cast<char>('a' + i % 26)) +
            std::string(1, static_cast<char>('a' + i / 26)) + " ";
  frm->txbFile0.SetText(Write("many.txt", text));
  frm->chkSuppressWords.SetValue(1);
  // 50 pumps for the words, then the listing's: stop at its fifth entry.
  hp.eventPump.At(55, [&] { EXPECT_TRUE(frm->cmdListWords.UserClick()); });
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::EndsWith("\r\nListing stopped.\r\n"));
  EXPECT_EQ(std::count(frm->txbOutput.Text().begin(), frm->txbOutput.Text().end(), '\n'),
            1 + 5 + 2);
  EXPECT_TRUE(frm->blnWordsGot);  // the count itself was complete
  hp.eventPump.ResetCounts();
  Count();  // lists completely
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(HasSubstr("Listing stopped.")));
}

TEST_F(CountTest, NewOrderOrFormatListsTheHeldWordsWithoutReadingAgain) {
  frm->chkSuppressWords.SetValue(1);
  Count();
  Write("in.txt", "completely different words now\r\n");  // proves no second read
  ASSERT_TRUE(frm->cboWordOrder.UserSelect(1));
  EXPECT_EQ(frm->txbOutput.Text(),
            "   Rank    Freq  Word (longest has 3 characters)\r\n"
            "      2       1  and\r\n"
            "      3       1  cat\r\n"
            "      4       1  dog\r\n"
            "      1       2  the\r\n");
  ASSERT_TRUE(frm->cboDisplayFormat.UserSelect(9));
  EXPECT_EQ(frm->txbOutput.Text(), "and, cat, dog, the");
  Count();  // the words are held: only the results stages run
  EXPECT_EQ(frm->txbOutput.Text(), "and, cat, dog, the");
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  // A changed source is read again.
  frm->optInTextBox.SetValue(true);
  frm->optInFile.SetValue(true);
  Count();
  EXPECT_EQ(frm->Words().size(), 4U);
}

TEST_F(CountTest, ProgressBarRunsAcrossTheLabelAndIsPutAway) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "word" + std::to_string(i % 7) + "\r\n";
  frm->txbFile0.SetText(Write("progress.txt", text));
  frm->chkSuppressWords.SetValue(1);
  std::set<std::string> bars;
  hp.eventPump.onEveryPump = [&] {
    if (frm->lblTotalNumOccurrences.Caption().starts_with("[")) {
      bars.insert(frm->lblTotalNumOccurrences.Caption());
      EXPECT_EQ(frm->lblTotalNumOccurrences.GetAlignment(), Alignment::kLeft);
    }
  };
  Count();
  hp.eventPump.onEveryPump = nullptr;
  EXPECT_TRUE(bars.contains("[" + std::string(37, ' ') + "]"));  // before the first line
  EXPECT_TRUE(bars.contains("[>" + std::string(37, ' ') + "]"));
  EXPECT_TRUE(bars.contains("[>" + std::string(36, ' ') + "]"));
  EXPECT_TRUE(bars.contains("[" + std::string(36, '-') + ">]"));
  EXPECT_GE(bars.size(), 30U);
  EXPECT_EQ(frm->lblTotalNumOccurrences.GetAlignment(), Alignment::kRight);
  EXPECT_EQ(frm->lblTotalNumOccurrences.GetFont(), (Font{"Arial", 10, false}));
  EXPECT_THAT(frm->lblTotalNumOccurrences.Caption(), StartsWith("Total number of words"));
}

// True when reading this process's memory from its start fails as a
// failing disk does (EIO): a regular file, as the system reports it, that
// cannot be read.
bool MemoryFileFails() {
  const int fd = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char byte;
  const bool fails = ::read(fd, &byte, 1) < 0 && errno == EIO;
  ::close(fd);
  return fails;
}

TEST_F(CountTest, AReadErrorIsReportedAndTheWordsAreNotKeptAsCounted) {
  if (!MemoryFileFails()) GTEST_SKIP() << "no unreadable regular file to be had";
  const std::string failing = temp.File("failing.txt");
  ASSERT_EQ(::symlink("/proc/self/mem", failing.c_str()), 0);
  Count();  // a good count first: its words are held
  ASSERT_TRUE(frm->WordsGot());
  TypeInputFile(failing);
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Box("Error 57: Input/output error", "Error")));
  EXPECT_FALSE(frm->WordsGot());
  EXPECT_EQ(frm->Words().size(), 0U);
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_TRUE(frm->cmdFile0.Enabled());
  EXPECT_TRUE(frm->paramsWindow.form.Enabled());
}

struct ChangingFileRow {
  const char* name;
  std::function<void(const std::string&)> change;  // done to the file halfway
  std::int64_t words;                              // what was there to read
  friend void PrintTo(const ChangingFileRow& row, std::ostream* os) { *os << row.name; }
};

class ChangingFileTest : public CountTest, public ::testing::WithParamInterface<ChangingFileRow> {};

// 30,000 lines of a four-letter word and CR LF: several reads, and below the
// size that asks for an output file.
constexpr int kLines = 30000;
std::string FourLetterLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(4, static_cast<char>('a' + i % 26)) + "\r\n";
  return text;
}

// A file that shrinks or grows while it is read: what was read is counted,
// the progress bar stays whole and never runs backwards, the totals agree.
TEST_P(ChangingFileTest, CountsWhatWasReadAndKeepsTheBarWhole) {
  const std::string path = Write("changing.txt", FourLetterLines(kLines));
  TypeInputFile(path);
  frm->chkSuppressWords.SetValue(1);
  hp.eventPump.At(1000, [&] { GetParam().change(path); });  // well inside the first read
  std::vector<std::string> bars;
  hp.eventPump.onEveryPump = [&] {
    const std::string& caption = frm->lblTotalNumOccurrences.Caption();
    if (caption.starts_with("[") && (bars.empty() || bars.back() != caption))
      bars.push_back(caption);
  };
  Count();
  hp.eventPump.onEveryPump = nullptr;
  std::size_t last = 0;
  for (const std::string& bar : bars) {
    ASSERT_LE(bar.size(), 40U) << bar;  // the bar at 0 keeps one more space
    ASSERT_GE(bar.size(), 39U) << bar;
    ASSERT_TRUE(bar.ends_with("]")) << bar;
    const std::size_t at = bar.find('>') == std::string::npos ? 0 : bar.find('>');
    EXPECT_GE(at, last) << bar;
    last = at;
  }
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < frm->Words().size(); ++i) sum += frm->Words()[i].lngCount;
  EXPECT_EQ(sum, GetParam().words);
  EXPECT_THAT(frm->lblTotalNumOccurrences.Caption(), EndsWith(" " + GroupDigits(GetParam().words)));
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangingFileTest,
    ::testing::Values(ChangingFileRow{"shrinks",
                                      [](const std::string& path) {
                                        std::filesystem::resize_file(
                                            path, 100000 / 6 * 6);  // whole lines
                                      },
                                      100000 / 6},
                      ChangingFileRow{"grows",
                                      [](const std::string& path) {
                                        std::ofstream(path, std::ios::app | std::ios::binary)
                                            << FourLetterLines(6000);
                                      },
                                      kLines + 6000},
                      ChangingFileRow{
                          "emptied",
                          [](const std::string& path) { std::filesystem::resize_file(path, 0); },
                          65536 / 6 + 1}),  // the first read, and the line it cut
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(CountTest, WordsAreShownAsFoundAndTheRunHoldsTheControls) {
  std::vector<std::string> shown;
  hp.eventPump.onEveryPump = [&] {
    shown.push_back(frm->txbOutput.Text());
    EXPECT_FALSE(frm->cmdFile0.Enabled());
    EXPECT_FALSE(frm->txbFile0.Enabled());
    EXPECT_FALSE(frm->cmdSetParameters.Enabled());
    EXPECT_FALSE(frm->paramsWindow.form.Enabled());
    EXPECT_TRUE(frm->cmdQuit.Enabled());
    EXPECT_TRUE(frm->cboWordOrder.Enabled());
    EXPECT_EQ(frm->cmdListWords.Caption(), "Stop");
  };
  Count();
  hp.eventPump.onEveryPump = nullptr;
  ASSERT_GE(shown.size(), 5U);
  EXPECT_EQ(shown[0], "the ");
  EXPECT_EQ(shown[4], "the cat and dog ");
}

TEST_F(CountTest, SwitchingTheSourceDuringACountLeavesTheWordsStale) {
  frm->chkSuppressWords.SetValue(1);
  hp.eventPump.At(2, [&] { EXPECT_TRUE(frm->optInTextBox.UserClick()); });
  Count();
  EXPECT_FALSE(frm->blnWordsGot);
}

TEST_F(CountTest, QuitDuringACountEndsItAtOnce) {
  frm->paramsWindow.chkSaveStateOnQuit.SetValue(0);
  hp.eventPump.At(2, [&] { EXPECT_TRUE(frm->cmdQuit.UserClick()); });
  Count();
  EXPECT_TRUE(hp.application.QuitRequested());
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());  // no stop question
  EXPECT_EQ(frm->Words().size(), 2U);
}

// With "Don't display words as found" ticked a large file is counted on
// every core: the click on Stop is seen between the parts' progress reports,
// and what the parts counted up to there is what is listed.
TEST_F(MainWindowTest, StopDuringAFortyMegabyteCountEndsAtOnceAndListsWhatWasCounted) {
  Start();
  std::string chunk;
  for (int i = 0; i < 1000; ++i) chunk += "lorem ipsum dolor sit amet " + std::to_string(i) + "\n";
  std::string text;
  while (text.size() < 40'000'000) text += chunk;
  const std::int64_t lines = static_cast<std::int64_t>(text.size() / chunk.size()) * 1000;
  TypeInputFile(Write("big.txt", text));
  TypeOutputFile(temp.File("big-out.txt"));
  frm->chkSuppressWords.SetValue(1);
  using Clock = std::chrono::steady_clock;
  Clock::time_point clicked;
  Clock::time_point asked;
  hp.eventPump.At(1, [&] {
    EXPECT_TRUE(frm->cmdListWords.UserClick());
    clicked = Clock::now();
  });
  hp.messageBoxes.onShow = [&](const ShownMessage&) {
    if (asked == Clock::time_point{}) asked = Clock::now();
  };
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  Count();
  EXPECT_LT(asked - clicked, std::chrono::milliseconds(100));
  EXPECT_TRUE(frm->CountIncomplete());
  // Each part stops after a whole word: the five words of a line differ by
  // at most one per part, and the count is short of the file's.
  std::int64_t fewest = lines;
  std::int64_t most = 0;
  for (std::size_t i = 0; i < frm->Words().size(); ++i) {
    fewest = std::min(fewest, frm->Words()[i].lngCount);
    most = std::max(most, frm->Words()[i].lngCount);
  }
  EXPECT_EQ(frm->Words().size(), 5U);
  EXPECT_LT(most, lines);
  EXPECT_LE(most - fewest, 64);
  const std::string listed = TempDir::Read(temp.File("big-out.txt"));
  for (std::size_t i = 0; i < frm->Words().size(); ++i)
    EXPECT_THAT(listed, HasSubstr(std::to_string(frm->Words()[i].lngCount) + "  " +
                                  std::string(frm->Words()[i].strWord())));
}

// The count on every core (the box ticked) against the count that shows the
// words as found, on a page cut into parts: tags, entities, a comment across
// the middle.
TEST_F(MainWindowTest, CountOnEveryCoreListsWhatTheOneThreadCountLists) {
  Start();
  std::string half;
  for (int i = 0; half.size() < 1'600'000; ++i)
    half += "<p class=\"x\">Delta &amp; beta w" + std::string(1, static_cast<char>('a' + i % 26)) +
            std::string(1, static_cast<char>('a' + i / 26 % 26)) +
            " Gamma&eacute; don't cats' <b>bold</b></p>\n";
  std::string comment = "<!-- begins before the middle\n";
  for (int i = 0; i < 2000; ++i) comment += "hidden words " + std::to_string(i) + "\n";
  comment += "ends after it -->\n";
  TypeInputFile(Write("page.htm", half + comment + "OMEGA omega\n" + half));
  const auto countAndShow = [&](int suppress) {
    frm->chkSuppressWords.SetValue(suppress);
    hp.messageBoxes.Answer(MessageAnswer::kNo);  // the large-file question
    Count();
    return std::vector<std::string>{
        frm->txbOutput.Text(), frm->lblNumberOfWords.Caption(), frm->lblNumWordsExcluded.Caption(),
        frm->lblNumOccurrences.Caption(), frm->lblTotalNumOccurrences.Caption()};
  };
  const std::vector<std::string> oneThread = countAndShow(0);
  ASSERT_THAT(oneThread[0], HasSubstr("  wzy\r\n"));
  ASSERT_THAT(oneThread[0], HasSubstr("       2  omega\r\n"));
  ASSERT_THAT(oneThread[0], ::testing::Not(HasSubstr("hidden")));
  EXPECT_TRUE(frm->cmdClearOutput.UserClick());
  EXPECT_EQ(countAndShow(1), oneThread);
}

}  // namespace
}  // namespace zet::test

namespace zet::test {
namespace {

// "Don't display words as found" during a pass: the user's tick takes
// effect at once, and the user's own value is what is kept and saved.
TEST_F(CountTest, TickingSuppressDuringACountStopsTheDisplayAndIsKept) {
  std::string text;
  for (int i = 0; i < 50; ++i)
    text += "w" + std::string(1, static_cast<char>('a' + i % 26)) +
            std::string(1, static_cast<char>('a' + i / 26)) + " ";
  TypeInputFile(Write("many.txt", text + "\n"));
  std::string shownAtTick;
  std::string shownLater;
  hp.eventPump.At(3, [&] {
    EXPECT_TRUE(frm->chkSuppressWords.UserClick());
    shownAtTick = frm->txbOutput.Text();
    // Saved during the pass: the user's value.
    EXPECT_EQ(Params().Value(ParamId::chkSuppressWords), 1);
  });
  hp.eventPump.At(20, [&] { shownLater = frm->txbOutput.Text(); });
  Count();
  EXPECT_THAT(shownAtTick, ::testing::HasSubstr("wca"));
  EXPECT_EQ(shownLater, shownAtTick);
  EXPECT_EQ(frm->chkSuppressWords.Value(), 1);
}

// Was: a parameter file naming another input file left the old file's
// words in force, listed under the new name, with the old size shown.
TEST_F(CountTest, LoadingParametersWithAnotherInputCountsThatFile) {
  Count();
  ASSERT_TRUE(frm->blnWordsGot);
  const std::string other = Write("other.txt", "zebra zebra\n");
  ParameterSet params = Params();
  params.SetText(ParamId::txbFileInput, other);
  const std::string file = temp.File("other.zet");
  ASSERT_EQ(test::ProblemText(SaveState(file, params)), "");
  frm->paramsWindow.form.Show();
  hp.fileDialogs.Answer(file);
  ASSERT_TRUE(frm->paramsWindow.cmdSaveLoadParameters1.UserClick());
  EXPECT_EQ(frm->lblFilesize.Caption(), "Filesize:   12 bytes");
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::HasSubstr("zebra"));
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(::testing::HasSubstr("cat")));
}

// Was: a parameter file naming another common-words file left the old
// file's words filtering, and ticking the box again called the new file
// "already loaded".
TEST_F(CountTest, LoadingParametersWithAnotherCommonWordsFileFiltersItsWords) {
  const std::string cat = Write("cat.txt", "cat\n");
  ASSERT_TRUE(frm->cmdSetParameters.UserClick());
  hp.fileDialogs.Answer(cat);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->paramsWindow.cmdSelectCommonWordsFile.UserClick());
  ASSERT_TRUE(frm->blnCommonWordsLoaded);
  Count();
  ASSERT_THAT(frm->txbOutput.Text(), ::testing::Not(HasSubstr("cat")));

  ParameterSet params = Params();
  params.SetText(ParamId::strCommonWordsFile, Write("dog.txt", "dog\n"));
  const std::string file = temp.File("dog.zet");
  ASSERT_EQ(test::ProblemText(SaveState(file, params)), "");
  hp.fileDialogs.Answer(file);
  ASSERT_TRUE(frm->paramsWindow.cmdSaveLoadParameters1.UserClick());
  EXPECT_FALSE(frm->blnCommonWordsLoaded);
  // Ticking the box again reads the new file, with no "already loaded".
  hp.messageBoxes.ClearShown();
  hp.messageBoxes.Answer(MessageAnswer::kYes);  // the words held are read anew
  ASSERT_TRUE(frm->paramsWindow.chkIgnoreCommonWords.UserClick());
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->paramsWindow.chkIgnoreCommonWords.UserClick());
  ASSERT_FALSE(hp.messageBoxes.Shown().empty());
  EXPECT_EQ(hp.messageBoxes.Shown().back().text,
            "Common words loaded from " + temp.File("dog.txt"));
  EXPECT_TRUE(frm->blnCommonWordsLoaded);
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("cat"));
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(HasSubstr("dog")));

  // Without the tick the next count reads it all the same.
  params.SetText(ParamId::strCommonWordsFile, cat);
  ASSERT_EQ(test::ProblemText(SaveState(file, params)), "");
  hp.fileDialogs.Answer(file);
  ASSERT_TRUE(frm->paramsWindow.cmdSaveLoadParameters1.UserClick());
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(HasSubstr("cat")));
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("dog"));
}

// Was: a pass that ticked the box itself (more than 2000 words shown) saved
// it as the user's choice when the program quit during the pass.
TEST_F(CountTest, ThePassOwnTickIsNotTheUsersValue) {
  std::string text;
  for (int i = 0; i < 2100; ++i) text += "w" + std::to_string(i * 7919) + "x ";
  frm->paramsWindow.chkAllowWordsWithNumerals.SetValue(1);
  TypeInputFile(Write("big.txt", text + "\n"));
  int savedDuringPass = -1;
  hp.eventPump.At(2050, [&] {
    EXPECT_EQ(frm->chkSuppressWords.Value(), 1);
    savedDuringPass = Params().Value(ParamId::chkSuppressWords);
  });
  Count();
  EXPECT_EQ(savedDuringPass, 0);
  EXPECT_EQ(frm->chkSuppressWords.Value(), 0);
}

}  // namespace
}  // namespace zet::test
