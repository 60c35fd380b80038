#pragma once

#include "cli/console.h"
#include "cli/context.h"
#include "cli/options.h"

// The commands; each gives the exit status.
int RunPorts(const Options& options, Console& console);
int RunRead(Context& context);
int RunWrite(Context& context);
int RunVerify(Context& context);
int RunBackup(Context& context);
int RunRestore(Context& context);
int RunProbe(Context& context);
