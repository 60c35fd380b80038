#include "tools/bench/line_floor.h"

#include "radio/protocol.h"
#include "tools/radiosim/radio_simulator.h"

double ProtocolFloorMs(const std::vector<ByteString>& commands,
                       const std::vector<ByteString>& replies, int reactionDelayMs) {
  double floorMs = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    floorMs += kQuietGapMs;
    if (i < replies.size() && !replies[i].empty()) {
      const auto lineBytes = static_cast<double>(commands[i].size() + replies[i].size());
      floorMs += lineBytes * RadioSimulator::kByteTimeMs + reactionDelayMs;
    }
  }
  return floorMs;
}
