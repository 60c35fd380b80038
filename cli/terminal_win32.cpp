#include <windows.h>

#include "cli/terminal.h"

void PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
}

// A console before Windows 10 does not take escape sequences; its output then has none.
bool StderrRedraws() {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  return GetConsoleMode(error, &mode) != 0 &&
         SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}
