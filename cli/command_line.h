#pragma once

#include "cli/platform.h"

// vexalon-cli from its arguments to its exit status: the arguments parsed, and the command
// they name run on the platform given.
int RunCommandLine(int argc, const char* const argv[], const Platform& platform);
