#pragma once

#include "tools/radiosim/radio_simulator.h"

// Starts the simulated radio answering at once (no line pacing, no reaction delay), which
// keeps timing tests far from the 25 ms quiet gap and the suite quick.
inline void StartFastRadio(RadioSimulator& radio) {
  radio.SetPacing(false);
  radio.SetReactionDelayMs(0);
  radio.Start();
}
