#include "tools/bench/line_floor.h"

#include "radio/protocol.h"
#include "tools/radiosim/radio_simulator.h"

double ProtocolFloorMs(const std::vector<ByteString>& commands,
                       const std::vector<ByteString>& replies, int reactionDelayMs) {
  double floorMs = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    floorMs += kQuietGapMs + static_cast<double>(commands[i].size()) * RadioSimulator::kByteTimeMs;
    if (i < replies.size() && !replies[i].empty()) {
      floorMs +=
          static_cast<double>(replies[i].size()) * RadioSimulator::kByteTimeMs + reactionDelayMs;
    }
  }
  return floorMs;
}
