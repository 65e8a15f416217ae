#include "platform/headless/HeadlessFileDialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/platform/TempPath.h"

namespace zet {
namespace {

using ::testing::HasSubstr;

class HeadlessFileDialogsTest : public ::testing::Test {
 protected:
  HeadlessFileDialogsTest() {
    failures.SetHook([this](const std::string& p) { problems.push_back(p); });
    std::ofstream(existing) << "text";
  }
  ~HeadlessFileDialogsTest() override { std::filesystem::remove(existing); }

  static FileDialogRequest InputFileRequest() {
    return {"Specify input file",
            "Any file containing only text (*.*) | *.*",
            {.fileMustExist = true, .pathMustExist = true},
            "",
            ""};
  }

  const std::string existing = test::UniqueTempPath("zet_dialog_input.txt");
  ScriptFailures failures;
  HeadlessFileDialogs dialogs{failures};
  FileDialogs& api = dialogs;
  std::vector<std::string> problems;
};

TEST_F(HeadlessFileDialogsTest, AnswersInOrderAndRecordsTheRequests) {
  dialogs.Answer(existing);
  dialogs.AnswerCancel();
  EXPECT_EQ(api.ShowOpen(InputFileRequest()), existing);
  EXPECT_EQ(api.ShowSave({"Save parameters", "", {.overwritePrompt = true}, "a.zet", ""}), "");
  ASSERT_EQ(dialogs.Shown().size(), 2U);
  EXPECT_EQ(dialogs.Shown()[0].kind, FileDialogKind::kOpen);
  EXPECT_EQ(dialogs.Shown()[0].request.title, "Specify input file");
  EXPECT_TRUE(dialogs.Shown()[0].request.flags.fileMustExist);
  EXPECT_EQ(dialogs.Shown()[1].kind, FileDialogKind::kSave);
  EXPECT_EQ(dialogs.Shown()[1].request.fileName, "a.zet");
  EXPECT_TRUE(problems.empty());
}

TEST_F(HeadlessFileDialogsTest, AnswerTheDialogWouldRefuseIsReportedAndCancels) {
  dialogs.Answer(::testing::TempDir() + "no_such_file.txt");
  dialogs.Answer("/no/such/folder/out.txt");
  EXPECT_EQ(api.ShowOpen(InputFileRequest()), "");
  EXPECT_EQ(api.ShowOpen({"Specify output file", "", {.pathMustExist = true}, "", ""}), "");
  ASSERT_EQ(problems.size(), 2U);
  EXPECT_THAT(problems[0], HasSubstr("not an existing file"));
  EXPECT_THAT(problems[1], HasSubstr("not in an existing folder"));
}

TEST_F(HeadlessFileDialogsTest, UnscriptedDialogIsReportedAndCancelled) {
  EXPECT_EQ(api.ShowOpen(InputFileRequest()), "");
  ASSERT_EQ(problems.size(), 1U);
  EXPECT_THAT(problems[0], HasSubstr("no scripted answer: title \"Specify input file\""));
  EXPECT_FALSE(dialogs.Shown().back().scripted);
}

}  // namespace
}  // namespace zet
