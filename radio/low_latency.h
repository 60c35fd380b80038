#pragma once

#include <optional>

// USB serial adapters hold received bytes back for up to 16 ms (an FTDI chip's latency
// timer) unless the driver is asked for low latency; that wait eats most of the 25 ms a
// reply has to begin. Asks for it on an open serial port and returns the port's flags as
// they were, to be put back on close; nothing where the driver does not take the request
// (a pseudo-terminal refuses it) or low latency was already on.
std::optional<int> RequestLowLatency(int fd);
// Puts back the flags RequestLowLatency returned; a refusal is ignored.
void RestoreSerialFlags(int fd, int flags);
