#pragma once

#include <string_view>

#include "radio/log_line.h"

// A value read from a file, in quotes, as a message shows it: cut short on a character
// boundary when it is long, since a damaged file may hold a value of megabytes.
LogLine QuotedValue(std::string_view value);
