#pragma once

#include "radio/log_line.h"
#include "radio/settings_table.h"

// A setting's value as the settings page shows it: its list item ("Monitor lock",
// "30 seconds"), its level, or On / Off.
LogLine SettingValueLine(Setting setting, int value);
