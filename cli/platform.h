#pragma once

#include <functional>
#include <memory>
#include <string>

#include "cli/interrupt.h"
#include "radio/serial_link.h"

// A link for the named port, for one thread's use.
using LinkMaker = std::function<std::unique_ptr<TBlockSerial>(const std::string& port)>;

// What a run of the command line takes from the machine: its two output streams, a serial
// link for each port, and Ctrl+C. The program's main gives the system's own; tests give
// captured output, links to simulated radios and presses of their own.
struct Platform {
  // Text for stdout and for stderr, each written whole.
  std::function<void(const std::string&)> out;
  std::function<void(const std::string&)> err;
  // stderr is a terminal that redraws progress lines.
  bool stderrRedraws = false;
  LinkMaker makeLink;
  // Starts counting Ctrl+C, before any link is made; `heard` is told the count after each
  // press.
  std::function<std::unique_ptr<Interrupts>(std::function<void(int count)> heard)> watchInterrupts;
};
