#pragma once
// Letting Qt's pending events run from inside the logic's long loops.

#include <utility>

#include "platform/EventPump.h"
#include "platform/PumpThrottle.h"

namespace zet {

/// Pump() processes Qt's pending events when the throttle says it is time
/// (every few tens of milliseconds), so that a count keeps the windows
/// responsive and its Stop button clickable at next to no cost per word;
/// ForcePump() and PumpNow() process them, repaints included, every time.
class QtEventPump final : public EventPump {
 public:
  explicit QtEventPump(PumpThrottle throttle = PumpThrottle()) : throttle_(std::move(throttle)) {}

  void Pump() override;
  void ForcePump() override;
  void PumpNow() override { ForcePump(); }

  /// How many times events were really processed (for tests).
  [[nodiscard]] unsigned long long ProcessedCount() const noexcept { return processed_; }

 private:
  void Process();

  PumpThrottle throttle_;
  unsigned long long processed_ = 0;
};

}  // namespace zet
