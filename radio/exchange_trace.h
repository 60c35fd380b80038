#pragma once

#include <string>
#include <vector>

#include "radio/byte_string.h"

// What went over the line in one opening of a port, as a maintainer needs it to see why a
// radio did not answer as expected. Times are milliseconds since the port was opened, on
// the link's clock.

// Bytes that one receive of the link returned.
struct TracePiece {
  double atMs = 0;
  ByteString bytes;
};

// One command and every piece that came back until the next one.
struct TracedExchange {
  double sentMs = 0;   // when SendBytes was called
  ByteString command;  // empty for bytes that came before any command
  std::vector<TracePiece> reply;
};

struct ExchangeTrace {
  std::string port;  // the name the port was opened by
  std::vector<TracedExchange> exchanges;
};

// Text for people: one line per command and per reply, hex bytes, times to 0.1 ms, the
// time of each piece of a reply.
std::string ExchangeTraceText(const ExchangeTrace& trace);
