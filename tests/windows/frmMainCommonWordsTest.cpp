// Reading the common-words file from the parameters window, when what is
// named cannot be read: a folder, a named pipe, a file without permission.

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "tests/support/RunAsUnprivileged.h"
#include "tests/windows/MainWindowFixture.h"
#include "windows/MainTexts.h"

namespace zet::test {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

const std::string kLoadError = "Error when attempting to load common words from ";

struct UnreadableRow {
  const char* name;
  std::function<std::string(TempDir&)> make;  // makes the thing, returns its path
  bool unprivileged;                          // permissions must bind
  std::function<std::vector<ShownMessage>(const std::string&)> boxes;
  friend void PrintTo(const UnreadableRow& row, std::ostream* os) { *os << row.name; }
};

class CommonWordsTest : public MainWindowTest, public ::testing::WithParamInterface<UnreadableRow> {
 protected:
  void SetUp() override {
    Start();
    previous = Write("common.txt", "alpha\n");
    ASSERT_TRUE(frm->cmdSetParameters.UserClick());
    hp.fileDialogs.Answer(previous);
    hp.messageBoxes.AnswerOk();
    ASSERT_TRUE(frm->paramsWindow.cmdSelectCommonWordsFile.UserClick());
    ASSERT_TRUE(frm->blnCommonWordsLoaded);
    hp.messageBoxes.ClearShown();
  }

  // Types `path` as the common-words file and presses Enter; the boxes shown.
  std::string Name(const std::string& path) {
    hp.messageBoxes.AnswerOk(2);
    TextBox& box = frm->paramsWindow.txbCommonWordsFile;
    box.UserFocus();
    box.UserEdit(path);
    box.UserKeyPress(key::kEnter);
    std::string shown;
    for (const ShownMessage& m : hp.messageBoxes.Shown()) shown += m.title + ": " + m.text + "\n";
    return shown;
  }

  std::string previous;
};

TEST_P(CommonWordsTest, IsReportedAndThePreviousWordsStayInForce) {
  const UnreadableRow& row = GetParam();
  const std::string path = row.make(temp);
  std::string expected;
  for (const ShownMessage& m : row.boxes(path)) expected += m.title + ": " + m.text + "\n";
  if (row.unprivileged) {
    LetEveryoneIn(temp.Path());
    EXPECT_EQ(RunAsUnprivileged([&] {
                return Name(path) + "in force: " + std::to_string(frm->CommonWords()->size());
              }),
              expected + "in force: 1");
    hp.messageBoxes.ClearShown();
    return;
  }
  EXPECT_EQ(Name(path), expected);
  EXPECT_FALSE(frm->blnCommonWordsLoaded);
  ASSERT_NE(frm->CommonWords(), nullptr);
  EXPECT_THAT(*frm->CommonWords(), UnorderedElementsAre("alpha"));
  // The count goes on with the words that were in force.
  frm->txbFile0.SetText(Write("in.txt", "alpha beta\n"));
  ASSERT_TRUE(frm->cmdListWords.UserClick());
  EXPECT_EQ(frm->Words().size(), 2U);
  EXPECT_EQ(frm->lblNumWordsExcluded.Caption(), "Number of words excluded: 1");
  EXPECT_EQ(frm->cmdListWords.Caption(), "Count word frequencies");
  EXPECT_TRUE(frm->paramsWindow.form.Enabled());
}

std::vector<ShownMessage> NotFound(const std::string& path) {
  return {Box("File for common words not found.", "File not found"),
          Box(kLoadError + path, "Common words")};
}

std::string AFolder(TempDir& dir) { return dir.File("program"); }

std::string ANamedPipe(TempDir& dir) {
  const std::string path = dir.File("pipe.txt");
  ::mkfifo(path.c_str(), 0600);
  return path;
}

std::string AFileWithoutPermission(TempDir& dir) {
  const std::string path = dir.Write("locked.txt", "beta\n");
  ::chmod(path.c_str(), 0);
  return path;
}

std::vector<ShownMessage> NoPermission(const std::string& path) {
  return {Box("Error 70: Permission denied", "Common words", MessageIcon::kNone),
          Box(kLoadError + path, "Common words")};
}

INSTANTIATE_TEST_SUITE_P(Rows, CommonWordsTest,
                         ::testing::Values(UnreadableRow{"folder", AFolder, false, NotFound},
                                           UnreadableRow{"named_pipe", ANamedPipe, false, NotFound},
                                           UnreadableRow{"no_permission", AFileWithoutPermission,
                                                         true, NoPermission}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet::test
