#include <signal.h>
#include <unistd.h>

#include "cli/terminal.h"

// A reader that goes away (`| head`) must not end the program while radios are written:
// the output is lost, the transfers go on.
void PrepareConsole() {
  signal(SIGPIPE, SIG_IGN);
}

bool StderrRedraws() {
  return isatty(STDERR_FILENO) == 1;
}
