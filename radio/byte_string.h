#pragma once

#include <cstdint>
#include <vector>

// Commands, replies and radio data: counted bytes that may hold 0x00. Two byte strings
// are equal only when length and bytes are equal, which is what operator== gives.
using ByteString = std::vector<std::uint8_t>;
