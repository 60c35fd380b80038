#pragma once

#include <chrono>

// Waits run on the monotonic clock so a change of the wall clock never stretches or cuts
// a time-out.
using SteadyClock = std::chrono::steady_clock;

// The clock a link's waits and the dialogue's deadlines read: the steady clock for a real
// port, a simulated one where a test supplies the line. Both speak in steady-clock time
// points, so a deadline means the same to the link and to its system calls.
class LinkClock {
 public:
  virtual ~LinkClock() = default;
  virtual SteadyClock::time_point Now() const = 0;
};

// The machine's own steady clock.
const LinkClock& SteadyLinkClock();
