#include "tools/radiosim/virtual_clock.h"

#include <algorithm>

void VirtualClock::At(SteadyClock::time_point at, std::function<void()> action) {
  actions_.emplace(at, std::move(action));
}

std::optional<SteadyClock::time_point> VirtualClock::NextAction() const {
  if (actions_.empty()) {
    return std::nullopt;
  }
  return actions_.begin()->first;
}

void VirtualClock::AdvanceTo(SteadyClock::time_point to) {
  // An action may set another, also for a moment before `to`.
  while (!actions_.empty() && actions_.begin()->first <= to) {
    auto due = actions_.extract(actions_.begin());
    now_ = std::max(now_, due.key());
    due.mapped()();
  }
  now_ = std::max(now_, to);
}
