#pragma once

#include <time.h>
#include <algorithm>
#include <chrono>
#include <climits>

#include "radio/link_clock.h"

inline SteadyClock::time_point DeadlineAfterMs(const LinkClock& clock, int ms) {
  return clock.Now() + std::chrono::milliseconds(ms);
}

// Whole milliseconds from now until the deadline, 0 once it has passed. Rounded up: a wait
// for the rounded-down value would end just before the deadline and be retried at 0 ms,
// spinning until it passes.
inline int MillisecondsUntil(SteadyClock::time_point now, SteadyClock::time_point deadline) {
  const auto left = deadline - now;
  if (left <= SteadyClock::duration::zero()) {
    return 0;
  }
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  return static_cast<int>(std::min<decltype(ms)>(ms, INT_MAX));
}

// The time from now until the deadline to the nanosecond, zero once it has passed, for
// waits that would otherwise round to whole milliseconds.
inline timespec TimespecUntil(SteadyClock::time_point now, SteadyClock::time_point deadline) {
  const auto left = std::max(deadline - now, SteadyClock::duration::zero());
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
  return {static_cast<time_t>(seconds.count()),
          static_cast<long>(std::chrono::nanoseconds(left - seconds).count())};
}
