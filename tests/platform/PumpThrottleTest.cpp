#include "platform/PumpThrottle.h"

#include <gtest/gtest.h>

namespace zet {
namespace {

using namespace std::chrono_literals;

struct FakeClock {
  PumpThrottle::Clock::time_point now{};
  int reads = 0;
  PumpThrottle::Now Function() {
    return [this] {
      ++reads;
      return now;
    };
  }
};

TEST(PumpThrottleTest, DueOnlyAfterTheIntervalAndThenRestarts) {
  FakeClock clock;
  PumpThrottle throttle(30ms, 1, clock.Function());
  EXPECT_FALSE(throttle.Due());
  clock.now += 29ms;
  EXPECT_FALSE(throttle.Due());
  clock.now += 1ms;
  EXPECT_TRUE(throttle.Due());
  EXPECT_FALSE(throttle.Due());  // the next interval started at 30 ms
  clock.now += 30ms;
  EXPECT_TRUE(throttle.Due());
}

TEST(PumpThrottleTest, ReadsTheClockOnlyEveryNthCall) {
  FakeClock clock;
  PumpThrottle throttle(30ms, 64, clock.Function());
  clock.now += 1s;
  int due = 0;
  for (int i = 0; i < 640; ++i) due += throttle.Due() ? 1 : 0;
  EXPECT_EQ(clock.reads, 1 + 10);  // construction, then every 64th call
  EXPECT_EQ(due, 1);               // time stood still after the first
}

TEST(PumpThrottleTest, RestartPostponesTheNextPump) {
  FakeClock clock;
  PumpThrottle throttle(30ms, 1, clock.Function());
  clock.now += 40ms;
  throttle.Restart();  // a forced pump just ran
  EXPECT_FALSE(throttle.Due());
  clock.now += 30ms;
  EXPECT_TRUE(throttle.Due());
}

TEST(PumpThrottleTest, ZeroCallsPerReadMeansEveryCall) {
  FakeClock clock;
  PumpThrottle throttle(0ms, 0, clock.Function());
  EXPECT_TRUE(throttle.Due());
  EXPECT_TRUE(throttle.Due());
}

}  // namespace
}  // namespace zet
