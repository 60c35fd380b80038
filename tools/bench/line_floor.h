#pragma once

#include <vector>

#include "radio/byte_string.h"

// The shortest time a dialogue can take on the simulated line: for each exchange the quiet
// gap that ends it, and for an answered command also the command's and the reply's line
// time and the radio's reaction delay. An unanswered command costs the quiet gap alone,
// since a pseudo-terminal takes it at once where a real line would still carry it.
double ProtocolFloorMs(const std::vector<ByteString>& commands,
                       const std::vector<ByteString>& replies, int reactionDelayMs);
