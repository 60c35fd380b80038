#pragma once

#include <string>

// What an advanced-mode Hz box may hold for a write: nothing (the channel direction is not
// in use), or 1 to 9 digits, spaces around them allowed, a multiple of 10 Hz and not zero.
// Anything else would reach the radio as a frequency nobody typed.
bool IsWritableHzText(const std::string& text);

// The text without the spaces around it, as the frequency code must be made from it.
std::string TrimmedHzText(const std::string& text);

// "439.98750" for the nine-character Hz text "439987500" that a frequency code decodes to.
std::string MegahertzText(const std::string& hzText);
