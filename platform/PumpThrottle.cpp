#include "platform/PumpThrottle.h"

#include <utility>

namespace zet {

PumpThrottle::PumpThrottle(std::chrono::milliseconds interval, unsigned callsPerClockRead, Now now)
    : interval_(interval),
      callsPerClockRead_(callsPerClockRead == 0 ? 1 : callsPerClockRead),
      now_(std::move(now)),
      last_(now_()) {}

void PumpThrottle::Restart() {
  calls_ = 0;
  last_ = now_();
}

bool PumpThrottle::DueByClock() {
  const Clock::time_point t = now_();
  if (t - last_ < interval_) return false;
  last_ = t;
  return true;
}

}  // namespace zet
