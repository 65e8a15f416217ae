#include "platform/MultiLineTextBox.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Form.h"
#include "tests/platform/RecordingView.h"

namespace zet {
namespace {

class MultiLineTextBoxTest : public ::testing::Test {
 protected:
  Form form{"frmMain"};
  MultiLineTextBox box{form, "txbOutput", 10};
};

TEST_F(MultiLineTextBoxTest, AppendThatOverflowsIsRefusedAndKeepsWhatFitted) {
  ASSERT_EQ(box.Append("abcd\r\n"), TextFit::kFits);
  ASSERT_EQ(box.Append("ef\r\n"), TextFit::kFits);  // exactly 10 characters
  EXPECT_EQ(box.Append("g"), TextFit::kFull);
  EXPECT_EQ(box.Text(), "abcd\r\nef\r\n");
  EXPECT_EQ(box.Length(), 10U);
  EXPECT_EQ(box.Append(""), TextFit::kFits);
}

TEST_F(MultiLineTextBoxTest, SetTextOverCapacityLeavesTheOldText) {
  ASSERT_EQ(box.SetText("old"), TextFit::kFits);
  EXPECT_EQ(box.SetText("01234567890"), TextFit::kFull);
  EXPECT_EQ(box.Text(), "old");
  EXPECT_EQ(box.SetText("0123456789"), TextFit::kFits);
}

TEST_F(MultiLineTextBoxTest, CapacityCountsCharactersNotBytes) {
  const std::string tenUmlauts =
      "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"
      "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";
  ASSERT_EQ(box.SetText(tenUmlauts), TextFit::kFits);
  EXPECT_EQ(box.Length(), 10U);
  EXPECT_EQ(box.Append("x"), TextFit::kFull);
}

TEST_F(MultiLineTextBoxTest, EraseLastRemovesWholeCharacters) {
  ASSERT_EQ(box.SetText("a\xC3\xA4, "), TextFit::kFits);
  box.MoveCaretToEnd();
  box.EraseLast(2);
  EXPECT_EQ(box.Text(), "a\xC3\xA4");
  EXPECT_EQ(box.SelStart(), 2U);
  box.EraseLast(1);
  EXPECT_EQ(box.Text(), "a");
  box.EraseLast(5);
  EXPECT_TRUE(box.Empty());
  EXPECT_EQ(box.Append("0123456789"), TextFit::kFits);  // room is back
}

TEST_F(MultiLineTextBoxTest, ViewIsToldOnlyTheAppendedTail) {
  test::RecordingView view;
  box.SetCapacity(MultiLineTextBox::kUnlimited);
  ASSERT_EQ(box.SetText("head "), TextFit::kFits);
  box.Attach(&view);
  ASSERT_EQ(box.Append("one "), TextFit::kFits);
  ASSERT_EQ(box.Append("two"), TextFit::kFits);
  EXPECT_EQ(view.appended, "one two");
  EXPECT_TRUE(view.changed.empty());  // no full re-read, caret unmoved
}

TEST_F(MultiLineTextBoxTest, SetTextPutsCaretAtStartAndCaretIsClamped) {
  ASSERT_EQ(box.SetText("abc"), TextFit::kFits);
  box.SetSelStart(99);
  EXPECT_EQ(box.SelStart(), 3U);
  ASSERT_EQ(box.SetText("abcd"), TextFit::kFits);
  EXPECT_EQ(box.SelStart(), 0U);
}

TEST_F(MultiLineTextBoxTest, UserEditOverCapacityOrReadOnlyIsRefused) {
  form.Show();
  EXPECT_FALSE(box.UserEdit("01234567890"));
  EXPECT_TRUE(box.UserEdit("typed"));
  EXPECT_EQ(box.Text(), "typed");
  box.SetReadOnly(true);
  EXPECT_FALSE(box.UserEdit("more"));
  EXPECT_EQ(box.Length(), 5U);
}

// A listing appends line by line; that must not re-copy the whole text.
TEST(MultiLineTextBoxAppendTest, AMillionAppendsKeepEveryLine) {
  Form form{"frmMain"};
  MultiLineTextBox box{form, "txbOutput"};
  constexpr int kLines = 1'000'000;
  for (int i = 0; i < kLines; ++i) ASSERT_EQ(box.Append("word 1\r\n"), TextFit::kFits);
  EXPECT_EQ(box.Length(), 8U * kLines);
  EXPECT_EQ(box.Text().substr(box.Text().size() - 16), "word 1\r\nword 1\r\n");
}

}  // namespace
}  // namespace zet
