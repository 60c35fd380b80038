#pragma once

#include <windows.h>

// The major version the system reports about itself.
DWORD WindowsMajorVersion();

// From Vista on the main window carries its own taskbar button.
void AdjustWindowStyle(HWND window);

// Minimise, maximise and restore of the main window go straight to the system's default
// handling from Vista on. True when the command was handled so; its result is in *result.
bool HandleSystemCommand(const MSG& message, LRESULT* result);
