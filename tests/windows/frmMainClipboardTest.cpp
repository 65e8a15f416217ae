// The clipboard as the source of a count, and pasting it into the textbox.

#include "tests/windows/MainWindowFixture.h"

namespace zet::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class ClipboardTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    ASSERT_TRUE(frm->optInTextBox.UserClick());
    frm->chkSuppressWords.SetValue(1);
  }
};

TEST_F(ClipboardTest, EmptyClipboardEndsTheRunOnTheFileSource) {
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Clipboard is empty.", "Clipboard empty", MessageIcon::kNone)));
  EXPECT_TRUE(frm->optInFile.Value());
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(), "");
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
}

TEST_F(ClipboardTest, TooMuchTextIsRefusedAndItsSizeShown) {
  hp.clipboard.SetText(std::string(100001, 'a'));
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("There are 100,001 characters in the text on the clipboard.\r\n"
                              "The maximum permitted is 100,000.  If possible,\r\n"
                              "count word frequencies for this text using an input file.",
                              "Too much clipboard text", MessageIcon::kNone)));
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(), "Contents of clipboard:   100,001 bytes");
  EXPECT_TRUE(frm->optInFile.Value());
  EXPECT_TRUE(frm->Words().empty());
}

TEST_F(ClipboardTest, ExactlyTheMaximumIsCountedAndSizeCountsCharacters) {
  std::string text;
  while (text.size() < 100000 - 6) text += "wort ";
  text.resize(100000 - 6, 'x');
  text += "\xC3\xA4\xC3\xA4\xC3\xA4";  // three characters in six bytes
  hp.clipboard.SetText(text);
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(), IsEmpty());
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(), "Contents of clipboard:   99,997 bytes");
  EXPECT_FALSE(frm->Words().empty());
}

TEST_F(ClipboardTest, ControlCharactersAreRefusedOnlyNearTheStart) {
  hp.clipboard.SetText("words and\fa form feed");
  hp.messageBoxes.AnswerOk();
  Count();
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("The text on the clipboard does not consist\r\n"
                              "solely of natural language words.",
                              "Invalid input")));
  EXPECT_TRUE(frm->optInTextBox.Value());
  EXPECT_TRUE(frm->Words().empty());
  hp.clipboard.SetText(std::string(3000, ' ') + "late\f form feed");
  Count();
  EXPECT_EQ(frm->Words().size(), 3U);
}

TEST_F(ClipboardTest, TextIsCountedAsOneLineWithItsBreaksSeparatingWords) {
  hp.clipboard.SetText("Gr\xC3\xBC\xC3\x9F Gott\r\nline two /* kept */");
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), StartsWith("   Rank    Freq  Word (longest has 4"));
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::HasSubstr("gr\xC3\xBC\xC3\x9F"));
  // "gott" and "line" apart; the markers are not in force for the clipboard.
  EXPECT_EQ(frm->Words().size(), 5U);
  EXPECT_FALSE(frm->blnIsCodeFile);
  EXPECT_TRUE(frm->blnWordsGot);
  EXPECT_TRUE(frm->optInTextBox.Value());
}

// Was: with the clipboard source already selected, "Copy to clipboard" left
// the old count in force and the next click listed the previous text's
// words; new text copied since a count was answered with the old list too.
TEST_F(ClipboardTest, TheNextCountReadsTheClipboardAfresh) {
  hp.clipboard.SetText("alpha alpha beta");
  Count();
  ASSERT_THAT(frm->txbOutput.Text(), ::testing::HasSubstr("alpha"));
  ASSERT_TRUE(frm->cmdCopyToClipboard.UserClick());
  EXPECT_FALSE(frm->blnWordsGot);
  Count();  // counts the copied list: its header words are words now
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::HasSubstr("longest"));

  hp.clipboard.SetText("gamma delta");
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::HasSubstr("gamma"));
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(::testing::HasSubstr("alpha")));
  const std::string listed = frm->txbOutput.Text();
  Count();  // the same text: listed again without reading
  EXPECT_EQ(frm->txbOutput.Text(), listed);
}

TEST_F(ClipboardTest, AllowedMarkersSkipCommentsAndRejectedOnesShowTheParameters) {
  frm->paramsWindow.chkAllowCommentMarkers.SetValue(1);
  hp.clipboard.SetText("one /* two */ three");
  Count();
  EXPECT_EQ(frm->Words().size(), 2U);
  frm->paramsWindow.txbStartComment0.SetText("%");
  frm->paramsWindow.txbEndComment0.SetText("%");
  frm->ClearWordsGot();
  hp.messageBoxes.AnswerOk();
  Count();
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text,
              StartsWith("Start-comment and end-comment markers must be different."));
  EXPECT_TRUE(frm->paramsWindow.form.Visible());
}

TEST_F(ClipboardTest, PasteShowsTheTextWhichIsNeverCountedFromTheTextbox) {
  hp.clipboard.SetText("pasted words");
  ASSERT_TRUE(frm->Label1.UserClick());
  EXPECT_EQ(frm->txbOutput.Text(), "pasted words");
  EXPECT_EQ(frm->lblSizeOfClipboardContents.Caption(), "Contents of clipboard:   12 bytes");
  EXPECT_FALSE(frm->ListShown());
  ASSERT_TRUE(frm->optInFile.UserClick());
  ASSERT_TRUE(frm->optInTextBox.UserClick());
  EXPECT_EQ(frm->txbOutput.Text(), "pasted words");  // only a list makes way

  Count();
  EXPECT_TRUE(frm->ListShown());
  ASSERT_TRUE(frm->optInFile.UserClick());
  ASSERT_TRUE(frm->optInTextBox.UserClick());
  EXPECT_EQ(frm->txbOutput.Text(), "");
}

TEST_F(ClipboardTest, PasteThatDoesNotFitIsReported) {
  frm->txbOutput.SetCapacity(10);
  hp.clipboard.SetText("more than ten characters");
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->Label1.UserClick());
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("There is too much text on the clipboard to paste into the "
                              "textbox.\r\nIt may, however, still be possible to count word "
                              "frequencies.",
                              "Out of memory")));
  EXPECT_EQ(frm->txbOutput.Text(), "");
  frm->txbOutput.SetCapacity(kOutputTextboxCapacity);
  Count();
  EXPECT_EQ(frm->Words().size(), 4U);
}

TEST_F(ClipboardTest, StopDuringTheClipboardPassIsHandledLikeAFile) {
  hp.clipboard.SetText("alpha beta gamma");
  hp.eventPump.At(2, [&] { EXPECT_TRUE(frm->cmdListWords.UserClick()); });
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  Count();
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::EndsWith("Stopped with 2 words found."));
  EXPECT_FALSE(frm->blnWordsGot);
}

}  // namespace
}  // namespace zet::test
