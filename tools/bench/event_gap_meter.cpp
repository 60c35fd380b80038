#include "tools/bench/event_gap_meter.h"

EventGapMeter::EventGapMeter() {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(1);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Mark(); });
}

void EventGapMeter::Start() {
  longestMs_ = 0;
  last_ = SteadyClock::now();
  timer_.start();
}

double EventGapMeter::Stop() {
  Mark();
  timer_.stop();
  return longestMs_;
}

void EventGapMeter::Mark() {
  const auto now = SteadyClock::now();
  longestMs_ = std::max(longestMs_, std::chrono::duration<double, std::milli>(now - last_).count());
  last_ = now;
}
