// File dialogs: filters, flags and titles as asked, and the path chosen.
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/qt/QtFileDialogs.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

struct FilterRow {
  const char* filter;
  QStringList nameFilters;
};

void PrintTo(const FilterRow& row, std::ostream* os) { *os << '"' << row.filter << '"'; }

class NameFilterTest : public ::testing::TestWithParam<FilterRow> {};

INSTANTIATE_TEST_SUITE_P(Filters, NameFilterTest,
                         ::testing::Values(
                             // Every file here, including names without a period.
                             FilterRow{"Any file containing only text (*.*) | *.*",
                                       {"Any file containing only text (*)"}},
                             FilterRow{"Parameter files (*.zet) | *.zet",
                                       {"Parameter files (*.zet)"}},
                             FilterRow{"Texts|*.txt;*.htm|All files (*.*)|*.*",
                                       {"Texts (*.txt *.htm)", "All files (*)"}},
                             FilterRow{"", {}}, FilterRow{"Words", {"Words (*)"}}));

TEST_P(NameFilterTest, BecomesQtNameFilters) {
  EXPECT_EQ(ToNameFilters(GetParam().filter), GetParam().nameFilters);
}

TEST(FileDialogSetUpTest, InputFileDialog) {
  QFileDialog dialog;
  FileDialogRequest request{"Specify input file",
                            "Any file containing only text (*.*) | *.*",
                            {true, true, false, false},
                            "",
                            "/tmp"};
  SetUpFileDialog(dialog, FileDialogMode::kOpen, request, false);
  EXPECT_EQ(dialog.windowTitle(), "Specify input file");
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(dialog.nameFilters(), QStringList{"Any file containing only text (*)"});
  EXPECT_EQ(dialog.directory().path(), "/tmp");
}

TEST(FileDialogSetUpTest, SaveParametersDialogAsksBeforeOverwriting) {
  QFileDialog dialog;
  FileDialogRequest request{"Specify file to save parameters to",
                            "Parameter files (*.zet) | *.zet",
                            {false, true, true, true},
                            "",
                            ""};
  SetUpFileDialog(dialog, FileDialogMode::kSave, request, false);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  // Without the flag no question is asked.
  request.flags.overwritePrompt = false;
  SetUpFileDialog(dialog, FileDialogMode::kSave, request, false);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

class FileDialogTest : public test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    existing = dir.filePath("words.txt").toStdString();
    std::ofstream(existing) << "text\n";
  }

  QTemporaryDir dir;
  std::string existing;
};

TEST_F(FileDialogTest, RefusesWhatItsFlagsForbid) {
  const FileDialogRequest mustExist{"t", "", {true, true, false, false}, "", ""};
  EXPECT_EQ(FileDialogRefusal(mustExist, existing), "");
  EXPECT_NE(FileDialogRefusal(mustExist, existing + ".gone"), "");
  const FileDialogRequest pathMustExist{"t", "", {false, true, false, false}, "", ""};
  EXPECT_EQ(FileDialogRefusal(pathMustExist, existing + ".new"), "");
  EXPECT_NE(FileDialogRefusal(pathMustExist, dir.path().toStdString() + "/gone/x.zet"), "");
  const FileDialogRequest free{"t", "", {}, "", ""};
  EXPECT_EQ(FileDialogRefusal(free, dir.path().toStdString() + "/gone/x.zet"), "");
}

TEST_F(FileDialogTest, ReturnsTheFileChosen) {
  QString title;
  test::WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    dialog->selectFile(QString::fromStdString(existing));
    static_cast<QDialog*>(dialog)->accept();  // runs the file dialog's own checks
  });
  QtFileDialogs dialogs(false);
  const FileDialogRequest request{"Specify input file",
                                  "Any file containing only text (*.*) | *.*",
                                  {true, true, false, false},
                                  "",
                                  dir.path().toStdString()};
  EXPECT_EQ(dialogs.ShowOpen(request), existing);
  EXPECT_EQ(title, "Specify input file");
}

TEST_F(FileDialogTest, CancelReturnsNothing) {
  test::WhenModalOpens([](QWidget* modal) { qobject_cast<QFileDialog*>(modal)->reject(); });
  QtFileDialogs dialogs(false);
  EXPECT_EQ(dialogs.ShowSave({"Specify file to save parameters to", "", {}, "", ""}), "");
}

}  // namespace
}  // namespace zet
