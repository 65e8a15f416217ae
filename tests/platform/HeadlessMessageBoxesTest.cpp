#include "platform/headless/HeadlessMessageBoxes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/Printers.h"

namespace zet {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class HeadlessMessageBoxesTest : public ::testing::Test {
 protected:
  HeadlessMessageBoxesTest() {
    failures.SetHook([this](const std::string& p) { problems.push_back(p); });
  }

  ScriptFailures failures;
  HeadlessMessageBoxes boxes{failures};
  MessageBoxes& api = boxes;
  std::vector<std::string> problems;
};

TEST_F(HeadlessMessageBoxesTest, AnswersInOrderAndRecordsTheExactWords) {
  boxes.Answer(MessageAnswer::kNo);
  boxes.AnswerOk();
  EXPECT_EQ(api.Show("Output file exists.  OK to overwrite?", "Output file exists",
                     MessageIcon::kNone, MessageButtons::kYesNo),
            MessageAnswer::kNo);
  EXPECT_EQ(api.Show("Input file not specified.", "Error", MessageIcon::kExclamation,
                     MessageButtons::kOk),
            MessageAnswer::kOk);
  EXPECT_THAT(
      boxes.Shown(),
      ElementsAre(
          ShownMessage{"Output file exists.  OK to overwrite?", "Output file exists",
                       MessageIcon::kNone, MessageButtons::kYesNo, MessageAnswer::kNo, true},
          ShownMessage{"Input file not specified.", "Error", MessageIcon::kExclamation,
                       MessageButtons::kOk, MessageAnswer::kOk, true}));
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(boxes.PendingAnswers(), 0U);
}

TEST_F(HeadlessMessageBoxesTest, UnscriptedBoxIsReportedAndGetsTheEscapeAnswer) {
  EXPECT_EQ(
      api.Show("Large?", "Large input file", MessageIcon::kNone, MessageButtons::kYesNoCancel),
      MessageAnswer::kCancel);
  ASSERT_EQ(problems.size(), 1U);
  EXPECT_THAT(problems[0], HasSubstr("no scripted answer"));
  EXPECT_THAT(problems[0], HasSubstr("\"Large input file\""));
  EXPECT_FALSE(boxes.Shown().back().scripted);
}

TEST_F(HeadlessMessageBoxesTest, AnswerThatIsNotAButtonIsReportedAndKept) {
  boxes.Answer(MessageAnswer::kYes);
  EXPECT_EQ(api.Show("Warning text", "Warning", MessageIcon::kExclamation, MessageButtons::kOk),
            MessageAnswer::kOk);
  ASSERT_EQ(problems.size(), 1U);
  EXPECT_THAT(problems[0], HasSubstr("Yes is not a button"));
  EXPECT_EQ(boxes.PendingAnswers(), 1U);  // still there for the box it was meant for
}

TEST_F(HeadlessMessageBoxesTest, OnShowSeesTheBoxWhileItIsOpen) {
  std::string seen;
  boxes.onShow = [&](const ShownMessage& m) { seen = m.title; };
  boxes.AnswerOk();
  api.Show("t", "Clipboard empty", MessageIcon::kNone, MessageButtons::kOk);
  EXPECT_EQ(seen, "Clipboard empty");
}

TEST(ScriptFailuresDeathTest, DefaultHookAbortsLoudly) {
  EXPECT_DEATH(
      {
        ScriptFailures failures;
        HeadlessMessageBoxes boxes{failures};
        boxes.Show("Forgotten", "Error", MessageIcon::kExclamation, MessageButtons::kOk);
      },
      "no scripted answer.*Forgotten");
}

TEST(MessageBoxesTest, EscapeAnswerIsAlwaysAButtonOfTheBox) {
  for (auto buttons : {MessageButtons::kOk, MessageButtons::kOkCancel, MessageButtons::kYesNo,
                       MessageButtons::kYesNoCancel}) {
    EXPECT_TRUE(IsAnswerOf(EscapeAnswer(buttons), buttons)) << buttons;
  }
  EXPECT_FALSE(IsAnswerOf(MessageAnswer::kOk, MessageButtons::kYesNoCancel));
  EXPECT_FALSE(IsAnswerOf(MessageAnswer::kCancel, MessageButtons::kYesNo));
}

}  // namespace
}  // namespace zet
