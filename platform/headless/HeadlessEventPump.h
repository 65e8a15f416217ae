#pragma once
// An event pump that runs what the test scheduled.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/EventPump.h"

namespace zet {

/// There is no window system behind it, so no throttling either: every
/// Pump() counts, and "user events" are the actions a test schedules, run
/// inside the Pump() call they are due at, exactly as a click arrives in a
/// real pump. So a test can click Stop at the n-th word of a count:
///
///     pump.At(100, [&] { frm.cmdListWords.UserClick(); });
///
/// ForcePump() is counted but runs nothing scheduled (it stands for a
/// repaint), so that the count of Pump() calls follows the work alone.
class HeadlessEventPump final : public EventPump {
 public:
  void Pump() override;
  void ForcePump() override { ++forcePumps_; }
  /// A real round of events, counted and run as Pump()'s.
  void PumpNow() override { Pump(); }

  /// Runs `action` inside the `n`-th Pump() call (1-based, counted from the
  /// start or the last ResetCounts). Several actions may share a number;
  /// they run in the order they were scheduled.
  void At(std::uint64_t n, std::function<void()> action);
  /// Runs `action` inside every Pump() call, after the scheduled ones.
  std::function<void()> onEveryPump;

  [[nodiscard]] std::uint64_t PumpCount() const noexcept { return pumps_; }
  [[nodiscard]] std::uint64_t ForcePumpCount() const noexcept { return forcePumps_; }
  /// Restarts both counts (scheduled actions keep their numbers).
  void ResetCounts() noexcept { pumps_ = forcePumps_ = 0; }

  /// Describes each scheduled action that has not run yet (a test that
  /// meant to stop a count at a word the count never reached).
  [[nodiscard]] std::vector<std::string> NotRun() const;

 private:
  std::uint64_t pumps_ = 0;
  std::uint64_t forcePumps_ = 0;
  std::multimap<std::uint64_t, std::function<void()>> scheduled_;
};

}  // namespace zet
