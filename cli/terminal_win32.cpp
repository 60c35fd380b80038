#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "cli/terminal.h"

// stdout carries files (a plan's text, JSON) and must hold their bytes as they are, not
// with every line end doubled into CR CR LF.
void PrepareConsole() {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
}

// A console before Windows 10 does not take escape sequences; its output then has none.
bool StderrRedraws() {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  return GetConsoleMode(error, &mode) != 0 &&
         SetConsoleMode(error, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}
