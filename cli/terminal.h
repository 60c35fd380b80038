#pragma once

// Sets the console up for the program's output: on Windows UTF-8 for the port names' dashes,
// and stdout's bytes as written; on POSIX systems a closed pipe that ends nothing.
void PrepareConsole();

// Whether stderr is a terminal that redraws lines on escape sequences, as progress lines
// need; not when it goes to a file or a pipe.
bool StderrRedraws();
