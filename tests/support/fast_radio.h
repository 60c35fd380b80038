#pragma once

#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"

// Starts the simulated radio on its pseudo-terminal answering at once (no line pacing, no
// reaction delay), which keeps real-time tests far from the 25 ms quiet gap and quick.
inline void StartFastRadio(RadioSimulator& radio, PseudoTerminalLine& line) {
  radio.SetPacing(false);
  radio.SetReactionDelayMs(0);
  line.Start();
}
