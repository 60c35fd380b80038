#pragma once

#include <cstddef>
#include <vector>

// One figure per run of a transfer, clicked in the real window against the simulated radio
// at real line pacing.
struct TransferFigures {
  std::size_t exchanges = 0;
  std::vector<double> wallMs;   // the whole click handler
  std::vector<double> floorMs;  // what the line allows for the same dialogue
  std::vector<double> ratios;   // wall / floor
  std::vector<double> longestEventGapMs;
  // Runs that did not end "Done!" and were made again: on a shared virtual machine a reply
  // now and then reaches the program over 25 ms late, which the transfer rightly reports.
  int repeated = 0;
  // Runs that failed every try: on a busy machine 16 ms bursts leave a thin margin.
  int givenUp = 0;
};

struct TransferBench {
  TransferFigures read;
  TransferFigures write;
};

// Alternates reads and writes, the radio's replies handed over in bursts every burstMs
// (0: byte by byte) as through a USB adapter's latency timer. Only runs that end "Done!"
// count; one that does not is made again, up to a few times, and then given up and counted.
TransferBench BenchTransfers(int runs, int reactionDelayMs, int burstMs);
