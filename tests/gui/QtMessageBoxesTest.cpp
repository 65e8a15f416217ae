// Message boxes: the exact title, icon and buttons, and the answer given.
#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

#include "platform/headless/Printers.h"
#include "platform/qt/QtMessageBoxes.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

struct BoxRow {
  MessageIcon icon;
  MessageButtons buttons;
  QMessageBox::Icon qtIcon;
  QMessageBox::StandardButtons qtButtons;
  QMessageBox::StandardButton click;  // the button the user chooses
  MessageAnswer answer;
};

void PrintTo(const BoxRow& row, std::ostream* os) {
  *os << row.icon << " " << row.buttons << " -> " << row.answer;
}

constexpr QMessageBox::StandardButtons kYesNo = QMessageBox::Yes | QMessageBox::No;

const BoxRow kRows[] = {
    {MessageIcon::kNone, MessageButtons::kOk, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok,
     MessageAnswer::kOk},
    {MessageIcon::kExclamation, MessageButtons::kOkCancel, QMessageBox::Warning,
     QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, MessageAnswer::kCancel},
    {MessageIcon::kQuestion, MessageButtons::kYesNo, QMessageBox::Question, kYesNo, QMessageBox::No,
     MessageAnswer::kNo},
    {MessageIcon::kInformation, MessageButtons::kYesNoCancel, QMessageBox::Information,
     kYesNo | QMessageBox::Cancel, QMessageBox::Yes, MessageAnswer::kYes},
    {MessageIcon::kCritical, MessageButtons::kOk, QMessageBox::Critical, QMessageBox::Ok,
     QMessageBox::Ok, MessageAnswer::kOk},
};

class MessageBoxTest : public test::GuiTest, public ::testing::WithParamInterface<BoxRow> {};

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTest, ::testing::ValuesIn(kRows));

TEST_P(MessageBoxTest, ShowsExactlyWhatWasAskedAndReturnsTheChosenButton) {
  const BoxRow& row = GetParam();
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  test::WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->button(row.click)->click();
  });
  QtMessageBoxes boxes;
  const MessageAnswer answer =
      boxes.Show("Changing this entails reading the file anew.  Is this OK?\r\nSecond line",
                 "Invalid input", row.icon, row.buttons);
  EXPECT_EQ(answer, row.answer);
  EXPECT_EQ(title, "Invalid input");
  EXPECT_EQ(text, "Changing this entails reading the file anew.  Is this OK?\nSecond line");
  EXPECT_EQ(icon, row.qtIcon);
  EXPECT_EQ(buttons, row.qtButtons);
}

// Escape (or the close box) gives Cancel where there is one, No for Yes/No
// and OK for a box that only informs.
TEST_P(MessageBoxTest, EscapeGivesTheAnswerOfClosing) {
  const BoxRow& row = GetParam();
  test::WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  QtMessageBoxes boxes;
  EXPECT_EQ(boxes.Show("Text", "", row.icon, row.buttons), EscapeAnswer(row.buttons));
}

TEST(MessageBoxMappingTest, FirstButtonIsTheDefault) {
  QMessageBox box;
  SetUpMessageBox(box, "Question?", "ZET", MessageIcon::kNone, MessageButtons::kYesNo);
  EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
  EXPECT_EQ(box.escapeButton(), box.button(QMessageBox::No));
  EXPECT_EQ(box.textFormat(), Qt::PlainText);
}

// Was: "State saved." made a box so narrow that its title showed as "...".
TEST(MessageBoxMappingTest, AShortTextLeavesRoomForTheTitle) {
  const QString title = "A title much longer than the text of the box";
  QMessageBox box;
  SetUpMessageBox(box, "Saved.", title.toStdString(), MessageIcon::kNone, MessageButtons::kOk);
  box.show();
  QApplication::processEvents();
  EXPECT_GT(box.width(), QFontMetrics(box.font()).horizontalAdvance(title));
}

TEST(MessageBoxMappingTest, ButtonNotOnTheBoxCountsAsClosingIt) {
  EXPECT_EQ(ToAnswer(QMessageBox::NoButton, MessageButtons::kYesNo), MessageAnswer::kNo);
  EXPECT_EQ(ToAnswer(QMessageBox::Ok, MessageButtons::kYesNoCancel), MessageAnswer::kCancel);
  EXPECT_EQ(ToAnswer(QMessageBox::Yes, MessageButtons::kYesNoCancel), MessageAnswer::kYes);
}

}  // namespace
}  // namespace zet
