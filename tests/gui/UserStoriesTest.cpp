// The desktop program driven as a user drives it: clicks and keystrokes on
// the real widgets, modal boxes and file dialogs answered as they open.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "desktop/ZetProgram.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtWindow.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

using test::WaitFor;
using test::WhenModalOpens;
using ::testing::HasSubstr;

constexpr const char* kCount = "Count word frequencies";

// Clicks the button of a modal message box once it opens; records what the
// box asked.
struct BoxAnswer {
  QString title;
  QString text;
  bool answered = false;
};

void AnswerNextBox(BoxAnswer& seen, QMessageBox::StandardButton choice) {
  WhenModalOpens([&seen, choice](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "not a message box: " << modal->metaObject()->className();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.answered = true;
    QTest::mouseClick(box->button(choice), Qt::LeftButton);
  });
}

// Picks `path` in the next file dialog and accepts it, through the dialog's
// own checks.
void ChooseInNextFileDialog(const QString& path, QString& title) {
  WhenModalOpens([path, &title](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr) << "not a file dialog: " << modal->metaObject()->className();
    title = dialog->windowTitle();
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
  });
}

class UserStoriesTest : public test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(files_.isValid());
    program_ = MakeZetProgram(desktop_);
    QWidget* main = desktop_.FindWindow("frmMain")->Widget();
    ASSERT_TRUE(WaitFor([main] { return main->isVisible(); }));
    ASSERT_TRUE(test::ShowAndActivate(main));
    // A box no step of the test expected would hold the run open for good:
    // close it, and fail.
    watchdog_.setInterval(20000);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      const auto* box = qobject_cast<QMessageBox*>(modal);
      ADD_FAILURE() << "unexpected box left open: "
                    << (box != nullptr ? box->text() : modal->windowTitle()).toStdString();
      modal->close();
    });
    watchdog_.start();
  }

  void TearDown() override {
    watchdog_.stop();
    desktop_.DetachAll();
    program_.reset();
    QGuiApplication::clipboard()->clear();
    GuiTest::TearDown();
  }

  // The widget of control `name` of window `form`, as type W.
  template <class W>
  W* Find(const char* form, const char* name) const {
    const QtWindow* window = desktop_.FindWindow(form);
    if (window == nullptr) return nullptr;
    return qobject_cast<W*>(window->WidgetOf(name));
  }
  template <class W>
  W* Main(const char* name) const {
    return Find<W>("frmMain", name);
  }
  template <class W>
  W* Params(const char* name) const {
    return Find<W>("frmParams", name);
  }

  QString Label(const char* name) const { return Main<QLabel>(name)->text(); }
  QPushButton* CountButton() const { return Main<QPushButton>("cmdListWords"); }
  QString Output() const { return Main<QPlainTextEdit>("txbOutput")->toPlainText(); }

  // A file in the test's folder holding `text`; its path.
  QString Write(const char* name, const std::string& text) const {
    const QString path = files_.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }

  // Types `text` into the text box `name` of the main window and leaves it,
  // as the user does before clicking elsewhere.
  void TypeInto(const char* name, const QString& text) {
    auto* edit = Main<QLineEdit>(name);
    ASSERT_NE(edit, nullptr) << name;
    // Leaving a file box hands the focus back to where the program keeps
    // it, so the click that left one may need repeating, as for a user.
    ASSERT_TRUE(WaitFor([edit] {
      if (!edit->hasFocus()) QTest::mouseClick(edit, Qt::LeftButton);
      return edit->hasFocus();
    }));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }

  // Clicks a check box or option button on its indicator (its centre may
  // lie past the end of a short caption).
  static void ClickBox(QAbstractButton* box) {
    ASSERT_NE(box, nullptr);
    const int half = box->height() / 2;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(half, half));
  }

  // Clicks the count button and waits for the run to end: the program
  // handles window events during the run, so the click returns once the
  // run is over or a box is left open.
  void Count() {
    QPushButton* button = CountButton();
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(test::ShownCaption(button->text()), kCount);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(WaitFor(
        [button] { return test::ShownCaption(button->text()) == kCount && button->isEnabled(); }));
  }

  // Waits until the output textbox shows `expected` (appended text reaches
  // the widget when the event loop runs), then compares.
  void ExpectOutput(const QString& expected) {
    (void)WaitFor([&] { return Output() == expected; });
    EXPECT_EQ(Output().toStdString(), expected.toStdString());
  }

  QTemporaryDir files_;
  QTimer watchdog_;
  QtDesktop desktop_{{ExecutableFolder(), false}};
  std::unique_ptr<DesktopProgram> program_;
};

