#pragma once

#include <vector>

struct StartupSample {
  double toFirstPaintMs = 0;  // from just before the process is started
  double peakMemoryMb = 0;    // resident, at its highest up to that paint
};

// The command-line switch that makes vexalon-bench such a fresh process.
inline constexpr const char* kStartupProbeSwitch = "--startup";

// Starts up as the program does, shows the main window, and once it is painted prints the
// monotonic clock and the peak memory on one line and returns.
int RunStartupProbe(int argc, char* argv[]);

// Runs the probe in a fresh process each time, so that neither the figures nor the memory
// of the other measurements pollute each other. Throws std::runtime_error when a probe
// fails.
std::vector<StartupSample> BenchStartup(int runs);
