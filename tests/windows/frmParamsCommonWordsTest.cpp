#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"
#include "tests/windows/ParamsWindowFixture.h"
#include "windows/frmParams.h"

namespace zet {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ParamsCommonWordsTest : public test::ParamsWindowTest {
 protected:
  // Checks the box without its handling, as a restore would.
  void CheckQuietly() {
    window.blnSettingValues = true;
    window.chkIgnoreCommonWords.SetValue(1);
    window.blnSettingValues = false;
  }
  // Names a file the user can choose in the dialog.
  std::string ChoosableFile(const std::string& name) { return dir.Write(name, "the and of\n"); }

  test::TempDir dir;
};

TEST_F(ParamsCommonWordsTest, TickingWithNoFileNamedAsksForOneAndUnticks) {
  hp.messageBoxes.AnswerOk();
  window.chkIgnoreCommonWords.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(ShownMessage{"Please specify the file containing common words.",
                                                "File?", MessageIcon::kNone, MessageButtons::kOk,
                                                MessageAnswer::kOk, true}));
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 0);
  EXPECT_TRUE(window.cmdSelectCommonWordsFile.HasFocus());
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
}

TEST_F(ParamsCommonWordsTest, TickingForAFileAlreadyLoadedReadsNothing) {
  host.commonWordsFile = "/w/common.txt";
  host.commonWordsLoaded = true;
  host.wordsGot = true;
  hp.messageBoxes.AnswerOk();
  window.chkIgnoreCommonWords.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(ShownMessage{
                           "This file has already been loaded.  Click on 'Clear' and re-select "
                           "the file if it has been changed on disk.",
                           "Common words loaded", MessageIcon::kNone, MessageButtons::kOk,
                           MessageAnswer::kOk, true}));
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
  EXPECT_TRUE(host.wordsGot);
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

struct AnswerRow {
  MessageAnswer answer;
  bool reads;
};

void PrintTo(const AnswerRow& row, std::ostream* os) { *os << static_cast<int>(row.answer); }

class CommonWordsQuestionTest : public ParamsCommonWordsTest,
                                public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(CommonWordsQuestionTest, TickingWhileWordsAreHeldAsksFirst) {
  host.commonWordsFile = "/w/common.txt";
  host.wordsGot = true;
  hp.messageBoxes.Answer(GetParam().answer);
  window.chkIgnoreCommonWords.UserClick();
  EXPECT_THAT(Shown(),
              ElementsAre(ShownMessage{test::kRereadQuestion, "ZET", MessageIcon::kNone,
                                       MessageButtons::kYesNoCancel, GetParam().answer, true}));
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), GetParam().reads ? 1 : 0);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), GetParam().reads ? 1 : 0);
  EXPECT_EQ(host.Count("ConcealNumWords"), GetParam().reads ? 1 : 0);
  EXPECT_EQ(host.wordsGot, !GetParam().reads);
  EXPECT_FALSE(window.blnSettingValues);
}

INSTANTIATE_TEST_SUITE_P(Answers, CommonWordsQuestionTest,
                         ::testing::Values(AnswerRow{MessageAnswer::kYes, true},
                                           AnswerRow{MessageAnswer::kNo, false},
                                           AnswerRow{MessageAnswer::kCancel, false}));