// "the" 3, "cat" 2, then the words found once in alphabetical order.
constexpr const char* kPetsText = "The cat and the dog.\nThe cat!\n";
const QString kPetsList =
    "   Rank    Freq  Word (longest has 3 characters)\n"
    "      1       3  the\n"
    "      2       2  cat\n"
    "      3       1  and\n"
    "      4       1  dog\n";

TEST_F(UserStoriesTest, CountsAFileTypedIntoTheInputBox) {
  ASSERT_NO_FATAL_FAILURE(TypeInto("txbFile(0)", Write("pets.txt", kPetsText)));
  ASSERT_NO_FATAL_FAILURE(Count());
  ExpectOutput(kPetsList);
  EXPECT_EQ(Label("lblNumberOfWords"), "Number of words in this list: 4");
  EXPECT_EQ(Label("lblNumWordsExcluded"), "Number of words excluded: 0");
  EXPECT_EQ(Label("lblNumOccurrences"), "No. of occurrences in file of words in this list: 7");
  EXPECT_EQ(Label("lblTotalNumOccurrences"), "Total number of words in file: 7");
}

TEST_F(UserStoriesTest, CountsTheClipboard) {
  QGuiApplication::clipboard()->setText("Alpha beta alpha\ngamma alpha beta");
  auto* clipboard = Main<QAbstractButton>("optInTextBox");
  ClickBox(clipboard);
  EXPECT_TRUE(clipboard->isChecked());
  EXPECT_FALSE(Main<QAbstractButton>("optInFile")->isChecked());
  ASSERT_NO_FATAL_FAILURE(Count());
  ExpectOutput(
      "   Rank    Freq  Word (longest has 5 characters)\n"
      "      1       3  alpha\n"
      "      2       2  beta\n"
      "      3       1  gamma\n");
  EXPECT_EQ(Label("lblNumberOfWords"), "Number of words in this list: 3");
}

// Words of letters only, nearly all distinct,, `bytes` long or a little longer.
std::string DistinctWords(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 16);
  for (unsigned n = 0; text.size() < bytes; ++n) {
    text += 'w';
    unsigned rest = n;
    do {
      text += static_cast<char>('a' + rest % 26);
      rest /= 26;
    } while (rest != 0);
    text += (n % 12 == 11) ? '\n' : ' ';
  }
  return text;
}

class StopStoryTest : public UserStoriesTest {
 protected:
  // Starts a count of 20 MB of words, clicks "Stop" as soon as the button
  // reads so (from inside the run), and gives `answer` to the question.
  void StopALongCount(QMessageBox::StandardButton answer) {
    ASSERT_NO_FATAL_FAILURE(TypeInto("txbFile(0)", Write("big.txt", DistinctWords(20'000'000))));
    // With an output file named, the large file asks no question first.
    ASSERT_NO_FATAL_FAILURE(TypeInto("txbFile(1)", output));
    QPushButton* button = CountButton();
    bool stopClicked = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, button, [&] {
      if (test::ShownCaption(button->text()) != "Stop") return;
      poll.stop();
      stopClicked = true;
      AnswerNextBox(question, answer);
      QTest::mouseClick(button, Qt::LeftButton);
    });
    poll.start();
    ASSERT_NO_FATAL_FAILURE(Count());
    ASSERT_TRUE(stopClicked);
    ASSERT_TRUE(question.answered);
    EXPECT_EQ(question.title, "Counting interrupted");
    EXPECT_EQ(question.text,
              "The operation was stopped before all words were counted.\n"
              "Do you wish to list the words which were found?");
    EXPECT_EQ(test::ShownCaption(button->text()), kCount);
    EXPECT_TRUE(Main<QWidget>("cmdFile(0)")->isEnabled());
  }

  const QString output = files_.filePath("big-out.txt");
  BoxAnswer question;
};

TEST_F(StopStoryTest, NoLeavesTheNoteAndListsNothing) {
  ASSERT_NO_FATAL_FAILURE(StopALongCount(QMessageBox::No));
  (void)WaitFor([&] { return Output().endsWith("words found."); });
  EXPECT_THAT(Output().toStdString(), HasSubstr("Stopped with "));
  EXPECT_THAT(Output().toStdString(), ::testing::EndsWith("words found."));
  EXPECT_FALSE(QFile::exists(output));
}

