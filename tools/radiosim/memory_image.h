#pragma once

#include <cstddef>
#include <string>

#include "radio/byte_string.h"

// The radio's programmable memory, addresses 0x000 to 0x3FF.
inline constexpr std::size_t kRadioMemorySize = 0x400;

// A radio as a demo wants to find it: PMR446 channels 1 to 8 on rows 1 to 8, rows 9 to 15
// not in use, both banks alike, and the factory settings.
ByteString DefaultRadioMemory();

// A memory image file holds exactly the radio's memory, byte for byte. Both throw
// std::runtime_error with the reason when the file cannot be used.
ByteString LoadMemoryImage(const std::string& path);
void SaveMemoryImage(const std::string& path, const ByteString& memory);
