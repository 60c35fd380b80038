#pragma once

#include <string>
#include <vector>

// The wall time of vexalon-cli writing so many simulated radios at once, each on a port of
// its own at real line pacing, one figure per run, from the program's start to its end.
struct FleetFigures {
  int radios = 0;
  std::vector<double> wallMs;
  // Runs made again: a reply that reached the program later than the quiet gap allows,
  // on a shared machine, rightly fails that radio's write.
  int repeated = 0;
};

// Runs the program `runs` times for each fleet size. Throws std::runtime_error when a run
// keeps failing, since its figures would then mean nothing.
std::vector<FleetFigures> BenchFleet(const std::string& command, const std::vector<int>& sizes,
                                     int runs, int reactionDelayMs);
