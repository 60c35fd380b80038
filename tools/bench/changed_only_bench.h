#pragma once

#include <vector>

// Changed-only safe writes called as the transfer function, against the simulated radio on
// a pseudo-terminal at real line pacing: one figure per run and case.
struct ChangedOnlyFigures {
  // The floor of the plain write, the handshake and every block without backup or check:
  // what the three cases are measured against.
  double plainWriteFloorMs = 0;
  std::vector<double> heldRatios;        // the radio already holds the plan
  std::vector<double> oneChannelRatios;  // one channel's TX tone changed
  std::vector<double> everyBlockMs;      // every block changed
  std::vector<double> everyBlockRatios;  // against that dialogue's own floor
  // Runs that did not end "Done!" and were made again; see the transfers' figures.
  int repeated = 0;
};

// Throws std::runtime_error when a case keeps failing, since its figures would mean nothing.
ChangedOnlyFigures BenchChangedOnly(int runs, int reactionDelayMs);
