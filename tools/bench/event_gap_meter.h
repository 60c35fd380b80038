#pragma once

#include <QTimer>

#include "radio/deadline.h"

// The longest time the event loop went without handling an event. A precise 1 ms timer
// keeps an event due at all times, so each gap between two of its deliveries is how long
// a click or a repaint would have waited, give or take a millisecond.
class EventGapMeter {
 public:
  EventGapMeter();

  void Start();
  // The longest gap since Start(), up to this call, in milliseconds.
  double Stop();

 private:
  void Mark();

  QTimer timer_;
  SteadyClock::time_point last_;
  double longestMs_ = 0;
};
