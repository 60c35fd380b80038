#pragma once

#include <string>

// "0.1.0".
std::string ProgramVersion();
// How this program was built, for reports on problems: "GCC 12.2.0, x86_64, Release".
std::string ProgramBuild();
