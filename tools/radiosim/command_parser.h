#pragma once

#include <cstddef>
#include <cstdint>

#include "radio/byte_string.h"

// The commands the radio understands.
enum class SimCommand { Program, Acknowledge, Read, Write };

struct ParsedCommand {
  enum Status {
    Complete,    // kind and length are set
    Incomplete,  // the buffer holds the start of a command; wait for more bytes
    NoCommand,   // the first byte starts no command
  };
  Status status = NoCommand;
  SimCommand kind = SimCommand::Acknowledge;
  std::size_t length = 0;
  std::uint16_t address = 0;  // Read and Write
  std::uint8_t count = 0;     // Read and Write
};

// Looks at the command at the front of the bytes received so far.
ParsedCommand ParseCommand(const ByteString& buffer);
