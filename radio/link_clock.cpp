#include "radio/link_clock.h"

namespace {

class SteadyTime final : public LinkClock {
 public:
  SteadyClock::time_point Now() const override { return SteadyClock::now(); }
};

}  // namespace

const LinkClock& SteadyLinkClock() {
  static const SteadyTime clock;
  return clock;
}
