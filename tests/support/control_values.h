#pragma once

#include <map>
#include <string>

#include "radio/window_controls.h"

// Every grid and settings control's value by name, as text, read through the window
// interface, so that "nothing changed" is one comparison on any window.
std::map<std::string, std::string> ControlValues(const WindowControls& window);
