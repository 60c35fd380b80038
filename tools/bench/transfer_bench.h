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
};

struct TransferBench {
  TransferFigures read;
  TransferFigures write;
};

// Alternates reads and writes, the radio's replies handed over in bursts every burstMs
// (0: byte by byte) as through a USB adapter's latency timer. Throws std::runtime_error when a
// transfer does not end with "Done!" or the window shows a dialog, since its figures would then
// mean nothing.
TransferBench BenchTransfers(int runs, int reactionDelayMs, int burstMs);
