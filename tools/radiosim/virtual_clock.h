#pragma once

#include <functional>
#include <map>
#include <optional>

#include "radio/link_clock.h"

// Simulated time, as a paused clock in tests: it stands still while the program works and
// moves on only when told to, which a simulated line does while the link waits. Actions can
// be set for a moment in simulated time, as a user who acts a while after something began.
// Not thread-safe: one link's thread moves it.
class VirtualClock : public LinkClock {
 public:
  SteadyClock::time_point Now() const override { return now_; }

  // Runs the action when time reaches `at`; one set for a moment already past runs at the
  // next move. Actions set for the same moment run in the order they were set.
  void At(SteadyClock::time_point at, std::function<void()> action);
  void After(SteadyClock::duration delay, std::function<void()> action) {
    At(now_ + delay, std::move(action));
  }
  // The moment of the next action still to run.
  std::optional<SteadyClock::time_point> NextAction() const;
  // Moves on to `to`, never back, running each action due by then at its own moment.
  void AdvanceTo(SteadyClock::time_point to);
  void Advance(SteadyClock::duration by) { AdvanceTo(now_ + by); }

 private:
  SteadyClock::time_point now_{};
  std::multimap<SteadyClock::time_point, std::function<void()>> actions_;
};
