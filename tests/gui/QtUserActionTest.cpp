// What the user does in the widgets reaches the models and runs their events.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gui/ControlsFixture.h"

namespace zet {
namespace {

using test::WaitFor;

class UserActionTest : public test::ControlsFixture {};

// Clicks the indicator of a check box or option button (only the indicator
// and the caption take clicks).
void ClickIndicator(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

TEST_F(UserActionTest, ClickOnAButtonFocusesItAndRunsItsEvent) {
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  QTest::mouseClick(window->WidgetOf("cmdGo"), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button.HasFocus());
}

TEST_F(UserActionTest, EnterAndSpaceOnAFocusedButtonClickIt) {
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  ASSERT_TRUE(button.SetFocus());
  QTest::keyClick(window->WidgetOf("cmdGo"), Qt::Key_Return);
  QTest::keyClick(window->WidgetOf("cmdGo"), Qt::Key_Space);
  EXPECT_EQ(clicks, 2);
}

TEST_F(UserActionTest, DisabledButtonTakesNoClick) {
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  button.SetEnabled(false);
  QTest::mouseClick(window->WidgetOf("cmdGo"), Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
}

TEST_F(UserActionTest, CheckBoxClickChangesTheModel) {
  std::vector<int> seen;
  check.onClick = [&] { seen.push_back(check.Value()); };
  auto* box = Widget<QCheckBox>("chkOption");
  ClickIndicator(box);
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
  EXPECT_EQ(box->checkState(), Qt::Unchecked);
}

// A handler that refuses the change (the re-read question answered No)
// puts the box back; the widget must show the model, not the click.
TEST_F(UserActionTest, CheckBoxPutBackByItsHandlerShowsTheModel) {
  check.onClick = [this] {
    if (check.Value() == CheckBox::kChecked) check.SetValue(CheckBox::kUnchecked);
  };
  auto* box = Widget<QCheckBox>("chkOption");
  ClickIndicator(box);
  EXPECT_EQ(check.Value(), CheckBox::kUnchecked);
  EXPECT_EQ(box->checkState(), Qt::Unchecked);
}

TEST_F(UserActionTest, OptionButtonClickSelectsItAlone) {
  int clicks = 0;
  opt2.onClick = [&] { ++clicks; };
  opt1.SetValue(true);
  ClickIndicator(Widget<QRadioButton>("opt2"));
  EXPECT_TRUE(opt2.Value());
  EXPECT_FALSE(opt1.Value());
  EXPECT_FALSE(Widget<QRadioButton>("opt1")->isChecked());
  // Clicking the selected button again leaves it selected and raises nothing.
  ClickIndicator(Widget<QRadioButton>("opt2"));
  EXPECT_TRUE(Widget<QRadioButton>("opt2")->isChecked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(UserActionTest, ChoosingAListItemByKeyboardSelectsIt) {
  int clicks = 0;
  combo.onClick = [&] { ++clicks; };
  ASSERT_TRUE(combo.SetFocus());
  QTest::keyClick(window->WidgetOf("cboColour"), Qt::Key_Down);
  EXPECT_EQ(combo.ListIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Widget<QComboBox>("cboColour")->currentIndex(), 1);
}

TEST_F(UserActionTest, TypingInATextBoxReachesTheModel) {
  QTest::mouseClick(window->WidgetOf("txbName"), Qt::LeftButton);
  QTest::keyClicks(window->WidgetOf("txbName"), "notes.txt");
  EXPECT_EQ(text.Text(), "notes.txt");
  EXPECT_TRUE(text.HasFocus());
}

TEST_F(UserActionTest, KeyPressSwallowedByTheLogicIsNotTyped) {
  std::vector<int> pressed;
  text.onKeyPress = [&](int code) {
    pressed.push_back(code);
    return code == 'x';
  };
  ASSERT_TRUE(text.SetFocus());
  QTest::keyClicks(window->WidgetOf("txbName"), "axb");
  QTest::keyClick(window->WidgetOf("txbName"), Qt::Key_Return);
  EXPECT_EQ(text.Text(), "ab");
  EXPECT_EQ(pressed, (std::vector<int>{'a', 'x', 'b', 13}));
}

TEST_F(UserActionTest, KeyUpCarriesTheVirtualKeyCode) {
  std::vector<int> released;
  button.onKeyUp = [&](int code) { released.push_back(code); };
  ASSERT_TRUE(button.SetFocus());
  QTest::keyClick(window->WidgetOf("cmdGo"), Qt::Key_F1);
  QTest::keyClick(window->WidgetOf("cmdGo"), Qt::Key_A);
  EXPECT_EQ(released, (std::vector<int>{112, 65}));
}

TEST_F(UserActionTest, TypedLineBreaksReachTheModelAsCrLf) {
  auto* edit = window->WidgetOf("txbOutput");
  ASSERT_TRUE(output.SetFocus());
  QTest::keyClicks(edit, "ab");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "c");
  EXPECT_EQ(output.Text(), "ab\r\nc");
}

// Appended text waits for the event loop; an edit of the user's must not
// lose it.
TEST_F(UserActionTest, TypingRightAfterAnAppendKeepsTheAppendedText) {
  ASSERT_TRUE(output.SetFocus());
  ASSERT_EQ(output.Append("found "), TextFit::kFits);
  output.MoveCaretToEnd();
  ASSERT_EQ(output.Append("words "), TextFit::kFits);
  output.MoveCaretToEnd();
  QTest::keyClicks(window->WidgetOf("txbOutput"), "x");
  EXPECT_EQ(output.Text(), "found words x");
}

// Appending leaves the caret where the logic put it, as the model does.
TEST_F(UserActionTest, AppendingLeavesTheCaretWhereItWas) {
  ASSERT_TRUE(output.SetFocus());
  ASSERT_EQ(output.Append("found "), TextFit::kFits);
  output.MoveCaretToEnd();
  ASSERT_EQ(output.Append("words "), TextFit::kFits);
  QTest::keyClicks(window->WidgetOf("txbOutput"), "x");
  EXPECT_EQ(output.Text(), "found xwords ");
}

TEST_F(UserActionTest, TypingBeyondTheCapacityIsRefused) {
  ASSERT_EQ(output.SetText(std::string(38, 'x')), TextFit::kFits);
  ASSERT_TRUE(output.SetFocus());
  output.MoveCaretToEnd();
  QTest::keyClicks(window->WidgetOf("txbOutput"), "abc");
  EXPECT_EQ(output.Text(), std::string(38, 'x') + "ab");
  EXPECT_EQ(Widget<QPlainTextEdit>("txbOutput")->toPlainText(),
            QString::fromStdString(output.Text()));
}

TEST_F(UserActionTest, TabMovesTheFocusAndRunsLostFocus) {
  int lost = 0;
  text.onLostFocus = [&] { ++lost; };
  ASSERT_TRUE(text.SetFocus());
  ASSERT_TRUE(WaitFor([this] { return window->WidgetOf("txbName")->hasFocus(); }));
  QTest::keyClick(window->WidgetOf("txbName"), Qt::Key_Tab);
  EXPECT_TRUE(WaitFor([this] { return output.HasFocus(); }));
  EXPECT_EQ(lost, 1);
}

TEST_F(UserActionTest, ClickOnALabelRunsItsEvent) {
  int clicks = 0;
  label.onClick = [&] { ++clicks; };
  QTest::mouseClick(window->WidgetOf("lblInfo"), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(label.HasFocus());
}

}  // namespace
}  // namespace zet
