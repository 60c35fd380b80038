#pragma once

#include <string>

#include "files/plan_window.h"

// Writes the 15 channels, and the settings page when `settings` is true, to the named
// file, keeping every other line an existing file holds. Throws IniWriteError
// ("Unable to write to " + file name) when the file cannot be written; the earlier
// file then stays as it was. Shows nothing and logs nothing.
void SaveToFile(PlanWindow& window, const std::string& fileName, bool settings);

// Reads a channel plan file into the window, and the settings page when `settings` is
// true and the file holds it. An advanced-mode file switches a normal window to
// advanced mode; a normal-mode file is refused in advanced mode, and so is a file that
// cannot be read or holds none of the plan's sections. Refusals and notices are dialogs;
// any other content loads without harm, missing or unusable values taking their defaults.
void LoadFromFile(PlanWindow& window, const std::string& fileName, bool settings);
