// Changes the logic makes reach the widgets at once.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "tests/gui/ControlsFixture.h"

namespace zet {
namespace {

using test::WaitFor;

class CodeChangeTest : public test::ControlsFixture {};

TEST_F(CodeChangeTest, CaptionsAreShownLiterally) {
  button.SetCaption("Stop");
  opt1.SetCaption("file");
  label.SetCaption("two\r\nlines");
  frame.SetCaption("Source");
  EXPECT_EQ(test::ShownCaption(Widget<QPushButton>("cmdGo")->text()), "Stop");
  // "&" would otherwise underline the next letter and vanish itself.
  EXPECT_TRUE(Widget<QCheckBox>("chkOption")->text().contains("&&"));
  EXPECT_EQ(test::ShownCaption(Widget<QCheckBox>("chkOption")->text()), "Fish & chips");
  EXPECT_EQ(test::ShownCaption(Widget<QRadioButton>("opt1")->text()), "file");
  EXPECT_EQ(Widget<QLabel>("lblInfo")->text(), "two\nlines");
  EXPECT_EQ(Widget<QLabel>("lblInfo")->textFormat(), Qt::PlainText);
  EXPECT_EQ(Widget<QGroupBox>("fraBox")->title(), "Source");
}

TEST_F(CodeChangeTest, CheckBoxShowsEachValue) {
  auto* box = Widget<QCheckBox>("chkOption");
  const std::pair<int, Qt::CheckState> rows[] = {
      {CheckBox::kChecked, Qt::Checked},
      {CheckBox::kGrayed, Qt::PartiallyChecked},
      {CheckBox::kUnchecked, Qt::Unchecked},
  };
  for (const auto& [value, state] : rows) {
    check.SetValue(value);
    EXPECT_EQ(box->checkState(), state) << "value " << value;
  }
}

TEST_F(CodeChangeTest, OptionGroupShowsOnlyTheSelectedButton) {
  opt1.SetValue(true);
  opt2.SetValue(true);
  EXPECT_FALSE(Widget<QRadioButton>("opt1")->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>("opt2")->isChecked());
}

TEST_F(CodeChangeTest, ListShowsItsItemsAndSelection) {
  auto* list = Widget<QComboBox>("cboColour");
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentText(), "red");
  combo.SetListIndex(2);
  EXPECT_EQ(list->currentIndex(), 2);
  combo.AddItem("black");
  EXPECT_EQ(list->itemText(3), "black");
  EXPECT_EQ(list->currentIndex(), 2);
  combo.ClearItems();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(CodeChangeTest, TextBoxShowsTextCaretAndReadOnly) {
  auto* edit = Widget<QLineEdit>("txbName");
  text.SetText("Grüße.txt");
  EXPECT_EQ(edit->text(), QString::fromUtf8("Grüße.txt"));
  EXPECT_EQ(edit->cursorPosition(), 0);
  text.SetSelStart(4);
  EXPECT_EQ(edit->cursorPosition(), 4);
  text.SetReadOnly(true);
  EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(CodeChangeTest, MultiLineBoxShowsLineBreaksAndAppendedText) {
  auto* edit = Widget<QPlainTextEdit>("txbOutput");
  ASSERT_EQ(output.SetText("Rank Word\r\n"), TextFit::kFits);
  ASSERT_EQ(output.Append("1 the\r"), TextFit::kFits);
  ASSERT_EQ(output.Append("\n2 and\r\n"), TextFit::kFits);  // a CR LF split in two
  EXPECT_TRUE(WaitFor([edit] { return edit->toPlainText() == "Rank Word\n1 the\n2 and\n"; }));
  output.MoveCaretToEnd();
  EXPECT_EQ(edit->textCursor().position(), edit->toPlainText().size());
  output.SetSelStart(11);  // after the first CR LF
  EXPECT_EQ(edit->textCursor().position(), 10);
  output.Clear();
  EXPECT_EQ(edit->toPlainText(), "");
}

// Appended text is gathered for speed; a repaint the logic asks for shows
// it at once.
TEST_F(CodeChangeTest, RepaintShowsAppendedTextAtOnce) {
  auto* edit = Widget<QPlainTextEdit>("txbOutput");
  ASSERT_EQ(output.Append("the "), TextFit::kFits);
  ASSERT_EQ(output.Append("and "), TextFit::kFits);
  output.Repaint();
  EXPECT_EQ(edit->toPlainText(), "the and ");
}

TEST_F(CodeChangeTest, EnabledVisiblePlaceAndFontReachTheWidget) {
  button.SetEnabled(false);
  EXPECT_FALSE(window->WidgetOf("cmdGo")->isEnabled());
  label.SetVisible(false);
  EXPECT_FALSE(window->WidgetOf("lblInfo")->isVisible());
  button.SetPlace({15, 25, 120, 32});
  EXPECT_EQ(window->WidgetOf("cmdGo")->geometry(), QRect(15, 25, 120, 32));
  text.SetFont(Font{"Courier New", 8.25});
  EXPECT_TRUE(test::DrawsFixedPitch(window->WidgetOf("txbName")->font()));
  EXPECT_DOUBLE_EQ(window->WidgetOf("txbName")->font().pointSizeF(), 8.25);
}

TEST_F(CodeChangeTest, LinkStyleAndAlignmentOfALabel) {
  auto* widget = Widget<QLabel>("lblInfo");
  label.SetLinkStyle(true);
  EXPECT_TRUE(widget->font().underline());
  EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
  label.SetLinkStyle(false);
  EXPECT_FALSE(widget->font().underline());
  label.SetAlignment(Alignment::kRight);
  EXPECT_TRUE(widget->alignment() & Qt::AlignRight);
}

TEST_F(CodeChangeTest, FocusGivenByTheLogicMovesTheKeyboardFocus) {
  ASSERT_TRUE(text.SetFocus());
  EXPECT_TRUE(WaitFor([this] { return window->WidgetOf("txbName")->hasFocus(); }));
  ASSERT_TRUE(button.SetFocus());
  EXPECT_TRUE(WaitFor([this] { return window->WidgetOf("cmdGo")->hasFocus(); }));
}

}  // namespace
}  // namespace zet