TEST_F(ParamsCommonWordsTest, TickingWithNoWordsHeldReadsAtOnce) {
  host.commonWordsFile = "/w/common.txt";
  window.chkIgnoreCommonWords.UserClick();
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_THAT(host.calls, ElementsAre("AttemptToReadCommonWords", "ConcealNumWords"));
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

TEST_F(ParamsCommonWordsTest, UntickingReadsAndForgetsNothing) {
  host.commonWordsFile = "/w/common.txt";
  host.commonWordsLoaded = true;
  CheckQuietly();
  window.chkIgnoreCommonWords.UserClick();
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 0);
  EXPECT_TRUE(host.commonWordsLoaded);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

TEST_F(ParamsCommonWordsTest, NothingHappensDuringStartUpOrWhileCodeSetsValues) {
  host.startUpCompleted = false;
  window.chkIgnoreCommonWords.SetValue(1);
  window.chkIgnoreCommonWords.SetValue(0);
  host.startUpCompleted = true;
  CheckQuietly();
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
}

TEST_F(ParamsCommonWordsTest, SelectingAFileShowsTheDialogAndReadsTheFileOnce) {
  const std::string path = ChoosableFile("Common Words.TXT");
  hp.fileDialogs.Answer(path);
  window.cmdSelectCommonWordsFile.UserClick();
  ASSERT_EQ(hp.fileDialogs.Shown().size(), 1u);
  const ShownFileDialog& dialog = hp.fileDialogs.Shown()[0];
  EXPECT_EQ(dialog.kind, FileDialogKind::kOpen);
  EXPECT_EQ(dialog.request.title, "Specify file of common words to ignore");
  EXPECT_EQ(dialog.request.filter, "Any file containing only text (*.*) | *.*");
  EXPECT_EQ(dialog.request.fileName, "");
  EXPECT_TRUE(dialog.request.flags.fileMustExist);
  EXPECT_TRUE(dialog.request.flags.pathMustExist);
  EXPECT_TRUE(dialog.request.flags.hideReadOnly);
  EXPECT_FALSE(dialog.request.flags.overwritePrompt);
  EXPECT_EQ(host.commonWordsFile, path);  // the case of the name is kept
  EXPECT_EQ(window.txbCommonWordsFile.Text(), path);
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 1);
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

// Was: checking the box for the new file ran its handling before the old
// file was forgotten, so the new file was called "already loaded" (or read
// twice when the old one had not been loaded).
TEST_F(ParamsCommonWordsTest, SelectingAnotherFileAfterALoadedOneReadsItOnceWithoutComplaint) {
  host.commonWordsFile = "/w/old.txt";
  host.commonWordsLoaded = true;
  host.wordsGot = true;
  const std::string path = ChoosableFile("new.txt");
  hp.fileDialogs.Answer(path);
  window.cmdSelectCommonWordsFile.UserClick();
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 1);
  EXPECT_EQ(host.commonWordsFile, path);
  EXPECT_TRUE(host.commonWordsLoaded);
}

TEST_F(ParamsCommonWordsTest, CancellingTheDialogChangesNothing) {
  host.commonWordsFile = "/w/common.txt";
  hp.fileDialogs.AnswerCancel();
  window.cmdSelectCommonWordsFile.UserClick();
  EXPECT_EQ(host.commonWordsFile, "/w/common.txt");
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 0);
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

TEST_F(ParamsCommonWordsTest, ClearForgetsTheFileAndUnticksWithoutReading) {
  host.commonWordsFile = "/w/common.txt";
  host.commonWordsLoaded = true;
  window.txbCommonWordsFile.SetText("/w/common.txt");
  CheckQuietly();
  window.cmdClearCommonWordsFile.UserClick();
  EXPECT_EQ(window.txbCommonWordsFile.Text(), "");
  EXPECT_EQ(host.commonWordsFile, "");
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 0);
  EXPECT_FALSE(host.commonWordsLoaded);
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
}

TEST_F(ParamsCommonWordsTest, EnterInTheFileBoxReadsANewNameOnce) {
  host.commonWordsFile = "/w/old.txt";
  host.commonWordsLoaded = true;
  CheckQuietly();
  window.txbCommonWordsFile.UserFocus();
  window.txbCommonWordsFile.UserEdit("  /w/New.txt ");
  EXPECT_TRUE(window.txbCommonWordsFile.UserKeyPress(key::kEnter));
  EXPECT_EQ(window.txbCommonWordsFile.Text(), "/w/New.txt");
  EXPECT_EQ(host.commonWordsFile, "/w/New.txt");
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 1);
  EXPECT_TRUE(window.cmdClose.HasFocus());
  EXPECT_THAT(Shown(), IsEmpty());
  // Other keys are typed.
  EXPECT_FALSE(window.txbCommonWordsFile.UserKeyPress('a'));
}

TEST_F(ParamsCommonWordsTest, LeavingTheFileBoxReadsOnlyAChangedNameWhileTheBoxIsTicked) {
  host.commonWordsFile = "/w/common.txt";
  window.txbCommonWordsFile.UserFocus();
  window.txbCommonWordsFile.UserEdit("/w/other.txt");
  window.cmdClose.UserFocus();  // unticked: nothing happens
  EXPECT_EQ(host.commonWordsFile, "/w/common.txt");
  EXPECT_TRUE(window.txbCommonWordsFile.UserKeyPress(key::kEnter));  // swallowed all the same
  CheckQuietly();
  window.txbCommonWordsFile.UserFocus();
  window.txbCommonWordsFile.UserEdit(" /w/common.txt ");
  window.cmdClose.UserFocus();  // the same name: nothing read
  EXPECT_EQ(window.txbCommonWordsFile.Text(), "/w/common.txt");
  EXPECT_THAT(host.calls, IsEmpty());
  EXPECT_THAT(Shown(), IsEmpty());
}

}  // namespace
}  // namespace zet
