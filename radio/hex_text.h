#pragma once

#include <cstdint>
#include <string>

#include "radio/byte_string.h"

// The value's upper-case hex digits, zero-padded to at least `digits`: "03C0" for 0x3C0, 4.
std::string HexDigits(std::uint32_t value, int digits);
// Each byte as two upper-case hex digits, with the separator between them: "01 02 0A" with
// " ", "01020A" with "".
std::string HexBytes(const ByteString& bytes, const char* separator);
// An address as the messages name it: "0x03C0".
std::string HexAddress(std::uint16_t address);
