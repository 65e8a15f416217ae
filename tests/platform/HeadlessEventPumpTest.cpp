#include "platform/headless/HeadlessEventPump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Button.h"
#include "platform/Form.h"

namespace zet {
namespace {

// What a count does: pump after every word, stop when the flag is set.
TEST(HeadlessEventPumpTest, TestClicksStopInsideTheNthPump) {
  HeadlessEventPump pump;
  Form form{"frmMain"};
  form.Show();
  Button cmdListWords{form, "cmdListWords", "Stop"};
  bool stopRequested = false;
  cmdListWords.onClick = [&] { stopRequested = true; };
  pump.At(100, [&] { cmdListWords.UserClick(); });

  int words = 0;
  while (words < 1'000'000 && !stopRequested) {
    ++words;
    pump.Pump();
  }
  EXPECT_EQ(words, 100);
  EXPECT_TRUE(pump.NotRun().empty());
}

TEST(HeadlessEventPumpTest, ForcePumpRunsNothingScheduledAndCountsApart) {
  HeadlessEventPump pump;
  std::vector<std::string> log;
  pump.At(1, [&] { log.push_back("first"); });
  pump.At(1, [&] { log.push_back("second"); });
  pump.onEveryPump = [&] { log.push_back("every"); };
  pump.ForcePump();
  EXPECT_TRUE(log.empty());
  pump.Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "every"}));
  EXPECT_EQ(pump.PumpCount(), 1U);
  EXPECT_EQ(pump.ForcePumpCount(), 1U);
}

TEST(HeadlessEventPumpTest, ActionMayPumpAgainOrScheduleMore) {
  HeadlessEventPump pump;
  int ran = 0;
  pump.At(1, [&] {
    pump.At(2, [&] { ++ran; });
    pump.Pump();  // a handler with its own loop
  });
  pump.Pump();
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(pump.PumpCount(), 2U);
}

TEST(HeadlessEventPumpTest, ActionNeverReachedIsNamed) {
  HeadlessEventPump pump;
  pump.At(5, [] {});
  pump.Pump();
  ASSERT_EQ(pump.NotRun().size(), 1U);
  EXPECT_EQ(pump.NotRun()[0], "action scheduled at pump 5 never ran (pumps so far: 1)");
}

}  // namespace
}  // namespace zet