TEST_F(StopStoryTest, YesListsTheWordsFoundSoFar) {
  ASSERT_NO_FATAL_FAILURE(StopALongCount(QMessageBox::Yes));
  EXPECT_TRUE(QFile::exists(output));
  // The listing takes the place of the note.
  (void)WaitFor([&] { return Output().startsWith("   Rank    Freq  Word"); });
  EXPECT_EQ(Output().left(21).toStdString(), "   Rank    Freq  Word");
  // A partial count has no total to show.
  EXPECT_EQ(Label("lblTotalNumOccurrences"), "");
}

TEST_F(UserStoriesTest, ScanningChangeAfterACountAsksToReadAgain) {
  ASSERT_NO_FATAL_FAILURE(TypeInto("txbFile(0)", Write("droid.txt", "c3po talks to c3po\n")));
  ASSERT_NO_FATAL_FAILURE(Count());
  EXPECT_THAT(Output().toStdString(), ::testing::Not(HasSubstr("c3po")));
  QTest::mouseClick(Main<QPushButton>("cmdSetParameters"), Qt::LeftButton);
  QWidget* params = desktop_.FindWindow("frmParams")->Widget();
  ASSERT_TRUE(WaitFor([params] { return params->isVisible(); }));
  auto* numerals = Params<QCheckBox>("chkAllowWordsWithNumerals");
  ASSERT_NE(numerals, nullptr);
  ASSERT_EQ(numerals->checkState(), Qt::Unchecked);

  // No: the box goes back, the words counted stay.
  BoxAnswer no;
  AnswerNextBox(no, QMessageBox::No);
  ClickBox(numerals);
  ASSERT_TRUE(WaitFor([&] { return no.answered; }));
  EXPECT_EQ(no.title, "ZET");
  EXPECT_EQ(no.text, "Changing this entails reading the file anew.  Is this OK?");
  EXPECT_EQ(numerals->checkState(), Qt::Unchecked);

  // Yes: the box stays ticked and the next count reads the file anew.
  BoxAnswer yes;
  AnswerNextBox(yes, QMessageBox::Yes);
  ClickBox(numerals);
  ASSERT_TRUE(WaitFor([&] { return yes.answered; }));
  EXPECT_EQ(numerals->checkState(), Qt::Checked);
  ASSERT_NO_FATAL_FAILURE(Count());
  EXPECT_THAT(Output().toStdString(), HasSubstr("      1       2  c3po\n"));
}

TEST_F(UserStoriesTest, ParametersSavedToAFileComeBackWhenLoaded) {
  QTest::mouseClick(Main<QPushButton>("cmdSetParameters"), Qt::LeftButton);
  QWidget* params = desktop_.FindWindow("frmParams")->Widget();
  ASSERT_TRUE(WaitFor([params] { return params->isVisible(); }));
  auto* caseBox = Params<QCheckBox>("chkCaseSignificant");
  ASSERT_NE(caseBox, nullptr);
  ClickBox(caseBox);  // nothing counted yet: no question
  ASSERT_EQ(caseBox->checkState(), Qt::Checked);

  const QString file = files_.filePath("mine.zet");
  QString title;
  ChooseInNextFileDialog(file, title);
  QTest::mouseClick(Params<QPushButton>("cmdSaveLoadParameters(0)"), Qt::LeftButton);
  EXPECT_EQ(title, "Specify file to save parameters to");
  EXPECT_EQ(Params<QLabel>("lblParameters")->text(), "Parameters saved to");
  EXPECT_EQ(Params<QLineEdit>("txbParametersFile")->text(), file);
  ASSERT_TRUE(QFile::exists(file));

  ClickBox(caseBox);
  ASSERT_EQ(caseBox->checkState(), Qt::Unchecked);
  ChooseInNextFileDialog(file, title);
  QTest::mouseClick(Params<QPushButton>("cmdSaveLoadParameters(1)"), Qt::LeftButton);
  EXPECT_EQ(title, "Specify file to load parameters from.");
  EXPECT_EQ(Params<QLabel>("lblParameters")->text(), "Parameters loaded from");
  EXPECT_EQ(Params<QLineEdit>("txbParametersFile")->text(), file);
  EXPECT_EQ(caseBox->checkState(), Qt::Checked);
}

}  // namespace
}  // namespace zet
