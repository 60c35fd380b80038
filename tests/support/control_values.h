#pragma once

#include <map>
#include <string>

class Tmainform;

// Every grid and settings control's value by name, as text, so that "nothing changed" is
// one comparison.
std::map<std::string, std::string> ControlValues(const Tmainform& window);
