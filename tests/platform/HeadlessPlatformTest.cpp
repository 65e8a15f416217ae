#include "platform/headless/HeadlessPlatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zet {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(HeadlessPlatformTest, LeftoversNameUnusedScriptParts) {
  HeadlessPlatform hp;
  EXPECT_THAT(hp.Leftovers(), IsEmpty());
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  hp.fileDialogs.AnswerCancel();
  hp.eventPump.At(3, [] {});
  EXPECT_THAT(hp.Leftovers(),
              ElementsAre("1 scripted message box answer(s) never used",
                          "1 scripted file dialog answer(s) never used",
                          "action scheduled at pump 3 never ran (pumps so far: 0)"));
}

}  // namespace
}  // namespace zet
