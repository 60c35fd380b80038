#pragma once

#include <QString>

#include "radio/log_line.h"

// A line from radio/ or files/ in the language the window speaks: each format that is not
// literal is looked up among the translations, then the arguments are put in place.
QString Shown(const LogLine& line);
