#pragma once

#include <cstdint>
#include <string>

#include "radio/byte_string.h"

// Bytes as upper-case hex pairs separated by spaces, e.g. "02 50 52".
std::string HexText(const ByteString& bytes);
// An address as "0x03C0".
std::string HexAddress(std::uint16_t address);
