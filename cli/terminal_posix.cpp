#include <unistd.h>

#include "cli/terminal.h"

void PrepareConsole() {}

bool StderrRedraws() {
  return isatty(STDERR_FILENO) == 1;
}
