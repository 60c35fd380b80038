#pragma once

#include <optional>
#include <string>

#include "cli/options.h"

enum class Command { Ports, Read, Write, Verify, Backup, Restore, Probe };

// What the command line asks for, or how the program ends without running a command.
struct ParsedArguments {
  Command command = Command::Ports;
  Options options;
  // Set when the program ends at once: help, its version, or bad usage. What it prints
  // then goes to stdout and stderr as given.
  std::optional<int> exitStatus;
  std::string out;
  std::string err;
};

// Reads the arguments, program name first, and checks what can be checked without
// touching a file or a port. Bad usage ends with exit status 2 and says what is wrong;
// nothing escapes as an exception.
ParsedArguments ParseArguments(int argc, const char* const* argv);
