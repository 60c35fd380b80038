#pragma once

#include <string>

#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "radio/transfers.h"

class ReportFile;

// What every radio of a command shares while it runs.
struct Context {
  const Options& options;
  Console& console;
  const Interrupts& interrupts;
  const LinkMaker& makeLink;
  // Where --report appends a row as each radio ends; none without it.
  ReportFile* report = nullptr;
};

// A radio in the output: its port, and with --repeat its number on that port, from 1.
struct RadioId {
  std::string port;
  int number = 0;
};

// What a write or restore sends, as --changed-only says.
WriteScope ScopeOf(const Options& options);

// "PORT #2", or the port alone without a number.
std::string RadioName(const RadioId& radio);
// What the radio's lines on stderr start with: its port when there are several, its number
// with --repeat; nothing for the one radio of a command.
std::string LineLabel(const Options& options, const RadioId& radio);
