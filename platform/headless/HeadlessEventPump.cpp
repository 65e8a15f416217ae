#include "platform/headless/HeadlessEventPump.h"

#include <utility>

namespace zet {

void HeadlessEventPump::Pump() {
  ++pumps_;
  // Taken out before running: an action may schedule more, or pump again.
  for (auto it = scheduled_.find(pumps_); it != scheduled_.end() && it->first == pumps_;
       it = scheduled_.find(pumps_)) {
    auto action = std::move(it->second);
    scheduled_.erase(it);
    if (action) action();
  }
  if (auto every = onEveryPump) every();
}

void HeadlessEventPump::At(std::uint64_t n, std::function<void()> action) {
  scheduled_.emplace(n, std::move(action));
}

std::vector<std::string> HeadlessEventPump::NotRun() const {
  std::vector<std::string> notes;
  for (const auto& entry : scheduled_) {
    notes.push_back("action scheduled at pump " + std::to_string(entry.first) +
                    " never ran (pumps so far: " + std::to_string(pumps_) + ")");
  }
  return notes;
}

}  // namespace zet
