#pragma once
// Letting pending window events run from inside a long loop.

namespace zet {

/// The program has one thread. A long loop (reading a file, scanning its
/// words, listing them) keeps the windows responsive by calling Pump() once
/// per unit of work; the only thing a user event should do meanwhile is set
/// the logic's stop flag (the flag itself lives in the window logic, which
/// tests it after each Pump()).
///
/// Events run inside these calls, so after either returns the logic must
/// re-read any state a handler may have changed.
class EventPump {
 public:
  virtual ~EventPump() = default;

  /// Lets pending window events run, but only when enough time has passed
  /// since they last did (a few tens of milliseconds), so that calling it
  /// after every word costs next to nothing. Implementations keep the
  /// common call to a counter increment (see PumpThrottle).
  virtual void Pump() = 0;
  /// Lets pending events run now and draws every pending change (the logic
  /// is about to be busy and wants the window up to date).
  virtual void ForcePump() = 0;
  /// Lets pending events run now, for a caller that is throttled by its own
  /// clock and calls seldom (a thread waiting for a count on other threads,
  /// every few tens of milliseconds): Pump() would read the clock only on
  /// one call in many and let events wait seconds.
  virtual void PumpNow() = 0;
};

}  // namespace zet
