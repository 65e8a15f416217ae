#pragma once
// Deciding cheaply whether it is time to let window events run.

#include <chrono>
#include <functional>

namespace zet {

/// Tells an EventPump when a Pump() should really process events: when at
/// least `interval` has passed since the last time. To keep the common call
/// cheap, the clock is read only on every `callsPerClockRead`-th call, so
/// the real spacing is between `interval` and `interval` plus that many
/// calls' work.
class PumpThrottle {
 public:
  using Clock = std::chrono::steady_clock;
  /// Returns the current time; injectable for tests.
  using Now = std::function<Clock::time_point()>;

  static constexpr std::chrono::milliseconds kDefaultInterval{30};
  static constexpr unsigned kDefaultCallsPerClockRead = 64;

  /// The interval starts now. `callsPerClockRead` 0 is taken as 1.
  explicit PumpThrottle(std::chrono::milliseconds interval = kDefaultInterval,
                        unsigned callsPerClockRead = kDefaultCallsPerClockRead,
                        Now now = &Clock::now);

  /// Counts one call; true when events should be processed now, in which
  /// case the next interval starts.
  [[nodiscard]] bool Due() {
    if (++calls_ < callsPerClockRead_) return false;
    calls_ = 0;
    return DueByClock();
  }

  /// Events were just processed by other means (a forced pump): the next
  /// interval starts now.
  void Restart();

 private:
  bool DueByClock();

  std::chrono::milliseconds interval_;
  unsigned callsPerClockRead_;
  unsigned calls_ = 0;
  Now now_;
  Clock::time_point last_;
};

}  // namespace zet
