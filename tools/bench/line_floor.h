#pragma once

#include <vector>

#include "radio/byte_string.h"

// The shortest time a dialogue can take on the line: for each exchange the command's line
// time and the quiet gap that ends it, and for an answered command also the reply's line
// time and the radio's reaction delay. The radio's silence counts from when it can have
// heard the whole command, on a pseudo-terminal too, which takes a command at once.
double ProtocolFloorMs(const std::vector<ByteString>& commands,
                       const std::vector<ByteString>& replies, int reactionDelayMs);
